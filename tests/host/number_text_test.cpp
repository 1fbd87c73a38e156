#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "orvano/host/runtime.h"
#include "raised.h"

namespace orvano::host {
namespace {

TEST(NumberText, GermanNotationWithoutTrailingZeros) {
  EXPECT_EQ(NumberText(12), "12");
  EXPECT_EQ(NumberText(12.5), "12,5");
  EXPECT_EQ(NumberText(0.125), "0,125");
  EXPECT_EQ(NumberText(558.7), "558,7");
  EXPECT_EQ(NumberText(-0.75), "-0,75");
  EXPECT_EQ(NumberText(1e14), "100000000000000");
  EXPECT_EQ(NumberText(0.00001), "0,00001");
}

TEST(NumberText, ZeroIsNeverNegative) {
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(0.0), "0");
}

TEST(NumberText, FifteenSignificantDigits) {
  EXPECT_EQ(NumberText(1.0 / 3.0), "0,333333333333333");
  EXPECT_EQ(NumberText(2.0 / 3.0), "0,666666666666667");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0,3");
  EXPECT_EQ(NumberText(99.99999999999999), "100");
}

TEST(NumberText, ExtremeMagnitudesUseAnExponent) {
  EXPECT_EQ(NumberText(1e20), "1E+20");
  EXPECT_EQ(NumberText(1e15), "1E+15");
  EXPECT_EQ(NumberText(-1.5e20), "-1,5E+20");
  EXPECT_EQ(NumberText(1.5e-7), "1,5E-07");
  EXPECT_EQ(NumberText(1e-300), "1E-300");
}

TEST(NumberText, ReadsBackToTheSameText) {
  for (double x : {558.7, 1.0 / 3.0, 1e20, 1.5e-7, -76.35}) {
    std::string text = NumberText(x);
    std::string c = text;
    for (char& ch : c)
      if (ch == ',') ch = '.';
    EXPECT_EQ(NumberText(std::strtod(c.c_str(), nullptr)), text);
  }
}

TEST(NumberText, NonFiniteValuesAreRefused) {
  EXPECT_EQ(testing::Raised([] { NumberText(std::numeric_limits<double>::infinity()); }),
            ErrorKind::Overflow);
  EXPECT_EQ(testing::Raised([] { NumberText(std::nan("")); }), ErrorKind::Overflow);
}

}  // namespace
}  // namespace orvano::host
