// Sizes the layout cannot honour: the control stays usable, widgets keep what they had when a
// value cannot be taken, and no widget is ever handed a position that is not a number.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "address_label_fixture.h"

namespace orvano::testing {
namespace {

constexpr double kTol = 0.05;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

void ExpectFinitePlacement(AddressLabelHost& host) {
  for (host::Widget* w : {static_cast<host::Widget*>(&host.Back()),
                          static_cast<host::Widget*>(&host.Sender()),
                          static_cast<host::Widget*>(&host.Heading()),
                          static_cast<host::Widget*>(&host.Box())}) {
    EXPECT_TRUE(std::isfinite(w->Left()) && std::isfinite(w->Top()) &&
                std::isfinite(w->Width()) && std::isfinite(w->Height()))
        << w->Name();
  }
  for (int i = 0; i < 12; ++i) {
    const host::Line& l = host.Border(i);
    EXPECT_TRUE(std::isfinite(l.X1()) && std::isfinite(l.Y1()) && std::isfinite(l.X2()) &&
                std::isfinite(l.Y2()))
        << i;
  }
}

TEST(ZeroLabelSide, HeightAloneScalesALabelWithoutWidth) {
  AddressLabelHost host(6000, ControlHeight(46.56, 0.5));
  host.Label().SetLabelWidth(0);
  EXPECT_NEAR(host.Box().Top(), 2 * kPy + 2 * kK * 0.5, kTol);
  EXPECT_NEAR(host.Back().Width(), 2 * kPx, kTol);
  EXPECT_NEAR(host.Back().Height(), 46.56 * kK * 0.5 + 2 * kPy, kTol);
  ExpectFinitePlacement(host);
}

TEST(ZeroLabelSide, WidthAloneScalesALabelWithoutHeight) {
  AddressLabelHost host(ControlWidth(88.9, 0.5), 3500);
  host.Label().SetLabelHeight(0);
  EXPECT_NEAR(host.Back().Width(), 88.9 * kK * 0.5 + 2 * kPx, kTol);
  // No height leaves no room for the address.
  EXPECT_FALSE(host.Box().Visible());
  ExpectFinitePlacement(host);
}

TEST(ZeroLabelSide, NoSidesAtAllKeepRealSize) {
  AddressLabelHost host(600, 600);
  host.Label().SetLabelWidth(0);
  host.Label().SetLabelHeight(0);
  host.Label().SetReturnAddressFormat(ovReturnAddressSingleLine);
  EXPECT_NEAR(host.Sender().Top(), 2 * kPy + 2 * kK, kTol);
  EXPECT_FALSE(host.Sender().Visible());
  ExpectFinitePlacement(host);
}

TEST(NegativeSizes, NegativeLabelWidthShowsNoAddress) {
  AddressLabelHost host;
  host.Label().SetLabelWidth(-50);
  // The scale comes out negative: the label turns over and nothing lies above its bottom.
  EXPECT_FALSE(host.Box().Visible());
  EXPECT_DOUBLE_EQ(host.Label().LabelWidth(), -50);
  ExpectFinitePlacement(host);
  host.Label().SetLabelWidth(88.9);
  EXPECT_TRUE(host.Box().Visible());
}

TEST(NegativeSizes, MarginsWiderThanTheLabelKeepTheOldWidthAndHideTheBox) {
  AddressLabelHost host;
  host.Label().SetLabelBorderLeft(60);
  const float width = host.Box().Width();
  host.Label().SetLabelBorderRight(60);  // 88.9 - 120 mm: refused
  EXPECT_FLOAT_EQ(host.Box().Width(), width);
  EXPECT_NEAR(host.Box().Left(), 2 * kPx + 60 * kK, kTol);
  host.Label().SetLabelBorderTop(50);
  EXPECT_FALSE(host.Box().Visible());
}

TEST(TinyControl, SmallerThanTheOutlineDoesNotBreakTheControl) {
  AddressLabelHost host;
  const float width = host.Box().Width();
  host.Site().Resize(30, 30);
  EXPECT_FLOAT_EQ(host.Box().Width(), width);
  EXPECT_FALSE(host.Box().Visible());
  host.Site().Resize(0, 0);
  ExpectFinitePlacement(host);
  host.Site().Resize(6000, 3500);
  EXPECT_TRUE(host.Box().Visible());
  EXPECT_NEAR(host.Box().Width(), (88.9 - 4) * kK, kTol);
}

TEST(NonFiniteSizes, NotANumberNeverReachesAWidget) {
  AddressLabelHost host;
  host.Label().SetReturnAddressFormat(ovReturnAddressDoubleLine);
  host.Label().SetLabelHeading("Einschreiben");
  host.Label().SetLabelWidth(kNaN);
  ExpectFinitePlacement(host);
  host.Label().SetLabelHeight(kNaN);
  ExpectFinitePlacement(host);
  host.Label().SetLabelBorderTop(kNaN);
  host.Label().SetAddressSpace(kInf);
  host.Label().SetLabelHeadingSpace(-kInf);
  ExpectFinitePlacement(host);
}

TEST(NonFiniteSizes, InfiniteLabelShowsNoText) {
  AddressLabelHost host;
  host.Label().SetLabelHeight(kInf);
  ExpectFinitePlacement(host);
  EXPECT_FALSE(host.Box().Visible());
  host.Label().SetLabelHeight(46.56);
  EXPECT_TRUE(host.Box().Visible());
  EXPECT_NEAR(host.Box().Width(), (88.9 - 4) * kK, kTol);
}

TEST(NonFiniteSizes, HugeLengthsAreHandledLikeAnyOther) {
  AddressLabelHost host;
  host.Label().SetLabelWidth(1e308);
  host.Label().SetLabelBorderLeft(-1e308);
  host.Label().SetLabelHeight(1e-320);
  ExpectFinitePlacement(host);
  EXPECT_DOUBLE_EQ(host.Label().LabelWidth(), 1e308);
}

}  // namespace
}  // namespace orvano::testing
