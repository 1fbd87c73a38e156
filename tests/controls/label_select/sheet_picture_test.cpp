// The sheet picture: the worked example to the pixel, caption, fill path and arrowhead in both
// directions, tooltips, arrays that only grow, and the stacking order.
#include <algorithm>

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
  bool Visible(SheetArray a, std::int32_t n) { return Control().ElementVisible(a, n); }
};

TEST_F(SheetPictureTest, DefaultStockInTheStandardSizeHoldsToThePixel) {
  EXPECT_EQ(Paper().Left(), 26);
  EXPECT_EQ(Paper().Top(), 0);
  EXPECT_EQ(Paper().Width(), 269);
  EXPECT_EQ(Paper().Height(), 381);
  EXPECT_EQ(Caption().Top(), 386);
  EXPECT_EQ(Caption().Height(), 36);
  EXPECT_EQ(Caption().Width(), 322);
  // bl 15, bt 11, gw 9, gh 0, lw 114, lh 59.
  const SheetRect first = Control().LabelRect(0);
  EXPECT_EQ(first.left, 26 + 15);
  EXPECT_EQ(first.top, 0 + 11);
  EXPECT_EQ(first.width, 115);
  EXPECT_EQ(first.height, 60);
  EXPECT_EQ(Control().LabelRect(1).left, 41 + 114 + 9);
  EXPECT_EQ(Control().LabelRect(2).top, 11 + 59);
  // Stroke 12: straight segments 12, diagonal ones 4, arrowhead 9.
  EXPECT_EQ(Control().DirectionLineGeometry(1).borderWidth, 12);
  EXPECT_EQ(Control().DirectionLineGeometry(2).borderWidth, 4);
  EXPECT_EQ(Arrow(1).BorderWidth(), 9);
  EXPECT_EQ(Selector().Left(), first.left);
  EXPECT_EQ(Selector().Width(), first.width);
}

TEST_F(SheetPictureTest, DiagonalSegmentEndsArePulledApartAcrossTheRows) {
  const SheetLine jump = Control().DirectionLineGeometry(2);  // label 1 to label 2
  const SheetRect from = Control().LabelRect(1);
  const SheetRect to = Control().LabelRect(2);
  EXPECT_EQ(jump.x1, from.left + from.width / 2);
  EXPECT_EQ(jump.y1, from.top + from.height / 2 + 6);
  EXPECT_EQ(jump.x2, to.left + to.width / 2);
  EXPECT_EQ(jump.y2, to.top + to.height / 2 - 6);
}

TEST_F(SheetPictureTest, ArrowheadPointsRightOnTheLastLabelWhenFillingRows) {
  const SheetLine last = Control().DirectionLineGeometry(11);
  const double s = 12, d = s / 4.7, t = 1.8 * s;
  EXPECT_EQ(last.y1, last.y2);
  EXPECT_FLOAT_EQ(Arrow(1).X1(), last.x2 - 6);
  EXPECT_FLOAT_EQ(Arrow(1).X2(), Arrow(1).X1());
  EXPECT_FLOAT_EQ(Arrow(1).Y1(), last.y1 - 6);
  EXPECT_FLOAT_EQ(Arrow(1).Y2(), last.y1 + 6);
  EXPECT_FLOAT_EQ(Arrow(2).X1(), Arrow(1).X1() + d);
  EXPECT_FLOAT_EQ(Arrow(2).X2(), Arrow(2).X1() + t);
  EXPECT_FLOAT_EQ(Arrow(2).Y2(), last.y1);
  EXPECT_FLOAT_EQ(Arrow(3).Y1(), Arrow(1).Y2());
  EXPECT_FLOAT_EQ(Arrow(3).X2(), Arrow(2).X1() + t);
  for (int i = 1; i <= 3; ++i) EXPECT_TRUE(Arrow(i).Visible());
}

TEST_F(SheetPictureTest, ThreeByTwoFilledByRows) {
  Control().SetCols(3);
  Control().SetRows(2);
  EXPECT_EQ(Control().LabelRect(2).top, Control().LabelRect(0).top);
  EXPECT_EQ(Control().LabelRect(3).left, Control().LabelRect(0).left);
  EXPECT_GT(Control().LabelRect(3).top, Control().LabelRect(2).top);
  const std::int32_t stroke = Control().DirectionLineGeometry(1).borderWidth;
  for (int n : {1, 2, 4, 5}) {
    const SheetLine l = Control().DirectionLineGeometry(n);
    EXPECT_EQ(l.y1, l.y2) << n;
    EXPECT_EQ(l.borderWidth, stroke) << n;
  }
  const SheetLine jump = Control().DirectionLineGeometry(3);
  EXPECT_NE(jump.x1, jump.x2);
  EXPECT_EQ(jump.borderWidth, host::CLng(stroke / 3.0));
  // Arrow on label 5, pointing right: its base is vertical at the end of the last segment.
  const SheetLine last = Control().DirectionLineGeometry(5);
  EXPECT_FLOAT_EQ(Arrow(1).X1(), last.x2 - stroke / 2.0);
  EXPECT_EQ(Arrow(1).X1(), Arrow(1).X2());
  EXPECT_GT(Arrow(2).X2(), Arrow(2).X1());
}

TEST_F(SheetPictureTest, ThreeByTwoFilledByColumns) {
  Control().SetCols(3);
  Control().SetRows(2);
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().LabelRect(1).left, Control().LabelRect(0).left);
  EXPECT_GT(Control().LabelRect(1).top, Control().LabelRect(0).top);
  EXPECT_EQ(Control().LabelRect(2).top, Control().LabelRect(0).top);
  EXPECT_GT(Control().LabelRect(4).left, Control().LabelRect(2).left);
  const std::int32_t stroke = Control().DirectionLineGeometry(1).borderWidth;
  for (int n : {1, 3, 5}) {
    const SheetLine l = Control().DirectionLineGeometry(n);
    EXPECT_EQ(l.x1, l.x2) << n;
  }
  // Diagonal from label 1 (bottom of column 0) to label 2 (top of column 1): pulled sideways.
  const SheetLine jump = Control().DirectionLineGeometry(2);
  const SheetRect from = Control().LabelRect(1);
  EXPECT_EQ(jump.x1, from.left + from.width / 2 + stroke / 2.0);
  EXPECT_EQ(jump.y1, from.top + from.height / 2);
  // Arrow on label 5, pointing down: its base is horizontal.
  const SheetLine last = Control().DirectionLineGeometry(5);
  const double s = stroke, d = s / 4.7, t = 1.8 * s;
  EXPECT_FLOAT_EQ(Arrow(1).Y1(), last.y2 - s / 2);
  EXPECT_EQ(Arrow(1).Y1(), Arrow(1).Y2());
  EXPECT_FLOAT_EQ(Arrow(1).X2(), last.x2 + s / 2);
  EXPECT_FLOAT_EQ(Arrow(2).Y1(), Arrow(1).Y1() + d);
  EXPECT_FLOAT_EQ(Arrow(2).Y2(), Arrow(1).Y1() + t);
  EXPECT_FLOAT_EQ(Arrow(2).X2(), last.x2);
  EXPECT_FLOAT_EQ(Arrow(3).X1(), Arrow(1).X2());
}

TEST_F(SheetPictureTest, OneRowOrColumnShowsNoPathAndNoArrowhead) {
  Control().SetRows(1);
  EXPECT_FALSE(Visible(SheetArray::DirectionLine, 1));
  EXPECT_FALSE(Arrow(1).Visible());
  EXPECT_TRUE(Visible(SheetArray::LabelBack, 1));
  EXPECT_TRUE(Visible(SheetArray::LabelArea, 1));
}

TEST_F(SheetPictureTest, ToolTipsNameColumnAndRowWhateverTheDirection) {
  Control().SetCols(27);
  EXPECT_EQ(Control().ToolTip(0), "A1");
  EXPECT_EQ(Control().ToolTip(1), "B1");
  EXPECT_EQ(Control().ToolTip(26), "[1");
  EXPECT_EQ(Control().ToolTip(27), "A2");
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().ToolTip(1), "A2");
  EXPECT_EQ(Control().ToolTip(6), "B1");
}

TEST_F(SheetPictureTest, ArraysGrowButNeverShrink) {
  Control().SetRows(2);  // 4 labels
  EXPECT_EQ(Control().LoadedCount(), 12);
  for (auto a : {SheetArray::LabelBack, SheetArray::LabelBorder, SheetArray::LabelArea}) {
    EXPECT_TRUE(Visible(a, 3));
    EXPECT_FALSE(Visible(a, 4));
    EXPECT_FALSE(Visible(a, 11));
  }
  EXPECT_FALSE(Visible(SheetArray::DirectionLine, 0));
  EXPECT_EQ(Site().ClickAt(Areas(), Control().LabelRect(0).left + 1, 300), -1);
  Control().SetRows(6);
  EXPECT_EQ(Control().LoadedCount(), 12);
  EXPECT_TRUE(Visible(SheetArray::LabelArea, 11));
  Control().SetRows(8);
  EXPECT_EQ(Control().LoadedCount(), 16);
  EXPECT_THROW(Control().LabelRect(16), host::Error);
}

TEST_F(SheetPictureTest, StackingOrderBackToFront) {
  const auto order = Site().StackingOrder();
  const std::vector<std::string> expected = {"shpPaper", "shpLabelBack", "DirectionLine",
                                             "Arrow1", "Arrow2", "Arrow3", "shpLabelBorder",
                                             "lblLabel", "Selector"};
  std::vector<std::string> seen;
  for (const auto& name : order)
    if (std::find(expected.begin(), expected.end(), name) != expected.end()) seen.push_back(name);
  EXPECT_EQ(seen, expected);
}

TEST_F(SheetPictureTest, CaptionInvitesToChooseWhenNoLabelIsSet) {
  Control().SetLabelName("");
  EXPECT_EQ(Caption().Caption(),
            "Klicken Sie hier, um ein neues Etikett zu erstellen oder aus der Herstellerliste "
            "auszuwählen.");
  EXPECT_EQ(Caption().Height(), 36);
  Control().SetAllowConfig(host::kFalse);
  EXPECT_EQ(Caption().Caption(), "");
  EXPECT_EQ(Caption().Height(), 0);
  // The page now uses the full height: 417 / 297 is the smaller scale.
  EXPECT_EQ(Paper().Height(), 417);
}

TEST_F(SheetPictureTest, ResizeLaysTheSheetOutAgain) {
  Site().Resize(644, 834);
  EXPECT_EQ(Paper().Height(), 834 - 36);
  EXPECT_EQ(Selector().Width(), Control().LabelRect(0).width);
  EXPECT_EQ(Control().HitTest(Control().LabelRect(5).left + 2, Control().LabelRect(5).top + 2),
            5);
}

}  // namespace
}  // namespace orvano::testing
