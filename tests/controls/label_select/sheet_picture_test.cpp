// The sheet picture: the worked example to the pixel, fill path and arrowhead, tooltips, arrays
// that only grow; huge grids and overlapping labels.
#include "label_select_fixture.h"

namespace orvano::testing {
namespace {

class SheetPictureTest : public LabelSelectTest {
 protected:
  // The default stock with a label name, so the caption takes its 36 pixels.
  SheetPictureTest() {
    host::headless::MemoryPropertyBag bag;
    bag.Set("LabelName", "Standard");
    bag.Set("SpaceWidth", 7.62);
    Site().ReadProperties(bag);
  }
  SheetLine Path(std::int32_t n) { return Control().DirectionLineGeometry(n); }
};

TEST_F(SheetPictureTest, DefaultStockInTheStandardSizeHoldsToThePixel) {
  EXPECT_EQ(Box(Paper()), (std::vector<float>{26, 0, 269, 381}));
  EXPECT_EQ(Caption().Height(), 36);
  // bl 15, bt 11, gw 9, gh 0, lw 114, lh 59: areas of 115 x 60.
  EXPECT_EQ(Box(Control().LabelRect(0)), (std::vector<float>{26 + 15, 11, 115, 60}));
  EXPECT_EQ(Control().LabelRect(2).top, 11 + 59);
  // Stroke 12: straight segments 12, diagonal ones 4 with ends pulled 6 apart, arrowhead 9.
  EXPECT_EQ(Path(1).borderWidth, 12);
  EXPECT_EQ(Path(2).borderWidth, 4);
  EXPECT_EQ(Path(2).y1, 11 + 30 + 6);
  EXPECT_EQ(Arrow(1).BorderWidth(), 9);
  Control().SetSpaceHeight(5);  // a vertical gap lengthens the pitch
  EXPECT_GT(Control().LabelRect(2).top, 11 + 59 + 5);
  Control().SetLabelHeight(5);  // 6 pixels high: the thinnest stroke, 1
  EXPECT_EQ(Path(1).borderWidth, 1);
}

TEST_F(SheetPictureTest, PathFollowsTheFillOrderAndEndsInAHead) {
  Control().SetCols(3);
  Control().SetRows(2);
  EXPECT_EQ(Control().LabelRect(3).left, Control().LabelRect(0).left);
  EXPECT_EQ(Path(3).borderWidth, host::CLng(Path(1).borderWidth / 3.0));
  const SheetLine last = Path(5);
  const double s = Path(1).borderWidth, d = s / 4.7, t = 1.8 * s;
  // The head's back stands across the path end, its two sides meet at the tip on the path.
  EXPECT_FLOAT_EQ(Arrow(1).X1(), last.x2 - s / 2);
  EXPECT_FLOAT_EQ(Arrow(1).Y2(), last.y1 + s / 2);
  EXPECT_FLOAT_EQ(Arrow(2).X2(), Arrow(1).X1() + d + t);
  EXPECT_FLOAT_EQ(Arrow(3).Y2(), last.y1);
  // Filled by columns, the jump to the next column is pulled sideways.
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().LabelRect(1).left, Control().LabelRect(0).left);
  const SheetRect below = Control().LabelRect(1);
  EXPECT_EQ(Path(2).x1, below.left + below.width / 2 + s / 2);
}

TEST_F(SheetPictureTest, ToolTipsNameColumnAndRow) {
  Control().SetCols(27);
  EXPECT_EQ(Control().ToolTip(1), "B1");
  EXPECT_EQ(Control().ToolTip(27), "A2");
  // Past the code page a column is the Unicode character of its number; a surrogate is none.
  Control().SetCols(0xD800 - 64);
  EXPECT_EQ(Control().ToolTip(0x100 - 65), "Ā1");
  EXPECT_EQ(Control().ToolTip(0xD800 - 65), "1");
}

TEST_F(SheetPictureTest, ArraysGrowButNeverShrink) {
  Control().SetRows(2);  // 4 labels
  EXPECT_EQ(Control().LoadedCount(), 12);
  EXPECT_FALSE(Control().ElementVisible(SheetArray::LabelArea, 4));
  Control().SetRows(1);  // one row: no path and no arrowhead
  EXPECT_FALSE(Control().ElementVisible(SheetArray::DirectionLine, 1));
  EXPECT_FALSE(Arrow(1).Visible());
  Control().SetRows(8);
  EXPECT_EQ(Control().LoadedCount(), 16);
  EXPECT_THROW(Control().LabelRect(16), host::Error);
}

TEST_F(SheetPictureTest, CaptionInvitesToChooseWhenNoLabelIsSet) {
  Control().SetLabelName("");
  EXPECT_EQ(Caption().Caption(),
            "Klicken Sie hier, um ein neues Etikett zu erstellen oder aus der Herstellerliste "
            "auszuwählen.");
  Control().SetAllowConfig(host::kFalse);
  EXPECT_EQ(Paper().Height(), 417);  // no caption: the page takes the full height
  Site().Resize(644, 834);
  EXPECT_EQ(Box(Selector()), Box(Control().LabelRect(0)));
}

using SheetLimitsTest = LabelSelectTest;

TEST_F(SheetLimitsTest, LargestGridIsPlacedAndClickableAndCountsPastTheRangeStay) {
  Control().SetCols(9999);
  Control().SetRows(9999);
  const std::int32_t last = 9999 * 9999 - 1;
  EXPECT_EQ(Control().LoadedCount(), last + 1);
  EXPECT_EQ(ClickLabel(last), last);
  Control().SetCols(300000);  // the product overflows: the count stays
  EXPECT_EQ(Control().LoadedCount(), last + 1);
}

TEST_F(SheetLimitsTest, ClickWhereLabelsOverlapHitsTheOneInFront) {
  Control().SetSpaceWidth(-40);  // neighbours overlap by about 51 pixels
  const SheetRect first = Control().LabelRect(0), second = Control().LabelRect(1);
  EXPECT_EQ(Control().HitTest(second.left + 1, second.top + 1), 1);
  EXPECT_EQ(Control().HitTest(first.left + 1, first.top + 1), 0);
  EXPECT_EQ(Control().HitTest(first.left - 1, first.top + 1), -1);
}

}  // namespace
}  // namespace orvano::testing
