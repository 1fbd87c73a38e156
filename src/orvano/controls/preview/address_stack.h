// Where the three parts of the address block sit inside the label's inner margins: sender line,
// heading and address, from the top down. Paint draws their boxes, Resize places their captions.
#pragma once

#include <cstdint>
#include <optional>

#include "orvano/controls/preview/layout_state.h"

namespace orvano::preview_detail {

struct LabelMargins {
  double labelWidth = 0;
  double left = 0;
  double right = 0;
  double top = 0;
  double bottom = 0;
};

// A value is empty when its computation left the 32-bit range (absurd margins or scale).
struct AddressStack {
  std::optional<std::int32_t> x;            // left of the inner area
  std::optional<std::int32_t> width;        // width of the inner area
  std::optional<std::int32_t> y1;           // top of the sender line
  std::optional<std::int32_t> y2;           // top of the heading
  std::optional<std::int32_t> y3;           // top of the address part
  std::optional<double> bottom;             // lowest inner row, not raised
  std::optional<std::int32_t> innerBottom;  // lowest inner row, at least the label's top
  bool hasWidth = false;                    // the margins leave the inner area a width
};

AddressStack ComputeAddressStack(const LabelMargins& margins, const PreviewLayoutState& layout);

}  // namespace orvano::preview_detail
