// A modal dialog: Enter presses the default button and Escape the cancel button, each after the
// field being left has run LostFocus; access keys of captions reach their field; the close box
// only asks the dialog, which closes itself.
#include <QTimer>

#include "form_fixture.h"
#include "orvano/qt/qt_dialog.h"

namespace orvano::qt::testing {
namespace {

class DialogKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_ = std::make_unique<QtPlatform>();
    window_ = platform_->CreateDialog("frmLabelConfig");
    dialog_ = dynamic_cast<QtDialog*>(window_.get());
    ASSERT_NE(dialog_, nullptr);
    dialog_->SetCaption("Etiketteneinstellungen");
    dialog_->SetClientSize(6000, 3000);
    caption_ = dialog_->CreateLabel("lblName");
    caption_->Move(120, 120, 1500, 250);
    caption_->SetCaption("Etiketten&name:");
    text_ = dialog_->CreateTextBox("txtName");
    text_->Move(1800, 120, 2000, 300);
    ok_ = dialog_->CreateButton("btnOK");
    ok_->Move(120, 2000, 1200, 400);
    ok_->SetCaption("OK");
    ok_->SetDefault(true);
    cancel_ = dialog_->CreateButton("btnCancel");
    cancel_->Move(1500, 2000, 1200, 400);
    cancel_->SetCaption("Abbrechen");
    cancel_->SetCancel(true);

    text_->OnLostFocus([this] { log_.push_back("txt_LostFocus"); });
    ok_->OnClick([this] {
      log_.push_back("btnOK_Click");
      dialog_->Close();
    });
    cancel_->OnClick([this] {
      log_.push_back("btnCancel_Click");
      dialog_->Close();
    });
  }

  // Plays the user once the dialog is up and active.
  void WhileOpen(std::function<void()> user) {
    QTimer::singleShot(0, [this, user] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_->Frame()));
      user();
      // Never leave a test hanging in the modal loop.
      if (dialog_->IsShown()) QTimer::singleShot(0, [this] { dialog_->Close(); });
    });
    dialog_->ShowModal();
  }

  std::unique_ptr<QtPlatform> platform_;
  std::unique_ptr<host::DialogWindow> window_;
  QtDialog* dialog_ = nullptr;
  std::unique_ptr<host::Label> caption_;
  std::unique_ptr<host::TextBox> text_;
  std::unique_ptr<host::Button> ok_, cancel_;
  std::vector<std::string> log_;
};

TEST_F(DialogKeys, EnterPressesTheDefaultButtonAfterTheFieldLostFocus) {
  WhileOpen([this] {
    text_->SetFocus();
    QTest::keyClicks(dialog_->Frame()->focusWidget(), "Meine");
    QTest::keyClick(dialog_->Frame()->focusWidget(), Qt::Key_Return);
  });
  EXPECT_FALSE(dialog_->IsShown());
  EXPECT_EQ(log_, (std::vector<std::string>{"txt_LostFocus", "btnOK_Click"}));
  EXPECT_EQ(text_->Text(), "Meine");
}

TEST_F(DialogKeys, EscapePressesTheCancelButton) {
  WhileOpen([this] {
    text_->SetFocus();
    QTest::keyClick(dialog_->Frame()->focusWidget(), Qt::Key_Escape);
  });
  EXPECT_EQ(log_, (std::vector<std::string>{"txt_LostFocus", "btnCancel_Click"}));
}

TEST_F(DialogKeys, EnterOnADisabledDefaultButtonDoesNothing) {
  ok_->SetEnabled(false);
  WhileOpen([this] {
    text_->SetFocus();
    QTest::keyClick(dialog_->Frame()->focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialog_->IsShown());
  });
  EXPECT_TRUE(std::find(log_.begin(), log_.end(), "btnOK_Click") == log_.end());
}

TEST_F(DialogKeys, CaptionAccessKeyFocusesTheFieldAfterIt) {
  WhileOpen([this] {
    ok_->SetFocus();
    QTest::keyClick(dialog_->Frame()->focusWidget(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(text_->HasFocus());
    EXPECT_EQ(dialog_->ActiveWidget(), text_.get());
  });
}

TEST_F(DialogKeys, CloseBoxAsksTheDialogInsteadOfClosing) {
  int asked = 0;
  dialog_->OnCloseBox([&] {
    // The first time the dialog stays open; the second time it closes itself.
    if (++asked == 2) dialog_->Close();
  });
  WhileOpen([&] {
    dialog_->Frame()->close();
    EXPECT_TRUE(dialog_->IsShown());
    EXPECT_TRUE(dialog_->Frame()->isVisible());
    dialog_->Frame()->close();
  });
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(dialog_->IsShown());
}

TEST_F(DialogKeys, ClientSizeIsInTwips) {
  EXPECT_EQ(dialog_->Frame()->size(), QSize(400, 200));
  EXPECT_FLOAT_EQ(dialog_->ScaleWidth(), 6000);
  EXPECT_THROW(dialog_->AsWidget(), host::Error);
}

}  // namespace
}  // namespace orvano::qt::testing
