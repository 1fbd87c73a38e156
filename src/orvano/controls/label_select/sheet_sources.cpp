#include "orvano/controls/label_select/sheet_sources.h"

#include <algorithm>
#include <cmath>

namespace orvano::sheet {

std::int64_t LabelSource::Count() const { return grid_.placed; }

host::ArrayElement LabelSource::Element(std::int64_t index) const {
  const Rect r = grid_.LabelRect(index);
  host::ArrayElement e;
  e.left = static_cast<float>(r.left);
  e.top = static_cast<float>(r.top);
  e.width = static_cast<float>(r.width);
  e.height = static_cast<float>(r.height);
  return e;
}

std::string LabelSource::ToolTip(std::int64_t index) const {
  return clickable_ ? grid_.ToolTip(index) : std::string();
}

std::int64_t LabelSource::HitTest(float x, float y) const {
  return clickable_ ? grid_.HitTest(x, y) : -1;
}

void LabelSource::VisitIn(float left, float top, float right, float bottom,
                          const std::function<void(std::int64_t)>& visit) const {
  grid_.VisitIn(left, top, right, bottom, visit);
}

std::int64_t PathSource::Count() const { return std::max<std::int64_t>(grid_.placed - 1, 0); }

host::ArrayElement PathSource::Element(std::int64_t index) const {
  const Segment s = grid_.PathSegment(index + 1);
  host::ArrayElement e;
  e.left = static_cast<float>(s.x1);
  e.top = static_cast<float>(s.y1);
  e.x2 = static_cast<float>(s.x2);
  e.y2 = static_cast<float>(s.y2);
  e.borderWidth = s.width;
  return e;
}

void PathSource::VisitIn(float left, float top, float right, float bottom,
                         const std::function<void(std::int64_t)>& visit) const {
  // A straight segment lies within one pitch of the labels it joins.
  const double mx = std::abs(static_cast<double>(grid_.pitchX)) + grid_.width + grid_.stroke;
  const double my = std::abs(static_cast<double>(grid_.pitchY)) + grid_.height + grid_.stroke;
  const std::int64_t segments = Count();
  grid_.VisitIn(left - mx, top - my, right + mx, bottom + my, [&](std::int64_t n) {
    if (n >= 1 && n - 1 < segments) visit(n - 1);
  });
  // A jump spans the whole width (height) of the grid, so it may cross the rectangle far from
  // both of its labels.
  std::int64_t c0 = 0, c1 = -1, r0 = 0, r1 = -1;
  const double wide = 1e12;
  if (grid_.ByColumns()) {
    if (!grid_.Overlapping(left - mx, -wide, right + mx, wide, c0, c1, r0, r1)) return;
    for (std::int64_t c = c0; c <= c1; ++c) {
      const std::int64_t into = (c + 1) * grid_.rows;
      if (into - 1 < segments) visit(into - 1);
    }
  } else {
    if (!grid_.Overlapping(-wide, top - my, wide, bottom + my, c0, c1, r0, r1)) return;
    for (std::int64_t r = r0; r <= r1; ++r) {
      const std::int64_t into = (r + 1) * grid_.cols;
      if (into - 1 < segments) visit(into - 1);
    }
  }
}

}  // namespace orvano::sheet
