#include "orvano/importer/length_units.h"

#include <gtest/gtest.h>

namespace orvano::importer {
namespace {

TEST(LengthUnits, ConvertEveryUnitToMillimetres) {
  EXPECT_DOUBLE_EQ(*ParseLengthMm("72pt"), 25.4);
  EXPECT_DOUBLE_EQ(*ParseLengthMm("72"), 25.4);  // points when no unit is given
  EXPECT_DOUBLE_EQ(*ParseLengthMm("1in"), 25.4);
  EXPECT_DOUBLE_EQ(*ParseLengthMm("105mm"), 105);
  EXPECT_DOUBLE_EQ(*ParseLengthMm("2.1cm"), 21);
  EXPECT_DOUBLE_EQ(*ParseLengthMm("6pc"), 25.4);  // a pica is 12 points
  EXPECT_DOUBLE_EQ(*ParseLengthMm(" 3.5 mm "), 3.5);
  EXPECT_DOUBLE_EQ(*ParseLengthMm("-2mm"), -2);
}

TEST(LengthUnits, ReadExponentsAsTheDatabaseWritesThem) {
  EXPECT_NEAR(*ParseLengthMm("3.93386e-16pt"), 0, 1e-15);
  EXPECT_DOUBLE_EQ(*ParseLengthMm("1e1mm"), 10);
}

TEST(LengthUnits, RefuseWhatIsNoLength) {
  for (const char* bad :
       {"", "  ", "mm", "12px", "12 m m", "abc", "inf", "nan", "infmm", "1e999", "--1", "0x10"}) {
    EXPECT_FALSE(ParseLengthMm(bad).has_value()) << bad;
  }
}

}  // namespace
}  // namespace orvano::importer
