#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>

#include "orvano/host/runtime.h"
#include "raised.h"

namespace orvano::host {
namespace {

// German notation, fifteen digits, an exponent only at the extremes; the text reads back.
TEST(NumberText, GermanNotationFifteenDigitsExponentOnlyAtTheExtremes) {
  const std::pair<double, const char*> cases[] = {{12, "12"},
                                                  {12.5, "12,5"},
                                                  {0.125, "0,125"},
                                                  {-0.75, "-0,75"},
                                                  {1e14, "100000000000000"},
                                                  {0.00001, "0,00001"},
                                                  {-0.0, "0"},
                                                  {1.0 / 3.0, "0,333333333333333"},
                                                  {2.0 / 3.0, "0,666666666666667"},
                                                  {0.1 + 0.2, "0,3"},
                                                  {99.99999999999999, "100"},
                                                  {1e20, "1E+20"},
                                                  {1e15, "1E+15"},
                                                  {-1.5e20, "-1,5E+20"},
                                                  {1.5e-7, "1,5E-07"},
                                                  {1e-300, "1E-300"},
                                                  {558.7, "558,7"}};
  for (auto [x, want] : cases) {
    EXPECT_EQ(NumberText(x), want) << x;
    std::string c = want;
    for (char& ch : c) ch = ch == ',' ? '.' : ch;
    EXPECT_EQ(NumberText(std::strtod(c.c_str(), nullptr)), want);
  }
  for (double x : {std::numeric_limits<double>::infinity(), std::nan("")})
    EXPECT_EQ(testing::Raised([&] { NumberText(x); }), ErrorKind::Overflow);
}

}  // namespace
}  // namespace orvano::host
