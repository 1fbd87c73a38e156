#include "orvano/importer/sheet_fit.h"

#include <algorithm>
#include <cmath>

#include "orvano/host/runtime.h"
#include "orvano/importer/product.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano::importer {

namespace {

// Rounded half to even as a whole number of hundredths; the caller keeps values small.
std::int64_t Hundredths(double mm) { return std::llround(host::Round(mm, 2) * 100); }

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return (a + b - 1) / b; }

}  // namespace

double PageWidthMm(std::int32_t format, std::int32_t landscape) {
  SheetGeometry page{.PageFormat = format, .Landscape = landscape};
  page.ApplyPageFormat();
  return page.PageWidth;
}

double PageHeightMm(std::int32_t format, std::int32_t landscape) {
  SheetGeometry page{.PageFormat = format, .Landscape = landscape};
  page.ApplyPageFormat();
  return page.PageHeight;
}

std::optional<Axis> FitAxis(const Axis& exact, std::int32_t count, double page, double* overhang) {
  if (count < 1 || !(exact.Size > 0) || !(exact.Gap >= 0) || !std::isfinite(exact.Offset)) {
    return std::nullopt;
  }
  const double gap = count > 1 ? exact.Gap : 0;
  const double end = exact.Offset + count * exact.Size + (count - 1) * gap;
  if (exact.Offset < -0.005 || !(end <= page + kOverhangTolerance)) {
    if (overhang) *overhang = exact.Offset < -0.005 ? -exact.Offset : end - page;
    return std::nullopt;
  }

  const std::int64_t n = count;
  std::int64_t offset = std::max<std::int64_t>(0, Hundredths(exact.Offset));
  std::int64_t size = Hundredths(exact.Size);
  std::int64_t space = Hundredths(gap);
  const std::int64_t limit = Hundredths(page);
  const auto over = [&] { return offset + n * size + (n - 1) * space - limit; };

  if (over() > 0 && n > 1) space -= std::min(space, CeilDiv(over(), n - 1));
  if (over() > 0) offset -= std::min(offset, over());
  if (over() > 0) size -= CeilDiv(over(), n);
  if (size <= 0) return std::nullopt;
  return Axis{offset / 100.0, size / 100.0, space / 100.0};
}

}  // namespace orvano::importer
