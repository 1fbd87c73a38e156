// Lengths in the database's units, and grids fitted to the page in whole hundredths.
#include "orvano/importer/sheet_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "orvano/importer/length_units.h"
#include "orvano/importer/product.h"

namespace orvano::importer {
namespace {

TEST(LengthUnits, ConvertEveryUnitToMillimetresAndRefuseWhatIsNoLength) {
  // Points when no unit is given; a pica is 12 points; exponents as the database writes them.
  const std::pair<const char*, double> cases[] = {
      {"72pt", 25.4}, {"72", 25.4},      {"1in", 25.4}, {"105mm", 105},       {"2.1cm", 21},
      {"6pc", 25.4},  {" 3.5 mm ", 3.5}, {"-2mm", -2},  {"3.93386e-16pt", 0}, {"1e1mm", 10}};
  for (const auto& [text, mm] : cases)
    EXPECT_NEAR(ParseLengthMm(text).value_or(1e9), mm, 1e-14) << text;
  for (const char* bad :
       {"", "  ", "mm", "12px", "12 m m", "abc", "inf", "nan", "infmm", "1e999", "--1", "0x10"})
    EXPECT_FALSE(ParseLengthMm(bad).has_value()) << bad;
}

std::vector<std::int64_t> Micrometres(const Axis& a) {
  return {std::llround(a.Offset * 1000), std::llround(a.Size * 1000), std::llround(a.Gap * 1000)};
}

TEST(SheetFit, RoundsToHundredthsWithoutPushingTheGridOffThePage) {
  // Avery 7160 across, from points. Sizes that fill the page exactly round up past it: the gap
  // gives the room back first, then the offset; a grid overhanging within the tolerance is pulled
  // in, the label made slightly smaller. A single label has no gap.
  const double pt = 25.4 / 72;
  const struct {
    Axis exact;
    std::int32_t count;
    double page;
    Axis fitted;
  } cases[] = {{{21.2 * pt, 181.4 * pt, 5.8 * pt}, 3, 210, {7.48, 63.99, 2.05}},
               {{0, 69.996, 0.006}, 3, 210, {0, 70, 0}},
               {{0.3, 69.996, 0}, 3, 210.29, {0.29, 70, 0}},
               {{0, 70.2028, 0}, 3, 210, {0, 70, 0}},
               {{5, 200, 50}, 1, 210, {5, 200, 0}}};
  for (const auto& c : cases) {
    const auto fitted = FitAxis(c.exact, c.count, c.page);
    ASSERT_TRUE(fitted) << c.exact.Size;
    EXPECT_EQ(Micrometres(*fitted), Micrometres(c.fitted)) << c.exact.Size;
  }
}

TEST(SheetFit, RefusesGridsThatDoNotFit) {
  double overhang = 0;
  EXPECT_FALSE(FitAxis({0, 71, 0}, 3, 210, &overhang));
  EXPECT_DOUBLE_EQ(overhang, 3);
  EXPECT_FALSE(FitAxis({-1, 10, 0}, 3, 210));  // starts before the page
  EXPECT_FALSE(FitAxis({0, 10, 0}, 0, 210));
  EXPECT_FALSE(FitAxis({0, NAN, 0}, 1, 210));
}

}  // namespace
}  // namespace orvano::importer
