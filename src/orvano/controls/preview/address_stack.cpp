#include "orvano/controls/preview/address_stack.h"

#include <cmath>

#include "orvano/controls/preview/drawing.h"
#include "orvano/host/error.h"
#include "orvano/host/runtime.h"

namespace orvano::preview_detail {

std::int32_t Need(const std::optional<std::int32_t>& value) {
  if (!value) host::Raise(host::ErrorKind::Overflow);
  return *value;
}

double Need(const std::optional<double>& value) {
  if (!value) host::Raise(host::ErrorKind::Overflow);
  return *value;
}

AddressStack ComputeAddressStack(const LabelMargins& m, const PreviewLayoutState& layout) {
  const double p = layout.PixelsPerMm;
  const PixelRect& l1 = layout.Label1Rect;
  AddressStack s;
  auto set = [](auto& target, auto compute) { host::Resume([&] { target = compute(); }); };
  set(s.x, [&] { return Long(std::int64_t{host::IntL(m.left * p)} + l1.Left); });
  set(s.width, [&] { return host::IntL((m.labelWidth - m.left - m.right) * p); });
  set(s.y1, [&] { return Long(std::int64_t{host::IntL(m.top * p)} + l1.Top); });
  set(s.y2, [&] {
    return Long(std::int64_t{Need(s.y1)} + layout.ReturnAddressHeight + layout.HeadingGap);
  });
  set(s.y3,
      [&] { return Long(std::int64_t{Need(s.y2)} + layout.HeadingHeight + layout.AddressGap); });
  set(s.bottom, [&] {
    return host::Finite((static_cast<double>(l1.Top) + l1.Height - 1) - host::Int(m.bottom * p));
  });
  set(s.innerBottom, [&] {
    std::int32_t bottom = host::CLng(Need(s.bottom));
    return bottom < l1.Top ? l1.Top : bottom;
  });
  s.hasWidth = m.labelWidth - m.right > m.left && m.labelWidth - m.left > m.right;
  return s;
}

}  // namespace orvano::preview_detail
