/// \file
/// The public properties of Preview, one row each (columns in control_properties.h); the saved
/// ones in the order the property bag stores them. Every set redraws and re-places everything.
///
/// The layout is not saved: a loaded Preview shows the page until the host says otherwise. The
/// pitches start equal to the label size (labels that touch), but their bag default is 0.
#pragma once

#include "orvano/controls/control_properties.h"

/// The properties of Preview (lengths in millimetres):
/// - PreviewLayout: the page corner (ovPreviewPageLayout) or one label's address block
///   (ovPreviewAddressLayout); not saved.
/// - BorderLeft, BorderTop: from the page's edges to the first label column and row.
/// - LabelWidth, LabelHeight: the size of one label.
/// - SpaceVertical, SpaceHorizontal: the pitches, label size plus gap, down and across.
/// - Cols, Rows: labels per row and per column.
/// - LabelBorderLeft, ...Top, ...Right, ...Bottom: the address block's margins inside the label.
/// - LabelHeadingSpace, AddressSpace: the space before the heading and before the address.
/// - ReturnAddressFormat: the sender line, none, single or double (ovReturnAddressFormatConstants).
/// - WithLabelHeading: whether a heading is drawn (only -1 counts as true).
/// - FontSize: the address text's size in points.
// clang-format off
#define ORVANO_PREVIEW_PROPERTIES(X) \
  X(PreviewLayout, previewLayout, ovPreviewLayoutConstants, orvano::qt::Enums::ovPreviewLayoutConstants, previewLayout_, ovPreviewPageLayout, std::int32_t{ovPreviewPageLayout}, NotSaved, Redraw) \
  X(BorderLeft, borderLeft, double, double, borderLeft_, Stock().BorderLeft, Stock().BorderLeft, Saved, Redraw) \
  X(BorderTop, borderTop, double, double, borderTop_, Stock().BorderTop, Stock().BorderTop, Saved, Redraw) \
  X(LabelWidth, labelWidth, double, double, labelWidth_, Stock().LabelWidth, Stock().LabelWidth, Saved, Redraw) \
  X(LabelHeight, labelHeight, double, double, labelHeight_, Stock().LabelHeight, Stock().LabelHeight, Saved, Redraw) \
  X(SpaceVertical, spaceVertical, double, double, spaceVertical_, Stock().LabelHeight, 0.0, Saved, Redraw) \
  X(SpaceHorizontal, spaceHorizontal, double, double, spaceHorizontal_, Stock().LabelWidth, 0.0, Saved, Redraw) \
  X(Cols, cols, std::int32_t, int, cols_, Stock().Cols, Stock().Cols, Saved, Redraw) \
  X(Rows, rows, std::int32_t, int, rows_, Stock().Rows, Stock().Rows, Saved, Redraw) \
  X(LabelBorderLeft, labelBorderLeft, double, double, labelBorderLeft_, 2.0, 2.0, Saved, Redraw) \
  X(LabelBorderTop, labelBorderTop, double, double, labelBorderTop_, 2.0, 2.0, Saved, Redraw) \
  X(LabelBorderRight, labelBorderRight, double, double, labelBorderRight_, 2.0, 2.0, Saved, Redraw) \
  X(LabelBorderBottom, labelBorderBottom, double, double, labelBorderBottom_, 2.0, 2.0, Saved, Redraw) \
  X(LabelHeadingSpace, labelHeadingSpace, double, double, labelHeadingSpace_, 1.0, 1.0, Saved, Redraw) \
  X(AddressSpace, addressSpace, double, double, addressSpace_, 1.0, 1.0, Saved, Redraw) \
  X(ReturnAddressFormat, returnAddressFormat, ovReturnAddressFormatConstants, orvano::qt::Enums::ovReturnAddressFormatConstants, returnAddressFormat_, ovReturnAddressDoubleLine, std::int32_t{ovReturnAddressDoubleLine}, Saved, Redraw) \
  X(WithLabelHeading, withLabelHeading, host::Flag, bool, withLabelHeading_, host::kTrue, host::kTrue, Saved, Redraw) \
  X(FontSize, fontSize, std::int32_t, int, fontSize_, 10, std::int32_t{10}, Saved, Redraw)
// clang-format on
