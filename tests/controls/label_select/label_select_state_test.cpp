// Start values, the page-size setters, the start-label rules and the renumbering on a change of
// fill order.
#include <climits>

#include "label_select_fixture.h"
#include "orvano/host/error.h"

namespace orvano::testing {
namespace {

using LabelSelectStateTest = LabelSelectTest;

TEST_F(LabelSelectStateTest, NewControlStartsWithTheDefaultStockAndMarkerOnLabelZero) {
  EXPECT_EQ(Control().LabelID(), 0);
  EXPECT_EQ(Control().Direction(), ovLeftRight);
  EXPECT_EQ(Control().PageFormat(), ovPageFormatA4);
  EXPECT_EQ(Control().PageWidth(), 210);
  EXPECT_EQ(Control().PageHeight(), 297);
  EXPECT_EQ(Control().SpaceWidth(), 7.62);
  EXPECT_EQ(Control().Cols(), 2);
  EXPECT_EQ(Control().Rows(), 6);
  EXPECT_EQ(Control().AddressLabelFontSize(), 0);
  EXPECT_EQ(Control().AllowMarquee(), host::kTrue);
  EXPECT_EQ(Control().AllowConfig(), host::kTrue);
  EXPECT_TRUE(Selector().Visible());
}

TEST_F(LabelSelectStateTest, PageFormatAndLandscapeRecomputeThePageSize) {
  Control().SetPageFormat(ovPageFormatA5);
  EXPECT_EQ(Control().PageWidth(), 148.5);
  EXPECT_EQ(Control().PageHeight(), 210);
  Control().SetLandscape(host::kTrue);
  EXPECT_EQ(Control().Landscape(), host::kTrue);
  EXPECT_EQ(Control().PageWidth(), 210);
  EXPECT_EQ(Control().PageHeight(), 148.5);
}

TEST_F(LabelSelectStateTest, UnknownPageFormatKeepsAHostSetPageSize) {
  Control().SetPageWidth(200);
  Control().SetPageHeight(250);
  Control().SetPageFormat(8);
  EXPECT_EQ(Control().PageFormat(), 8);
  EXPECT_EQ(Control().PageWidth(), 200);
  EXPECT_EQ(Control().PageHeight(), 250);
}

TEST_F(LabelSelectStateTest, LabelIdTakesOnlyNumbersInsideTheGrid) {
  Control().SetLabelID(11);
  EXPECT_EQ(Control().LabelID(), 11);
  Control().SetLabelID(12);
  EXPECT_EQ(Control().LabelID(), 11);
  // A negative number is no label on the sheet and is ignored like one past the end.
  Control().SetLabelID(-3);
  EXPECT_EQ(Control().LabelID(), 11);
}

TEST_F(LabelSelectStateTest, LabelIdMovesTheMarkerOntoThatLabel) {
  Control().SetLabelID(3);
  const SheetRect r = Control().LabelRect(3);
  EXPECT_TRUE(Selector().Visible());
  EXPECT_EQ(Selector().Left(), r.left);
  EXPECT_EQ(Selector().Top(), r.top);
  EXPECT_EQ(Selector().Width(), r.width);
  EXPECT_EQ(Selector().Height(), r.height);
}

TEST_F(LabelSelectStateTest, MarkerSwitchedOffReadsMinusOneAndIgnoresWrites) {
  Control().SetLabelID(4);
  Control().SetAllowMarquee(host::kFalse);
  EXPECT_EQ(Control().LabelID(), -1);
  EXPECT_FALSE(Selector().Visible());
  Control().SetLabelID(2);
  EXPECT_EQ(Control().LabelID(), -1);

  // Switched on again, no label is chosen until something chooses one.
  Control().SetAllowMarquee(host::kTrue);
  EXPECT_EQ(Control().LabelID(), -1);
  EXPECT_FALSE(Selector().Visible());
  Control().MarqueeLabel(2);
  EXPECT_EQ(Control().LabelID(), 2);
  EXPECT_TRUE(Selector().Visible());
}

TEST_F(LabelSelectStateTest, OnlyExactlyTrueAllowsTheMarker) {
  Control().SetAllowMarquee(1);
  EXPECT_EQ(Control().LabelID(), -1);
  EXPECT_FALSE(Selector().Visible());
}

TEST_F(LabelSelectStateTest, DirectionChangeKeepsTheSameLabelChosen) {
  Control().SetLabelID(5);  // row 2, column 1
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().LabelID(), 8);
  Control().SetDirection(ovLeftRight);
  EXPECT_EQ(Control().LabelID(), 5);
}

TEST_F(LabelSelectStateTest, DirectionChangeWithoutAChosenLabelChoosesNone) {
  Control().SetAllowMarquee(host::kFalse);
  Control().SetAllowMarquee(host::kTrue);
  Control().SetDirection(ovTopBottom);
  EXPECT_EQ(Control().LabelID(), -1);
}

TEST_F(LabelSelectStateTest, DirectionChangeWithoutColumnsFailsAndChangesNothing) {
  Control().SetCols(0);
  try {
    Control().SetDirection(ovTopBottom);
    FAIL() << "no error";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::DivisionByZero);
  }
  EXPECT_EQ(Control().Direction(), ovLeftRight);
}

TEST_F(LabelSelectStateTest, DirectionRenumberingThatOverflowsChangesNothing) {
  Control().SetLabelID(3);       // row 1, column 1
  Control().SetRows(INT32_MAX);  // the label count cannot follow and keeps its 12
  EXPECT_EQ(Control().LabelID(), 3);
  try {
    Control().SetDirection(ovTopBottom);
    FAIL() << "no error";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::Overflow);
  }
  EXPECT_EQ(Control().Direction(), ovLeftRight);
  EXPECT_EQ(Control().LabelID(), 3);
}

TEST_F(LabelSelectStateTest, WiderGridKeepsTheStartLabelSmallerGridResetsIt) {
  Control().SetLabelID(5);
  Control().SetCols(3);
  EXPECT_EQ(Control().LabelID(), 5);
  Control().SetRows(1);  // 3 labels: 5 is gone
  EXPECT_EQ(Control().LabelID(), 0);
}

}  // namespace
}  // namespace orvano::testing
