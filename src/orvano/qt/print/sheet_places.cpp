#include "orvano/qt/print/sheet_places.h"

#include <algorithm>
#include <cmath>

#include "orvano/model/enums.h"

namespace orvano::qt {

namespace {

bool Usable(double mm) { return std::isfinite(mm) && mm >= 0; }

// How many of n grid lines start on a page of the given extent.
std::int64_t OnPage(std::int32_t n, double border, double size, double gap, double extent) {
  if (n <= 0) return 0;
  const double pitch = size + gap;
  if (!(pitch > 0)) return 1;  // every label on the same spot: one is enough
  const double fit = std::floor((extent - border) / pitch) + 1;
  if (!(fit > 0)) return 0;
  return std::min<std::int64_t>(n, static_cast<std::int64_t>(std::min(fit, 1e6)));
}

}  // namespace

std::vector<LabelPlace> SheetPlaces(const LabelDef& def, std::int32_t startLabel,
                                    std::int32_t direction) {
  std::vector<LabelPlace> places;
  const double pw = def.PageWidth(), ph = def.PageHeight();
  const double lw = def.LabelWidth(), lh = def.LabelHeight();
  if (!(pw > 0) || !(ph > 0) || !std::isfinite(pw) || !std::isfinite(ph) || !(lw > 0) ||
      !(lh > 0) || !std::isfinite(lw) || !std::isfinite(lh) || !Usable(def.SpaceWidth()) ||
      !Usable(def.SpaceHeight()) || !std::isfinite(def.BorderLeft()) ||
      !std::isfinite(def.BorderTop())) {
    return places;
  }
  const std::int32_t cols = def.Cols(), rows = def.Rows();
  if (cols <= 0 || rows <= 0) return places;
  const std::int64_t count = static_cast<std::int64_t>(cols) * rows;
  const std::int64_t start = startLabel >= 0 && startLabel < count ? startLabel : 0;

  const std::int64_t shownCols = OnPage(cols, def.BorderLeft(), lw, def.SpaceWidth(), pw);
  const std::int64_t shownRows = OnPage(rows, def.BorderTop(), lh, def.SpaceHeight(), ph);
  const bool byRows = direction != ovTopBottom;
  const std::int64_t outer = byRows ? shownRows : shownCols;
  const std::int64_t inner = byRows ? shownCols : shownRows;
  for (std::int64_t o = 0; o < outer; ++o) {
    for (std::int64_t i = 0; i < inner; ++i) {
      const std::int64_t r = byRows ? o : i, c = byRows ? i : o;
      const std::int64_t number = byRows ? r * cols + c : c * rows + r;
      if (number < start) continue;
      LabelPlace p;
      p.number = static_cast<std::int32_t>(number);
      p.column = static_cast<std::int32_t>(c);
      p.row = static_cast<std::int32_t>(r);
      p.mm = QRectF(def.BorderLeft() + static_cast<double>(c) * (lw + def.SpaceWidth()),
                    def.BorderTop() + static_cast<double>(r) * (lh + def.SpaceHeight()), lw, lh);
      places.push_back(p);
    }
  }
  return places;
}

}  // namespace orvano::qt
