/// \file
/// The arithmetic of the sheet picture's label grid. One layout pass fixes a handful of values;
/// every label area, face, outline, path segment and tooltip follows from them and its number, so
/// a grid of 9999 x 9999 labels costs no more than one of 2 x 6.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "orvano/core_export.h"
#include "orvano/model/enums.h"
#include "orvano/model/sheet_geometry.h"

/// The sheet picture of LabelSelect: which label lies where, computed on demand.
namespace orvano::sheet {

/// A rectangle in the control's pixels.
struct ORVANO_CORE_EXPORT Rect {
  /// Left and top edge, width and height, pixels.
  ///@{
  double left = 0, top = 0, width = 0, height = 0;
  ///@}
};

/// A line in the control's pixels.
struct ORVANO_CORE_EXPORT Segment {
  /// Start and end point, pixels.
  ///@{
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  ///@}
  std::int32_t width = 1;  ///< the line width, pixels
};

/// The labels of the sheet picture in pixels, each computed when asked for.
struct ORVANO_CORE_EXPORT Grid {
  std::int32_t cols = 0;  ///< labels per row
  std::int32_t rows = 0;  ///< labels per column
  /// Fill order, as the model numbers labels.
  std::int32_t direction = ovLeftRight;
  /// Labels 0 .. placed - 1 have an area in this pass.
  std::int64_t placed = 0;
  /// Top left corner of label 0 and the step to the next column and row, whole pixels.
  ///@{
  double originX = 0, originY = 0;
  std::int64_t pitchX = 0, pitchY = 0;
  ///@}
  /// Size of every label area (label size + 1 pixel).
  ///@{
  double width = 0, height = 0;
  ///@}
  std::int32_t stroke = 0;  ///< the fill path's width, pixels
  /// Line widths of straight and diagonal path segments.
  ///@{
  std::int32_t straightWidth = 1, diagonalWidth = 1;
  ///@}

  bool ByColumns() const noexcept { return direction != ovLeftRight; }  ///< fills top to bottom
  /// Row and column of a label number under the fill order; the top left cell for a number that
  /// is not on the sheet.
  GridCell Cell(std::int64_t n) const noexcept;
  Rect LabelRect(std::int64_t n) const;  ///< the area of label n
  /// The path segment from the centre of label n - 1 to that of label n (n >= 1).
  Segment PathSegment(std::int64_t n) const;
  /// "A1" for the top left label, whatever the fill order.
  std::string ToolTip(std::int64_t n) const;
  /// The front-most placed label whose area holds the point (the highest number, since later
  /// labels lie in front), or -1.
  std::int64_t HitTest(double x, double y) const;
  /// The placed labels whose areas overlap the rectangle, in ascending number (back to front).
  void VisitIn(double left, double top, double right, double bottom,
               const std::function<void(std::int64_t)>& visit) const;
  /// The columns and rows whose areas overlap the rectangle, as closed ranges; false if none.
  bool Overlapping(double left, double top, double right, double bottom, std::int64_t& c0,
                   std::int64_t& c1, std::int64_t& r0, std::int64_t& r1) const;
};

/// The picture of one sheet in whole pixels, from its measurements, the control's inner size and
/// the room its caption takes below. A value that cannot be computed (a page of size 0, sizes
/// past 32 bits) is 0, so the picture degrades instead of failing.
struct ORVANO_CORE_EXPORT Picture {
  /// The page's place and size in the control.
  ///@{
  std::int32_t pageLeft = 0, pageTop = 0, pageWidth = 0, pageHeight = 0;
  ///@}
  /// The margins to the first label column and row.
  ///@{
  std::int32_t borderLeft = 0, borderTop = 0;
  ///@}
  /// The size of one label.
  ///@{
  std::int32_t labelWidth = 0, labelHeight = 0;
  ///@}
  /// The gaps between label columns and between label rows.
  ///@{
  std::int32_t gapWidth = 0, gapHeight = 0;
  ///@}
  std::int32_t stroke = 0;    ///< the fill path's width
  std::int32_t diagonal = 0;  ///< its width where it jumps to the next row or column
};
/// Computes the Picture of a sheet (see Picture).
ORVANO_CORE_EXPORT Picture LayOut(const SheetGeometry& sheet, double innerWidth, double innerHeight,
                                  double captionHeight) noexcept;

/// Cols x Rows as a 32-bit number (negative counts included), nothing past 32 bits.
ORVANO_CORE_EXPORT std::optional<std::int32_t> LabelCount(std::int32_t cols,
                                                          std::int32_t rows) noexcept;

/// The tooltip of a column and a row, both from 0: the character 65 + column and the row from 1.
ORVANO_CORE_EXPORT std::string GridToolTip(std::int64_t col, std::int64_t row);

}  // namespace orvano::sheet
