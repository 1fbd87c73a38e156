// The platform's focus and click order, which the dialog's field handlers rely on.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

struct FocusOrder : Window {
  std::unique_ptr<TextBox> field = form.CreateTextBox("txtField");
  std::unique_ptr<Button> ok = form.CreateButton("btnOK");
  void SetUp() override {
    Watch(*field, "txtField");
    Watch(*ok, "btnOK");
    field->OnChange(Note("txtField.Change"));
  }
};

TEST_F(FocusOrder, ButtonClickAfterTypingRunsTheFieldsLostFocusFirst) {
  form.Type(*field, "12,5");
  form.Click(*ok);
  EXPECT_EQ(log, (std::vector<std::string>{"txtField.GotFocus", "txtField.Change",
                                           "txtField.LostFocus", "btnOK.GotFocus", "btnOK.Click"}));
  EXPECT_EQ(form.ActiveWidget(), ok.get());
}

TEST_F(FocusOrder, FocusOnTheFocusedWidgetRaisesNothing) {
  field->SetFocus();
  log.clear();
  form.Focus(*field);
  field->SetFocus();
  EXPECT_TRUE(log.empty());
}

TEST_F(FocusOrder, LostFocusAlreadySeesTheNewActiveWidget) {
  FocusWidget* activeDuringLost = nullptr;
  field->OnLostFocus([&] { activeDuringLost = form.ActiveWidget(); });
  form.Focus(*field);
  form.Focus(*ok);
  EXPECT_EQ(activeDuringLost, ok.get());
}

TEST_F(FocusOrder, LostFocusHandlerThatTakesTheFocusBackWins) {
  form.Focus(*field);
  field->OnLostFocus([&] {
    log.push_back("txtField.LostFocus");
    field->SetFocus();
  });
  form.Click(*ok);
  // The button never had the focus, so it gets neither GotFocus nor LostFocus; its click still
  // comes, as on the platform.
  EXPECT_EQ(log, (std::vector<std::string>{"txtField.GotFocus", "txtField.LostFocus",
                                           "txtField.GotFocus", "btnOK.Click"}));
  EXPECT_TRUE(field->HasFocus());
}

TEST_F(FocusOrder, HiddenOrDisabledWidgetsRefuseTheFocus) {
  ok->SetEnabled(false);
  EXPECT_EQ(RaisedKind([&] { ok->SetFocus(); }), kInvalidProcedureCall);
  field->SetVisible(false);
  EXPECT_EQ(RaisedKind([&] { field->SetFocus(); }), kInvalidProcedureCall);
  EXPECT_EQ(form.ActiveWidget(), nullptr);
  EXPECT_TRUE(log.empty());
}

TEST_F(FocusOrder, ClickOnADisabledButtonDoesNothing) {
  form.Focus(*field);
  ok->SetEnabled(false);
  form.Click(*ok);
  EXPECT_EQ(log, std::vector<std::string>{"txtField.GotFocus"});
}

TEST_F(FocusOrder, ButtonDisabledByTheLostFocusHandlerIsNotClicked) {
  form.Focus(*field);
  field->OnLostFocus([&] { ok->SetEnabled(false); });
  form.Click(*ok);
  EXPECT_EQ(log, std::vector<std::string>{"txtField.GotFocus"});
}

TEST_F(FocusOrder, HidingTheFocusedWidgetTakesItsFocus) {
  form.Focus(*field);
  field->SetVisible(false);
  EXPECT_EQ(log, (std::vector<std::string>{"txtField.GotFocus", "txtField.LostFocus"}));
  EXPECT_EQ(form.ActiveWidget(), nullptr);
}

TEST_F(FocusOrder, AWidgetDestroyedWithTheFocusLeavesNoActiveWidget) {
  form.Focus(*field);
  field.reset();
  EXPECT_EQ(form.ActiveWidget(), nullptr);
  form.Click(*ok);
  EXPECT_EQ(log.back(), "btnOK.Click");
}

}  // namespace
}  // namespace orvano::host::headless::test
