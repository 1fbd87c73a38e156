#include "orvano/controls/label_select/sheet_sources.h"

#include <algorithm>

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

}  // namespace orvano::sheet
