// The sheet picture: the worked example to the pixel, caption, fill path and arrowhead in both
// directions, tooltips, arrays that only grow, the stacking order; huge grids and absurd
// measurements, where the refresh skips what fails and the picture stays computed.
#include <algorithm>
#include <limits>

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
  bool Shown(SheetArray a, std::int32_t n) { return Control().ElementVisible(a, n); }
  SheetLine Path(std::int32_t n) { return Control().DirectionLineGeometry(n); }
  float CentreX(std::int32_t n) {
    return Control().LabelRect(n).left + Control().LabelRect(n).width / 2;
  }
};

TEST_F(SheetPictureTest, DefaultStockInTheStandardSizeHoldsToThePixel) {
  EXPECT_EQ(Box(Paper()), (std::vector<float>{26, 0, 269, 381}));
  EXPECT_EQ(Caption().Top(), 386);
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

TEST_F(SheetPictureTest, RowsFilledLeftToRightEndInARightPointingHead) {
  Control().SetCols(3);
  Control().SetRows(2);
  EXPECT_EQ(Control().LabelRect(2).top, Control().LabelRect(0).top);
  EXPECT_EQ(Control().LabelRect(3).left, Control().LabelRect(0).left);
  for (int n : {1, 2, 4, 5}) EXPECT_EQ(Path(n).y1, Path(n).y2) << n;
  EXPECT_EQ(Path(3).borderWidth, host::CLng(Path(1).borderWidth / 3.0));
  const SheetLine last = Path(5);
  const double s = Path(1).borderWidth, d = s / 4.7, t = 1.8 * s;
  // The head's back stands across the path end, its two sides meet at the tip on the path.
  EXPECT_FLOAT_EQ(Arrow(1).X1(), last.x2 - s / 2);
  EXPECT_FLOAT_EQ(Arrow(1).Y2(), last.y1 + s / 2);
  EXPECT_FLOAT_EQ(Arrow(2).X2(), Arrow(1).X1() + d + t);
  EXPECT_FLOAT_EQ(Arrow(3).Y2(), last.y1);
}

TEST_F(SheetPictureTest, ColumnsFilledTopToBottomEndInADownPointingHead) {
  Control().SetCols(3);
  Control().SetRows(2);
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().LabelRect(1).left, Control().LabelRect(0).left);
  EXPECT_EQ(Control().LabelRect(2).top, Control().LabelRect(0).top);
  EXPECT_GT(Control().LabelRect(4).left, Control().LabelRect(2).left);
  for (int n : {1, 3, 5}) EXPECT_EQ(Path(n).x1, Path(n).x2) << n;
  const double s = Path(1).borderWidth, t = 1.8 * s;
  EXPECT_EQ(Path(2).x1, CentreX(1) + s / 2);  // the jump is pulled sideways
  EXPECT_EQ(Path(2).x2, CentreX(2) - s / 2);
  const SheetLine last = Path(5);
  EXPECT_FLOAT_EQ(Arrow(1).Y1(), last.y2 - s / 2);
  EXPECT_FLOAT_EQ(Arrow(1).X2(), last.x2 + s / 2);
  EXPECT_FLOAT_EQ(Arrow(2).Y2(), Arrow(1).Y1() + t);
  EXPECT_FLOAT_EQ(Arrow(3).X2(), last.x2);
}

TEST_F(SheetPictureTest, ToolTipsNameColumnAndRowWhateverTheDirection) {
  Control().SetCols(27);
  EXPECT_EQ(Control().ToolTip(1), "B1");
  EXPECT_EQ(Control().ToolTip(26), "[1");
  EXPECT_EQ(Control().ToolTip(27), "A2");
  // Past the code page a column is the Unicode character of its number; a surrogate is none.
  Control().SetCols(0xD800 - 64);
  EXPECT_EQ(Control().ToolTip(0x100 - 65), "Ā1");
  EXPECT_EQ(Control().ToolTip(0xD800 - 65), "1");
  Control().SetCols(27);
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().ToolTip(1), "A2");
  EXPECT_EQ(Control().ToolTip(6), "B1");
}

TEST_F(SheetPictureTest, ArraysGrowButNeverShrink) {
  Control().SetRows(2);  // 4 labels
  EXPECT_EQ(Control().LoadedCount(), 12);
  EXPECT_TRUE(Shown(SheetArray::LabelBorder, 3));
  EXPECT_FALSE(Shown(SheetArray::LabelArea, 4));
  EXPECT_FALSE(Shown(SheetArray::DirectionLine, 0));
  Control().SetRows(1);  // one row: no path and no arrowhead
  EXPECT_FALSE(Shown(SheetArray::DirectionLine, 1));
  EXPECT_FALSE(Arrow(1).Visible());
  EXPECT_EQ(Site().ClickAt(Areas(), Control().LabelRect(0).left + 1, 300), -1);
  Control().SetRows(8);
  EXPECT_EQ(Control().LoadedCount(), 16);
  EXPECT_TRUE(Shown(SheetArray::LabelArea, 11));
  EXPECT_THROW(Control().LabelRect(16), host::Error);
}

TEST_F(SheetPictureTest, StackingOrderBackToFront) {
  const std::vector<std::string> expected = {"shpPaper",       "shpLabelBack", "DirectionLine",
                                             "Arrow1",         "Arrow2",       "Arrow3",
                                             "shpLabelBorder", "lblLabel",     "Selector"};
  std::vector<std::string> seen;
  for (const auto& name : Site().StackingOrder())
    if (std::find(expected.begin(), expected.end(), name) != expected.end()) seen.push_back(name);
  EXPECT_EQ(seen, expected);
}

TEST_F(SheetPictureTest, CaptionInvitesToChooseWhenNoLabelIsSet) {
  Control().SetLabelName("");
  EXPECT_EQ(Caption().Caption(),
            "Klicken Sie hier, um ein neues Etikett zu erstellen oder aus der Herstellerliste "
            "auszuwählen.");
  Control().SetAllowConfig(host::kFalse);
  EXPECT_EQ(Caption().Caption(), "");
  EXPECT_EQ(Caption().Height(), 0);
  EXPECT_EQ(Paper().Height(), 417);  // the page takes the full height
}

TEST_F(SheetPictureTest, ResizeLaysTheSheetOutAgain) {
  Site().Resize(644, 834);
  EXPECT_EQ(Paper().Height(), 834 - 36);
  EXPECT_EQ(Box(Selector()), Box(Control().LabelRect(0)));
}

using SheetLimitsTest = LabelSelectTest;

TEST_F(SheetLimitsTest, LargestGridIsPlacedClickableAndNamed) {
  Control().SetCols(9999);
  Control().SetRows(9999);
  const std::int32_t last = 9999 * 9999 - 1;
  EXPECT_EQ(Control().LoadedCount(), last + 1);
  EXPECT_TRUE(Control().ElementVisible(SheetArray::DirectionLine, last));
  const float pitch = Control().LabelRect(1).left - Control().LabelRect(0).left;
  EXPECT_EQ(Control().LabelRect(last).left - Control().LabelRect(0).left, 9998 * pitch);
  EXPECT_EQ(ClickLabel(last), last);
  EXPECT_EQ(Control().LabelID(), last);
  EXPECT_TRUE(Control().ToolTip(last).ends_with("9999"));
}

TEST_F(SheetLimitsTest, GridPastTheIntegerRangeKeepsTheLastLabelCount) {
  Control().SetCols(100000);  // 600,000 labels
  Control().SetRows(100000);  // the product overflows: the count stays
  EXPECT_EQ(Control().LoadedCount(), 600000);
  Control().SetLabelID(599999);
  Control().SetLabelID(600000);
  EXPECT_EQ(Control().LabelID(), 599999);
}

TEST_F(SheetLimitsTest, ClickWhereLabelsOverlapHitsTheOneInFront) {
  Control().SetSpaceWidth(-40);  // neighbours overlap by about 51 pixels
  const SheetRect first = Control().LabelRect(0), second = Control().LabelRect(1);
  ASSERT_LT(second.left, first.left + first.width);
  EXPECT_EQ(Control().HitTest(second.left + 1, second.top + 1), 1);
  EXPECT_EQ(Control().HitTest(first.left + 1, first.top + 1), 0);
  EXPECT_EQ(Control().HitTest(first.left - 1, first.top + 1), -1);
  Control().SetSpaceWidth(-2 * Control().LabelWidth());  // columns running leftwards
  const SheetRect left = Control().LabelRect(1);
  EXPECT_EQ(Control().HitTest(left.left + 2, left.top + 2), 1);
}

TEST_F(SheetLimitsTest, BadMeasurementsAndEmptyGridsPlaceWhatTheyCan) {
  Control().SetPageWidth(0);
  EXPECT_EQ(Paper().Left(), 161);
  EXPECT_EQ(Control().LabelRect(0).width, 1);
  EXPECT_TRUE(Selector().Visible());
  EXPECT_EQ(Control().HitTest(std::numeric_limits<float>::quiet_NaN(), 10), -1);
  Control().SetCols(0);
  EXPECT_FALSE(Selector().Visible());
  Control().SetCols(-3);
  Control().SetRows(-4);  // 12 labels by count, none on the sheet
  EXPECT_FALSE(Control().ElementVisible(SheetArray::LabelBack, 0));
  EXPECT_FALSE(Arrow(1).Visible());
  EXPECT_EQ(Control().HitTest(60, 20), -1);
}

}  // namespace
}  // namespace orvano::testing
