// Zero, negative, non-finite and absurd values: stored, never failing the host, never drawn from
// a wrapped integer; a layout value that cannot be computed keeps what it held.
#include <algorithm>
#include <cmath>
#include <limits>

#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using BadInputTest = PreviewTest;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A sum that wrapped past the 32-bit limit lands about two billion pixels to the far negative
// side; none of the inputs below yields a true coordinate out there.
void ExpectNoWrappedCoordinates(const std::vector<Primitive>& drawing) {
  ASSERT_FALSE(drawing.empty());
  for (const Primitive& p : drawing) {
    for (float v : {p.x1, p.y1, p.x2, p.y2}) ASSERT_GT(v, -2e9f) << "wrapped coordinate " << v;
  }
}

TEST_F(BadInputTest, ZeroVisibleWidthKeepsThePreviousScale) {
  preview->SetCols(1);
  preview->SetBorderLeft(0);
  const double scale = preview->Layout().ScaleX;
  EXPECT_DOUBLE_EQ(scale, 207.0 / 89);
  preview->SetLabelWidth(0.4);  // 0.4 mm visible rounds to 0
  EXPECT_EQ(preview->Layout().ExtentX, 0);
  EXPECT_EQ(preview->Layout().ScaleX, scale);
}

TEST_F(BadInputTest, NonFiniteLengthsKeepThePreviousExtents) {
  for (double bad : {kNaN, kInf, -kInf, 1e300}) {
    preview->SetBorderLeft(bad);
    preview->SetBorderTop(bad);
    EXPECT_EQ(preview->Layout().ExtentX, 123) << bad;
    EXPECT_EQ(preview->Layout().ExtentY, 67) << bad;
    ExpectNoWrappedCoordinates(Repaint());
  }
}

TEST_F(BadInputTest, AbsurdValuesInTheAddressLayoutNeverFail) {
  preview->SetPreviewLayout(ovPreviewAddressLayout);
  preview->SetLabelHeight(0);
  preview->SetLabelWidth(-88.9);
  preview->SetLabelBorderTop(kNaN);
  preview->SetLabelBorderBottom(1e300);
  preview->SetAddressSpace(-kInf);
  preview->SetFontSize(std::numeric_limits<std::int32_t>::max());
  preview->SetFontSize(std::numeric_limits<std::int32_t>::min());
  ExpectNoWrappedCoordinates(Repaint());
  site.Resize(1, 1);
  site.Resize(0, 0);
  ExpectNoWrappedCoordinates(Repaint());
}

TEST_F(BadInputTest, AbsurdValuesInThePageLayoutNeverFail) {
  preview->SetCols(std::numeric_limits<std::int32_t>::min());
  preview->SetRows(0);
  preview->SetLabelWidth(-1e9);
  preview->SetSpaceHorizontal(2e9);
  preview->SetSpaceVertical(-kInf);
  ExpectNoWrappedCoordinates(Repaint());
  site.Resize(0, 0);
  ExpectNoWrappedCoordinates(Repaint());
}

TEST_F(BadInputTest, CoordinatesBeyondThirtyTwoBitsAreLeftOut) {
  // So tall that the sheet piece starts just short of the 32-bit limit: its lower edge and
  // what lies below it cannot be computed in 32 bits.
  site.Resize(320, 3579139328.0f);
  const auto drawing = Repaint();
  const PreviewLayoutState& s = preview->Layout();
  ASSERT_GT(s.PageRect.Top, 2147483000);
  ExpectNoWrappedCoordinates(drawing);
  // The background is still drawn, the dimension line under the sheet piece is not.
  EXPECT_EQ(drawing.front().mode, kFill);
  const PixelRect& page = s.PageRect;
  const float under = static_cast<float>(static_cast<double>(page.Top) + page.Height + 6);
  const float left = static_cast<float>(page.Left);
  const float right = static_cast<float>(page.Left + page.Width);
  EXPECT_TRUE(std::none_of(drawing.begin(), drawing.end(), [&](const Primitive& p) {
    return p.mode == kLine && p.x1 == left && p.x2 == right && p.y1 == under && p.y2 == under;
  }));
}

}  // namespace
}  // namespace orvano::preview_test
