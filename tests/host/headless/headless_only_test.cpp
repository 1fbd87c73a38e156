// What only the headless host offers: its text model, its record of what was drawn, its scripted
// users; and the cut of overlong text. Stacking and the other records are read by the control
// tests.
#include <gtest/gtest.h>

#include <stdexcept>

#include "../raised.h"
#include "orvano/host/headless/headless.h"
#include "orvano/host/strings.h"

namespace orvano::host::headless {
namespace {

using host::testing::Raised;

struct Window : ::testing::Test {
  HeadlessPlatform platform;
  HeadlessContainer form{platform, ScaleMode::Twips, 6000, 4000};
};

// 0.55 em wide, 1.2 em high, a point is 20 twips (4/3 pixel).
TEST_F(Window, AutoSizeFollowsTheTextModel) {
  auto label = form.CreateLabel("lblCaption");
  label->SetFontSize(10);
  label->SetCaption("Linker Rand\r\nOben");
  label->SetAutoSize(true);
  EXPECT_FLOAT_EQ(label->Width(), 11 * 5.5f * 20);
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  label->SetWordWrap(true);
  label->SetWidth(5.5f * 20 * 12);
  label->SetCaption("Horizontalabstand ab");  // a word wider than the label keeps its line
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  form.SetScaleMode(ScaleMode::Pixels);
  label->SetWordWrap(false);
  label->SetFontSize(6);
  label->SetCaption("Höhe");  // characters, not bytes
  EXPECT_FLOAT_EQ(label->Width(), 4 * 3.3f * 20 / 15);
  EXPECT_FLOAT_EQ(label->Height(), 7.2f * 20 / 15);
}

struct Painter : ControlEvents {
  Container* site = nullptr;
  void UserControl_Paint() override {
    Surface& s = site->GetSurface();
    s.Draw(1, 2, 30, 40, kWhite, DrawMode::FilledBox);
    s.SetDrawStyle(DrawStyle::Dot);
    s.Draw(5, 5, 5, 20, kBlack, DrawMode::Line);
    s.SetDrawStyle(DrawStyle::Solid);
    site->Invalidate();  // a paint request while painting does not recurse
  }
};

TEST_F(Window, EveryPrimitiveIsRecordedAndAPaintDoesNotRecurse) {
  Painter p;
  p.site = &form;
  form.Attach(&p);
  form.Invalidate();
  form.Paint();
  EXPECT_EQ(form.InvalidateCount(), 3);
  EXPECT_EQ(form.LastPaint(),
            (std::vector<Primitive>{{1, 2, 30, 40, kWhite, DrawMode::FilledBox, DrawStyle::Solid},
                                    {5, 5, 5, 20, kBlack, DrawMode::Line, DrawStyle::Dot}}));
  form.Attach(nullptr);
}

// Any text from code is bounded, cut between characters and marked.
TEST_F(Window, OverlongTextIsCutWithANote) {
  auto field = form.CreateTextBox("txtAddress");
  const std::string note = kTextCutNote, fits(kMaxTextBoxBytes, 'x');
  std::string umlauts;
  for (std::size_t i = 0; i <= kMaxTextBoxBytes; i += 2) umlauts += "ä";
  field->SetText(fits);
  EXPECT_EQ(field->Text(), fits);
  for (const std::string& text : {fits + "x", std::string(5 << 20, 'x'), umlauts}) {
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

TEST(Desktop, AMisfitAnswerAnOddScreenAndAnUnansweredDialog) {
  HeadlessPlatform p(12, 10);
  p.QueueAnswer(msgbox::kYes);  // not a platform error, so resumed code cannot swallow it
  EXPECT_THROW(p.MsgBox("Zu groß.", msgbox::kExclamation, "T"), std::logic_error);
  EXPECT_EQ(p.TwipsPerPixelX() * 10, p.TwipsPerPixelY() * 12);
  EXPECT_EQ(Raised([] { HeadlessPlatform bad(0, 15); }), ErrorKind::InvalidPropertyValue);
  auto dialog = p.CreateDialog("frmLabelConfig");
  dialog->OnCloseBox([] {});  // refuses to close
  dialog->ShowModal();        // no user queued: the close box ends it all the same
  EXPECT_FALSE(dialog->IsShown());
}

}  // namespace
}  // namespace orvano::host::headless
