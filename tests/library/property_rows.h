// Each control's public properties as rows built from its own property table: name, bag mode,
// a getter giving the bag's value, a setter for a value that no new control holds, and a setter
// for any number.
#pragma once

#include <string>
#include <type_traits>
#include <vector>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/controls/label_select/label_select.h"
#include "orvano/controls/preview/preview.h"

namespace orvano::test_support {

enum class Kind { Length, Count, Flag, Text };

template <class T>
constexpr Kind KindOf() {
  if constexpr (std::is_same_v<T, double>) return Kind::Length;
  if constexpr (std::is_same_v<T, host::Flag>) return Kind::Flag;
  if constexpr (std::is_same_v<T, std::string>) return Kind::Text;
  return Kind::Count;  // 32-bit integers and enumeration codes
}

// One public property as its table row states it.
template <class C>
struct Property {
  const char* name;
  host::BagMode bag;
  host::Variant (*get)(const C&);
  Kind kind;
  void (*change)(C&);               // a value that differs from the current one; none: read-only
  void (*setNumber)(C&, double v);  // numeric and flag properties that have a setter
};

// A blank brand looks nothing up, so brand and label name keep what they get without a catalog.
template <class T>
T Other(const T& now, const std::string& name) {
  if constexpr (std::is_same_v<T, std::string>) {
    return name == "Brand" ? "  " : " Frau\r\nErika Müller · " + name + " ";
  } else if constexpr (std::is_same_v<T, host::Flag>) {
    return now == host::kTrue ? host::kFalse : host::kTrue;
  } else if constexpr (std::is_same_v<T, double>) {
    return now + 1.25;
  } else {
    return static_cast<T>(now + 1);
  }
}

#define ORVANO_TEST_SET(Name, Type) \
  [](Class& c) { c.Set##Name(static_cast<Type>(Other(c.Name(), #Name))); }
#define ORVANO_TEST_SET_Redraw ORVANO_TEST_SET
#define ORVANO_TEST_SET_Reload ORVANO_TEST_SET
#define ORVANO_TEST_SET_Store ORVANO_TEST_SET
#define ORVANO_TEST_SET_Custom ORVANO_TEST_SET
#define ORVANO_TEST_SET_ReadOnly(Name, Type) nullptr
#define ORVANO_TEST_NUMBER(Name, Type)                                             \
  [](Class& c, auto v) {                                                           \
    if constexpr (KindOf<Type>() != Kind::Text) c.Set##Name(static_cast<Type>(v)); \
  }
#define ORVANO_TEST_NUMBER_Redraw ORVANO_TEST_NUMBER
#define ORVANO_TEST_NUMBER_Reload ORVANO_TEST_NUMBER
#define ORVANO_TEST_NUMBER_Store ORVANO_TEST_NUMBER
#define ORVANO_TEST_NUMBER_Custom ORVANO_TEST_NUMBER
#define ORVANO_TEST_NUMBER_ReadOnly(Name, Type) nullptr
#define ORVANO_TEST_PROPERTY(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change)       \
  Property<Class>{#Name,                                                                           \
                  host::BagMode::Bag,                                                              \
                  [](const Class& c) {                                                             \
                    return host::BagCodec<std::remove_cvref_t<decltype(c.Name())>>::Out(c.Name()); \
                  },                                                                               \
                  KindOf<Type>(),                                                                  \
                  ORVANO_TEST_SET_##Change(Name, Type),                                            \
                  ORVANO_TEST_NUMBER_##Change(Name, Type)},

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
