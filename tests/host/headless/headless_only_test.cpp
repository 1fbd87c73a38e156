// What only the headless host does: the cut of overlong text (the Qt host cuts at its line edit's
// own limit). Its text model and its record of what was drawn are read by the control tests.
#include <gtest/gtest.h>

#include "orvano/host/headless/headless.h"
#include "orvano/host/strings.h"

namespace orvano::host::headless {
namespace {

// Any text from code is bounded, cut between characters and marked.
TEST(Window, OverlongTextIsCutWithANote) {
  HeadlessPlatform platform;
  HeadlessContainer form{platform, ScaleMode::Twips, 6000, 4000};
  auto field = form.CreateTextBox("txtAddress");
  const std::string note = kTextCutNote, fits(kMaxTextBoxBytes, 'x');
  std::string umlauts;
  for (std::size_t i = 0; i <= kMaxTextBoxBytes; i += 2) umlauts += "ä";
  field->SetText(fits);
  EXPECT_EQ(field->Text(), fits);
  for (const std::string& text : {fits + "x", umlauts}) {
    field->SetText(text);
    const std::string shown = field->Text();
    const std::size_t kept = shown.size() - note.size();
    EXPECT_LE(shown.size(), kMaxTextBoxBytes);
    EXPECT_GT(shown.size(), kMaxTextBoxBytes - note.size() - 2);
    EXPECT_EQ(shown.substr(kept), note);
    EXPECT_EQ(text.compare(0, kept, shown, 0, kept), 0);
    EXPECT_TRUE(IsValidUtf8(shown));
  }
}

}  // namespace
}  // namespace orvano::host::headless
