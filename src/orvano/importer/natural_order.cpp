#include "orvano/importer/natural_order.h"

#include <string>

#include "orvano/host/strings.h"

namespace orvano::importer {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Run(std::string_view s, std::size_t& i) {
  const std::size_t start = i;
  const bool digits = IsDigit(s[i]);
  while (i < s.size() && IsDigit(s[i]) == digits) ++i;
  return s.substr(start, i - start);
}

// Digit runs by value: without leading zeros the longer run is larger, equal lengths compare
// digit by digit. Runs of any length work, no overflow.
int CompareNumbers(std::string_view a, std::string_view b) {
  const auto strip = [](std::string_view s) {
    while (s.size() > 1 && s.front() == '0') s.remove_prefix(1);
    return s;
  };
  const std::string_view x = strip(a), y = strip(b);
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  return x.compare(y);
}

int Sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int NaturalCompare(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const bool da = IsDigit(a[i]), db = IsDigit(b[j]);
    const std::string_view ra = Run(a, i), rb = Run(b, j);
    int c = 0;
    if (da && db)
      c = CompareNumbers(ra, rb);
    else if (da != db)
      c = da ? -1 : 1;  // numbers before letters
    else
      c = Sign(host::UCase(ra).compare(host::UCase(rb)));
    if (c != 0) return c;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  // Equal by the rules above ("a" and "A", "07" and "7"): the bytes decide.
  return Sign(a.compare(b));
}

}  // namespace orvano::importer
