#include "orvano/model/page_format.h"

#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"

namespace orvano {

void GetPageSize(std::int32_t format, std::int32_t landscape, double& width,
                 double& height) noexcept {
  double shortSide = 0;
  double longSide = 0;
  switch (format) {
    case ovPageFormatA4:
      shortSide = 210;
      longSide = 297;
      break;
    case ovPageFormatA5:
      shortSide = 148.5;  // the narrow side of A5 is 148.5, not 148
      longSide = 210;
      break;
    default: return;  // other paper: the caller sets the size itself
  }
  width = landscape != 0 ? longSide : shortSide;
  height = landscape != 0 ? shortSide : longSide;
}

double LineHeightFromFontSize(std::int32_t points) {
  // The steps stay in this order so the printed layouts match to the last digit.
  const double q = host::Div(72.0, static_cast<double>(points));
  double h = host::Div(25.4, q);
  h = h + 0.9;
  h = h + points * 0.05;
  return h;
}

}  // namespace orvano
