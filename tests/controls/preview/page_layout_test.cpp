// The page layout: the corner of the sheet to scale, its neighbouring labels and dimension lines.
#include <algorithm>
#include <cmath>

#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

using PageLayoutTest = PreviewTest;

// The start values on 320 x 240 pixels, in drawing order.
const std::vector<Expected> kStartPicture = {
    {0, 0, 319, 239, kBack, kFill},
    {0, 0, 319, 239, 0, kBox},
    {68, 76, 274, 188, kSheet, kFill},
    {68, 76, 275, 76, 0, kLine},
    {68, 76, 68, 189, 0, kLine},
    {90, 92, 237, 167, kWhiteFace, kFill},
    {93, 91, 235, 91, 0, kLine},
    {89, 95, 89, 165, 0, kLine},
    {93, 168, 235, 168, 0, kLine},
    {238, 95, 238, 165, 0, kLine},
    {91, 92, 93, 92, 0, kLine},
    {90, 93, 90, 95, 0, kLine},
    {235, 92, 237, 92, 0, kLine},
    {237, 93, 237, 95, 0, kLine},
    {90, 165, 90, 167, 0, kLine},
    {91, 167, 93, 167, 0, kLine},
    {237, 165, 237, 167, 0, kLine},
    {235, 167, 237, 167, 0, kLine},
    {240, 92, 275, 167, kWhiteFace, kFill},
    {243, 91, 276, 91, 0, kLine},
    {239, 95, 239, 165, 0, kLine},
    {243, 168, 276, 168, 0, kLine},
    {241, 92, 243, 92, 0, kLine},
    {240, 93, 240, 95, 0, kLine},
    {240, 165, 240, 167, 0, kLine},
    {241, 167, 243, 167, 0, kLine},
    {90, 170, 237, 188, kWhiteFace, kFill},
    {93, 169, 235, 169, 0, kLine},
    {89, 173, 89, 189, 0, kLine},
    {238, 173, 238, 189, 0, kLine},
    {91, 170, 93, 170, 0, kLine},
    {90, 171, 90, 173, 0, kLine},
    {235, 170, 237, 170, 0, kLine},
    {237, 171, 237, 173, 0, kLine},
    {240, 170, 275, 188, kWhiteFace, kFill},
    {243, 169, 276, 169, 0, kLine},
    {239, 173, 239, 189, 0, kLine},
    {241, 170, 243, 170, 0, kLine},
    {240, 171, 240, 173, 0, kLine},
    {68, 195, 275, 195, 0, kLine},
    {272, 194, 273, 196, 0, kFill},
    {271, 193, 271, 197, 0, kFill},
    {293, 76, 293, 189, 0, kLine},
    {292, 186, 294, 187, 0, kFill},
    {291, 185, 295, 185, 0, kFill},
    {89, 119, 239, 119, 0, kLine},
    {90, 118, 91, 120, 0, kFill},
    {91, 117, 91, 121, 0, kFill},
    {236, 118, 237, 120, 0, kFill},
    {235, 117, 235, 121, 0, kFill},
    {185, 91, 185, 169, 0, kLine},
    {184, 92, 186, 93, 0, kFill},
    {183, 94, 187, 94, 0, kFill},
    {184, 166, 186, 167, 0, kFill},
    {183, 165, 187, 165, 0, kFill},
    {30, 76, 66, 76, 0, kLine},
    {30, 91, 87, 91, 0, kLine},
    {30, 168, 87, 168, 0, kLine},
    {36, 91, 36, 169, 0, kLine},
    {35, 92, 37, 93, 0, kFill},
    {34, 94, 38, 94, 0, kFill},
    {35, 166, 37, 167, 0, kFill},
    {34, 165, 38, 165, 0, kFill},
    {24, 84, 45, 84, 0, kLine},
    {42, 83, 43, 85, 0, kFill},
    {41, 82, 41, 86, 0, kFill},
    {24, 76, 24, 84, 0, kLine},
    {68, 62, 68, 74, 0, kLine},
    {89, 62, 89, 89, 0, kLine},
    {238, 62, 238, 89, 0, kLine},
    {89, 66, 239, 66, 0, kLine},
    {90, 65, 91, 67, 0, kFill},
    {91, 64, 91, 68, 0, kFill},
    {236, 65, 237, 67, 0, kFill},
    {235, 64, 235, 68, 0, kFill},
    {78, 59, 78, 69, 0, kLine},
    {77, 66, 79, 67, 0, kFill},
    {76, 65, 80, 65, 0, kFill},
};

bool Draws(const std::vector<Primitive>& drawing, const Expected& e) {
  return std::find(drawing.begin(), drawing.end(), Primitive(e)) != drawing.end();
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

TEST_F(PageLayoutTest, WorkedExamplePrimitivesInOrderAgainOnEveryPropertySet) {
  EXPECT_EQ(Repaint(), ToPrimitives(kStartPicture));
  site.ClearDrawing();
  preview->SetBorderLeft(preview->BorderLeft());
  EXPECT_EQ(site.Drawing(), ToPrimitives(kStartPicture));
}

TEST_F(PageLayoutTest, OneColumnShowsNoSecondColumnAndNoHorizontalPitch) {
  preview->SetCols(1);
  const auto drawing = Repaint();
  const PreviewLayoutState& s = preview->Layout();
  EXPECT_EQ(s.ExtentX, 101);  // 12.29 + 88.9 rounded
  // Only the label below keeps its cut-off face; nothing right of the first label.
  const PixelRect& l2 = s.Label2Rect;
  for (const Primitive& p : drawing)
    EXPECT_TRUE(p.color != kWhiteFace || p.x1 < l2.Left) << "face at x " << p.x1;
  const PixelRect& p = s.PageRect;
  const PixelRect& l1 = s.Label1Rect;
  // No extension line at the second column and no pitch arrow above the sheet.
  EXPECT_FALSE(Draws(drawing, {float(l2.Left - 1), float(p.Top - 14), float(l2.Left - 1),
                               float(l1.Top - 2), 0, kLine}));
  for (const Primitive& q : drawing)
    EXPECT_FALSE(q.mode == kLine && q.y1 == p.Top - 10 && q.y2 == p.Top - 10) << "pitch drawn";
  EXPECT_EQ(std::count_if(drawing.begin(), drawing.end(),
                          [](const Primitive& q) { return q.color == kWhiteFace; }),
            2);
}

TEST_F(PageLayoutTest, OneRowShowsNoSecondRowAndNoVerticalPitch) {
  preview->SetRows(1);
  const auto drawing = Repaint();
  const PreviewLayoutState& s = preview->Layout();
  EXPECT_EQ(s.ExtentY, 55);  // 8.8 + 46.56 rounded
  const PixelRect& p = s.PageRect;
  const PixelRect& l1 = s.Label1Rect;
  for (const Primitive& q : drawing) {
    EXPECT_TRUE(q.color != kWhiteFace || q.y1 < s.Label3Rect.Top) << "face at y " << q.y1;
    EXPECT_FALSE(q.mode == kLine && q.x1 == p.Left - 32 && q.x2 == p.Left - 32)
        << "vertical pitch drawn";
  }
  // The first label's top is still extended, the second row's is not.
  EXPECT_TRUE(Draws(
      drawing, {float(p.Left - 38), float(l1.Top), float(l1.Left - 2), float(l1.Top), 0, kLine}));
  EXPECT_FALSE(Draws(drawing, {float(p.Left - 38), float(s.Label3Rect.Top - 1), float(l1.Left - 2),
                               float(s.Label3Rect.Top - 1), 0, kLine}));
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

}  // namespace
}  // namespace orvano::preview_test
