// The captions the control is built from, where the page layout puts them, which of them show,
// and the frame over everything.
#include <tuple>

#include "orvano/host/headless/headless_widgets.h"
#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using PageCaptionsTest = PreviewTest;
using host::headless::HeadlessLabel;

// The captions inside the first label sit on its white face, the others on the background.
TEST_F(PageCaptionsTest, CaptionsSitOnWhatIsBehindThemTheSenderOnTwoLinesOnlyWhenAsked) {
  auto& cols = site.Get<HeadlessLabel>("lblCols");
  EXPECT_EQ(cols.Caption(), "Etiketten pro Zeile");
  EXPECT_EQ(cols.BackColor(), kBack);
  EXPECT_EQ(site.Get<HeadlessLabel>("lblHeight").BackColor(), kWhiteFace);
  const std::string sender = "Konrad Probehaus GmbH & Co. KG";
  EXPECT_EQ(Caption("lblReturnAddress").Caption(), sender + "\r\nProbeweg 5 - 12345 Probestadt");
  preview->SetReturnAddressFormat(ovReturnAddressSingleLine);
  EXPECT_EQ(Caption("lblReturnAddress").Caption(), sender + " - Probeweg 5 - 12345 Probestadt");
}

TEST_F(PageCaptionsTest, WorkedExamplePlacesTheCaptionsAroundTheSheet) {
  // Sheet piece Top 76, Left 68, Height 113, Width 207; first label 91, 89, 78, 150.
  host::Label& rows = Caption("lblRows");
  EXPECT_FLOAT_EQ(rows.Left(), 276);
  EXPECT_FLOAT_EQ(rows.Top(), (113 - rows.Height()) / 2 + 76);
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
  for (auto [cols, rows, horizontal, vertical] :
       {std::tuple{1, 6, false, true}, {3, 1, true, false}}) {
    preview->SetCols(cols);
    preview->SetRows(rows);
    preview->SetPreviewLayout(ovPreviewAddressLayout);
    preview->SetPreviewLayout(ovPreviewPageLayout);
    EXPECT_EQ(Caption("lblSpaceHorizontal").Visible(), horizontal);
    EXPECT_EQ(Caption("lblSpaceVertical").Visible(), vertical);
    EXPECT_TRUE(Caption("lblWidth").Visible());
    EXPECT_FALSE(Caption("lblAddress").Visible());
  }
}

TEST_F(PageCaptionsTest, TransparentFrameCoversTheControlInFrontOfEverything) {
  EXPECT_EQ(site.StackingOrder().back(), "Frame");
  site.Resize(400, 300);
  EXPECT_EQ(Box("Frame"), (std::vector<float>{0, 0, 400, 300, 1}));
}

}  // namespace
}  // namespace orvano::preview_test
