// Rounding a sheet's measurements to 0.01 mm so that the grid still fits its page.
#pragma once

#include <cstdint>
#include <optional>

namespace orvano::importer {

// A grid may overhang its page by this much in the database (points rounded to a few digits,
// sheets measured by hand); anything beyond is a wrong record, not a rounding effect.
inline constexpr double kOverhangTolerance = 1.0;

// One direction of a sheet: offset of the first label, label size and gap, in millimetres.
struct Axis {
  double Offset = 0;
  double Size = 0;
  double Gap = 0;
};

// Page lengths of the catalog's formats, as the model gives them (A5's narrow side is 148.5 mm).
double PageWidthMm(std::int32_t format, std::int32_t landscape);
double PageHeightMm(std::int32_t format, std::int32_t landscape);

// The axis rounded to hundredths of a millimetre with offset + count * size + (count - 1) * gap
// not above the page: what rounding pushed over is taken from the gap first, then the offset,
// then the label size. Nothing when the exact grid starts before the page, overhangs it by more
// than the tolerance, or the counts and sizes make no grid. A single label has no gap.
// `overhang` receives by how much the exact grid leaves the page when it is refused for that.
std::optional<Axis> FitAxis(const Axis& exact, std::int32_t count, double page,
                            double* overhang = nullptr);

}  // namespace orvano::importer
