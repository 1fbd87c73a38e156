// The order people expect for brands and part numbers: runs of digits compare by their value
// ("L2" before "L10"), letters without regard to case.
#pragma once

#include <string_view>

namespace orvano::importer {

// Negative, zero or positive. Zero only for identical texts, so the order is total and a sort
// by it gives the same result on every run.
int NaturalCompare(std::string_view a, std::string_view b);

inline bool NaturalLess(std::string_view a, std::string_view b) { return NaturalCompare(a, b) < 0; }

}  // namespace orvano::importer
