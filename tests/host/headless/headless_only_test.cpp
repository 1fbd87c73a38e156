// What only the headless host offers: its text model, its records of what was drawn, asked and
// stacked, and its scripted users.
#include <stdexcept>

#include "../contract/backend.h"
#include "orvano/host/headless/headless.h"
#include "orvano/host/strings.h"

namespace orvano::host::headless {
namespace {

using contract::Raised;

struct Window : ::testing::Test {
  HeadlessPlatform platform;
  HeadlessContainer form{platform, ScaleMode::Twips, 6000, 4000};
};

// 0.55 em wide, 1.2 em high, a point is 20 twips.
TEST_F(Window, AutoSizeFollowsTheTextModel) {
  auto label = form.CreateLabel("lblCaption");
  label->SetFontSize(10);
  label->SetCaption("Linker Rand\r\nOben");
  label->SetAutoSize(true);
  EXPECT_FLOAT_EQ(label->Width(), 11 * 5.5f * 20);
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  label->SetWordWrap(true);
  label->SetWidth(5.5f * 20 * 12);
  label->SetCaption("Etiketten pro Zeile");  // "Etiketten" / "pro Zeile"
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  label->SetCaption("Horizontalabstand ab");  // a word wider than the label keeps its line
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  HeadlessContainer pixels(platform, ScaleMode::Pixels, 400, 300);
  auto l = pixels.CreateLabel("txtLabelName");
  l->SetFontSize(6);
  l->SetAutoSize(true);
  l->SetCaption("Höhe");  // characters, not bytes
  EXPECT_FLOAT_EQ(l->Width(), 4 * 3.3f * 20 / 15);
  EXPECT_FLOAT_EQ(l->Height(), 7.2f * 20 / 15);
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

TEST_F(Window, EveryPrimitiveIsRecordedAndTheStackingKept) {
  Painter p;
  p.site = &form;
  form.Attach(&p);
  form.Invalidate();
  EXPECT_EQ(form.InvalidateCount(), 2);
  const std::vector<Primitive> expected{
      {1, 2, 30, 40, kWhite, DrawMode::FilledBox, DrawStyle::Solid},
      {5, 5, 5, 20, kBlack, DrawMode::Line, DrawStyle::Dot}};
  form.Paint();
  EXPECT_EQ(form.Drawing().size(), 4u);
  EXPECT_EQ(form.LastPaint(), expected);
  form.ClearDrawing();
  EXPECT_TRUE(form.Drawing().empty());
  form.Attach(nullptr);
  auto paper = form.CreateShape("shpPaper", {});
  auto backs = form.CreateVirtualArray("shpLabelBack", ArrayKind::Shapes, {});
  auto preview = form.CreateChildControl("Preview1");
  auto selector = form.CreateShape("Selector", {});
  backs->BringToFront();
  paper->BringToFront();
  EXPECT_EQ(form.StackingOrder(),
            (std::vector<std::string>{"Preview1", "Selector", "shpLabelBack", "shpPaper"}));
  preview.reset();
  EXPECT_EQ(form.Find("Preview1"), nullptr);
  EXPECT_EQ(form.FindArray("shpLabelBack"), backs.get());
  EXPECT_EQ(&form.Get<Shape>("Selector"), selector.get());
}

TEST_F(Window, VirtualArraysAnswerForTheirSource) {
  struct : ArraySource {
    std::int64_t Count() const override { return 2; }
    ArrayElement Element(std::int64_t i) const override { return {i * 100.0f, 0, 100, 50}; }
    std::string ToolTip(std::int64_t i) const override { return i ? "B1" : "A1"; }
    std::int64_t HitTest(float x, float) const override { return x < 200 ? x >= 100 : -1; }
  } grid;
  auto shapes = form.CreateVirtualArray("shpLabelBorder", ArrayKind::Shapes, {});
  shapes->SetSource(&grid);
  auto& h = dynamic_cast<HeadlessVirtualArray&>(*shapes);
  EXPECT_EQ(form.ClickAt(*shapes, 10, 10), -1);
  EXPECT_EQ(h.ToolTipAt(110, 10), "B1");
  EXPECT_EQ(h.Element(1).left, 100);
  EXPECT_EQ(Raised([&] { h.Element(2); }), 9);
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

TEST(Desktop, MessagesAnswersPointersAndDialogsAreRecorded) {
  HeadlessPlatform p(12, 10);
  p.QueueAnswer(msgbox::kYes);
  p.QueueAnswer(msgbox::kOk);
  EXPECT_EQ(p.MsgBox("Löschen?", 292, "T"), msgbox::kYes);
  EXPECT_EQ(p.MsgBox("Fertig.", msgbox::kExclamation, "T"), msgbox::kOk);
  EXPECT_EQ(p.Messages().at(0).flags, 292);
  p.ClearMessages();
  EXPECT_TRUE(p.Messages().empty());
  p.QueueAnswer(msgbox::kYes);  // not a platform error, so resumed code cannot swallow it
  EXPECT_THROW(p.MsgBox("Zu groß.", msgbox::kExclamation, "T"), std::logic_error);
  p.SetMousePointer(MousePointer::Busy);
  p.SetMousePointer(MousePointer::Default);
  EXPECT_EQ(p.PointerHistory(),
            (std::vector<MousePointer>{MousePointer::Busy, MousePointer::Default}));
  EXPECT_EQ(p.TwipsPerPixelX() * 10, p.TwipsPerPixelY() * 12);
  EXPECT_EQ(Raised([] { HeadlessPlatform bad(0, 15); }), contract::kInvalidPropertyValue);
  MemoryPropertyBag bag;
  bag.WriteProperty("Rows", std::int32_t{6}, std::int32_t{6});
  bag.WriteProperty("Brand", "Avery", "");
  bag.Set("FontSize", 12.0);  // as a saved form would hold it
  EXPECT_EQ(bag.ReadProperty("FontSize", std::int32_t{10}).ToLong(), 12);
  EXPECT_EQ(bag.WriteOrder(), (std::vector<std::string>{"Rows", "Brand"}));
  EXPECT_EQ(bag.ReadOrder(), std::vector<std::string>{"FontSize"});
}

TEST(Desktop, ADialogLeftOpenIsClosedByItsCloseBoxEvenIfItRefuses) {
  HeadlessPlatform platform;
  auto dialog = platform.CreateDialog("frmLabelConfig");
  int asked = 0;
  dialog->OnCloseBox([&] { ++asked; });
  dialog->ShowModal();  // no user queued
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(dialog->IsShown());
  EXPECT_EQ(platform.ShownDialogs(), std::vector<std::string>{"frmLabelConfig"});
}

}  // namespace
}  // namespace orvano::host::headless
