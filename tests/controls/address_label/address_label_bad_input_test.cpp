// Sizes the layout cannot honour: the control stays usable, widgets keep what they had when a
// value cannot be taken, and no widget is handed a position that is not a number.
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
  for (host::Widget* w :
       {static_cast<host::Widget*>(&host.Back()), static_cast<host::Widget*>(&host.Sender()),
        static_cast<host::Widget*>(&host.Heading()), static_cast<host::Widget*>(&host.Box())}) {
    EXPECT_TRUE(std::isfinite(w->Left() + w->Top() + w->Width() + w->Height())) << w->Name();
  }
  for (int i = 0; i < 12; ++i) {
    const host::Line& l = host.Border(i);
    EXPECT_TRUE(std::isfinite(l.X1() + l.Y1() + l.X2() + l.Y2())) << i;
  }
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
  ExpectFinitePlacement(host);
}

TEST(NegativeSizes, RefusedWidthsKeepTheOldValueAndNoAddressShows) {
  AddressLabelHost host;
  host.Label().SetLabelBorderLeft(60);
  const float width = host.Box().Width();
  host.Label().SetLabelBorderRight(60);  // 88.9 - 120 mm: refused
  EXPECT_EQ(host.Box().Width(), width);
  EXPECT_NEAR(host.Box().Left(), 2 * kPx + 60 * kK, kTol);
  host.Label().SetLabelBorderTop(50);  // starts below the bottom
  EXPECT_FALSE(host.Box().Visible());
  host.Label().SetLabelBorderTop(2);
  host.Label().SetLabelWidth(-50);  // a negative scale turns the label over: no room anywhere
  EXPECT_FALSE(host.Box().Visible());
  ExpectFinitePlacement(host);
}

TEST(TinyControl, SmallerThanTheOutlineAndBackAgain) {
  AddressLabelHost host;
  const float width = host.Box().Width();
  host.Site().Resize(30, 30);
  EXPECT_EQ(host.Box().Width(), width);
  EXPECT_FALSE(host.Box().Visible());
  host.Site().Resize(0, 0);
  ExpectFinitePlacement(host);
  host.Site().Resize(6000, 3500);
  EXPECT_TRUE(host.Box().Visible());
  EXPECT_NEAR(host.Box().Width(), (88.9 - 4) * kK, kTol);
}

TEST(NonFiniteSizes, NeverReachAWidgetAndLeaveNoText) {
  AddressLabelHost host;
  host.Label().SetReturnAddressFormat(ovReturnAddressDoubleLine);
  host.Label().SetLabelHeading("Einschreiben");
  host.Label().SetLabelWidth(kNaN);
  host.Label().SetLabelBorderTop(kNaN);
  host.Label().SetAddressSpace(kInf);
  host.Label().SetLabelHeadingSpace(-kInf);
  ExpectFinitePlacement(host);
  host.Label().SetLabelWidth(1e308);
  host.Label().SetLabelHeight(kInf);
  ExpectFinitePlacement(host);
  EXPECT_FALSE(host.Box().Visible());
}

}  // namespace
}  // namespace orvano::testing
