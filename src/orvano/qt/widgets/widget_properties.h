/// \file
/// The Qt properties of a wrapper widget, expanded from its control's property table (the rows of
/// control_properties.h). In the class: ORVANO_QT_PROPERTY gives the Q_PROPERTYs,
/// ORVANO_QT_ACCESSORS the getters and setters, ORVANO_QT_SIGNAL the notify signals. In the source:
/// ORVANO_QT_DEFINE the accessors' bodies and ORVANO_QT_PUBLISH one step of Publish(), which emits
/// a property's notify signal when its value differs from the one last published.
#pragma once

#include <QString>
#include <cmath>
#include <string>
#include <type_traits>

#include "orvano/host/runtime.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/widgets/widget_enums.h"

namespace orvano::qt::widget_detail {

template <class Q, class T>
Q ToQt(const T& value) {
  if constexpr (std::is_same_v<Q, QString>) {
    return ToQtLineEnds(ToQString(value));
  } else if constexpr (std::is_same_v<Q, bool>) {
    return value != 0;
  } else {
    return static_cast<Q>(value);
  }
}

template <class T, class Q>
T FromQt(const Q& value) {
  if constexpr (std::is_same_v<T, std::string>) {
    return ToStdString(value);
  } else if constexpr (std::is_same_v<T, host::Flag>) {
    return host::ToFlag(value);
  } else {
    return static_cast<T>(value);
  }
}

/// A value as the getter would give it back: texts with Qt's line ends.
template <class Q>
Q AsRead(const Q& value) {
  if constexpr (std::is_same_v<Q, QString>) {
    return ToQtLineEnds(value);
  } else {
    return value;
  }
}

/// NaN counts as equal to NaN, so storing it again is no change.
template <class Q>
bool Same(const Q& a, const Q& b) {
  if constexpr (std::is_floating_point_v<Q>) {
    return a == b || (std::isnan(a) && std::isnan(b));
  } else {
    return a == b;
  }
}

}  // namespace orvano::qt::widget_detail

/// One row as a Q_PROPERTY of its Qt name and type, with a setter setName unless ReadOnly and
/// the notify signal qtNameChanged.
///@{
#define ORVANO_QT_PROPERTY(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  ORVANO_QT_PROPERTY_##Change(Name, qtName, QtType)
#define ORVANO_QT_PROPERTY_Redraw(Name, qtName, QtType) \
  Q_PROPERTY(QtType qtName READ qtName WRITE set##Name NOTIFY qtName##Changed)
#define ORVANO_QT_PROPERTY_Reload(Name, qtName, QtType) \
  ORVANO_QT_PROPERTY_Redraw(Name, qtName, QtType)
#define ORVANO_QT_PROPERTY_Store(Name, qtName, QtType) \
  ORVANO_QT_PROPERTY_Redraw(Name, qtName, QtType)
#define ORVANO_QT_PROPERTY_Custom(Name, qtName, QtType) \
  ORVANO_QT_PROPERTY_Redraw(Name, qtName, QtType)
#define ORVANO_QT_PROPERTY_ReadOnly(Name, qtName, QtType) \
  Q_PROPERTY(QtType qtName READ qtName NOTIFY qtName##Changed)
///@}

/// One row as the widget's getter qtName() and, unless ReadOnly, its setter setName(QtType)
/// returning whether the control took the value.
///@{
#define ORVANO_QT_ACCESSORS(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  ORVANO_QT_ACCESSORS_##Change(Name, qtName, QtType)
#define ORVANO_QT_ACCESSORS_Redraw(Name, qtName, QtType) \
  QtType qtName() const;                                 \
  bool set##Name(QtType value);                          \
  ORVANO_QT_CONVERTING_SETTER(Name, QtType)
#define ORVANO_QT_ACCESSORS_Reload(Name, qtName, QtType) \
  ORVANO_QT_ACCESSORS_Redraw(Name, qtName, QtType)
#define ORVANO_QT_ACCESSORS_Store(Name, qtName, QtType) \
  ORVANO_QT_ACCESSORS_Redraw(Name, qtName, QtType)
#define ORVANO_QT_ACCESSORS_Custom(Name, qtName, QtType) \
  ORVANO_QT_ACCESSORS_Redraw(Name, qtName, QtType)
#define ORVANO_QT_ACCESSORS_ReadOnly(Name, qtName, QtType) QtType qtName() const;
///@}

// C++ callers may pass the model's enumerations, plain numbers or text literals; moc does not see
// these overloads.
#ifdef Q_MOC_RUN
/// The setter overload for any type that converts to QtType.
#define ORVANO_QT_CONVERTING_SETTER(Name, QtType)
#else
/// The setter overload for any type that converts to QtType.
#define ORVANO_QT_CONVERTING_SETTER(Name, QtType)                               \
  template <class V>                                                            \
  requires(!std::is_same_v<V, QtType> &&                                        \
           requires(V v) { static_cast<QtType>(v); }) bool set##Name(V value) { \
    return set##Name(static_cast<QtType>(value));                               \
  }
#endif

/// One row's notify signal, qtNameChanged(QtType), emitted with the new value.
#define ORVANO_QT_SIGNAL(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  void qtName##Changed(QtType value);

/// One row's getter and setter bodies, in the widget's source. A setter returns true when the
/// control took the value: no error, and the property now reads what was given.
///@{
#define ORVANO_QT_DEFINE(Class, Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  ORVANO_QT_DEFINE_##Change(Class, Name, qtName, Type, QtType)
#define ORVANO_QT_DEFINE_ReadOnly(Class, Name, qtName, Type, QtType) \
  QtType Class::qtName() const { return widget_detail::ToQt<QtType>(control_->Name()); }
#define ORVANO_QT_DEFINE_Redraw(Class, Name, qtName, Type, QtType)        \
  ORVANO_QT_DEFINE_ReadOnly(Class, Name, qtName, Type,                    \
                            QtType) bool Class::set##Name(QtType value) { \
    const Type wanted = widget_detail::FromQt<Type>(value);               \
    return Apply([&] { control_->Set##Name(wanted); }) &&                 \
           widget_detail::Same(qtName(), widget_detail::AsRead(value));   \
  }
#define ORVANO_QT_DEFINE_Reload(Class, Name, qtName, Type, QtType) \
  ORVANO_QT_DEFINE_Redraw(Class, Name, qtName, Type, QtType)
#define ORVANO_QT_DEFINE_Store(Class, Name, qtName, Type, QtType) \
  ORVANO_QT_DEFINE_Redraw(Class, Name, qtName, Type, QtType)
#define ORVANO_QT_DEFINE_Custom(Class, Name, qtName, Type, QtType) \
  ORVANO_QT_DEFINE_Redraw(Class, Name, qtName, Type, QtType)
///@}

// Inside Publish(): `published` is the widget's record of what it last signalled.
/// One row's field in the record of published values.
#define ORVANO_QT_RECORD(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  QtType qtName{};
/// One row's step of Publish(): emits qtNameChanged when the value differs from the record.
#define ORVANO_QT_PUBLISH(Name, qtName, Type, QtType, Field, Start, Default, Bag, Change) \
  if (const QtType now = qtName(); !widget_detail::Same(published.qtName, now)) {         \
    published.qtName = now;                                                               \
    if (signal) Q_EMIT qtName##Changed(now);                                              \
  }
