// Self-sizing captions under the documented text model: 0.55 em wide, 1.2 em high.
#include "fixture.h"

namespace orvano::host::headless::test {
namespace {

struct AutoSize : Window {
  std::unique_ptr<Label> label = form.CreateLabel("lblCaption");
  void SetUp() override { label->SetFontSize(10); }
};

TEST_F(AutoSize, FitsTheLongestLineInTwips) {
  label->SetCaption("Linker Rand\r\nOben");  // 11 characters, two lines
  label->SetAutoSize(true);
  EXPECT_FLOAT_EQ(label->Width(), 11 * 5.5f * 20);
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  label->SetWidth(50);  // without word wrap the width follows the text again
  EXPECT_FLOAT_EQ(label->Width(), 11 * 5.5f * 20);
}

TEST_F(AutoSize, MeasuresInPixelsWhenTheContainerDoes) {
  HeadlessContainer pixels(platform, ScaleMode::Pixels, 400, 300);
  auto l = pixels.CreateLabel("txtLabelName");
  l->SetFontSize(6);
  l->SetAutoSize(true);
  l->SetCaption("Höhe");  // characters, not bytes
  EXPECT_FLOAT_EQ(l->Width(), 4 * 3.3f * 20 / 15);
  EXPECT_FLOAT_EQ(l->Height(), 7.2f * 20 / 15);
}

TEST_F(AutoSize, WordWrapKeepsTheWidthAndBreaksAtBlanks) {
  label->SetWordWrap(true);
  label->SetWidth(5.5f * 20 * 12);  // twelve characters
  label->SetAutoSize(true);
  label->SetCaption("Etiketten pro Zeile");  // "Etiketten" / "pro Zeile"
  EXPECT_FLOAT_EQ(label->Width(), 5.5f * 20 * 12);
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  label->SetCaption("Horizontalabstand ab");  // a word wider than the label keeps its line
  EXPECT_FLOAT_EQ(label->Height(), 2 * 12 * 20);
  label->SetWidth(5.5f * 20 * 30);
  EXPECT_FLOAT_EQ(label->Height(), 12 * 20);
}

TEST_F(AutoSize, FollowsFontChanges) {
  label->SetCaption("Breite");
  label->SetAutoSize(true);
  label->SetFontSize(20);
  EXPECT_FLOAT_EQ(label->Height(), 24 * 20);
  EXPECT_EQ(RaisedKind([&] { label->SetFontSize(-1); }), kInvalidPropertyValue);
  EXPECT_FLOAT_EQ(label->Height(), 24 * 20);
}

}  // namespace
}  // namespace orvano::host::headless::test
