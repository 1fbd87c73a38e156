// Focus and click order, text boxes and layout: what the dialog's field handlers rely on.
#include "backend.h"

namespace orvano::host::contract {
namespace {

using enum ErrorKind;

struct Focus : HostContract {
  std::unique_ptr<TextBox> field = form.CreateTextBox("txtField");
  std::unique_ptr<Button> ok = form.CreateButton("btnOK");
  Focus() {
    field->Move(150, 150, 1500, 300);
    ok->Move(150, 900, 1200, 450);
    field->OnGotFocus(Note("txtField.GotFocus"));
    field->OnLostFocus(Note("txtField.LostFocus"));
    field->OnChange(Note("txtField.Change"));
    ok->OnGotFocus(Note("btnOK.GotFocus"));
    ok->OnClick(Note("btnOK.Click"));
  }
};
ORVANO_HOST_CONTRACT(Focus);

TEST_P(Focus, AButtonClickRunsTheLostFocusOfTheFieldLeftFirst) {
  FocusWidget* activeDuringLost = nullptr;
  field->OnLostFocus([&] {
    log.push_back("txtField.LostFocus");
    activeDuringLost = form.ActiveWidget();
  });
  host->Type(*field, "5");
  host->Click(*ok);
  EXPECT_EQ(log, (Log{"txtField.GotFocus", "txtField.Change", "txtField.LostFocus",
                      "btnOK.GotFocus", "btnOK.Click"}));
  EXPECT_EQ(activeDuringLost, ok.get());
}

// Where the focus goes when its widget is hidden or disabled is the host's choice.
TEST_P(Focus, HiddenOrDisabledWidgetsLoseAndRefuseFocusAndClicks) {
  field->SetFocus();
  field->SetVisible(false);
  EXPECT_EQ(Seen("txtField.LostFocus"), 1);
  EXPECT_NE(form.ActiveWidget(), field.get());
  EXPECT_EQ(Raised([&] { field->SetFocus(); }), InvalidProcedureCall);
  ok->SetEnabled(false);
  host->Click(*ok);
  EXPECT_EQ(Raised([&] { ok->SetFocus(); }), InvalidProcedureCall);
  EXPECT_EQ(Seen("btnOK.Click"), 0);
}

TEST_P(Focus, ALostFocusHandlerDecidesWhetherTheButtonClickComes) {
  field->SetFocus();
  field->OnLostFocus([&] { field->SetFocus(); });
  host->Click(*ok);  // the focus is taken back, the click still comes
  EXPECT_EQ(log.back(), "btnOK.Click");
  EXPECT_EQ(Seen("btnOK.GotFocus"), 0);
  EXPECT_TRUE(field->HasFocus());
  field->OnLostFocus([&] { ok->SetEnabled(false); });
  host->Click(*ok);  // disabled in the meantime: no click
  EXPECT_EQ(Seen("btnOK.Click"), 1);
  const FocusWidget* gone = field.get();
  field.reset();
  EXPECT_NE(form.ActiveWidget(), gone);
}

TEST_P(Focus, TextChangesOnlyWhenItDiffersAndSelectionCountsCharacters) {
  for (const char* text : {" 12 mm", " 12 mm", "Größe"}) field->SetText(text);
  EXPECT_EQ(Seen("txtField.Change"), 2);
  field->SetSelStart(2);
  field->SetSelLength(10);
  EXPECT_EQ(field->SelLength(), 3);
  field->SetSelStart(99);
  EXPECT_EQ(field->SelStart(), 5);
  EXPECT_EQ(field->SelLength(), 0);
  EXPECT_EQ(Raised([&] { field->SetSelStart(-1); }), InvalidPropertyValue);
}

TEST_P(Focus, RefusedSizesKeepTheOldValueAndTheUnitConvertsWhatIsPlaced) {
  field->Move(150, 300, -10, 450);  // four assignments: the rest is taken
  EXPECT_EQ(field->Left(), 150);
  EXPECT_EQ(field->Width(), 1500);
  EXPECT_EQ(Raised([&] { field->SetHeight(-0.5f); }), InvalidPropertyValue);
  form.SetScaleMode(ScaleMode::Pixels);
  EXPECT_FLOAT_EQ(field->Left(), 10);
  EXPECT_FLOAT_EQ(field->Height(), 30);
}

TEST_P(Focus, ANestedControlIsAWidgetOutsideAndAContainerInside) {
  auto inner = form.CreateChildControl("Preview1");
  auto box = inner->CreateTextBox("txtAddress");
  inner->SetScaleMode(ScaleMode::Pixels);
  inner->AsWidget().Move(120, 240, 3000, 1500);
  EXPECT_EQ(inner->ScaleWidth(), 200);
  EXPECT_EQ(inner->ScaleHeight(), 100);
  EXPECT_EQ(Raised([&] { form.AsWidget(); }), InvalidProcedureCall);
  inner->AsWidget().SetVisible(false);
  EXPECT_EQ(Raised([&] { box->SetFocus(); }), InvalidProcedureCall);
  inner->AsWidget().SetVisible(true);
  box->SetFocus();
  EXPECT_EQ(inner->ActiveWidget(), box.get());
  inner->AsWidget().SetEnabled(false);  // the focus leaves with it
  EXPECT_FALSE(box->HasFocus());
}

}  // namespace
}  // namespace orvano::host::contract
