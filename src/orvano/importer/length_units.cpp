#include "orvano/importer/length_units.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace orvano::importer {

namespace {

std::string_view TrimSpace(std::string_view s) {
  const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char c = (a[i] >= 'A' && a[i] <= 'Z') ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
    if (c != b[i]) return false;
  }
  return true;
}

}  // namespace

std::optional<double> ParseLengthMm(std::string_view text) {
  text = TrimSpace(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  // from_chars would also take "inf" and "nan"; a length starts with a digit, sign or point.
  // Exponents occur ("3.93386e-16pt").
  if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text.front())) ||
                        text.front() == '-' || text.front() == '.')) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  const std::string_view unit = TrimSpace(text.substr(static_cast<std::size_t>(end - text.data())));

  double factor = 0;
  if (unit.empty() || EqualsAscii(unit, "pt"))
    factor = kMillimetresPerPoint;
  else if (EqualsAscii(unit, "mm"))
    factor = 1;
  else if (EqualsAscii(unit, "cm"))
    factor = 10;
  else if (EqualsAscii(unit, "in"))
    factor = 25.4;
  else if (EqualsAscii(unit, "pc"))
    factor = 12 * kMillimetresPerPoint;
  else
    return std::nullopt;
  const double mm = value * factor;
  if (!std::isfinite(mm)) return std::nullopt;
  return mm;
}

}  // namespace orvano::importer
