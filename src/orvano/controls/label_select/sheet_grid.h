// The arithmetic of the sheet picture's label grid. One layout pass fixes a handful of values;
// every label area, face, outline, path segment and tooltip follows from them and its number, so
// a grid of 9999 x 9999 labels costs no more than one of 2 x 6.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "orvano/core_export.h"

namespace orvano::sheet {

struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
};

struct Segment {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::int32_t width = 1;
};

struct ORVANO_CORE_EXPORT Grid {
  std::int32_t cols = 0;
  std::int32_t rows = 0;
  // Fill order: false numbers row by row, true column by column.
  bool byColumns = false;
  // Labels 0 .. placed - 1 have an area in this pass.
  std::int64_t placed = 0;
  // Top left corner of label 0 and the step to the next column and row, whole pixels.
  double originX = 0, originY = 0;
  std::int64_t pitchX = 0, pitchY = 0;
  // Size of every label area (label size + 1 pixel).
  double width = 0, height = 0;
  std::int32_t stroke = 0;
  // Line widths of straight and diagonal path segments.
  std::int32_t straightWidth = 1, diagonalWidth = 1;

  // Row and column of a label number under the fill order (cols and rows must be positive).
  void RowCol(std::int64_t n, std::int64_t& row, std::int64_t& col) const;
  Rect LabelRect(std::int64_t n) const;
  // The path segment from the centre of label n - 1 to that of label n (n >= 1).
  Segment PathSegment(std::int64_t n) const;
  // "A1" for the top left label, whatever the fill order.
  std::string ToolTip(std::int64_t n) const;
  // The front-most placed label whose area holds the point (the highest number, since later
  // labels lie in front), or -1.
  std::int64_t HitTest(double x, double y) const;
  // The placed labels whose areas overlap the rectangle, in ascending number (back to front).
  void VisitIn(double left, double top, double right, double bottom,
               const std::function<void(std::int64_t)>& visit) const;
  // The columns and rows whose areas overlap the rectangle, as closed ranges; false if none.
  bool Overlapping(double left, double top, double right, double bottom, std::int64_t& c0,
                   std::int64_t& c1, std::int64_t& r0, std::int64_t& r1) const;
};

// The tooltip of a column and a row, both from 0: the character 65 + column and the row from 1.
ORVANO_CORE_EXPORT std::string GridToolTip(std::int64_t col, std::int64_t row);

}  // namespace orvano::sheet
