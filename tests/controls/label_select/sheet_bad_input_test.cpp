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
  EXPECT_TRUE(Control().ElementVisible(SheetArray::DirectionLine, last));
  const float pitch = Control().LabelRect(1).left - Control().LabelRect(0).left;
  EXPECT_EQ(Control().LabelRect(last).left - Control().LabelRect(0).left, 9998 * pitch);
  EXPECT_EQ(ClickLabel(last), last);
  EXPECT_EQ(Control().LabelID(), last);
  const std::string tip = Control().ToolTip(last);
  EXPECT_EQ(tip.substr(tip.size() - 4), "9999");
}

TEST_F(SheetBadInputTest, ClickWhereLabelsOverlapHitsTheOneInFront) {
  Control().SetSpaceWidth(-40);  // neighbours overlap by about 51 pixels
  const SheetRect first = Control().LabelRect(0), second = Control().LabelRect(1);
  ASSERT_LT(second.left, first.left + first.width);
  EXPECT_EQ(Control().HitTest(second.left + 1, second.top + 1), 1);
  EXPECT_EQ(Control().HitTest(first.left + 1, first.top + 1), 0);
  EXPECT_EQ(Control().HitTest(first.left - 1, first.top + 1), -1);
  // Columns running leftwards are found too.
  Control().SetSpaceWidth(-2 * Control().LabelWidth());
  const SheetRect left = Control().LabelRect(1);
  EXPECT_EQ(Control().HitTest(left.left + 2, left.top + 2), 1);
}

TEST_F(SheetBadInputTest, BadMeasurementsSkipWhatFailsAndKeepGoing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_NO_THROW(Control().SetPageWidth(0));
  EXPECT_EQ(Paper().Width(), 0);
  EXPECT_EQ(Paper().Left(), 161);
  EXPECT_EQ(Control().LabelRect(0).width, 1);
  EXPECT_NO_THROW(Control().SetPageWidth(210));
  EXPECT_NO_THROW(Control().SetLabelWidth(nan));
  EXPECT_EQ(Control().LabelRect(0).width, 1);
  EXPECT_NO_THROW(Control().SetBorderLeft(std::numeric_limits<double>::infinity()));
  EXPECT_NO_THROW(Control().SetSpaceHeight(1e300));
  EXPECT_TRUE(Selector().Visible());
  EXPECT_EQ(Control().HitTest(nan, 10), -1);
}

TEST_F(SheetBadInputTest, GridsWithoutPositiveDimensionsPlaceNothing) {
  Control().SetCols(0);
  EXPECT_FALSE(Control().ElementVisible(SheetArray::LabelArea, 0));
  EXPECT_FALSE(Selector().Visible());
  Control().SetCols(-3);
  Control().SetRows(-4);  // 12 labels by count, none on the sheet
  EXPECT_FALSE(Control().ElementVisible(SheetArray::LabelBack, 0));
  EXPECT_FALSE(Arrow(1).Visible());
  EXPECT_EQ(Control().HitTest(60, 20), -1);
}

TEST_F(SheetBadInputTest, GridPastTheIntegerRangeKeepsTheLastLabelCount) {
  Control().SetCols(100000);  // 600,000 labels
  Control().SetRows(100000);  // the product overflows: the count stays
  EXPECT_EQ(Control().LoadedCount(), 600000);
  Control().SetLabelID(599999);
  Control().SetLabelID(600000);
  EXPECT_EQ(Control().LabelID(), 599999);
}

}  // namespace
}  // namespace orvano::testing
