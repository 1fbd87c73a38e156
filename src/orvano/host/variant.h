/// \file
/// A value of the property bag: empty, flag, 32-bit integer, double or string, with the platform's
/// conversions (numeric text in either notation, banker's rounding to integers, TypeMismatch when a
/// value does not convert).
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "orvano/core_export.h"
#include "orvano/host/runtime.h"

namespace orvano::host {

/// A property-bag value: empty, a flag, a whole number, a number or a text.
class ORVANO_CORE_EXPORT Variant {
 public:
  Variant() = default;  ///< empty
  /// A flag (bool becomes kTrue or kFalse), a 32-bit number, a number or a text; implicit, so
  /// values pass as they are.
  ///@{
  Variant(Flag f) : v_(f) {}                      // NOLINT(google-explicit-constructor)
  Variant(bool b) : v_(host::ToFlag(b)) {}        // NOLINT
  Variant(std::int32_t i) : v_(i) {}              // NOLINT
  Variant(double d) : v_(d) {}                    // NOLINT
  Variant(std::string s) : v_(std::move(s)) {}    // NOLINT
  Variant(const char* s) : v_(std::string(s)) {}  // NOLINT
  ///@}

  /// Which kind the value holds.
  ///@{
  bool IsEmpty() const noexcept { return std::holds_alternative<std::monostate>(v_); }
  bool IsFlag() const noexcept { return std::holds_alternative<Flag>(v_); }
  bool IsLong() const noexcept { return std::holds_alternative<std::int32_t>(v_); }
  bool IsDouble() const noexcept { return std::holds_alternative<double>(v_); }
  bool IsString() const noexcept { return std::holds_alternative<std::string>(v_); }
  ///@}

  /// Conversions; each raises TypeMismatch or Overflow as the platform does.
  double ToDouble() const;
  std::int32_t ToLong() const;   ///< rounds half to even
  Flag ToFlag() const;           ///< any non-zero number is kTrue; "True"/"False" texts accepted
  std::string ToString() const;  ///< numbers in the German number text, flags as "Wahr"/"Falsch"

  /// Equality as the property bag uses it to skip values equal to their default: numbers compare
  /// by value across kinds, strings by content.
  bool operator==(const Variant& other) const;

 private:
  std::variant<std::monostate, Flag, std::int32_t, double, std::string> v_;
};

}  // namespace orvano::host
