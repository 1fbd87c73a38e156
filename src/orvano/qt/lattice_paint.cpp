#include "orvano/qt/lattice_paint.h"

#include <QImage>
#include <algorithm>
#include <cmath>

#include "orvano/qt/convert.h"
#include "orvano/qt/passive_widgets.h"

namespace orvano::qt {

namespace {

// Beyond this many stamps per tile (elements far larger than their pitch) the tile is not
// worth making; the grid's extent is filled plainly instead.
constexpr std::int64_t kMaxStamps = 4096;

// The indexes i in [0, n) whose span [a + i * step, a + i * step + w) overlaps [lo, hi).
bool AxisOverlap(double a, double step, double w, std::int64_t n, double lo, double hi,
                 std::int64_t& first, std::int64_t& last) {
  if (n <= 0 || !(w > 0) || !(lo < hi)) return false;
  if (!(step > 0)) {
    if (a >= hi || a + w <= lo) return false;
    first = 0;
    last = n - 1;
    return true;
  }
  const double f = std::max(0.0, std::floor((lo - a - w) / step));
  const double l = std::min(static_cast<double>(n - 1), std::ceil((hi - a) / step));
  if (f > l) return false;
  first = static_cast<std::int64_t>(f);
  last = static_cast<std::int64_t>(l);
  const auto overlaps = [&](std::int64_t i) {
    const double start = a + static_cast<double>(i) * step;
    return start < hi && start + w > lo;
  };
  while (first <= last && !overlaps(first)) ++first;
  while (last >= first && !overlaps(last)) --last;
  return first <= last;
}

// The pixel period of one axis: the rounded pitch, or, when every element of the axis lies in
// one place, more than an element so the tile does not repeat.
int Period(double step, double size, std::int64_t n) {
  if (n <= 1 || !(step > 0)) return static_cast<int>(std::ceil(size)) + 1;
  return std::max(1, static_cast<int>(std::lround(step)));
}

}  // namespace

bool Describes(const ArrayLattice& l, host::ArrayKind kind, std::int64_t count) {
  if (l.cols <= 0 || l.rows <= 0 || l.stepX < 0 || l.stepY < 0) return false;
  const std::int64_t cells = l.cols * l.rows;
  return kind == host::ArrayKind::Lines ? count == cells - 1 : count == cells;
}

bool VisiblePart(const ArrayLattice& l, double ux, double uy, const QRectF& clip,
                 PixelLattice& out) {
  ArrayLattice& px = out.px;
  px = l;
  px.left *= ux;
  px.top *= uy;
  px.width *= ux;
  px.height *= uy;
  px.stepX *= ux;
  px.stepY *= uy;
  return AxisOverlap(px.left, px.stepX, px.width, px.cols, clip.left(), clip.right() + 1, out.c0,
                     out.c1) &&
         AxisOverlap(px.top, px.stepY, px.height, px.rows, clip.top(), clip.bottom() + 1, out.r0,
                     out.r1);
}

void PaintLatticeShapes(QPainter& p, const host::ShapeStyle& style, const PixelLattice& grid,
                        const QRectF& clip) {
  const ArrayLattice& g = grid.px;
  const QRectF extent(g.left, g.top, static_cast<double>(g.cols - 1) * g.stepX + g.width,
                      static_cast<double>(g.rows - 1) * g.stepY + g.height);
  const QRectF area = extent.intersected(clip);
  if (area.isEmpty()) return;
  const int tx = Period(g.stepX, g.width, g.cols), ty = Period(g.stepY, g.height, g.rows);
  // The elements of the cells up and to the left that reach into one cell, back to front.
  const std::int64_t kx = g.cols > 1 && g.stepX > 0 ? static_cast<std::int64_t>(g.width / tx) : 0;
  const std::int64_t ky = g.rows > 1 && g.stepY > 0 ? static_cast<std::int64_t>(g.height / ty) : 0;
  if ((kx + 1) * (ky + 1) > kMaxStamps) {
    p.fillRect(area, ToQColor(style.outlined ? style.outline : style.fill));
    return;
  }
  QImage tile(tx, ty, QImage::Format_ARGB32_Premultiplied);
  tile.fill(Qt::transparent);
  {
    QPainter t(&tile);
    const auto stamp = [&](std::int64_t i, std::int64_t j) {
      PaintShape(
          t, style,
          QRectF(static_cast<double>(i * tx), static_cast<double>(j * ty), g.width, g.height));
    };
    if (g.byColumns) {
      for (std::int64_t i = -kx; i <= 0; ++i)
        for (std::int64_t j = -ky; j <= 0; ++j) stamp(i, j);
    } else {
      for (std::int64_t j = -ky; j <= 0; ++j)
        for (std::int64_t i = -kx; i <= 0; ++i) stamp(i, j);
    }
  }
  p.setBrushOrigin(QPointF(g.left, g.top));
  p.fillRect(area, QBrush(tile));
}

void PaintLatticePath(QPainter& p, const host::ArraySource& source, const QColor& color,
                      const PixelLattice& grid, double ux, double uy) {
  const ArrayLattice& g = grid.px;
  // Runs are rows when numbered row by row, columns otherwise.
  const std::int64_t runLength = g.byColumns ? g.rows : g.cols;
  const std::int64_t first = g.byColumns ? grid.c0 : grid.r0;
  const std::int64_t last = g.byColumns ? grid.c1 : grid.r1;
  const double pitch = g.byColumns ? g.stepX : g.stepY;
  const std::int64_t stride =
      pitch >= 1 ? 1 : (pitch > 0 ? static_cast<std::int64_t>(std::ceil(1 / pitch)) : last + 1);
  const std::int64_t segments = source.Count();
  const auto line = [&](std::int64_t from, std::int64_t to) {
    if (from < 0 || to >= segments || from > to) return;
    const host::ArrayElement a = source.Element(from);
    const host::ArrayElement b = from == to ? a : source.Element(to);
    QPen pen(color);
    pen.setWidth(std::max(1, a.borderWidth));
    p.setPen(pen);
    p.drawLine(QPointF(a.left * ux, a.top * uy), QPointF(b.x2 * ux, b.y2 * uy));
  };
  for (std::int64_t run = first; run <= last;) {
    const std::int64_t start = run * runLength;  // the run's first element of the grid
    line(start - 1, start - 1);                  // the jump into the run
    line(start, start + runLength - 2);          // the straight segments along it
    if (run == last) break;
    run = std::min(run + stride, last);
  }
  // The jump out of the last run in view starts inside it.
  line((last + 1) * runLength - 1, (last + 1) * runLength - 1);
}

}  // namespace orvano::qt
