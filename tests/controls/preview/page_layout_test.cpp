// The page layout: the corner of the sheet to scale, its neighbouring labels and dimension lines;
// the scale it keeps when the visible piece has no width.
#include <algorithm>
#include <cmath>

#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using PageLayoutTest = PreviewTest;

// Probes of the start picture on 320 x 240 pixels: background, sheet piece, the first label's
// face with a corner, the vertical pitch and the width under the sheet with their arrowheads.
const std::vector<Primitive> kStartProbes = Drawn(
    "F0,0,319,239:F0F0F0 F68,76,274,188:E0E0E0 F90,92,237,167:FFFFFF L90,165,90,167 "
    "L36,91,36,169 F35,92,37,93 F34,94,38,94 F35,166,37,167 F34,165,38,165 L68,195,275,195 "
    "F272,194,273,196 F271,193,271,197");

TEST_F(PageLayoutTest, WorkedExampleLayout) {
  site.Paint();
  const PreviewLayoutState& s = preview->Layout();
  EXPECT_EQ((std::vector<int>{s.AreaWidth, s.AreaHeight, s.ExtentX, s.ExtentY}),
            (std::vector<int>{207, 155, 123, 67}));
  EXPECT_NEAR(s.ScaleX, 1.68293, 1e-5);
  EXPECT_NEAR(s.ScaleY, 2.31343, 1e-5);
  EXPECT_EQ(s.PixelsPerMm, s.ScaleX);
  EXPECT_EQ(s.PageRect, (PixelRect{76, 68, 113, 207}));
  EXPECT_EQ(s.Label1Rect, (PixelRect{91, 89, 78, 150}));
  EXPECT_EQ(s.Label2Rect, (PixelRect{91, 239, 78, 37}));
  EXPECT_EQ(s.Label3Rect, (PixelRect{169, 89, 20, 150}));
  EXPECT_EQ(s.Label4Rect, (PixelRect{169, 239, 20, 37}));
}

TEST_F(PageLayoutTest, WorkedExampleDrawnAndCaptionsPlacedAgainOnEverySet) {
  const auto picture = Repaint();
  EXPECT_EQ(picture.size(), 78u);
  for (const Primitive& p : kStartProbes)
    EXPECT_NE(std::find(picture.begin(), picture.end(), p), picture.end());
  host::Label& cols = Caption("lblCols");
  cols.SetTop(0);
  site.ClearDrawing();
  preview->SetBorderLeft(preview->BorderLeft());
  EXPECT_EQ(site.Drawing(), picture);
  EXPECT_FLOAT_EQ(cols.Top(), 190);
}

// Only the neighbour that exists keeps its cut-off face.
TEST_F(PageLayoutTest, OneColumnOrOneRowShowsNoSecondOne) {
  const auto faces = [](const std::vector<Primitive>& drawing) {
    return std::count_if(drawing.begin(), drawing.end(),
                         [](const Primitive& q) { return q.color == kWhiteFace; });
  };
  preview->SetCols(1);
  EXPECT_EQ(faces(Repaint()), 2);
  EXPECT_EQ(preview->Layout().ExtentX, 101);  // 12.29 + 88.9 rounded
  preview->SetCols(2);
  preview->SetRows(1);
  EXPECT_EQ(faces(Repaint()), 2);
  EXPECT_EQ(preview->Layout().ExtentY, 55);  // 8.8 + 46.56 rounded
}

TEST_F(PageLayoutTest, OtherLayoutCodeDrawsNothing) {
  preview->SetPreviewLayout(static_cast<ovPreviewLayoutConstants>(2));
  EXPECT_TRUE(Repaint().empty());
}

TEST_F(PageLayoutTest, SmallerScaleWinsAndFreeSpaceSplitsSixtyForty) {
  site.Resize(800, 200);
  const PreviewLayoutState& s = preview->Layout();
  EXPECT_EQ(s.PixelsPerMm, s.ScaleY);
  EXPECT_LT(s.ScaleY, s.ScaleX);
  const PixelRect& p = s.PageRect;
  EXPECT_EQ(p.Left, static_cast<int>(std::nearbyint((800 - p.Width) * 0.6)));
  EXPECT_EQ(p.Top, static_cast<int>(std::nearbyint((200 - p.Height) * 0.6)));
}

// One column of 0.4 mm visible rounds to 0: the scale cannot be computed and stays.
TEST_F(PageLayoutTest, ZeroVisibleWidthKeepsThePreviousScale) {
  preview->SetCols(1);
  preview->SetBorderLeft(0);
  EXPECT_DOUBLE_EQ(preview->Layout().ScaleX, 207.0 / 89);
  preview->SetLabelWidth(0.4);
  EXPECT_EQ(preview->Layout().ExtentX, 0);
  EXPECT_DOUBLE_EQ(preview->Layout().ScaleX, 207.0 / 89);
}

}  // namespace
}  // namespace orvano::preview_test
