// Just enough JSON for show: strings escaped, numbers as the shortest text that reads back.
#pragma once

#include <string>
#include <string_view>

namespace orvano::catalogtool {

std::string JsonString(std::string_view utf8);
// null for infinity and NaN, which JSON cannot hold.
std::string JsonNumber(double value);

}  // namespace orvano::catalogtool
