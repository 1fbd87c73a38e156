// Shrinking the label to the control, the font sizes that follow the scale, and the fitting of
// the text widgets above the label's lower edge.
#include <gtest/gtest.h>

#include <cmath>

#include "address_label_fixture.h"
#include "orvano/host/runtime.h"

namespace orvano::testing {
namespace {

constexpr double kTol = 0.05;  // twips; the control's size is single precision

// The scale the layout chose, read from the address box's width (margins 2 and 2).
double ScaleOf(AddressLabelHost& host) { return host.Box().Width() / ((88.9 - 4) * kK); }

TEST(Scale, FourPixelsLargerThanTheLabelIsRealSize) {
  AddressLabelHost host(ControlWidth(88.9), ControlHeight(46.56));
  EXPECT_NEAR(ScaleOf(host), 1, 1e-6);
}

TEST(Scale, LargerControlNeverEnlargesTheLabel) {
  AddressLabelHost host(ControlWidth(88.9) * 3, ControlHeight(46.56) * 3);
  EXPECT_NEAR(ScaleOf(host), 1, 1e-6);
  EXPECT_NEAR(host.Back().Width(), 88.9 * kK + 2 * kPx, kTol);
}

TEST(Scale, HalfTheWidthGivesHalfSizeHoweverTall) {
  AddressLabelHost host(ControlWidth(88.9, 0.5), 20000);
  EXPECT_NEAR(ScaleOf(host), 0.5, 1e-6);
  EXPECT_NEAR(host.Box().Top(), 2 * kPy + 2 * kK * 0.5, kTol);
  EXPECT_NEAR(host.Back().Height(), 46.56 * kK * 0.5 + 2 * kPy, kTol);
}

TEST(Scale, TheShorterSideDecides) {
  AddressLabelHost host(20000, ControlHeight(46.56, 0.25));
  EXPECT_NEAR(ScaleOf(host), 0.25, 1e-6);
}

TEST(Scale, ComputedAfreshAfterEveryResize) {
  AddressLabelHost host;
  host.Site().Resize(ControlWidth(88.9, 0.3), ControlHeight(46.56, 0.3));
  EXPECT_NEAR(ScaleOf(host), 0.3, 1e-6);
  host.Site().Resize(8000, 5000);
  EXPECT_NEAR(ScaleOf(host), 1, 1e-6);
  EXPECT_TRUE(host.Box().Visible());
}

struct FontCase {
  double scale;
  float sender, heading, address;
};

class FontSizes : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontSizes, FollowTheScaleUpToTheFullSize) {
  const FontCase& c = GetParam();
  AddressLabelHost host(ControlWidth(88.9, c.scale), ControlHeight(46.56, c.scale));
  EXPECT_EQ(host.Sender().GetFont().size, c.sender);
  EXPECT_EQ(host.Heading().GetFont().size, c.heading);
  EXPECT_EQ(host.Box().GetFont().size, c.address);
}

INSTANTIATE_TEST_SUITE_P(Scales, FontSizes,
                         ::testing::Values(FontCase{1, 7, 10, 10}, FontCase{0.9, 7, 10, 10},
                                           FontCase{0.8, 6, 9, 9}, FontCase{0.6, 5, 7, 7}));

TEST(FontSizesAtTenthScale, ZeroPointSenderIsRefusedAndKeepsItsSize) {
  AddressLabelHost host;  // real size: 7 / 10 / 10
  host.Site().Resize(ControlWidth(88.9, 0.1), ControlHeight(46.56, 0.1));
  EXPECT_NEAR(ScaleOf(host), 0.1, 1e-6);
  EXPECT_EQ(host.Sender().GetFont().size, 7);
  EXPECT_EQ(host.Heading().GetFont().size, 1);
  EXPECT_EQ(host.Box().GetFont().size, 1);
}

TEST(FitToBottom, AddressBoxWithoutRoomIsHiddenAndComesBack) {
  AddressLabelHost host;
  AddressLabel& label = host.Label();
  // Box top 2 py + 2 mm; bottom = LH k - 2 py: 8 mm leaves at least 225 twips, 6 mm does not.
  label.SetLabelHeight(6);
  ASSERT_GT(2 * kPy + 2 * kK + 225, host::CLng(6 * kK - 2 * kPy));
  EXPECT_FALSE(host.Box().Visible());
  label.SetLabelHeight(8);
  ASSERT_LE(2 * kPy + 2 * kK + 225, host::CLng(8 * kK - 2 * kPy));
  EXPECT_TRUE(host.Box().Visible());
}

TEST(FitToBottom, AddressBoxRunningPastTheBottomEndsThere) {
  AddressLabelHost host;
  host.Label().SetLabelBorderBottom(0);
  const double bottom = host::CLng(46.56 * kK - 2 * kPy);
  EXPECT_NEAR(host.Box().Top() + host.Box().Height(), bottom, kTol);
  EXPECT_TRUE(host.Box().Visible());
}

TEST(FitToBottom, SenderLineIsCutAtTheBottom) {
  AddressLabelHost host;
  host.Label().SetReturnAddressFormat(ovReturnAddressDoubleLine);
  host.Label().SetLabelHeight(8);  // 7 mm of sender from 2 mm down: past the bottom
  const double bottom = host::CLng(8 * kK - 2 * kPy);
  EXPECT_TRUE(host.Sender().Visible());
  EXPECT_NEAR(host.Sender().Top() + host.Sender().Height(), bottom, kTol);
  EXPECT_FALSE(host.Box().Visible());
}

TEST(FitToBottom, CaptionsStartingBelowTheBottomAreHiddenUntilThereIsRoom) {
  AddressLabelHost host;
  AddressLabel& label = host.Label();
  label.SetReturnAddressFormat(ovReturnAddressSingleLine);
  label.SetLabelHeading("Einschreiben");
  label.SetLabelBorderTop(46);
  EXPECT_FALSE(host.Sender().Visible());
  EXPECT_FALSE(host.Heading().Visible());
  EXPECT_FALSE(host.Box().Visible());
  label.SetLabelBorderTop(2);
  EXPECT_TRUE(host.Sender().Visible());
  EXPECT_TRUE(host.Heading().Visible());
  EXPECT_TRUE(host.Box().Visible());
}

}  // namespace
}  // namespace orvano::testing
