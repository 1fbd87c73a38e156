// Lengths as the label database writes them: a number and an optional unit, points when none.
#pragma once

#include <optional>
#include <string_view>

namespace orvano::importer {

inline constexpr double kMillimetresPerPoint = 25.4 / 72.0;

// Millimetres of a length such as "544.252pt", "105mm", "8.5in", "2.1cm", "3pc" or "147.4" (pt).
// Nothing for an empty, unreadable or non-finite number or an unknown unit.
std::optional<double> ParseLengthMm(std::string_view text);

}  // namespace orvano::importer
