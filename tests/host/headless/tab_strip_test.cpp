// The tab strip shows its pages' widgets only while their tab is selected.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

struct Tabs : Window {
  std::unique_ptr<TabStrip> tabs = form.CreateTabStrip("SSTab1");
  std::unique_ptr<TextBox> borderTop = form.CreateTextBox("txtBorderTop");
  std::unique_ptr<TextBox> labelBorderTop = form.CreateTextBox("txtLabelBorderTop");
  void SetUp() override {
    tabs->AddTab("Sei&tenlayout");
    tabs->AddTab("A&dresslayout");
    tabs->PlaceOnTab(*borderTop, 0);
    tabs->PlaceOnTab(*labelBorderTop, 1);
    tabs->OnTabChange(Note("TabChange"));
    borderTop->OnLostFocus(Note("txtBorderTop.LostFocus"));
  }
  HeadlessTextBox& Of(std::unique_ptr<TextBox>& b) { return dynamic_cast<HeadlessTextBox&>(*b); }
};

TEST_F(Tabs, OnlyTheSelectedPageIsShown) {
  EXPECT_TRUE(Of(borderTop).Shown());
  EXPECT_FALSE(Of(labelBorderTop).Shown());
  EXPECT_TRUE(labelBorderTop->Visible());  // the property itself is untouched
  EXPECT_EQ(RaisedKind([&] { labelBorderTop->SetFocus(); }), kInvalidProcedureCall);
  tabs->SetTab(1);
  EXPECT_FALSE(Of(borderTop).Shown());
  labelBorderTop->SetFocus();
}

TEST_F(Tabs, ChoosingATabLeavesTheFieldBeforeThePageTurns) {
  form.Type(*borderTop, "5");
  form.ChooseTab(*tabs, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"txtBorderTop.LostFocus", "TabChange"}));
  EXPECT_EQ(tabs->Tab(), 1);
}

TEST_F(Tabs, ADisabledTabCannotBeSelected) {
  tabs->SetTabEnabled(1, false);
  form.ChooseTab(*tabs, 1);  // the user's click is ignored
  EXPECT_EQ(RaisedKind([&] { tabs->SetTab(1); }), kInvalidPropertyValue);
  EXPECT_EQ(tabs->Tab(), 0);
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace orvano::host::headless::test
