// The page layout: the corner of the sheet to scale, its neighbouring labels and dimension lines;
// what it leaves out when a value cannot be computed.
#include <algorithm>
#include <cmath>

#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using PageLayoutTest = PreviewTest;

// The start values on 320 x 240 pixels, in drawing order.
const std::vector<Primitive> kStartPicture = Drawn(
    "F0,0,319,239:F0F0F0 B0,0,319,239 F68,76,274,188:E0E0E0 L68,76,275,76 L68,76,68,189 "
    "F90,92,237,167:FFFFFF L93,91,235,91 L89,95,89,165 L93,168,235,168 L238,95,238,165 "
    "L91,92,93,92 L90,93,90,95 L235,92,237,92 L237,93,237,95 L90,165,90,167 L91,167,93,167 "
    "L237,165,237,167 L235,167,237,167 F240,92,275,167:FFFFFF L243,91,276,91 L239,95,239,165 "
    "L243,168,276,168 L241,92,243,92 L240,93,240,95 L240,165,240,167 L241,167,243,167 "
    "F90,170,237,188:FFFFFF L93,169,235,169 L89,173,89,189 L238,173,238,189 L91,170,93,170 "
    "L90,171,90,173 L235,170,237,170 L237,171,237,173 F240,170,275,188:FFFFFF "
    "L243,169,276,169 L239,173,239,189 L241,170,243,170 L240,171,240,173 L68,195,275,195 "
    "F272,194,273,196 F271,193,271,197 L293,76,293,189 F292,186,294,187 F291,185,295,185 "
    "L89,119,239,119 F90,118,91,120 F91,117,91,121 F236,118,237,120 F235,117,235,121 "
    "L185,91,185,169 F184,92,186,93 F183,94,187,94 F184,166,186,167 F183,165,187,165 "
    "L30,76,66,76 L30,91,87,91 L30,168,87,168 L36,91,36,169 F35,92,37,93 F34,94,38,94 "
    "F35,166,37,167 F34,165,38,165 L24,84,45,84 F42,83,43,85 F41,82,41,86 L24,76,24,84 "
    "L68,62,68,74 L89,62,89,89 L238,62,238,89 L89,66,239,66 F90,65,91,67 F91,64,91,68 "
    "F236,65,237,67 F235,64,235,68 L78,59,78,69 F77,66,79,67 F76,65,80,65");

bool Draws(const std::vector<Primitive>& drawing, float x1, float y1, float x2, float y2) {
  return std::find(drawing.begin(), drawing.end(),
                   Primitive{x1, y1, x2, y2, 0, kLine, host::DrawStyle::Solid}) != drawing.end();
}

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
  EXPECT_EQ(Repaint(), kStartPicture);
  host::Label& cols = Caption("lblCols");
  cols.SetTop(0);
  site.ClearDrawing();
  preview->SetBorderLeft(preview->BorderLeft());
  EXPECT_EQ(site.Drawing(), kStartPicture);
  EXPECT_FLOAT_EQ(cols.Top(), 190);
}

TEST_F(PageLayoutTest, OneColumnShowsNoSecondColumnAndNoHorizontalPitch) {
  preview->SetCols(1);
  const auto drawing = Repaint();
  const PreviewLayoutState& s = preview->Layout();
  EXPECT_EQ(s.ExtentX, 101);  // 12.29 + 88.9 rounded
  // Only the label below keeps its cut-off face; nothing right of the first label.
  const PixelRect &l1 = s.Label1Rect, &l2 = s.Label2Rect, &p = s.PageRect;
  for (const Primitive& q : drawing) {
    EXPECT_TRUE(q.color != kWhiteFace || q.x1 < l2.Left) << "face at x " << q.x1;
    EXPECT_FALSE(q.mode == kLine && q.y1 == p.Top - 10 && q.y2 == p.Top - 10) << "pitch drawn";
  }
  EXPECT_FALSE(Draws(drawing, l2.Left - 1, p.Top - 14, l2.Left - 1, l1.Top - 2));
  EXPECT_EQ(std::count_if(drawing.begin(), drawing.end(),
                          [](const Primitive& q) { return q.color == kWhiteFace; }),
            2);
}

TEST_F(PageLayoutTest, OneRowShowsNoSecondRowAndNoVerticalPitch) {
  preview->SetRows(1);
  const auto drawing = Repaint();
  const PreviewLayoutState& s = preview->Layout();
  EXPECT_EQ(s.ExtentY, 55);  // 8.8 + 46.56 rounded
  const PixelRect &p = s.PageRect, &l1 = s.Label1Rect;
  for (const Primitive& q : drawing) {
    EXPECT_TRUE(q.color != kWhiteFace || q.y1 < s.Label3Rect.Top) << "face at y " << q.y1;
    EXPECT_FALSE(q.mode == kLine && q.x1 == p.Left - 32 && q.x2 == p.Left - 32)
        << "vertical pitch drawn";
  }
  // The first label's top is still extended, the second row's is not.
  EXPECT_TRUE(Draws(drawing, p.Left - 38, l1.Top, l1.Left - 2, l1.Top));
  const int top3 = s.Label3Rect.Top - 1;
  EXPECT_FALSE(Draws(drawing, p.Left - 38, top3, l1.Left - 2, top3));
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
  site.Resize(200, 800);
  EXPECT_EQ(s.PixelsPerMm, s.ScaleX);
  EXPECT_LT(s.ScaleX, s.ScaleY);
}

TEST_F(PageLayoutTest, VisiblePieceEndsAQuarterLabelPastTheSecondColumn) {
  preview->SetSpaceHorizontal(100);  // a 11.1 mm gap
  site.Paint();
  EXPECT_EQ(preview->Layout().ExtentX, 135);  // 12.29 + 100 + 22.225
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

// So tall that the sheet piece starts just short of the 32-bit limit: the background is still
// drawn, the dimension line under the sheet piece cannot be computed and is left out.
TEST_F(PageLayoutTest, CoordinatesBeyondThirtyTwoBitsAreLeftOut) {
  site.Resize(320, 3579139328.0f);
  const auto drawing = Repaint();
  const PixelRect& page = preview->Layout().PageRect;
  ASSERT_GT(page.Top, 2147483000);
  EXPECT_EQ(drawing.front().mode, kFill);
  const float under = static_cast<float>(static_cast<double>(page.Top) + page.Height + 6);
  EXPECT_FALSE(Draws(drawing, page.Left, under, page.Left + page.Width, under));
  for (const Primitive& p : drawing) EXPECT_GT(std::min({p.x1, p.y1, p.x2, p.y2}), -2e9f);
}

}  // namespace
}  // namespace orvano::preview_test
