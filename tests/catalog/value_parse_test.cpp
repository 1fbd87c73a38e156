// Record fields, numbers in German notation and lengths with units.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "orvano/catalog/value_parse.h"

namespace orvano::catalog {
namespace {

TEST(GetField, CountsQuotesNumbersAndAbsentFields) {
  // A quoted field stays text and protects separators; quoted nothing is text, an empty field
  // is absent. Two points, a unit, or a value that is not finite read as text.
  const struct {
    int n;
    FieldValue record, field;
  } cases[] = {{2, "Etikett A;9;0;2", 9.0},
               {0, "Etikett A;9;0;2", std::int32_t{4}},
               {5, "Etikett A;9;0;2", {}},
               {1, "\"12,5\";x", "12,5"},
               {1, "12,5;x", 12.5},
               {1, "\"a;b\";c", "a;b"},
               {0, "\"a;b\";c", std::int32_t{2}},
               {2, "x;\"\";y", ""},
               {1, "a\"b;c\"d;e", "ab;cd"},
               {0, "", std::int32_t{0}},
               {3, "", ""},
               {1, " -1.5E2 ", -150.0},
               {1, "1.234,5", "1.234,5"},
               {1, "1e999", "1e999"},
               {3, {}, {}},
               {2, "x;;y", {}},
               {-1, "x;y", {}}};
  for (const auto& c : cases) EXPECT_EQ(GetField(c.n, c.record), c.field) << c.n;
}

struct Case {
  const char* text;
  double value;
};

TEST(ParseNumber, CommaIsTheDecimalSeparatorPointsGroupDigitsUnreadableIsZero) {
  // "1E400" is too large for a double: unreadable, not infinite.
  const Case cases[] = {
      {"12,5 mm", 12.5}, {"1.234,5", 1234.5}, {"12.5", 125}, {"-3", -3}, {"1 2", 12},
      {" \t\n+7", 7},    {"1,5E2", 150},      {"2D1x", 20},  {"3E", 3},  {"abc", 0},
      {"", 0},           {"Inf", 0},          {"NaN", 0},    {"-", 0},   {"1E400", 0}};
  for (const Case& c : cases) EXPECT_EQ(ParseNumber(FieldValue(c.text)), c.value) << c.text;
  EXPECT_EQ(ParseNumber(FieldValue(12.5)), 12.5);      // through its German text "12,5"
  EXPECT_EQ(ParseNumber(FieldValue(0.1 + 0.2)), 0.3);  // 15 significant digits
  EXPECT_EQ(ParseNumber(FieldValue()), 0);
  EXPECT_FALSE(std::signbit(ParseNumber(FieldValue("-0"))));
  EXPECT_EQ(ParseNumber(FieldValue(std::numeric_limits<double>::infinity())), 0);
}

TEST(ParseLength, CentimetresMillimetresAndInchesRoundedToOneDecimal) {
  // An inch is exactly 25.4 mm; 0,0625 inch is 1.5875 and 0,125 inch 3.175 before rounding.
  // The last matching mark decides, and there are no infinite lengths.
  const Case cases[] = {{"2,5 cm", 25},        {"1.5 cm", 150},      {"7", 7},
                        {" 7 mm", 7},          {"2 Zoll", 50.8},     {"10ZOLL", 254},
                        {"1,5\"", 38.1},       {"0,0625 inch", 1.6}, {"0,125 inch", 3.2},
                        {"2 cm 1 inch", 50.8}, {"3 inch cm", 76.2},  {"1E308 cm", 0}};
  for (const Case& c : cases) EXPECT_EQ(ParseLength(FieldValue(c.text)), c.value) << c.text;
  EXPECT_EQ(ParseLength(FieldValue()), 0);
}

}  // namespace
}  // namespace orvano::catalog
