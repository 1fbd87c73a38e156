// Painting an array whose elements lie on a regular grid by what a pixel can show: the repeating
// part of the grid becomes one small tile filled over its extent, and the fill path one line per
// run of labels, so the cost follows the pixels, not the element count.
#pragma once

#include <QPainter>
#include <cstdint>

#include "orvano/host/widget_array.h"

namespace orvano::qt {

// Element n sits in column n % cols and row n / cols (n / rows and n % rows when numbered by
// columns), at left + column * stepX, top + row * stepY, all elements width x height. Later
// elements lie in front. In the source's units.
struct ArrayLattice {
  double left = 0, top = 0;
  double width = 0, height = 0;
  double stepX = 0, stepY = 0;
  std::int64_t cols = 0, rows = 0;
  bool byColumns = false;
};

// The same grid in pixels, with the columns and rows whose elements reach into a clip rectangle.
struct PixelLattice {
  ArrayLattice px;  // the lattice scaled to pixels
  std::int64_t c0 = 0, c1 = -1, r0 = 0, r1 = -1;
  std::int64_t Visible() const { return (c1 - c0 + 1) * (r1 - r0 + 1); }
};

// Whether a lattice describes an array of count elements in a way the pattern painting takes:
// shapes have one element per cell, a path one fewer; the grid runs right and down.
bool Describes(const ArrayLattice& lattice, host::ArrayKind kind, std::int64_t count);

// False when nothing of the grid reaches into the clip.
bool VisiblePart(const ArrayLattice& lattice, double ux, double uy, const QRectF& clip,
                 PixelLattice& out);

// Every element as a shape of the given look, from one tile of the grid's repeating cell.
void PaintLatticeShapes(QPainter& p, const host::ShapeStyle& style, const PixelLattice& grid,
                        const QRectF& clip);

// A fill path through the grid: element i of the source joins element i and i + 1 of the grid.
// Each row (column) is one line from its first to its last segment, plus the jump into it; rows
// closer together than a pixel are drawn once per pixel.
void PaintLatticePath(QPainter& p, const host::ArraySource& source, const QColor& color,
                      const PixelLattice& grid, double ux, double uy);

}  // namespace orvano::qt
