// The stored state, the captions the control is built from, and the refresh after every set.
#include <cmath>
#include <limits>

#include "orvano/host/headless/headless_widgets.h"
#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using host::headless::HeadlessLabel;
using PreviewStateTest = PreviewTest;

TEST_F(PreviewStateTest, CreatingDrawsAndMeasuresInPixelsUnderATransparentFrame) {
  EXPECT_EQ(site.GetScaleMode(), host::ScaleMode::Pixels);
  EXPECT_FALSE(site.Drawing().empty());
  EXPECT_EQ(site.GetFont().name, "Tahoma");
  EXPECT_FLOAT_EQ(site.GetFont().size, 8.25f);
  auto& frame = site.Get<HeadlessLabel>("Frame");
  EXPECT_TRUE(frame.Border());
  EXPECT_TRUE(frame.Transparent());
  EXPECT_FLOAT_EQ(frame.GetFont().size, 8.25f);
}

TEST_F(PreviewStateTest, OutOfRangeValuesAreStoredUnchanged) {
  preview->SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(7));
  preview->SetCols(0);
  preview->SetBorderTop(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(preview->ReturnAddressFormat(), 7);
  EXPECT_EQ(preview->Cols(), 0);
  EXPECT_TRUE(std::isnan(preview->BorderTop()));
}

TEST_F(PreviewStateTest, SettingTheSameValueRedrawsAndReplaces) {
  host::Label& cols = Caption("lblCols");
  cols.SetTop(0);
  site.ClearDrawing();
  preview->SetRows(preview->Rows());
  EXPECT_FALSE(site.Drawing().empty());
  EXPECT_FLOAT_EQ(cols.Top(), 190);
}

TEST_F(PreviewStateTest, CaptionTextsFontsWidthsAndBackgrounds) {
  struct Design {
    const char* name;
    const char* caption;
    float width;       // design twips over 15 twips per pixel
    host::Color back;  // what the caption sits on
  };
  for (const Design& d :
       {Design{"lblBorderLeft", "Linker Rand", 51, kBack},
        Design{"lblSpaceHorizontal", "Horizontalabstand", 76, kBack},
        Design{"lblSpaceVertical", "Vertikalabstand", 68, kBack},
        Design{"lblBorderTop", "Oberer Rand", 56, kBack},
        Design{"lblHeight", "Höhe", 24, kWhiteFace}, Design{"lblWidth", "Breite", 28, kWhiteFace},
        Design{"lblCols", "Etiketten pro Zeile", 78, kBack}}) {
    auto& c = site.Get<HeadlessLabel>(d.name);
    EXPECT_EQ(c.Caption(), d.caption);
    EXPECT_FLOAT_EQ(c.Width(), d.width) << d.name;
    EXPECT_EQ(c.BackColor(), d.back) << d.name;
    EXPECT_EQ(c.GetFont().name, "Tahoma") << d.name;
    EXPECT_FLOAT_EQ(c.GetFont().size, 6.75f) << d.name;
    EXPECT_FALSE(c.Transparent()) << d.name;
  }
  EXPECT_EQ(Caption("lblRows").Caption(), "Etiketten pro Spalte");
  EXPECT_EQ(Caption("lblRows").BackColor(), kBack);
  for (const char* name : {"lblReturnAddress", "lblAddress", "lblLabelHeading"}) {
    auto& c = site.Get<HeadlessLabel>(name);
    EXPECT_EQ(c.GetFont().name, "Arial") << name;
    EXPECT_TRUE(c.Transparent()) << name;
    EXPECT_EQ(c.GetFont().bold, std::string(name) == "lblLabelHeading") << name;
  }
}

TEST_F(PreviewStateTest, SampleTexts) {
  EXPECT_EQ(Caption("lblReturnAddress").Caption(),
            "Konrad Probehaus GmbH & Co. KG\r\nProbeweg 5 - 12345 Probestadt");
  EXPECT_EQ(Caption("lblLabelHeading").Caption(), "VERSANDANWEISUNG");
  EXPECT_EQ(Caption("lblAddress").Caption(), "Z1\r\nZ2\r\nZ3\r\nZ4\r\nZ5\r\nZ6\r\nZ7\r\nZ8\r\nZ9");
  for (auto format : {ovReturnAddressNone, ovReturnAddressSingleLine,
                      static_cast<ovReturnAddressFormatConstants>(7)}) {
    preview->SetReturnAddressFormat(format);
    EXPECT_EQ(Caption("lblReturnAddress").Caption(),
              "Konrad Probehaus GmbH & Co. KG - Probeweg 5 - 12345 Probestadt");
  }
}

}  // namespace
}  // namespace orvano::preview_test
