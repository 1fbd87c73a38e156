// Where the page layout's captions go, which of them show, and the frame over everything.
#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using PageCaptionsTest = PreviewTest;

const char* const kPageCaptions[] = {"lblBorderLeft", "lblBorderTop", "lblCols",
                                     "lblHeight",     "lblRows",      "lblWidth",
                                     "lblSpaceHorizontal", "lblSpaceVertical"};
const char* const kSampleCaptions[] = {"lblReturnAddress", "lblLabelHeading", "lblAddress"};

TEST_F(PageCaptionsTest, WorkedExamplePlacesTheCaptionsAroundTheSheet) {
  // Sheet piece Top 76, Left 68, Height 113, Width 207; first label 91, 89, 78, 150.
  host::Label& rows = Caption("lblRows");
  EXPECT_FLOAT_EQ(rows.Left(), 276);
  EXPECT_FLOAT_EQ(rows.Width(), 41);
  EXPECT_FLOAT_EQ(rows.Top(), (113 - rows.Height()) / 2 + 76);
  EXPECT_LT(rows.Height(), 113) << "height follows the wrapped text";

  EXPECT_FLOAT_EQ(Caption("lblCols").Top(), 190);
  EXPECT_FLOAT_EQ(Caption("lblCols").Left(), 132.5f);  // (207 - 78) / 2 + 68
  EXPECT_FLOAT_EQ(Caption("lblWidth").Top(), 114.08f);
  EXPECT_FLOAT_EQ(Caption("lblWidth").Left(), 125.6f);  // (150 - 28) * 0.3 + 89
  EXPECT_FLOAT_EQ(Caption("lblHeight").Top(), 136.7f);
  EXPECT_FLOAT_EQ(Caption("lblHeight").Left(), 173);  // 150 * 0.64 + 89 - 12
  host::Label& borderTop = Caption("lblBorderTop");
  EXPECT_FLOAT_EQ(borderTop.Top(), 76 - borderTop.Height());
  EXPECT_FLOAT_EQ(borderTop.Left(), -4);  // 68 - 44 - 28
  EXPECT_FLOAT_EQ(Caption("lblSpaceVertical").Top(), 125);  // (169 - 91) / 2 + 91 - 5
  EXPECT_FLOAT_EQ(Caption("lblSpaceVertical").Left(), -4);  // 68 - 38 - 34
  EXPECT_FLOAT_EQ(Caption("lblBorderLeft").Top(), 51);
  EXPECT_FLOAT_EQ(Caption("lblBorderLeft").Left(), 53);  // (89 - 68) / 2 + 68 - 25.5
  EXPECT_FLOAT_EQ(Caption("lblSpaceHorizontal").Top(), 61);
  EXPECT_FLOAT_EQ(Caption("lblSpaceHorizontal").Left(), 126);  // (239 - 89) / 2 + 89 - 38
}

TEST_F(PageCaptionsTest, StartValuesShowAllEightPageCaptionsAndNoSample) {
  for (const char* name : kPageCaptions) EXPECT_TRUE(Caption(name).Visible()) << name;
  for (const char* name : kSampleCaptions) EXPECT_FALSE(Caption(name).Visible()) << name;
}

TEST_F(PageCaptionsTest, OneColumnHidesHorizontalPitchCaptionOnly) {
  preview->SetCols(1);
  EXPECT_FALSE(Caption("lblSpaceHorizontal").Visible());
  EXPECT_TRUE(Caption("lblSpaceVertical").Visible());
  preview->SetCols(3);
  EXPECT_TRUE(Caption("lblSpaceHorizontal").Visible());
}

TEST_F(PageCaptionsTest, OneRowHidesVerticalPitchCaptionOnly) {
  preview->SetRows(1);
  EXPECT_FALSE(Caption("lblSpaceVertical").Visible());
  EXPECT_TRUE(Caption("lblSpaceHorizontal").Visible());
}

TEST_F(PageCaptionsTest, BackFromAddressLayoutShowsThePageCaptionsAgain) {
  preview->SetPreviewLayout(ovPreviewAddressLayout);
  preview->SetPreviewLayout(ovPreviewPageLayout);
  for (const char* name : kPageCaptions) EXPECT_TRUE(Caption(name).Visible()) << name;
  for (const char* name : kSampleCaptions) EXPECT_FALSE(Caption(name).Visible()) << name;
}

TEST_F(PageCaptionsTest, FrameCoversTheControlInFrontOfEverything) {
  site.Resize(400, 300);
  host::Label& frame = Caption("Frame");
  EXPECT_FLOAT_EQ(frame.Left(), 0);
  EXPECT_FLOAT_EQ(frame.Top(), 0);
  EXPECT_FLOAT_EQ(frame.Width(), 400);
  EXPECT_FLOAT_EQ(frame.Height(), 300);
  EXPECT_EQ(site.StackingOrder().back(), "Frame");
}

TEST_F(PageCaptionsTest, OtherLayoutCodeMovesAndHidesNoCaptionButStretchesTheFrame) {
  struct Placed {
    float left, top, width, height;
    bool visible;
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
    EXPECT_EQ(c.Left(), before[i].left) << kPageCaptions[i];
    EXPECT_EQ(c.Top(), before[i].top) << kPageCaptions[i];
    EXPECT_EQ(c.Width(), before[i].width) << kPageCaptions[i];
    EXPECT_EQ(c.Visible(), before[i].visible) << kPageCaptions[i];
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
