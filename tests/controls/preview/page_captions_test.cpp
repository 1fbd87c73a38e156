// Where the page layout's captions go, which of them show, and the frame over everything.
#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using PageCaptionsTest = PreviewTest;

const char* const kPageCaptions[] = {"lblBorderLeft",      "lblBorderTop",    "lblCols",
                                     "lblHeight",          "lblRows",         "lblWidth",
                                     "lblSpaceHorizontal", "lblSpaceVertical"};
const char* const kSampleCaptions[] = {"lblReturnAddress", "lblLabelHeading", "lblAddress"};

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

TEST_F(PageCaptionsTest, APitchCaptionShowsOnlyWithASecondColumnOrRow) {
  const auto expectShown = [&](bool page, bool horizontal, bool vertical) {
    for (const char* name : kPageCaptions) {
      const std::string n = name;
      const bool want = n == "lblSpaceHorizontal" ? horizontal
                        : n == "lblSpaceVertical" ? vertical
                                                  : page;
      EXPECT_EQ(Caption(name).Visible(), want) << name;
    }
    for (const char* name : kSampleCaptions) EXPECT_FALSE(Caption(name).Visible()) << name;
  };
  expectShown(true, true, true);
  preview->SetCols(1);
  expectShown(true, false, true);
  preview->SetCols(3);
  preview->SetRows(1);
  expectShown(true, true, false);
  preview->SetRows(2);
  preview->SetPreviewLayout(ovPreviewAddressLayout);
  preview->SetPreviewLayout(ovPreviewPageLayout);  // back from the address layout
  expectShown(true, true, true);
}

TEST_F(PageCaptionsTest, FrameCoversTheControlInFrontOfEverything) {
  site.Resize(400, 300);
  host::Label& frame = Caption("Frame");
  EXPECT_EQ((std::vector<float>{frame.Left(), frame.Top(), frame.Width(), frame.Height()}),
            (std::vector<float>{0, 0, 400, 300}));
  EXPECT_EQ(site.StackingOrder().back(), "Frame");
}

TEST_F(PageCaptionsTest, OtherLayoutCodeMovesAndHidesNoCaptionButStretchesTheFrame) {
  struct Placed {
    float left, top, width, height;
    bool visible;
    bool operator==(const Placed&) const = default;
  };
  preview->SetPreviewLayout(static_cast<ovPreviewLayoutConstants>(2));
  std::vector<Placed> before;
  for (const char* name : kPageCaptions) {
    host::Label& c = Caption(name);
    before.push_back({c.Left(), c.Top(), c.Width(), c.Height(), c.Visible()});
  }
  site.Resize(500, 400);
  for (std::size_t i = 0; i < std::size(kPageCaptions); ++i) {
    host::Label& c = Caption(kPageCaptions[i]);
    const Placed now{c.Left(), c.Top(), c.Width(), c.Height(), c.Visible()};
    EXPECT_TRUE(now == before[i]) << kPageCaptions[i];
  }
  EXPECT_FLOAT_EQ(Caption("Frame").Width(), 500);
  EXPECT_FLOAT_EQ(Caption("Frame").Height(), 400);
}

TEST_F(PageCaptionsTest, ControlTooNarrowForRowsCaptionKeepsItsWidth) {
  const float width = Caption("lblRows").Width();
  site.Resize(20, 240);  // no room right of the sheet piece: the width comes out negative
  EXPECT_FLOAT_EQ(Caption("lblRows").Width(), width);
  EXPECT_FLOAT_EQ(Caption("Frame").Width(), 20);
}

}  // namespace
}  // namespace orvano::preview_test
