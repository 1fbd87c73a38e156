#include "orvano/model/sheet_geometry.h"

#include <cmath>

#include "orvano/model/page_format.h"

namespace orvano {

std::optional<GridCell> CellOfLabel(std::int64_t number, std::int64_t cols, std::int64_t rows,
                                    std::int32_t direction) noexcept {
  if (cols <= 0 || rows <= 0 || number < 0 || number / cols >= rows) return std::nullopt;
  if (direction == ovTopBottom) return GridCell{number % rows, number / rows};
  return GridCell{number / cols, number % cols};
}

std::int64_t LabelNumberAt(GridCell cell, std::int64_t cols, std::int64_t rows,
                           std::int32_t direction) noexcept {
  if (cell.Row < 0 || cell.Col < 0 || cell.Row >= rows || cell.Col >= cols) return -1;
  return direction == ovTopBottom ? cell.Col * rows + cell.Row : cell.Row * cols + cell.Col;
}

SheetGeometry SheetGeometry::DefaultStock() noexcept {
  SheetGeometry g;
  g.Cols = 2;
  g.Rows = 6;
  g.BorderLeft = 12.29;
  g.BorderTop = 8.8;
  g.LabelWidth = kDefaultLabelWidth;
  g.LabelHeight = kDefaultLabelHeight;
  g.SpaceWidth = 7.62;
  g.SpaceHeight = 0;
  return g;
}

std::int64_t SheetGeometry::LabelCount() const noexcept {
  if (Cols <= 0 || Rows <= 0) return 0;
  return static_cast<std::int64_t>(Cols) * Rows;
}

double SheetGeometry::GridWidth() const noexcept {
  return GridExtent(BorderLeft, Cols, LabelWidth, SpaceWidth);
}

double SheetGeometry::GridHeight() const noexcept {
  return GridExtent(BorderTop, Rows, LabelHeight, SpaceHeight);
}

bool SheetGeometry::FitsOnPage(double pageWidth, double pageHeight, double slack) const noexcept {
  const double w = GridWidth();
  const double h = GridHeight();
  return std::isfinite(w) && std::isfinite(h) && w <= pageWidth + slack && h <= pageHeight + slack;
}

void SheetGeometry::ApplyPageFormat() noexcept {
  GetPageSize(PageFormat, Landscape, PageWidth, PageHeight);
}

MmRect SheetGeometry::CellRect(GridCell cell) const noexcept {
  return MmRect{BorderLeft + static_cast<double>(cell.Col) * PitchWidth(),
                BorderTop + static_cast<double>(cell.Row) * PitchHeight(), LabelWidth, LabelHeight};
}

std::optional<MmRect> SheetGeometry::LabelRect(std::int64_t number,
                                               std::int32_t direction) const noexcept {
  const std::optional<GridCell> cell = CellOf(number, direction);
  if (!cell) return std::nullopt;
  return CellRect(*cell);
}

}  // namespace orvano
