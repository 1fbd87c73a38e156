#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

struct Field : Window {
  std::unique_ptr<TextBox> box = form.CreateTextBox("txtBorderTop");
  void SetUp() override { box->OnChange(Note("Change")); }
};

TEST_F(Field, ChangeOnlyWhenTheTextDiffers) {
  box->SetText(" 12 mm");
  box->SetText(" 12 mm");
  box->SetText(" 13 mm");
  EXPECT_EQ(log.size(), 2u);
}

TEST_F(Field, SelectionCountsCharactersAndClampsToTheText) {
  box->SetText("Größe");
  box->SetSelStart(2);
  box->SetSelLength(10);
  EXPECT_EQ(box->SelLength(), 3);
  EXPECT_EQ(dynamic_cast<HeadlessTextBox&>(*box).SelText(), "öße");
  box->SetSelStart(99);
  EXPECT_EQ(box->SelStart(), 5);
  EXPECT_EQ(box->SelLength(), 0);
  EXPECT_EQ(RaisedKind([&] { box->SetSelStart(-1); }), kInvalidPropertyValue);
}

TEST_F(Field, RefusedFontSizeKeepsTheOldOne) {
  box->SetFontSize(10);
  EXPECT_EQ(RaisedKind([&] { box->SetFontSize(0); }), kInvalidPropertyValue);
  EXPECT_EQ(box->GetFont().size, 10);
}

TEST_F(Field, TypingIsRefusedSilentlyWhileDisabled) {
  box->SetEnabled(false);
  form.Type(*box, "5");
  EXPECT_EQ(box->Text(), "");
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace orvano::host::headless::test
