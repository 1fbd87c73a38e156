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

TEST(PageSize, A4BothOrientations) {
  EXPECT_EQ(PageSize(ovPageFormatA4, 0).width, 210);
  EXPECT_EQ(PageSize(ovPageFormatA4, 0).height, 297);
  EXPECT_EQ(PageSize(ovPageFormatA4, 1).width, 297);
  EXPECT_EQ(PageSize(ovPageFormatA4, 1).height, 210);
}

TEST(PageSize, A5NarrowSideIsHalfOfA4Height) {
  EXPECT_EQ(PageSize(ovPageFormatA5, 0).width, 148.5);
  EXPECT_EQ(PageSize(ovPageFormatA5, 0).height, 210);
  EXPECT_EQ(PageSize(ovPageFormatA5, 1).width, 210);
  EXPECT_EQ(PageSize(ovPageFormatA5, 1).height, 148.5);
}

TEST(PageSize, AnyNonZeroFlagMeansLandscape) {
  for (std::int32_t flag : {1, -1, 7}) {
    SCOPED_TRACE(flag);
    EXPECT_EQ(PageSize(ovPageFormatA4, flag).width, 297);
    EXPECT_EQ(PageSize(ovPageFormatA4, flag).height, 210);
    EXPECT_EQ(PageSize(ovPageFormatA5, flag).width, 210);
  }
}

TEST(PageSize, OtherCodesLeaveTheOutputsAlone) {
  for (std::int32_t code : {0, 8, 3, 10, -9}) {
    SCOPED_TRACE(code);
    Size size = PageSize(code, 0, {200, 250});
    EXPECT_EQ(size.width, 200);
    EXPECT_EQ(size.height, 250);
    size = PageSize(code, 1, {200, 250});
    EXPECT_EQ(size.width, 200);
    EXPECT_EQ(size.height, 250);
  }
}

TEST(LineHeight, KnownSizes) {
  EXPECT_NEAR(LineHeightFromFontSize(8), 4.1222, 5e-5);
  EXPECT_NEAR(LineHeightFromFontSize(9), 4.525, 5e-5);
  EXPECT_NEAR(LineHeightFromFontSize(10), 4.9278, 5e-5);
  EXPECT_NEAR(LineHeightFromFontSize(12), 5.7333, 5e-5);
  EXPECT_NEAR(LineHeightFromFontSize(72), 29.9, 1e-12);
}

TEST(LineHeight, StepsRunInTheirOrderInDoublePrecision) {
  // Exact doubles of the four steps. 12 * 25.4 / 72 would end in ...325, and adding the leading
  // and the 5 % in one sum would end 10 pt in ...777: placed fields would drift by a bit.
  EXPECT_EQ(LineHeightFromFontSize(12), 5.733333333333334);
  EXPECT_EQ(LineHeightFromFontSize(10), 4.927777777777778);
  EXPECT_EQ(LineHeightFromFontSize(3), 2.1083333333333334);
}

TEST(LineHeight, ZeroPointsIsADivisionByZero) {
  try {
    LineHeightFromFontSize(0);
    FAIL() << "no error for 0 points";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::DivisionByZero);
  }
}

TEST(LineHeight, NegativeSizesRaiseNoError) {
  EXPECT_LT(LineHeightFromFontSize(-10), 0);
}

}  // namespace
}  // namespace orvano
