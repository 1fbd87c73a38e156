// Shrinking the label to the control, the font sizes that follow the scale, the fitting of the
// text widgets above the label's lower edge, and sizes the layout cannot honour: widgets keep
// what they had when a value cannot be taken.
#include <gtest/gtest.h>

#include "address_label_fixture.h"
#include "orvano/host/runtime.h"

namespace orvano::testing {
namespace {

constexpr double kTol = 0.05;  // twips; the control's size is single precision

// The scale the layout chose, read from the address box's width (margins 2 and 2).
double ScaleOf(AddressLabelHost& host) { return host.Box().Width() / ((88.9 - 4) * kK); }

struct ScaleCase {
  float width, height;
  double scale;
  float sender, heading, address;  // points
};

class Scale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(Scale, FitsTheControlAndSetsTheFontSizes) {
  const ScaleCase& c = GetParam();
  AddressLabelHost host(c.width, c.height);
  EXPECT_NEAR(ScaleOf(host), c.scale, 1e-6);
  EXPECT_NEAR(host.Box().Top(), 2 * kPx + 2 * kK * c.scale, kTol);
  EXPECT_EQ(host.Sender().GetFont().size, c.sender);
  EXPECT_EQ(host.Heading().GetFont().size, c.heading);
  EXPECT_EQ(host.Box().GetFont().size, c.address);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Scale,
    ::testing::Values(ScaleCase{Side(88.9), Side(46.56), 1, 7, 10, 10},          // exactly fits
                      ScaleCase{3 * Side(88.9), 3 * Side(46.56), 1, 7, 10, 10},  // never enlarged
                      ScaleCase{Side(88.9, 0.6), 20000, 0.6, 5, 7, 7},           // width decides
                      ScaleCase{20000, Side(46.56, 0.9), 0.9, 7, 10, 10},        // f capped at 1
                      ScaleCase{Side(88.9, 0.8), Side(46.56, 0.8), 0.8, 6, 9, 9}));

TEST(ScaleAfresh, TenthScaleRefusesTheZeroPointSenderAndRealSizeComesBack) {
  AddressLabelHost host;
  host.Site().Resize(Side(88.9, 0.1), Side(46.56, 0.1));
  EXPECT_NEAR(ScaleOf(host), 0.1, 1e-6);
  EXPECT_EQ(host.Sender().GetFont().size, 7);  // 0 points refused: keeps its size
  EXPECT_EQ(host.Heading().GetFont().size, 1);
  EXPECT_EQ(host.Box().GetFont().size, 1);
  host.Site().Resize(8000, 5000);
  EXPECT_NEAR(ScaleOf(host), 1, 1e-6);
  EXPECT_EQ(host.Box().GetFont().size, 10);
}

// The address box needs 225 twips above the bottom; a widget running past it ends there.
TEST(FitToBottom, AddressBoxNeeds225TwipsWidgetsRunningPastTheBottomEndThere) {
  AddressLabelHost host;
  host.Label().SetLabelBorderBottom(0);
  EXPECT_NEAR(host.Box().Top() + host.Box().Height(), host::CLng(46.56 * kK - 2 * kPx), kTol);
  // Box top 2 px + 2 mm; bottom = LH k - 2 px: 6 mm leaves less than 225 twips, 8 mm enough.
  host.Label().SetLabelHeight(6);
  ASSERT_GT(2 * kPx + 2 * kK + 225, host::CLng(6 * kK - 2 * kPx));
  EXPECT_FALSE(host.Box().Visible());
  host.Label().SetLabelHeight(8);
  ASSERT_LE(2 * kPx + 2 * kK + 225, host::CLng(8 * kK - 2 * kPx));
  EXPECT_TRUE(host.Box().Visible());
  host.Label().SetReturnAddressFormat(ovReturnAddressDoubleLine);  // 7 mm from 2 mm down
  EXPECT_TRUE(host.Sender().Visible());
  EXPECT_NEAR(host.Sender().Top() + host.Sender().Height(), host::CLng(8 * kK - 2 * kPx), kTol);
  EXPECT_FALSE(host.Box().Visible());
}

TEST(FitToBottom, CaptionsBelowTheBottomAreHiddenUntilThereIsRoom) {
  AddressLabelHost host;
  host.Label().SetReturnAddressFormat(ovReturnAddressSingleLine);
  host.Label().SetLabelHeading("Einschreiben");
  host.Label().SetLabelBorderTop(46);
  EXPECT_FALSE(host.Sender().Visible() || host.Heading().Visible() || host.Box().Visible());
  host.Label().SetLabelBorderTop(2);
  EXPECT_TRUE(host.Sender().Visible() && host.Heading().Visible() && host.Box().Visible());
}

// A zero side needs no room: the other side alone decides the scale, or none does (real size).
TEST(ZeroLabelSide, OtherSideDecidesTheScale) {
  AddressLabelHost host(6000, Side(46.56, 0.5));
  host.Label().SetLabelWidth(0);
  EXPECT_NEAR(host.Box().Top(), 2 * kPx + 2 * kK * 0.5, kTol);
  EXPECT_NEAR(host.Back().Width(), 2 * kPx, kTol);
  EXPECT_NEAR(host.Back().Height(), 46.56 * kK * 0.5 + 2 * kPx, kTol);
  host.Label().SetLabelHeight(0);
  host.Label().SetReturnAddressFormat(ovReturnAddressSingleLine);
  EXPECT_NEAR(host.Sender().Top(), 2 * kPx + 2 * kK, kTol);
  EXPECT_FALSE(host.Sender().Visible() || host.Box().Visible());  // no height, no room
}

// A width the layout cannot take keeps the old one, for a label or a control that is too small.
TEST(RefusedSizes, KeepTheOldWidthAndShowNoAddress) {
  AddressLabelHost host;
  host.Label().SetLabelBorderLeft(60);
  const float width = host.Box().Width();
  host.Label().SetLabelBorderRight(60);  // 88.9 - 120 mm
  EXPECT_EQ(host.Box().Width(), width);
  EXPECT_NEAR(host.Box().Left(), 2 * kPx + 60 * kK, kTol);
  host.Label().SetLabelBorderRight(2);
  host.Site().Resize(30, 30);  // smaller than the outline
  EXPECT_EQ(host.Box().Width(), width);
  EXPECT_FALSE(host.Box().Visible());
  host.Site().Resize(6000, 3500);
  EXPECT_NEAR(host.Box().Width(), (88.9 - 60 - 2) * kK, kTol);
  host.Label().SetLabelWidth(-50);  // a negative scale turns the label over: no room anywhere
  EXPECT_FALSE(host.Box().Visible());
}

}  // namespace
}  // namespace orvano::testing
