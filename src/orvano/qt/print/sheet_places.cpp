#include "orvano/qt/print/sheet_places.h"

#include <algorithm>
#include <cmath>

namespace orvano::qt {

namespace {

// How many of n grid lines start on a page of the given extent.
std::int64_t StartingOnPage(std::int64_t n, double border, double pitch, double extent) {
  if (n <= 0 || !(border < extent)) return 0;
  if (!(pitch > 0)) return n;
  const double fit = std::ceil((extent - border) / pitch);
  return std::clamp<std::int64_t>(static_cast<std::int64_t>(std::min(fit, 1e12)), 0, n);
}

}  // namespace

SheetPlaces::SheetPlaces(const SheetGeometry& sheet, std::int64_t startLabel,
                         std::int32_t direction)
    : sheet_(sheet),
      direction_(direction),
      next_(startLabel >= 0 && startLabel < sheet.LabelCount() ? startLabel : 0),
      visibleCols_(
          StartingOnPage(sheet.Cols, sheet.BorderLeft, sheet.PitchWidth(), sheet.PageWidth)),
      visibleRows_(
          StartingOnPage(sheet.Rows, sheet.BorderTop, sheet.PitchHeight(), sheet.PageHeight)) {}

bool SheetPlaces::OnPage(const GridCell& cell) const {
  return cell.Col < visibleCols_ && cell.Row < visibleRows_;
}

bool SheetPlaces::Next(LabelPlace& place) {
  const std::int64_t count = sheet_.LabelCount();
  // Labels off the page lie at the end of each row (column) or after the last visible row
  // (column); the skip is bounded by the grid, which the printer caps.
  for (; next_ < count; ++next_) {
    const std::optional<GridCell> cell = sheet_.CellOf(next_, direction_);
    if (!cell || !OnPage(*cell)) continue;
    const MmRect r = sheet_.CellRect(*cell);
    place.number = next_++;
    place.column = cell->Col;
    place.row = cell->Row;
    place.mm = QRectF(r.Left, r.Top, r.Width, r.Height);
    return true;
  }
  return false;
}

std::int64_t SheetPlaces::Remaining() const {
  const std::int64_t count = sheet_.LabelCount();
  if (next_ >= count) return 0;
  const bool byRows = direction_ != ovTopBottom;
  // Lines (rows or columns) of the fill order, and labels within one.
  const std::int64_t perLine = byRows ? sheet_.Cols : sheet_.Rows;
  const std::int64_t visibleLines = byRows ? visibleRows_ : visibleCols_;
  const std::int64_t visibleInLine = byRows ? visibleCols_ : visibleRows_;
  const std::int64_t line = next_ / perLine, at = next_ % perLine;
  if (line >= visibleLines) return 0;
  const std::int64_t inFirst = std::max<std::int64_t>(0, visibleInLine - at);
  return inFirst + (visibleLines - line - 1) * visibleInLine;
}

}  // namespace orvano::qt
