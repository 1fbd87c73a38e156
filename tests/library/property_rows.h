// Each control's public properties as rows of its own property table: name, bag mode, kind, the
// value as the bag holds it, and a setter (none for a read-only property).
#pragma once

#include <string>
#include <type_traits>
#include <vector>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/controls/label_select/label_select.h"
#include "orvano/controls/preview/preview.h"

namespace orvano::test_support {

enum class Kind { Length, Count, Flag, Text };  // Count: 32-bit integers and enumeration codes

template <class T>
constexpr Kind KindOf() {
  if constexpr (std::is_same_v<T, double>) return Kind::Length;
  if constexpr (std::is_same_v<T, host::Flag>) return Kind::Flag;
  if constexpr (std::is_same_v<T, std::string>) return Kind::Text;
  return Kind::Count;
}

template <class C>
struct Property {
  const char* name;
  host::BagMode bag;
  Kind kind;
  host::Variant (*get)(const C&);
  void (*set)(C&, const host::Variant&);
};

#define ORVANO_TEST_SET(Name, Type)                 \
  [](Class& c, const auto& v) {                     \
    if constexpr (KindOf<Type>() == Kind::Text)     \
      c.Set##Name(v.ToString());                    \
    else                                            \
      c.Set##Name(static_cast<Type>(v.ToDouble())); \
  }
#define ORVANO_TEST_SET_Redraw ORVANO_TEST_SET
#define ORVANO_TEST_SET_Reload ORVANO_TEST_SET
#define ORVANO_TEST_SET_Store ORVANO_TEST_SET
#define ORVANO_TEST_SET_Custom ORVANO_TEST_SET
#define ORVANO_TEST_SET_ReadOnly(Name, Type) nullptr
#define ORVANO_TEST_PROPERTY(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  Property<Class>{#Name, host::BagMode::Bag, KindOf<Type>(),                                 \
                  [](const Class& c) {                                                       \
                    using T = std::remove_cvref_t<decltype(c.Name())>;                       \
                    return host::BagCodec<T>::Out(c.Name());                                 \
                  },                                                                         \
                  ORVANO_TEST_SET_##Change(Name, Type)},

template <class C>
std::vector<Property<C>> Properties();
template <>
inline std::vector<Property<LabelSelect>> Properties() {
  using Class = LabelSelect;
  return {ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_TEST_PROPERTY)};
}
template <>
inline std::vector<Property<Preview>> Properties() {
  using Class = Preview;
  return {ORVANO_PREVIEW_PROPERTIES(ORVANO_TEST_PROPERTY)};
}
template <>
inline std::vector<Property<AddressLabel>> Properties() {
  using Class = AddressLabel;
  return {ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_TEST_PROPERTY)};
}

}  // namespace orvano::test_support
