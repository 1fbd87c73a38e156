#include "orvano/controls/label_select/sheet_grid.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "orvano/host/pure_number.h"
#include "orvano/host/strings.h"

namespace orvano::sheet {

namespace {

// The indexes i in [0, n) whose interval [a + i*p, a + i*p + w) holds x, as lo..hi. The set is
// contiguous because the intervals move monotonically with i; lo > hi when it is empty.
bool AxisRange(double a, std::int64_t p, double w, std::int64_t n, double x, std::int64_t& lo,
               std::int64_t& hi) {
  if (n <= 0 || !(w > 0)) return false;
  const auto holds = [&](std::int64_t i) {
    const double start = a + static_cast<double>(i) * static_cast<double>(p);
    return start <= x && x < start + w;
  };
  if (p == 0) {
    if (!holds(0)) return false;
    lo = 0;
    hi = n - 1;
    return true;
  }
  const double q = static_cast<double>(p);
  double loD, hiD;
  if (p > 0) {
    hiD = std::floor((x - a) / q);
    loD = std::floor((x - a - w) / q) + 1;
  } else {
    loD = std::ceil((x - a) / q);
    hiD = std::ceil((x - a - w) / q) - 1;
  }
  // Far outside the grid: nothing to find, and the casts below stay in range.
  const double limit = static_cast<double>(n) + 2;
  if (hiD < -2 || loD > limit) return false;
  lo = static_cast<std::int64_t>(std::max(loD, -2.0));
  hi = static_cast<std::int64_t>(std::min(hiD, limit));
  // Rounding in the divisions can be one off at an exact edge.
  if (!holds(hi) && holds(hi - 1)) --hi;
  if (holds(hi + 1)) ++hi;
  if (!holds(lo) && holds(lo + 1)) ++lo;
  if (holds(lo - 1)) --lo;
  lo = std::max<std::int64_t>(lo, 0);
  hi = std::min<std::int64_t>(hi, n - 1);
  return lo <= hi && holds(lo) && holds(hi);
}

// The indexes i in [0, n) whose interval [a + i*p, a + i*p + w) overlaps (lo, hi), as first..last.
bool AxisOverlap(double a, std::int64_t p, double w, std::int64_t n, double lo, double hi,
                 std::int64_t& first, std::int64_t& last) {
  if (n <= 0 || !(w > 0) || !(lo < hi)) return false;
  const auto overlaps = [&](std::int64_t i) {
    const double start = a + static_cast<double>(i) * static_cast<double>(p);
    return start < hi && start + w > lo;
  };
  if (p == 0) {
    if (!overlaps(0)) return false;
    first = 0;
    last = n - 1;
    return true;
  }
  const double q = static_cast<double>(p);
  double f = p > 0 ? std::floor((lo - a - w) / q) : std::floor((hi - a) / q);
  double l = p > 0 ? std::ceil((hi - a) / q) : std::ceil((lo - a - w) / q);
  f = std::max(f, 0.0);
  l = std::min(l, static_cast<double>(n - 1));
  if (f > l) return false;
  first = static_cast<std::int64_t>(f);
  last = static_cast<std::int64_t>(l);
  // The bounds above are generous by one; trim them to the overlapping ones.
  while (first <= last && !overlaps(first)) ++first;
  while (last >= first && !overlaps(last)) --last;
  return first <= last;
}

}  // namespace

std::string GridToolTip(std::int64_t col, std::int64_t row) {
  std::string text;
  const std::int64_t code = 65 + col;
  if (code <= 0xFF) {
    // The platform's ANSI character of that code.
    text = host::Cp1252ToUtf8(std::string(1, static_cast<char>(code)));
  } else if (code < 0xD800) {
    // Past the code page: the Unicode character of that number.
    host::AppendUtf8(text, static_cast<std::uint32_t>(code));
  }
  return text + std::to_string(row + 1);
}

Picture LayOut(const SheetGeometry& sheet, double innerWidth, double innerHeight,
               double captionHeight) noexcept {
  using host::TryIntL;
  const auto sx = host::TryDiv(innerWidth, sheet.PageWidth);
  const auto sy = host::TryDiv(innerHeight - captionHeight, sheet.PageHeight);
  const double scale = sx && sy ? std::min(*sx, *sy) : 0;
  const auto pixels = [&](double mm) { return TryIntL(scale * mm).value_or(0); };
  Picture p;
  p.pageWidth = pixels(sheet.PageWidth);
  p.pageHeight = pixels(sheet.PageHeight);
  p.pageLeft = TryIntL((innerWidth - p.pageWidth) / 2).value_or(0);
  p.pageTop = TryIntL((innerHeight - p.pageHeight - captionHeight) / 2).value_or(0);
  p.borderLeft = pixels(sheet.BorderLeft);
  p.borderTop = pixels(sheet.BorderTop);
  p.gapWidth = pixels(sheet.SpaceWidth);
  p.gapHeight = pixels(sheet.SpaceHeight);
  p.labelWidth = pixels(sheet.LabelWidth);
  p.labelHeight = pixels(sheet.LabelHeight);
  p.stroke = host::TryCLng(std::min(p.labelWidth, p.labelHeight) / 5.0).value_or(0);
  p.diagonal = host::TryCLng(p.stroke / 3.0).value_or(0);
  return p;
}

std::optional<std::int32_t> LabelCount(std::int32_t cols, std::int32_t rows) noexcept {
  const std::int64_t n = static_cast<std::int64_t>(cols) * rows;
  if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(n);
}

GridCell Grid::Cell(std::int64_t n) const noexcept {
  return CellOfLabel(n, cols, rows, direction).value_or(GridCell{});
}

Rect Grid::LabelRect(std::int64_t n) const {
  const GridCell cell = Cell(n);
  Rect r;
  r.left = originX + static_cast<double>(cell.Col * pitchX);
  r.top = originY + static_cast<double>(cell.Row * pitchY);
  r.width = width;
  r.height = height;
  return r;
}

Segment Grid::PathSegment(std::int64_t n) const {
  const Rect a = LabelRect(n - 1);
  const Rect b = LabelRect(n);
  Segment s;
  s.x1 = a.left + a.width / 2;
  s.y1 = a.top + a.height / 2;
  s.x2 = b.left + b.width / 2;
  s.y2 = b.top + b.height / 2;
  if (s.x1 == s.x2 || s.y1 == s.y2) {
    s.width = straightWidth;
    return s;
  }
  // A jump to the next row or column: thinner, its ends pulled apart so it does not run over the
  // straight segments it joins.
  s.width = diagonalWidth;
  const double half = stroke / 2.0;
  if (ByColumns()) {
    s.x1 += half;
    s.x2 -= half;
  } else {
    s.y1 += half;
    s.y2 -= half;
  }
  return s;
}

std::string Grid::ToolTip(std::int64_t n) const {
  const GridCell cell = Cell(n);
  return GridToolTip(cell.Col, cell.Row);
}

std::int64_t Grid::HitTest(double x, double y) const {
  if (placed <= 0 || cols <= 0 || rows <= 0 || !std::isfinite(x) || !std::isfinite(y)) return -1;
  std::int64_t cLo = 0, cHi = -1, rLo = 0, rHi = -1;
  if (!AxisRange(originX, pitchX, width, cols, x, cLo, cHi)) return -1;
  if (!AxisRange(originY, pitchY, height, rows, y, rLo, rHi)) return -1;
  // Counted along the fill order: the highest placed number in the candidate block.
  std::int64_t majLo = rLo, majHi = rHi, minLo = cLo, minHi = cHi, minorCount = cols;
  if (ByColumns()) {
    majLo = cLo;
    majHi = cHi;
    minLo = rLo;
    minHi = rHi;
    minorCount = rows;
  }
  const std::int64_t last = placed - 1;
  if (last - minLo < 0) return -1;
  const std::int64_t major = std::min(majHi, (last - minLo) / minorCount);
  if (major < majLo) return -1;
  const std::int64_t minor = std::min(minHi, last - major * minorCount);
  const GridCell cell = ByColumns() ? GridCell{minor, major} : GridCell{major, minor};
  return LabelNumberAt(cell, cols, rows, direction);
}

bool Grid::Overlapping(double left, double top, double right, double bottom, std::int64_t& c0,
                       std::int64_t& c1, std::int64_t& r0, std::int64_t& r1) const {
  if (placed <= 0 || cols <= 0 || rows <= 0) return false;
  return AxisOverlap(originX, pitchX, width, cols, left, right, c0, c1) &&
         AxisOverlap(originY, pitchY, height, rows, top, bottom, r0, r1);
}

void Grid::VisitIn(double left, double top, double right, double bottom,
                   const std::function<void(std::int64_t)>& visit) const {
  std::int64_t c0 = 0, c1 = -1, r0 = 0, r1 = -1;
  if (!Overlapping(left, top, right, bottom, c0, c1, r0, r1)) return;
  // Back to front is ascending number: the outer loop runs along the fill order's major axis.
  const bool byColumns = ByColumns();
  const std::int64_t major0 = byColumns ? c0 : r0, major1 = byColumns ? c1 : r1;
  const std::int64_t minor0 = byColumns ? r0 : c0, minor1 = byColumns ? r1 : c1;
  for (std::int64_t major = major0; major <= major1; ++major) {
    for (std::int64_t minor = minor0; minor <= minor1; ++minor) {
      const GridCell cell = byColumns ? GridCell{minor, major} : GridCell{major, minor};
      const std::int64_t n = LabelNumberAt(cell, cols, rows, direction);
      if (n < placed) visit(n);
    }
  }
}

}  // namespace orvano::sheet
