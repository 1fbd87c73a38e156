// Modal dialogs with a scripted user, the keys Enter and Escape, and the close box.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

struct Modal : ::testing::Test {
  HeadlessPlatform platform;
  std::unique_ptr<DialogWindow> window = platform.CreateDialog("frmLabelConfig");
  HeadlessDialog& dialog = dynamic_cast<HeadlessDialog&>(*window);
  std::unique_ptr<TextBox> field = dialog.CreateTextBox("txtCols");
  std::unique_ptr<Button> ok = dialog.CreateButton("btnOK");
  std::unique_ptr<Button> cancel = dialog.CreateButton("btnCancel");
  std::vector<std::string> log;
  void SetUp() override {
    ok->SetDefault(true);
    cancel->SetCancel(true);
    field->OnLostFocus([&] { log.push_back("LostFocus " + field->Text()); });
    ok->OnClick([&] { log.push_back("OK"), dialog.Close(); });
    cancel->OnClick([&] { log.push_back("Cancel"), dialog.Close(); });
    dialog.OnCloseBox([&] { log.push_back("CloseBox"), dialog.Close(); });
  }
};

TEST_F(Modal, EnterClicksTheDefaultButtonAfterTheFieldIsLeft) {
  platform.QueueUser([&](HeadlessDialog& d) {
    EXPECT_TRUE(d.IsShown());
    d.Form().Type(*field, "3");
    d.PressEnter();
  });
  dialog.ShowModal();
  EXPECT_EQ(log, (std::vector<std::string>{"LostFocus 3", "OK"}));
  EXPECT_FALSE(dialog.IsShown());
  EXPECT_EQ(platform.ShownDialogs(), std::vector<std::string>{"frmLabelConfig"});
}

TEST_F(Modal, EscapeClicksTheCancelButton) {
  platform.QueueUser([](HeadlessDialog& d) { d.PressEscape(); });
  dialog.ShowModal();
  EXPECT_EQ(log, std::vector<std::string>{"Cancel"});
}

TEST_F(Modal, AWindowLeftOpenIsClosedByItsCloseBox) {
  dialog.ShowModal();  // no user queued
  platform.QueueUser([](HeadlessDialog&) {});
  dialog.ShowModal();
  EXPECT_EQ(log, (std::vector<std::string>{"CloseBox", "CloseBox"}));
}

TEST_F(Modal, ACloseHandlerThatKeepsTheWindowOpenDoesNotHang) {
  dialog.OnCloseBox([&] { log.push_back("refused"); });
  dialog.ShowModal();
  EXPECT_EQ(log, std::vector<std::string>{"refused"});
  EXPECT_FALSE(dialog.IsShown());
}

TEST_F(Modal, ShowingAShownWindowModallyIsRefused) {
  std::string kind;
  platform.QueueUser([&](HeadlessDialog& d) { kind = RaisedKind([&] { d.ShowModal(); }); });
  dialog.ShowModal();
  EXPECT_EQ(kind, kInvalidProcedureCall);
}

TEST_F(Modal, OnlyOneDefaultButton) {
  cancel->SetDefault(true);
  EXPECT_FALSE(dynamic_cast<HeadlessButton&>(*ok).IsDefault());
  platform.QueueUser([](HeadlessDialog& d) { d.PressEnter(); });
  dialog.ShowModal();
  EXPECT_EQ(log, std::vector<std::string>{"Cancel"});
}

}  // namespace
}  // namespace orvano::host::headless::test
