#include "fixture.h"
#include "orvano/host/strings.h"

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

// Any text from code is bounded, cut between characters and marked, whichever backend shows it.
TEST_F(Field, OverlongTextIsCutWithANote) {
  const std::string note = kTextCutNote;
  const struct {
    std::string text;
    bool cut;
  } cases[] = {{std::string(kMaxTextBoxBytes, 'x'), false},
               {std::string(kMaxTextBoxBytes + 1, 'x'), true},
               {std::string(5 << 20, 'x'), true},
               {[] {  // two-byte characters: the cut must not split one
                  std::string s;
                  for (std::size_t i = 0; i <= kMaxTextBoxBytes; i += 2) s += "ä";
                  return s;
                }(),
                true}};
  for (const auto& c : cases) {
    box->SetText(c.text);
    const std::string shown = box->Text();
    if (!c.cut) {
      EXPECT_EQ(shown, c.text);
      continue;
    }
    EXPECT_LE(shown.size(), kMaxTextBoxBytes);
    EXPECT_GT(shown.size(), kMaxTextBoxBytes - note.size() - 2);
    ASSERT_EQ(shown.substr(shown.size() - note.size()), note);
    EXPECT_EQ(c.text.compare(0, shown.size() - note.size(), shown, 0, shown.size() - note.size()),
              0);
    EXPECT_TRUE(IsValidUtf8(shown));
  }
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
