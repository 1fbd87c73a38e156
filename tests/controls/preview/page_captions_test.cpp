// The captions the control is built from, where the page layout puts them, which of them show,
// and the frame over everything.
#include <tuple>

#include "orvano/host/headless/headless_widgets.h"
#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using PageCaptionsTest = PreviewTest;
using host::headless::HeadlessLabel;

const char* const kPageCaptions[] = {"lblBorderLeft",      "lblBorderTop",    "lblCols",
                                     "lblHeight",          "lblRows",         "lblWidth",
                                     "lblSpaceHorizontal", "lblSpaceVertical"};
const char* const kSampleCaptions[] = {"lblReturnAddress", "lblLabelHeading", "lblAddress"};

// The captions inside the first label sit on its white face, the others on the background.
TEST_F(PageCaptionsTest, CaptionsSitOnWhatIsBehindThemTheSenderOnTwoLinesOnlyWhenAsked) {
  auto& cols = site.Get<HeadlessLabel>("lblCols");
  EXPECT_EQ(cols.Caption(), "Etiketten pro Zeile");
  EXPECT_EQ(cols.BackColor(), kBack);
  EXPECT_EQ(site.Get<HeadlessLabel>("lblHeight").BackColor(), kWhiteFace);
  EXPECT_EQ(site.Get<HeadlessLabel>("lblWidth").BackColor(), kWhiteFace);
  const std::string sender = "Konrad Probehaus GmbH & Co. KG";
  EXPECT_EQ(Caption("lblReturnAddress").Caption(), sender + "\r\nProbeweg 5 - 12345 Probestadt");
  for (auto format : {ovReturnAddressNone, ovReturnAddressSingleLine,
                      static_cast<ovReturnAddressFormatConstants>(7)}) {
    preview->SetReturnAddressFormat(format);
    EXPECT_EQ(Caption("lblReturnAddress").Caption(), sender + " - Probeweg 5 - 12345 Probestadt");
  }
}

TEST_F(PageCaptionsTest, WorkedExamplePlacesTheCaptionsAroundTheSheet) {
  // Sheet piece Top 76, Left 68, Height 113, Width 207; first label 91, 89, 78, 150.
  host::Label& rows = Caption("lblRows");
  EXPECT_FLOAT_EQ(rows.Left(), 276);
  EXPECT_FLOAT_EQ(rows.Width(), 41);
  EXPECT_FLOAT_EQ(rows.Top(), (113 - rows.Height()) / 2 + 76);
  EXPECT_LT(rows.Height(), 113) << "height follows the wrapped text";
  host::Label& borderTop = Caption("lblBorderTop");
  EXPECT_FLOAT_EQ(borderTop.Top(), 76 - borderTop.Height());
  EXPECT_FLOAT_EQ(borderTop.Left(), -4);  // 68 - 44 - 28
  struct Place {
    const char* name;
    float top, left;
  };
  const Place places[] = {{"lblCols", 190, 132.5f},       // (207 - 78) / 2 + 68
                          {"lblWidth", 114.08f, 125.6f},  // (150 - 28) * 0.3 + 89
                          {"lblHeight", 136.7f, 173},     // 150 * 0.64 + 89 - 12
                          {"lblSpaceVertical", 125, -4},  // (169 - 91) / 2 + 91 - 5; 68 - 38 - 34
                          {"lblBorderLeft", 51, 53},      // (89 - 68) / 2 + 68 - 25.5
                          {"lblSpaceHorizontal", 61, 126}};  // (239 - 89) / 2 + 89 - 38
  for (const Place& p : places) {
    EXPECT_FLOAT_EQ(Caption(p.name).Top(), p.top) << p.name;
    EXPECT_FLOAT_EQ(Caption(p.name).Left(), p.left) << p.name;
  }
}

// The pitch captions need a second column or row; the sample captions belong to the address
// layout only, also after a visit there.
TEST_F(PageCaptionsTest, APitchCaptionShowsOnlyWithASecondColumnOrRow) {
  for (auto [cols, rows, layout, horizontal, vertical] : {std::tuple{2, 6, 0, true, true},
                                                          {1, 6, 0, false, true},
                                                          {3, 1, 0, true, false},
                                                          {3, 2, 1, true, true}}) {
    preview->SetCols(cols);
    preview->SetRows(rows);
    if (layout) preview->SetPreviewLayout(ovPreviewAddressLayout);
    preview->SetPreviewLayout(ovPreviewPageLayout);
    for (const std::string name : kPageCaptions) {
      EXPECT_EQ(Caption(name).Visible(), name == "lblSpaceHorizontal" ? horizontal
                                         : name == "lblSpaceVertical" ? vertical
                                                                      : true)
          << name << " " << cols << " x " << rows;
    }
    for (const char* name : kSampleCaptions) EXPECT_FALSE(Caption(name).Visible()) << name;
  }
}

// Another layout code moves and hides no caption; the frame still covers the control.
TEST_F(PageCaptionsTest, TransparentFrameCoversTheControlInFrontOfEverything) {
  EXPECT_EQ(site.StackingOrder().back(), "Frame");
  preview->SetPreviewLayout(static_cast<ovPreviewLayoutConstants>(2));
  std::vector<std::vector<float>> before;
  for (const char* name : kPageCaptions) before.push_back(Box(name));
  site.Resize(400, 300);
  EXPECT_EQ(Box("Frame"), (std::vector<float>{0, 0, 400, 300, 1}));
  for (std::size_t i = 0; i < std::size(kPageCaptions); ++i)
    EXPECT_EQ(Box(kPageCaptions[i]), before[i]) << kPageCaptions[i];
}

TEST_F(PageCaptionsTest, ControlTooNarrowForRowsCaptionKeepsItsWidth) {
  const float width = Caption("lblRows").Width();
  site.Resize(20, 240);  // no room right of the sheet piece: the width comes out negative
  EXPECT_FLOAT_EQ(Caption("lblRows").Width(), width);
  EXPECT_FLOAT_EQ(Caption("Frame").Width(), 20);
}

}  // namespace
}  // namespace orvano::preview_test
