#include "orvano/importer/sheet_fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "orvano/importer/product.h"

namespace orvano::importer {
namespace {

std::int64_t Hundredths(double mm) { return std::llround(mm * 100); }

std::int64_t Extent(const Axis& a, std::int32_t count) {
  return Hundredths(a.Offset) + count * Hundredths(a.Size) + (count - 1) * Hundredths(a.Gap);
}

TEST(SheetFit, PageSizesOfTheCatalogFormats) {
  EXPECT_EQ(PageWidthMm(kFormatA4, 0), 210);
  EXPECT_EQ(PageHeightMm(kFormatA4, 0), 297);
  EXPECT_EQ(PageWidthMm(kFormatA4, 1), 297);
  EXPECT_EQ(PageWidthMm(kFormatA5, 0), 148.5);
  EXPECT_EQ(PageHeightMm(kFormatA5, 1), 148.5);
}

TEST(SheetFit, RoundsToHundredths) {
  // Avery 7160 across, from points: x0 21.2, width 181.4, pitch 187.2.
  const Axis exact{21.2 * 25.4 / 72, 181.4 * 25.4 / 72, 5.8 * 25.4 / 72};
  const auto fitted = FitAxis(exact, 3, 210);
  ASSERT_TRUE(fitted);
  EXPECT_DOUBLE_EQ(fitted->Offset, 7.48);
  EXPECT_DOUBLE_EQ(fitted->Size, 63.99);
  EXPECT_DOUBLE_EQ(fitted->Gap, 2.05);
}

// Sizes that fill the page exactly round up past it; the gap gives the room back first.
TEST(SheetFit, RoundingNeverPushesTheGridOffThePage) {
  const auto gapTaken = FitAxis({0, 69.996, 0.006}, 3, 210);
  ASSERT_TRUE(gapTaken);
  EXPECT_EQ(Extent(*gapTaken, 3), 21000);
  EXPECT_DOUBLE_EQ(gapTaken->Size, 70);
  EXPECT_DOUBLE_EQ(gapTaken->Gap, 0);

  const auto offsetTaken = FitAxis({0.3, 69.996, 0}, 3, 210.29);
  ASSERT_TRUE(offsetTaken);
  EXPECT_EQ(Extent(*offsetTaken, 3), 21029);
  EXPECT_DOUBLE_EQ(offsetTaken->Offset, 0.29);

  // A grid overhanging within the tolerance is pulled in, the label made slightly smaller.
  const auto sizeTaken = FitAxis({0, 70.2028, 0}, 3, 210);
  ASSERT_TRUE(sizeTaken);
  EXPECT_EQ(Extent(*sizeTaken, 3), 21000);
  EXPECT_DOUBLE_EQ(sizeTaken->Size, 70);
}

TEST(SheetFit, RefusesGridsThatDoNotFit) {
  double overhang = 0;
  EXPECT_FALSE(FitAxis({0, 71, 0}, 3, 210, &overhang));
  EXPECT_DOUBLE_EQ(overhang, 3);
  EXPECT_FALSE(FitAxis({-1, 10, 0}, 3, 210));  // starts before the page
  EXPECT_FALSE(FitAxis({0, 0, 0}, 3, 210));
  EXPECT_FALSE(FitAxis({0, 10, 0}, 0, 210));
  EXPECT_FALSE(FitAxis({0, NAN, 0}, 1, 210));
  EXPECT_FALSE(FitAxis({0, 1e300, 0}, 1, 210));
}

TEST(SheetFit, ASingleLabelHasNoGap) {
  const auto one = FitAxis({5, 200, 50}, 1, 210);
  ASSERT_TRUE(one);
  EXPECT_EQ(one->Gap, 0);
}

}  // namespace
}  // namespace orvano::importer
