// A caption label with AutoSize fits itself to its text: width and height without word wrap,
// only the height with it, after every change of caption, font or width.
#include <QFontMetricsF>

#include "form_fixture.h"
#include "orvano/qt/fonts.h"

namespace orvano::qt::testing {
namespace {

using LabelAutoSize = FormTest;

TEST_F(LabelAutoSize, FitsWidthAndHeightToTheTextWithoutWordWrap) {
  auto label = form_->CreateLabel("lblName");
  label->Move(0, 0, 5000, 5000);
  label->SetCaption("Etiketten&name:");
  label->SetAutoSize(true);

  // The access-key marker takes no room.
  const QFontMetricsF metrics(ToQFont(label->GetFont()));
  const double textPx = metrics.horizontalAdvance(QStringLiteral("Etikettenname:"));
  EXPECT_NEAR(label->Width() / 15.0, textPx, 1.5);
  EXPECT_NEAR(label->Height() / 15.0, metrics.lineSpacing(), 1.5);

  const float oneLine = label->Height();
  label->SetCaption("Zeile 1\r\nZeile 2, länger");
  EXPECT_NEAR(label->Height(), 2 * oneLine, 30);
  EXPECT_NEAR(label->Width() / 15.0, metrics.horizontalAdvance(QStringLiteral("Zeile 2, länger")),
              1.5);
}

TEST_F(LabelAutoSize, WordWrapKeepsTheWidthAndGrowsTheHeight) {
  auto label = form_->CreateLabel("lblRows");
  label->SetWordWrap(true);
  label->Move(0, 0, 600, 100);
  label->SetCaption("Etiketten pro Spalte");
  label->SetAutoSize(true);
  EXPECT_FLOAT_EQ(label->Width(), 600);
  const float wrapped = label->Height();

  label->SetWidth(6000);  // room for one line
  EXPECT_LT(label->Height(), wrapped);
}

TEST_F(LabelAutoSize, LargerFontMakesALargerLabel) {
  auto label = form_->CreateLabel("lblHeight");
  label->SetCaption("Höhe");
  label->SetAutoSize(true);
  const float width = label->Width(), height = label->Height();
  label->SetFontSize(16);
  EXPECT_GT(label->Width(), width);
  EXPECT_GT(label->Height(), height);
}

TEST_F(LabelAutoSize, LoneAmpersandIsShownNotSwallowed) {
  auto with = form_->CreateLabel("lblReturnAddress");
  auto without = form_->CreateLabel("lblPlain");
  with->SetAutoSize(true);
  without->SetAutoSize(true);
  with->SetCaption("GmbH & Co. KG");
  without->SetCaption("GmbH  Co. KG");
  EXPECT_GT(with->Width(), without->Width());
}

}  // namespace
}  // namespace orvano::qt::testing
