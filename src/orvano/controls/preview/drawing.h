// The Preview's drawing primitives: relative strokes and boxes, the label face with rounded
// corners (whole or cut off), and dimension lines with arrowheads.
#pragma once

#include <cstdint>

#include "orvano/controls/preview/layout_state.h"
#include "orvano/host/runtime.h"
#include "orvano/host/surface.h"

namespace orvano::preview_detail {

// The pixel arithmetic of Paint is 32-bit; Overflow when a value leaves that range.
std::int32_t Long(std::int64_t value);

// A line, box or filled box from (x, y) by (dx, dy). Absurd sizes can push a coordinate past 32
// bits; such a primitive is left out rather than drawn wrapped across the surface.
void DrawBy(host::Surface& surface, std::int64_t x, std::int64_t y, std::int64_t dx,
            std::int64_t dy, host::Color color, host::DrawMode mode);

// A box drawn dotted; the stroke style is solid again afterwards.
void DrawDottedBox(host::Surface& surface, std::int64_t x, std::int64_t y, std::int64_t dx,
                   std::int64_t dy);

// Which sides of a neighbouring label lie beyond the visible piece of the sheet.
enum class CutSide { None, Right, Bottom, RightAndBottom };

// White face, edges and two-pixel rounded corners; a cut side has neither edge nor corners.
void DrawLabelFace(host::Surface& surface, const PixelRect& rect, CutSide cut);

// A dimension line with optional arrowheads; the flags count as true only when -1.
void DrawDimensionLine(host::Surface& surface, std::int32_t x, std::int32_t y, std::int32_t length,
                       host::Flag vertical, host::Color color, host::Flag arrowAtStart,
                       host::Flag arrowAtEnd);

}  // namespace orvano::preview_detail
