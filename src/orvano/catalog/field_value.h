/// \file
/// The value of one field of a catalog record: absent, a whole number (only the field count), a
/// number, or a text.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "orvano/core_export.h"

namespace orvano::catalog {

/// One field's value (see the file comment).
class ORVANO_CORE_EXPORT FieldValue {
 public:
  /// Which of the four a value is.
  enum class Kind {
    Null,    ///< absent
    Long,    ///< a whole number
    Double,  ///< a number
    Text     ///< a text
  };

  FieldValue() = default;  ///< absent
  /// A whole number, a number or a text (implicit, so records read as lists of values).
  ///@{
  FieldValue(std::int32_t n) : v_(n) {}              // NOLINT(google-explicit-constructor)
  FieldValue(double d) : v_(d) {}                    // NOLINT
  FieldValue(std::string s) : v_(std::move(s)) {}    // NOLINT
  FieldValue(const char* s) : v_(std::string(s)) {}  // NOLINT
  ///@}

  Kind GetKind() const noexcept { return static_cast<Kind>(v_.index()); }  ///< which kind
  /// Whether the value is of that kind.
  ///@{
  bool IsNull() const noexcept { return GetKind() == Kind::Null; }
  bool IsLong() const noexcept { return GetKind() == Kind::Long; }
  bool IsDouble() const noexcept { return GetKind() == Kind::Double; }
  bool IsText() const noexcept { return GetKind() == Kind::Text; }
  ///@}

  /// The stored value of its own kind; another kind throws std::bad_variant_access.
  ///@{
  std::int32_t Long() const { return std::get<std::int32_t>(v_); }
  double Double() const { return std::get<double>(v_); }
  const std::string& Text() const { return std::get<std::string>(v_); }
  ///@}

  /// The value as text: empty when absent, numbers in the German number text.
  std::string ToText() const;

  bool operator==(const FieldValue&) const = default;  ///< same kind and value

 private:
  std::variant<std::monostate, std::int32_t, double, std::string> v_;
};

}  // namespace orvano::catalog
