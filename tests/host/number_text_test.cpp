#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "orvano/host/runtime.h"
#include "raised.h"

namespace orvano::host {
namespace {

// The number text read back the way the catalog reader does: comma as decimal point.
double ReadBack(std::string text) {
  for (char& c : text)
    if (c == ',') c = '.';
  return std::strtod(text.c_str(), nullptr);
}

TEST(NumberText, GermanNotationWithoutTrailingZeros) {
  EXPECT_EQ(NumberText(12), "12");
  EXPECT_EQ(NumberText(12.5), "12,5");
  EXPECT_EQ(NumberText(0.125), "0,125");
  EXPECT_EQ(NumberText(558.7), "558,7");
  EXPECT_EQ(NumberText(-3), "-3");
  EXPECT_EQ(NumberText(-0.75), "-0,75");
  EXPECT_EQ(NumberText(100), "100");
  EXPECT_EQ(NumberText(1e14), "100000000000000");
}

TEST(NumberText, ZeroIsNeverNegative) {
  EXPECT_EQ(NumberText(0.0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
}

TEST(NumberText, FifteenSignificantDigits) {
  EXPECT_EQ(NumberText(1.0 / 3.0), "0,333333333333333");
  EXPECT_EQ(NumberText(2.0 / 3.0), "0,666666666666667");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0,3");
  EXPECT_EQ(NumberText(2.675), "2,675");
  EXPECT_EQ(NumberText(1234567.891), "1234567,891");
  EXPECT_EQ(NumberText(99.99999999999999), "100");
}

TEST(NumberText, SmallFractionsStayPositional) {
  EXPECT_EQ(NumberText(0.001), "0,001");
  EXPECT_EQ(NumberText(0.00001), "0,00001");
  EXPECT_EQ(NumberText(-0.0000125), "-0,0000125");
}

TEST(NumberText, ExtremeMagnitudesUseAnExponent) {
  EXPECT_EQ(NumberText(1e20), "1E+20");
  EXPECT_EQ(NumberText(1e15), "1E+15");
  EXPECT_EQ(NumberText(-1.5e20), "-1,5E+20");
  EXPECT_EQ(NumberText(1.5e-7), "1,5E-07");
  EXPECT_EQ(NumberText(1e-300), "1E-300");
}

TEST(NumberText, ReadsBackToTheSameFifteenDigits) {
  for (double x : {558.7, 0.125, 1.0 / 3.0, 1e20, 1.5e-7, 123.456, -76.35}) {
    const std::string text = NumberText(x);
    EXPECT_EQ(NumberText(ReadBack(text)), text);
    EXPECT_NEAR(ReadBack(text), x, std::fabs(x) * 1e-14) << text;
  }
}

TEST(NumberText, NonFiniteValuesAreRefused) {
  EXPECT_EQ(testing::Raised([] { NumberText(std::numeric_limits<double>::infinity()); }),
            ErrorKind::Overflow);
  EXPECT_EQ(testing::Raised([] { NumberText(std::nan("")); }), ErrorKind::Overflow);
}

}  // namespace
}  // namespace orvano::host
