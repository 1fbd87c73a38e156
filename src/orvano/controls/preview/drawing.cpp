#include "orvano/controls/preview/drawing.h"

#include <limits>

#include "orvano/controls/preview/captions.h"
#include "orvano/host/error.h"

namespace orvano::preview_detail {

namespace {

bool Fits(std::int64_t v) {
  return v >= std::numeric_limits<std::int32_t>::min() &&
         v <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

std::int32_t Long(std::int64_t value) {
  if (!Fits(value)) host::Raise(host::ErrorKind::Overflow);
  return static_cast<std::int32_t>(value);
}

void DrawBy(host::Surface& surface, std::int64_t x, std::int64_t y, std::int64_t dx,
            std::int64_t dy, host::Color color, host::DrawMode mode) {
  if (!Fits(x) || !Fits(y) || !Fits(dx) || !Fits(dy)) return;
  host::Resume([&] {
    surface.Draw(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + dx),
                 static_cast<float>(y + dy), color, mode);
  });
}

void DrawDottedBox(host::Surface& surface, std::int64_t x, std::int64_t y, std::int64_t dx,
                   std::int64_t dy) {
  host::Resume([&] { surface.SetDrawStyle(host::DrawStyle::Dot); });
  DrawBy(surface, x, y, dx, dy, host::kBlack, host::DrawMode::Box);
  host::Resume([&] { surface.SetDrawStyle(host::DrawStyle::Solid); });
}

void DrawLabelFace(host::Surface& surface, const PixelRect& rect, CutSide cut) {
  using host::DrawMode;
  const std::int64_t l = rect.Left, t = rect.Top, w = rect.Width, h = rect.Height;
  const bool cutRight = cut == CutSide::Right || cut == CutSide::RightAndBottom;
  const bool cutBottom = cut == CutSide::Bottom || cut == CutSide::RightAndBottom;
  auto line = [&](std::int64_t x, std::int64_t y, std::int64_t dx, std::int64_t dy) {
    DrawBy(surface, x, y, dx, dy, host::kBlack, DrawMode::Line);
  };

  // The face reaches the cut side; on an edged side it stops inside the edge.
  DrawBy(surface, l + 1, t + 1, cutRight ? w - 2 : w - 3, cutBottom ? h - 2 : h - 3, kLabelFace,
         DrawMode::FilledBox);

  // Edges: an edge along a cut side runs on to the cut instead of into a corner.
  line(l + 4, t, cutRight ? w - 4 : w - 8, 0);
  line(l, t + 4, 0, cutBottom ? h - 4 : h - 8);
  if (!cutBottom) line(l + 4, t + h - 1, cutRight ? w - 4 : w - 8, 0);
  if (!cutRight) line(l + w - 1, t + 4, 0, cutBottom ? h - 4 : h - 8);

  // Corners.
  line(l + 2, t + 1, 2, 0);
  line(l + 1, t + 2, 0, 2);
  if (!cutRight) {
    line(l + w - 4, t + 1, 2, 0);
    line(l + w - 2, t + 2, 0, 2);
  }
  if (!cutBottom) {
    line(l + 1, t + h - 4, 0, 2);
    line(l + 2, t + h - 2, 2, 0);
  }
  if (!cutRight && !cutBottom) {
    line(l + w - 2, t + h - 4, 0, 2);
    line(l + w - 4, t + h - 2, 2, 0);
  }
}

void DrawDimensionLine(host::Surface& surface, std::int32_t x, std::int32_t y, std::int32_t length,
                       host::Flag vertical, host::Color color, host::Flag arrowAtStart,
                       host::Flag arrowAtEnd) {
  using host::DrawMode;
  const std::int64_t x0 = x, y0 = y, len = length;
  if (host::IsExactlyTrue(vertical)) {
    DrawBy(surface, x0, y0, 0, len, color, DrawMode::Line);
    if (host::IsExactlyTrue(arrowAtStart)) {
      DrawBy(surface, x0 - 1, y0 + 1, 2, 1, color, DrawMode::FilledBox);
      DrawBy(surface, x0 - 2, y0 + 3, 4, 0, color, DrawMode::FilledBox);
    }
    if (host::IsExactlyTrue(arrowAtEnd)) {
      DrawBy(surface, x0 - 1, y0 + len - 3, 2, 1, color, DrawMode::FilledBox);
      DrawBy(surface, x0 - 2, y0 + len - 4, 4, 0, color, DrawMode::FilledBox);
    }
  } else {
    DrawBy(surface, x0, y0, len, 0, color, DrawMode::Line);
    if (host::IsExactlyTrue(arrowAtStart)) {
      DrawBy(surface, x0 + 1, y0 - 1, 1, 2, color, DrawMode::FilledBox);
      DrawBy(surface, x0 + 2, y0 - 2, 0, 4, color, DrawMode::FilledBox);
    }
    if (host::IsExactlyTrue(arrowAtEnd)) {
      DrawBy(surface, x0 + len - 3, y0 - 1, 1, 2, color, DrawMode::FilledBox);
      DrawBy(surface, x0 + len - 4, y0 - 2, 0, 4, color, DrawMode::FilledBox);
    }
  }
}

}  // namespace orvano::preview_detail
