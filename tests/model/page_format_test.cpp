#include "orvano/model/page_format.h"

#include <gtest/gtest.h>

#include "orvano/host/error.h"
#include "orvano/model/enums.h"

namespace orvano {
namespace {

struct Size {
  double width;
  double height;
};

Size PageSize(std::int32_t format, std::int32_t landscape, Size start = {-1, -1}) {
  GetPageSize(format, landscape, start.width, start.height);
  return start;
}

TEST(PageSize, A4AndA5InBothOrientationsAnyNonZeroFlagMeaningLandscape) {
  struct Case {
    std::int32_t format, landscape;
    double width, height;
  };
  const Case cases[] = {{ovPageFormatA4, 0, 210, 297},    {ovPageFormatA4, 1, 297, 210},
                        {ovPageFormatA4, -1, 297, 210},   {ovPageFormatA4, 7, 297, 210},
                        {ovPageFormatA5, 0, 148.5, 210},  {ovPageFormatA5, 1, 210, 148.5},
                        {ovPageFormatA5, -1, 210, 148.5}, {ovPageFormatA5, 7, 210, 148.5}};
  for (const Case& c : cases) {
    const Size size = PageSize(c.format, c.landscape);
    EXPECT_EQ(size.width, c.width) << c.format << " / " << c.landscape;
    EXPECT_EQ(size.height, c.height) << c.format << " / " << c.landscape;
  }
}

TEST(PageSize, OtherCodesLeaveTheOutputsAlone) {
  for (std::int32_t code : {0, 8, 3, 10, -9}) {
    for (std::int32_t landscape : {0, 1}) {
      const Size size = PageSize(code, landscape, {200, 250});
      EXPECT_EQ(size.width, 200) << code;
      EXPECT_EQ(size.height, 250) << code;
    }
  }
}

TEST(LineHeight, KnownSizesAndTheExactDoublesOfItsSteps) {
  EXPECT_NEAR(LineHeightFromFontSize(8), 4.1222, 5e-5);
  EXPECT_NEAR(LineHeightFromFontSize(9), 4.525, 5e-5);
  EXPECT_NEAR(LineHeightFromFontSize(72), 29.9, 1e-12);
  // The four steps in their order. 12 * 25.4 / 72 would end in ...325, and adding the leading
  // and the 5 % in one sum would end 10 pt in ...777: placed fields would drift by a bit.
  EXPECT_EQ(LineHeightFromFontSize(12), 5.733333333333334);
  EXPECT_EQ(LineHeightFromFontSize(10), 4.927777777777778);
  EXPECT_EQ(LineHeightFromFontSize(3), 2.1083333333333334);
}

TEST(LineHeight, ZeroPointsIsADivisionByZeroNegativeSizesAreNoError) {
  EXPECT_LT(LineHeightFromFontSize(-10), 0);
  try {
    LineHeightFromFontSize(0);
    FAIL() << "no error for 0 points";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::DivisionByZero);
  }
}

}  // namespace
}  // namespace orvano
