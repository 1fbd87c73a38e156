// Numbers in German notation and lengths with units.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "orvano/catalog/value_parse.h"

namespace orvano::catalog {
namespace {

double N(const char* s) { return ParseNumber(FieldValue(s)); }
double L(const char* s) { return ParseLength(FieldValue(s)); }

TEST(ParseNumber, CommaIsTheDecimalSeparatorAndPointsGroupDigits) {
  EXPECT_EQ(N("12,5 mm"), 12.5);
  EXPECT_EQ(N("1.234,5"), 1234.5);
  EXPECT_EQ(N("12.5"), 125);
  EXPECT_EQ(N("-3"), -3);
  EXPECT_EQ(N("1 2"), 12);
  EXPECT_EQ(N(" \t\n+7"), 7);
  EXPECT_EQ(N("1,5E2"), 150);
  EXPECT_EQ(N("2D1x"), 20);
  EXPECT_EQ(N("3E"), 3);
  EXPECT_EQ(ParseNumber(FieldValue(12.5)), 12.5);  // through its German text "12,5"
  EXPECT_EQ(ParseNumber(FieldValue(0.1 + 0.2)), 0.3);  // 15 significant digits
}

TEST(ParseNumber, UnreadableTextAndAbsentValuesGiveZero) {
  EXPECT_EQ(N("abc"), 0);
  EXPECT_EQ(N(""), 0);
  EXPECT_EQ(ParseNumber(FieldValue()), 0);
  EXPECT_EQ(N("Inf"), 0);
  EXPECT_EQ(N("NaN"), 0);
  EXPECT_EQ(N("-"), 0);
  EXPECT_EQ(N("1E400"), 0);  // too large for a double: unreadable, not infinite
  EXPECT_FALSE(std::signbit(N("-0")));
  EXPECT_EQ(ParseNumber(FieldValue(std::numeric_limits<double>::infinity())), 0);
}

TEST(ParseLength, CentimetresAndMillimetres) {
  EXPECT_EQ(L("2,5 cm"), 25);
  EXPECT_EQ(L("1.5 cm"), 150);  // the point groups digits
  EXPECT_EQ(L("7"), 7);
  EXPECT_EQ(L(" 7 mm"), 7);
  EXPECT_EQ(ParseLength(FieldValue()), 0);
}

TEST(ParseLength, InchesAreExactly25Point4MillimetresRoundedToOneDecimal) {
  EXPECT_EQ(L("2 Zoll"), 50.8);
  EXPECT_EQ(L("4 inch"), 101.6);
  EXPECT_EQ(L("10ZOLL"), 254);
  EXPECT_EQ(L("1,5\""), 38.1);
  EXPECT_EQ(L("0,0625 inch"), 1.6);  // 1.5875 to one decimal
  EXPECT_EQ(L("0,125 inch"), 3.2);   // 3.175
}

TEST(ParseLength, TheLastMatchingMarkDecides) {
  EXPECT_EQ(L("2 cm 1 inch"), 50.8);
  EXPECT_EQ(L("3 inch cm"), 76.2);
  EXPECT_EQ(L("1E308 cm"), 0);  // no infinite lengths
}

}  // namespace
}  // namespace orvano::catalog
