// Huge grids and absurd measurements: the picture stays computed rather than stored, the refresh
// skips what fails and the control never crashes.
#include <limits>

#include "label_select_fixture.h"

namespace orvano::testing {
namespace {

using SheetBadInputTest = LabelSelectTest;

TEST_F(SheetBadInputTest, LargestGridIsPlacedClickableAndNamed) {
  Control().SetCols(9999);
  Control().SetRows(9999);
  const std::int32_t last = 9999 * 9999 - 1;
  EXPECT_EQ(Control().LoadedCount(), last + 1);
  EXPECT_TRUE(Control().ElementVisible(SheetArray::LabelArea, last));
  EXPECT_TRUE(Control().ElementVisible(SheetArray::DirectionLine, last));
  const SheetRect r = Control().LabelRect(last);
  const SheetRect first = Control().LabelRect(0);
  EXPECT_EQ(r.left - first.left, 9998 * (Control().LabelRect(1).left - first.left));
  EXPECT_EQ(ClickLabel(last), last);
  EXPECT_EQ(Control().LabelID(), last);
  const std::string tip = Control().ToolTip(last);
  EXPECT_EQ(tip.substr(tip.size() - 4), "9999");
  EXPECT_GT(tip.size(), 4u);
}

TEST_F(SheetBadInputTest, ClickWhereLabelsOverlapHitsTheOneInFront) {
  Control().SetSpaceWidth(-40);  // neighbours overlap by about 51 pixels
  const SheetRect second = Control().LabelRect(1);
  const SheetRect first = Control().LabelRect(0);
  ASSERT_LT(second.left, first.left + first.width);
  EXPECT_EQ(Control().HitTest(second.left + 1, second.top + 1), 1);
  EXPECT_EQ(Control().HitTest(first.left + 1, first.top + 1), 0);
  EXPECT_EQ(Control().HitTest(first.left - 1, first.top + 1), -1);
}

TEST_F(SheetBadInputTest, StackedLabelsHitTheLastInFillOrder) {
  Control().SetSpaceWidth(-Control().LabelWidth());  // every column at the same place
  Control().SetDirection(ovTopBottom);
  const SheetRect r = Control().LabelRect(0);
  // Column 1 of row 0 is label 6 when filling by columns: it lies over column 0's label 0.
  EXPECT_EQ(Control().HitTest(r.left + 1, r.top + 1), 6);
}

TEST_F(SheetBadInputTest, ZeroPageSizeSkipsTheScaleAndKeepsGoing) {
  EXPECT_NO_THROW(Control().SetPageWidth(0));
  EXPECT_EQ(Paper().Width(), 0);
  EXPECT_EQ(Paper().Left(), 161);
  EXPECT_EQ(Control().LabelRect(0).width, 1);
  EXPECT_TRUE(Selector().Visible());
}

TEST_F(SheetBadInputTest, NonFiniteMeasurementsLeaveAPartialPicture) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_NO_THROW(Control().SetLabelWidth(nan));
  EXPECT_EQ(Control().LabelRect(0).width, 1);
  EXPECT_NO_THROW(Control().SetBorderLeft(inf));
  EXPECT_NO_THROW(Control().SetPageHeight(-inf));
  EXPECT_NO_THROW(Control().SetSpaceHeight(1e300));
  EXPECT_EQ(Control().HitTest(nan, 10), -1);
}

TEST_F(SheetBadInputTest, NoColumnsMeansNoLabelsAndNoStartLabel) {
  Control().SetCols(0);
  EXPECT_FALSE(Control().ElementVisible(SheetArray::LabelArea, 0));
  EXPECT_FALSE(Selector().Visible());
  Control().SetLabelID(0);
  EXPECT_EQ(Control().LabelID(), 0);
  EXPECT_EQ(Control().HitTest(50, 50), -1);
}

TEST_F(SheetBadInputTest, NegativeRowsAndColumnsPlaceNothing) {
  Control().SetCols(-3);
  Control().SetRows(-4);  // 12 labels by count, none on the sheet
  EXPECT_FALSE(Control().ElementVisible(SheetArray::LabelBack, 0));
  EXPECT_FALSE(Arrow(1).Visible());
  EXPECT_EQ(Control().HitTest(60, 20), -1);
  Control().MarqueeLabel(3);
  EXPECT_FALSE(Selector().Visible());
}

TEST_F(SheetBadInputTest, GridPastTheIntegerRangeKeepsTheLastLabelCount) {
  Control().SetCols(100000);  // 600,000 labels
  Control().SetRows(100000);  // the product overflows: the count stays
  EXPECT_EQ(Control().LoadedCount(), 600000);
  EXPECT_TRUE(Control().ElementVisible(SheetArray::LabelArea, 599999));
  Control().SetLabelID(599999);
  EXPECT_EQ(Control().LabelID(), 599999);
  Control().SetLabelID(600000);
  EXPECT_EQ(Control().LabelID(), 599999);
}

}  // namespace
}  // namespace orvano::testing
