/// \file
/// A control's public properties, declared once. Each control lists its properties as the rows of
/// an X-macro, in the order its property bag stores them:
///
///   X(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change)
///
///   Name     public name: getter Name(), setter SetName(), property-bag key "Name"
///   qtName   the property of the Qt widget; QtType its type there
///   Type     what the getter returns and the setter takes
///   Field    where the control keeps the value; the bag reads and writes it directly
///   Start    the value a new control starts with
///   Default  the bag's default for the key
///   Bag      Saved, WriteOnly or NotSaved (host::BagMode)
///   Change   what a set does after storing: Redraw (the control's redraw), Reload (look the label
///            up, then redraw), Store (nothing more), Custom (getter and setter written by hand),
///            ReadOnly (a getter only)
///
/// The macros below turn the rows into the getters and setters, the start values and the two
/// property-bag handlers; the Qt widgets expand the same rows into their Q_PROPERTYs.
#pragma once

#include <string>
#include <type_traits>
#include <utility>

#include "orvano/host/bag_value.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano {

/// The stock every control starts with, as the rows name it.
inline const SheetGeometry& Stock() noexcept {
  static const SheetGeometry stock = SheetGeometry::DefaultStock();
  return stock;
}

/// Getters hand out strings by reference, everything else by value.
template <class T>
using PropertyGet = std::conditional_t<std::is_same_v<T, std::string>, const std::string&, T>;

}  // namespace orvano

// ---- inside the class: the generated getters and setters

/// One row as class members: the getter Name() (strings by reference), and per Change the setter
/// SetName(Type): declared for Redraw and Reload, inline for Store, none for ReadOnly; Custom
/// rows are written by hand.
///@{
#define ORVANO_PROPERTY_ACCESSORS(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  ORVANO_PROPERTY_ACCESSORS_##Change(Name, Type, Field)
#define ORVANO_PROPERTY_GETTER(Name, Type, Field)           \
  ::orvano::PropertyGet<Type> Name() const noexcept {       \
    return static_cast<::orvano::PropertyGet<Type>>(Field); \
  }
#define ORVANO_PROPERTY_ACCESSORS_Redraw(Name, Type, Field) \
  ORVANO_PROPERTY_GETTER(Name, Type, Field)                 \
  void Set##Name(Type value);
#define ORVANO_PROPERTY_ACCESSORS_Reload(Name, Type, Field) \
  ORVANO_PROPERTY_ACCESSORS_Redraw(Name, Type, Field)
#define ORVANO_PROPERTY_ACCESSORS_Store(Name, Type, Field) \
  ORVANO_PROPERTY_GETTER(Name, Type, Field)                \
  void Set##Name(Type value) noexcept { Field = value; }
#define ORVANO_PROPERTY_ACCESSORS_ReadOnly(Name, Type, Field) \
  ORVANO_PROPERTY_GETTER(Name, Type, Field)
#define ORVANO_PROPERTY_ACCESSORS_Custom(Name, Type, Field)
///@}

// ---- in the control's source: the setters that store and then redraw or reload. The class
// provides Redraw() and Reload(field, value).

/// One row's setter body, in the control's source: Redraw rows store and call Redraw(); Reload
/// rows hand field and value to Reload(); the other kinds have none here.
///@{
#define ORVANO_PROPERTY_SETTER(Class, Name, qtName, Type, QtType, Field, Start, Default, Bag, \
                               Change)                                                        \
  ORVANO_PROPERTY_SETTER_##Change(Class, Name, Type, Field)
#define ORVANO_PROPERTY_SETTER_Redraw(Class, Name, Type, Field) \
  void Class::Set##Name(Type value) {                           \
    Field = std::move(value);                                   \
    Redraw();                                                   \
  }
#define ORVANO_PROPERTY_SETTER_Reload(Class, Name, Type, Field) \
  void Class::Set##Name(Type value) { Reload(Field, std::move(value)); }
#define ORVANO_PROPERTY_SETTER_Store(Class, Name, Type, Field)
#define ORVANO_PROPERTY_SETTER_ReadOnly(Class, Name, Type, Field)
#define ORVANO_PROPERTY_SETTER_Custom(Class, Name, Type, Field)
///@}

// ---- start values and the property bag, one statement per row

/// One row's start value, assigned to its field (in the control's SetDefaults).
#define ORVANO_PROPERTY_START(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  Field = Start;
/// One row written to the property bag `bag` by its bag mode, against its default.
#define ORVANO_PROPERTY_WRITE(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  ::orvano::host::WriteValue<::orvano::host::BagMode::Bag>(bag, #Name, Field, Default);
/// One row read from the property bag `bag` by its bag mode, with its default.
#define ORVANO_PROPERTY_READ(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  ::orvano::host::ReadValue<::orvano::host::BagMode::Bag>(bag, #Name, Field, Default);
