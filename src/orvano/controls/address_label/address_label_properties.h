/// \file
/// The public properties of AddressLabel, one row each (columns in control_properties.h), in the
/// order the property bag stores them. The defaults are the start values, so a new control stores
/// nothing. Every set lays the control out again.
#pragma once

#include <string>

#include "orvano/controls/control_properties.h"
#include "orvano/host/widgets.h"

namespace orvano {

/// The address has no field of its own: it is the text of the address box.
struct BoxText {
  host::TextBox& box;  ///< the address box
  /// Sets the box's text (raising its Change).
  const BoxText& operator=(const std::string& text) const {
    box.SetText(text);
    return *this;
  }
};

}  // namespace orvano

/// The address is saved as the box's text.
template <>
struct orvano::host::BagCodec<orvano::BoxText> {
  /// The box's text as a bag value.
  static Variant Out(const BoxText& text) { return Variant(text.box.Text()); }
  /// A bag value as text for the box.
  static std::string In(const Variant& value) { return value.ToString(); }
};

/// The properties of AddressLabel (lengths in millimetres):
/// - LabelWidth, LabelHeight: the size of the label drawn.
/// - LabelBorderLeft, ...Top, ...Right, ...Bottom: the margins inside the label.
/// - Address: the text of the address box (lines separated by line breaks).
/// - ReturnAddress: the sender line's text; LabelHeading: the heading's text.
/// - LabelHeadingSpace, AddressSpace: the space before the heading and before the address.
/// - ReturnAddressFormat: the sender line, none, single or double (ovReturnAddressFormatConstants).
// clang-format off
#define ORVANO_ADDRESS_LABEL_PROPERTIES(X) \
  X(LabelWidth, labelWidth, double, double, labelWidth_, Stock().LabelWidth, Stock().LabelWidth, Saved, Redraw) \
  X(LabelHeight, labelHeight, double, double, labelHeight_, Stock().LabelHeight, Stock().LabelHeight, Saved, Redraw) \
  X(LabelBorderLeft, labelBorderLeft, double, double, labelBorderLeft_, 2.0, 2.0, Saved, Redraw) \
  X(LabelBorderTop, labelBorderTop, double, double, labelBorderTop_, 2.0, 2.0, Saved, Redraw) \
  X(LabelBorderRight, labelBorderRight, double, double, labelBorderRight_, 2.0, 2.0, Saved, Redraw) \
  X(LabelBorderBottom, labelBorderBottom, double, double, labelBorderBottom_, 2.0, 2.0, Saved, Redraw) \
  X(Address, address, std::string, QString, BoxText{*txtAddress_}, std::string(), std::string(), Saved, Custom) \
  X(ReturnAddress, returnAddress, std::string, QString, returnAddress_, std::string(), std::string(), Saved, Redraw) \
  X(LabelHeading, labelHeading, std::string, QString, labelHeading_, std::string(), std::string(), Saved, Redraw) \
  X(LabelHeadingSpace, labelHeadingSpace, double, double, labelHeadingSpace_, 1.0, 1.0, Saved, Redraw) \
  X(AddressSpace, addressSpace, double, double, addressSpace_, 1.0, 1.0, Saved, Redraw) \
  X(ReturnAddressFormat, returnAddressFormat, ovReturnAddressFormatConstants, orvano::qt::Enums::ovReturnAddressFormatConstants, returnAddressFormat_, ovReturnAddressNone, std::int32_t{ovReturnAddressNone}, Saved, Redraw)
// clang-format on
