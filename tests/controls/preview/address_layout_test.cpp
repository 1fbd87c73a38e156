// The address layout: one label enlarged, the dotted boxes of its address block and the sample
// captions scaled to the picture.
#include <utility>

#include "preview_fixture.h"

namespace orvano::preview_test {
namespace {

class AddressLayoutTest : public PreviewTest {
 protected:
  AddressLayoutTest() { preview->SetPreviewLayout(ovPreviewAddressLayout); }

  // The dotted boxes of the latest picture.
  std::vector<Primitive> DottedBoxes() {
    std::vector<Primitive> boxes;
    for (const Primitive& p : Repaint())
      if (p.style == host::DrawStyle::Dot) boxes.push_back(p);
    return boxes;
  }
};

// The three boxes from the start values on 320 x 240 pixels: sender, heading, address.
const std::vector<Primitive> kStartBoxes = Drawn("D22,50,295,74 D22,77,295,93 D22,96,295,187");

// Labels: X 22, W 273; Y1 50, Y2 77, Y3 96; the address reaches the inner bottom 187.
TEST_F(AddressLayoutTest, WorkedExampleLayoutPictureAndSampleCaptions) {
  const PreviewLayoutState& s = preview->Layout();
  EXPECT_EQ((std::vector<int>{s.AreaWidth, s.AreaHeight, s.ExtentX, s.ExtentY,
                              s.ReturnAddressHeight, s.HeadingHeight, s.HeadingGap, s.AddressGap}),
            (std::vector<int>{287, 215, 89, 47, 24, 16, 3, 3}));
  EXPECT_NEAR(s.PixelsPerMm, 3.22472, 1e-5);
  EXPECT_EQ(s.PageRect, (PixelRect{44, 16, 152, 287}));  // Left 16.5 rounds to even
  EXPECT_EQ(s.Label1Rect, (PixelRect{44, 16, 150, 287}));
  EXPECT_EQ(DottedBoxes(), kStartBoxes);
  EXPECT_EQ(Box("lblAddress"), (std::vector<float>{22, 96, 273, 91, 1}));
  EXPECT_FALSE(Caption("lblCols").Visible());
}

TEST_F(AddressLayoutTest, SwitchedOffPartsCloseUpTowardsTheTopMargin) {
  struct Case {
    ovReturnAddressFormatConstants format;
    host::Flag heading;
    const char* boxes;  // sender, heading, address; a part that is off has no height
  };
  // Without a heading the address keeps its gap below the sender.
  const Case cases[] = {
      {ovReturnAddressNone, host::kTrue, "D22,50,295,50 D22,50,295,66 D22,69,295,187"},
      {ovReturnAddressDoubleLine, host::kFalse, "D22,50,295,74 D22,74,295,74 D22,77,295,187"},
      {ovReturnAddressNone, host::kFalse, "D22,50,295,50 D22,50,295,50 D22,50,295,187"}};
  for (const Case& c : cases) {
    preview->SetReturnAddressFormat(c.format);
    preview->SetWithLabelHeading(c.heading);
    EXPECT_EQ(DottedBoxes(), Drawn(c.boxes));
  }
}

TEST_F(AddressLayoutTest, SenderLineIsSetInAtMostSevenPoints) {
  for (auto [points, height] : {std::pair{6, 21}, {12, 24}}) {  // two lines
    preview->SetFontSize(points);
    EXPECT_EQ(preview->Layout().ReturnAddressHeight, height) << points;
  }
}

TEST_F(AddressLayoutTest, MarginsWiderThanTheLabelLeaveOnlyTheFace) {
  preview->SetLabelBorderLeft(60);
  preview->SetLabelBorderRight(30);  // 90 of 88.9
  EXPECT_EQ(Repaint().size(), 15u);  // background, frame, the face and its outline
  EXPECT_FALSE(Caption("lblReturnAddress").Visible());
}

TEST_F(AddressLayoutTest, AddressPushedBelowTheInnerBottomIsLeftOut) {
  preview->SetAddressSpace(30);  // 96 pixels: the address would start at 189
  EXPECT_EQ(DottedBoxes(), (std::vector{kStartBoxes[0], kStartBoxes[1]}));
  EXPECT_FALSE(Caption("lblAddress").Visible());
}

TEST_F(AddressLayoutTest, CaptionFontSizesRoundUpFromTheZoom) {
  // 320 x 400: still limited by the width, the label stays 150 pixels high: zoom 0.85244.
  site.Resize(320, 400);
  // 20 points: 17.05 rounds up to 18.
  preview->SetFontSize(20);
  EXPECT_FLOAT_EQ(Caption("lblAddress").GetFont().size, 18);
  EXPECT_FLOAT_EQ(Caption("lblReturnAddress").GetFont().size, 6);
}

}  // namespace
}  // namespace orvano::preview_test
