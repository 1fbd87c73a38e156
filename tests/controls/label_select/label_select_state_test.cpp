// The start-label rules and the renumbering on a change of fill order.
#include "label_select_fixture.h"

namespace orvano::testing {
namespace {

using LabelSelectStateTest = LabelSelectTest;

TEST_F(LabelSelectStateTest, LabelIdTakesOnlyNumbersInsideTheGrid) {
  EXPECT_EQ(Control().LabelID(), 0);
  EXPECT_TRUE(Selector().Visible());
  Control().SetLabelID(11);
  Control().SetLabelID(12);
  Control().SetLabelID(-3);  // no label on the sheet: ignored like one past the end
  EXPECT_EQ(Control().LabelID(), 11);
  EXPECT_EQ(Selector().Top(), Control().LabelRect(11).top);
}

TEST_F(LabelSelectStateTest, MarkerSwitchedOffReadsMinusOneUntilALabelIsChosenAgain) {
  Control().SetLabelID(4);
  Control().SetAllowMarquee(host::kFalse);
  Control().SetLabelID(2);
  EXPECT_EQ(Control().LabelID(), -1);
  EXPECT_FALSE(Selector().Visible());
  Control().SetAllowMarquee(host::kTrue);
  EXPECT_FALSE(Selector().Visible());
  Control().MarqueeLabel(2);
  EXPECT_EQ(Control().LabelID(), 2);
  EXPECT_TRUE(Selector().Visible());
}

TEST_F(LabelSelectStateTest, DirectionChangeKeepsTheSameLabelChosen) {
  Control().SetLabelID(5);  // row 2, column 1
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().LabelID(), 8);
  // With no start label (-1) the change chooses none.
  Control().SetAllowMarquee(host::kFalse);
  Control().SetAllowMarquee(host::kTrue);
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().LabelID(), -1);
}

TEST_F(LabelSelectStateTest, ALargerGridKeepsTheStartLabelASmallerOneResetsIt) {
  Control().SetLabelID(5);
  Control().SetCols(3);
  EXPECT_EQ(Control().LabelID(), 5);
  Control().SetRows(1);
  EXPECT_EQ(Control().LabelID(), 0);
}

}  // namespace
}  // namespace orvano::testing
