/// \file
/// The public properties of LabelSelect, one row each (columns in control_properties.h), in the
/// order the property bag stores them. Changing one row changes the getter, the setter, the start
/// value, saving and loading, and the Qt widget's property together.
///
/// The bag defaults are those of a new control, except "SpaceWidth": its 0 differs from the
/// stock's 7.62, so a new control's gap is always written. "DataFolder" is written but not read
/// back: the host sets it again after loading. The start label and the address layout are not
/// stored; the address layout comes from the catalog lookup only and starts at 0.
#pragma once

#include "orvano/controls/control_properties.h"

/// The properties of LabelSelect (lengths in millimetres):
/// - PageWidth, PageHeight: the page size; follows PageFormat and Landscape.
/// - BorderLeft, BorderTop: from the page's left and top edges to the first label column and row.
/// - LabelWidth, LabelHeight: the size of one label.
/// - SpaceHeight, SpaceWidth: the gaps between two label rows and between two label columns.
/// - Cols, Rows: labels per row and per column.
/// - Brand, LabelName: the chosen stock's maker and name; setting either looks the label up.
/// - Description: the catalog's text of the chosen stock.
/// - DataFolder: the folder of the user's own labels; empty for the component's folder.
/// - AllowMarquee, AllowConfig: whether a click sets the start label, and whether the settings
///   dialog opens from the control (flags: true is -1).
/// - Direction: the fill order, ovLeftRight or ovTopBottom.
/// - Landscape, PageFormat: the orientation flag and the page format code (9 A4, 11 A5).
/// - AddressLabel: whether LabelDef carries the address fields.
/// - LabelID: the start label, from 0 in fill order.
/// - AddressLabelReturnAddressFormat, AddressLabelHeadingSpace, AddressLabelAddressSpace,
///   AddressLabelBorderLeft, ...Top, ...Right, ...Bottom, AddressLabelWithLabelHeading,
///   AddressLabelFontSize (points): read-only, the address layout of the loaded label.
// clang-format off
#define ORVANO_LABEL_SELECT_PROPERTIES(X)                                                                  \
  X(PageWidth, pageWidth, double, double, sheet_.PageWidth, Stock().PageWidth, Stock().PageWidth, Saved, Redraw) \
  X(PageHeight, pageHeight, double, double, sheet_.PageHeight, Stock().PageHeight, Stock().PageHeight, Saved, Redraw) \
  X(BorderLeft, borderLeft, double, double, sheet_.BorderLeft, Stock().BorderLeft, Stock().BorderLeft, Saved, Redraw) \
  X(BorderTop, borderTop, double, double, sheet_.BorderTop, Stock().BorderTop, Stock().BorderTop, Saved, Redraw) \
  X(LabelWidth, labelWidth, double, double, sheet_.LabelWidth, Stock().LabelWidth, Stock().LabelWidth, Saved, Redraw) \
  X(LabelHeight, labelHeight, double, double, sheet_.LabelHeight, Stock().LabelHeight, Stock().LabelHeight, Saved, Redraw) \
  X(SpaceHeight, spaceHeight, double, double, sheet_.SpaceHeight, Stock().SpaceHeight, 0.0, Saved, Redraw) \
  X(SpaceWidth, spaceWidth, double, double, sheet_.SpaceWidth, Stock().SpaceWidth, 0.0, Saved, Redraw) \
  X(Cols, cols, std::int32_t, int, sheet_.Cols, Stock().Cols, Stock().Cols, Saved, Redraw) \
  X(Rows, rows, std::int32_t, int, sheet_.Rows, Stock().Rows, Stock().Rows, Saved, Redraw) \
  X(Brand, brand, std::string, QString, brand_, std::string(), std::string(), Saved, Reload) \
  X(LabelName, labelName, std::string, QString, labelName_, std::string(), std::string(), Saved, Reload) \
  X(Description, description, std::string, QString, description_, std::string(), std::string(), Saved, Redraw) \
  X(DataFolder, dataFolder, std::string, QString, dataFolder_, std::string(), std::string(), WriteOnly, Redraw) \
  X(AllowMarquee, allowMarquee, host::Flag, bool, allowMarquee_, host::kTrue, host::kTrue, Saved, Redraw) \
  X(AllowConfig, allowConfig, host::Flag, bool, allowConfig_, host::kTrue, host::kTrue, Saved, Redraw) \
  X(Direction, direction, ovLabelDirectionConstants, orvano::qt::Enums::ovLabelDirectionConstants, direction_, ovLeftRight, std::int32_t{ovLeftRight}, Saved, Custom) \
  X(Landscape, landscape, host::Flag, bool, sheet_.Landscape, Stock().Landscape, Stock().Landscape, Saved, Custom) \
  X(PageFormat, pageFormat, ovPageFormatConstants, orvano::qt::Enums::ovPageFormatConstants, sheet_.PageFormat, Stock().PageFormat, Stock().PageFormat, Saved, Custom) \
  X(AddressLabel, addressLabel, host::Flag, bool, addressLabel_, host::kFalse, host::kFalse, Saved, Store) \
  X(LabelID, labelID, std::int32_t, int, labelId_, 0, 0, NotSaved, Custom) \
  X(AddressLabelReturnAddressFormat, addressLabelReturnAddressFormat, ovReturnAddressFormatConstants, orvano::qt::Enums::ovReturnAddressFormatConstants, address_.ReturnAddressFormat, 0, 0, NotSaved, ReadOnly) \
  X(AddressLabelHeadingSpace, addressLabelHeadingSpace, double, double, address_.HeadingSpace, 0.0, 0.0, NotSaved, ReadOnly) \
  X(AddressLabelAddressSpace, addressLabelAddressSpace, double, double, address_.AddressSpace, 0.0, 0.0, NotSaved, ReadOnly) \
  X(AddressLabelBorderLeft, addressLabelBorderLeft, double, double, address_.BorderLeft, 0.0, 0.0, NotSaved, ReadOnly) \
  X(AddressLabelBorderTop, addressLabelBorderTop, double, double, address_.BorderTop, 0.0, 0.0, NotSaved, ReadOnly) \
  X(AddressLabelBorderRight, addressLabelBorderRight, double, double, address_.BorderRight, 0.0, 0.0, NotSaved, ReadOnly) \
  X(AddressLabelBorderBottom, addressLabelBorderBottom, double, double, address_.BorderBottom, 0.0, 0.0, NotSaved, ReadOnly) \
  X(AddressLabelWithLabelHeading, addressLabelWithLabelHeading, host::Flag, bool, address_.WithLabelHeading, host::kFalse, host::kFalse, NotSaved, ReadOnly) \
  X(AddressLabelFontSize, addressLabelFontSize, std::int32_t, int, address_.FontSize, 0, 0, NotSaved, ReadOnly)
// clang-format on
