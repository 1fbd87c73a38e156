/// \file
/// Property-bag values of a control's fields: one conversion per field type, and the save and load
/// steps that every control runs per key. Each step resumes its own error, so one value that fails
/// to write or to convert leaves the other keys alone.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

#include "orvano/host/error.h"
#include "orvano/host/property_bag.h"
#include "orvano/host/variant.h"

namespace orvano::host {

/// Whether a key is saved and loaded, only saved, or not kept in the bag.
enum class BagMode {
  Saved,      ///< written and read back
  WriteOnly,  ///< written, not read back
  NotSaved    ///< neither
};

/// Doubles, 32-bit integers, flags and strings keep their kind; enumerations travel as integers.
template <class T>
struct BagCodec {
  /// The value as a bag value.
  static Variant Out(const T& value) {
    if constexpr (std::is_enum_v<T>) {
      return Variant(static_cast<std::int32_t>(value));
    } else {
      return Variant(value);
    }
  }
  /// A bag value as T; the Variant's conversion errors (TypeMismatch, Overflow) reach the caller.
  static T In(const Variant& value) {
    if constexpr (std::is_enum_v<T>) {
      return static_cast<T>(value.ToLong());
    } else if constexpr (std::is_same_v<T, double>) {
      return value.ToDouble();
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
      return value.ToLong();
    } else if constexpr (std::is_same_v<T, Flag>) {
      // A Boolean: any non-zero value reads as true (-1).
      return value.ToFlag() != 0 ? kTrue : kFalse;
    } else {
      static_assert(std::is_same_v<T, std::string>, "no property-bag kind for this type");
      return value.ToString();
    }
  }
};

/// Writes a field under key by its mode, against its default; a bag that refuses is ignored.
template <BagMode mode, class F>
void WriteValue(PropertyBag& bag, const char* key, const F& field, const Variant& fallback) {
  if constexpr (mode != BagMode::NotSaved) {
    Resume([&] { bag.WriteProperty(key, BagCodec<F>::Out(field), fallback); });
  }
}

/// Reads a field from key (Saved keys only), with its default; a value that does not convert
/// leaves the field as it was. F may be a proxy (a widget's text) that is assigned through a
/// temporary.
template <BagMode mode, class F>
void ReadValue(PropertyBag& bag, const char* key, F&& field, const Variant& fallback) {
  if constexpr (mode == BagMode::Saved) {
    using T = std::remove_cvref_t<F>;
    Resume([&] { field = BagCodec<T>::In(bag.ReadProperty(key, fallback)); });
  }
}

}  // namespace orvano::host
