// The label at real size: outline, background, and the vertical arrangement of sender line,
// heading and address box for every sender format with and without a heading.
#include <gtest/gtest.h>

#include <algorithm>

#include "address_label_fixture.h"

namespace orvano::testing {
namespace {

constexpr double kTol = 0.01;  // twips

struct Row {
  int format;
  const char* heading;
  double senderHeight;  // mm; 0: hidden
  double headingTop;    // mm below the origin; 0: hidden
  double boxTop;
};

// Margins 2.5 / 3 / 2 / 1.5 (left, top, right, bottom), heading space 1.5, address space 2.
class VerticalArrangement : public ::testing::TestWithParam<Row> {};

TEST_P(VerticalArrangement, HoldsAtRealSize) {
  const Row& row = GetParam();
  AddressLabelHost host;
  AddressLabel& label = host.Label();
  label.SetLabelBorderLeft(2.5);
  label.SetLabelBorderTop(3);
  label.SetLabelBorderRight(2);
  label.SetLabelBorderBottom(1.5);
  label.SetLabelHeadingSpace(1.5);
  label.SetAddressSpace(2);
  label.SetLabelHeading(row.heading);
  label.SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(row.format));

  EXPECT_EQ(host.Sender().Visible(), row.senderHeight > 0);
  if (row.senderHeight > 0) {
    EXPECT_NEAR(MmBelowOrigin(host.Sender().Top()), 3, 1e-4);
    EXPECT_NEAR(host.Sender().Height(), row.senderHeight * kK, kTol);
  }
  EXPECT_EQ(host.Heading().Visible(), row.headingTop > 0);
  EXPECT_NEAR(host.Heading().Height(), row.headingTop > 0 ? 5 * kK : 0, kTol);
  if (row.headingTop > 0) {
    EXPECT_NEAR(MmBelowOrigin(host.Heading().Top()), row.headingTop, 1e-4);
  }
  EXPECT_TRUE(host.Box().Visible());
  EXPECT_NEAR(MmBelowOrigin(host.Box().Top()), row.boxTop, 1e-4);
  // The box ends one pixel short of LH - BB below the origin.
  EXPECT_NEAR(host.Box().Top() + host.Box().Height(), (46.56 - 1.5) * kK + kPx, kTol);
  for (host::Widget* w :
       {static_cast<host::Widget*>(&host.Sender()), static_cast<host::Widget*>(&host.Heading()),
        static_cast<host::Widget*>(&host.Box())}) {
    if (!w->Visible()) continue;
    EXPECT_NEAR(w->Left(), 2 * kPx + 2.5 * kK, kTol) << w->Name();
    EXPECT_NEAR(w->Width(), (88.9 - 2.5 - 2) * kK, kTol) << w->Name();
  }
}

INSTANTIATE_TEST_SUITE_P(
    SenderFormatsAndHeading, VerticalArrangement,
    ::testing::Values(Row{0, "", 0, 0, 3}, Row{0, "Einschreiben", 0, 3, 3 + 5 + 2},
                      Row{1, "", 4, 0, 3 + 4 + 2},
                      Row{1, "Einschreiben", 4, 3 + 4 + 1.5, 3 + 4 + 1.5 + 5 + 2},
                      Row{2, "", 7, 0, 3 + 7 + 2},
                      Row{2, "Einschreiben", 7, 3 + 7 + 1.5, 3 + 7 + 1.5 + 5 + 2},
                      // Codes outside the enumeration take two lines; blanks are no heading.
                      Row{7, "", 7, 0, 3 + 7 + 2}, Row{1, "   ", 4, 0, 3 + 4 + 2}));

// The white label area lies at the back, the address box in front; the captions show the texts
// untrimmed, even a heading that the layout treats as none.
TEST(StartValueLayout, AddressBoxAloneInFrontOfTheLabelArea) {
  AddressLabelHost host;
  EXPECT_EQ(host.Site().StackingOrder().front(), "Back");
  EXPECT_EQ(host.Site().StackingOrder().back(), "txtAddress");
  host.Label().SetLabelHeading("   ");
  host.Label().SetReturnAddress("  A. Absender, Weg 2 ");
  EXPECT_EQ(host.Heading().Caption() + host.Sender().Caption(), "     A. Absender, Weg 2 ");
  EXPECT_NEAR(MmBelowOrigin(host.Box().Top()), 2, 1e-4);
  EXPECT_NEAR(host.Box().Top() + host.Box().Height(), 44.56 * kK + kPx, kTol);
}

TEST(Outline, SpansTheLabelPlusThreePixelsOverTheBackground) {
  AddressLabelHost host;
  float maxX = 0, maxY = 0;
  for (int i = 0; i < 12; ++i) {
    const host::Line& l = host.Border(i);
    maxX = std::max({maxX, l.X1(), l.X2()});
    maxY = std::max({maxY, l.Y1(), l.Y2()});
    EXPECT_TRUE(l.X1() == l.X2() || l.Y1() == l.Y2()) << i;  // level or upright
  }
  EXPECT_NEAR(maxX, 88.9 * kK + 3 * kPx, kTol);
  EXPECT_NEAR(maxY, 46.56 * kK + 3 * kPx, kTol);
  EXPECT_NEAR(host.Back().Width(), 88.9 * kK + 2 * kPx, kTol);
  EXPECT_NEAR(host.Back().Height(), 46.56 * kK + 2 * kPx, kTol);
}

}  // namespace
}  // namespace orvano::testing
