#include "orvano/controls/preview/address_stack.h"

#include <cmath>
#include <limits>

#include "orvano/controls/preview/drawing.h"
#include "orvano/host/error.h"
#include "orvano/host/pure_number.h"
#include "orvano/host/runtime.h"

namespace orvano::preview_detail {

namespace {

std::optional<std::int32_t> Fit32(std::int64_t v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(v);
}

// a + b in 32 bits, nothing when a is missing or the sum leaves the range.
std::optional<std::int32_t> Plus(std::optional<std::int32_t> a, std::int64_t b) {
  if (!a) return std::nullopt;
  return Fit32(std::int64_t{*a} + b);
}

}  // namespace

AddressStack ComputeAddressStack(const LabelMargins& m, const PreviewLayoutState& layout) {
  const double p = layout.PixelsPerMm;
  const PixelRect& l1 = layout.Label1Rect;
  AddressStack s;
  s.x = Plus(host::TryIntL(m.left * p), l1.Left);
  s.width = host::TryIntL((m.labelWidth - m.left - m.right) * p);
  s.y1 = Plus(host::TryIntL(m.top * p), l1.Top);
  s.y2 = Plus(s.y1, std::int64_t{layout.ReturnAddressHeight} + layout.HeadingGap);
  s.y3 = Plus(s.y2, std::int64_t{layout.HeadingHeight} + layout.AddressGap);
  const double bottom = (static_cast<double>(l1.Top) + l1.Height - 1) - host::Int(m.bottom * p);
  if (std::isfinite(bottom)) s.bottom = bottom;
  if (s.bottom) {
    if (const auto rounded = host::TryCLng(*s.bottom)) {
      s.innerBottom = *rounded < l1.Top ? l1.Top : *rounded;
    }
  }
  s.hasWidth = m.labelWidth - m.right > m.left && m.labelWidth - m.left > m.right;
  return s;
}

}  // namespace orvano::preview_detail
