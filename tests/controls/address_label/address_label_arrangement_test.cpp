// The label at real size: outline, background, and the vertical arrangement of sender line,
// heading and address box for every sender format with and without a heading.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "address_label_fixture.h"

namespace orvano::testing {
namespace {

constexpr double kTol = 0.01;  // twips

struct Row {
  int format;
  const char* heading;
  bool senderShown;
  double senderTop, senderHeight;  // mm below the label's origin
  bool headingShown;
  double headingTop, headingHeight;
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

  EXPECT_EQ(host.Sender().Visible(), row.senderShown);
  if (row.senderShown) {
    EXPECT_NEAR(host.Sender().Top(), 2 * kPy + row.senderTop * kK, kTol);
    EXPECT_NEAR(host.Sender().Height(), row.senderHeight * kK, kTol);
  }
  EXPECT_EQ(host.Heading().Visible(), row.headingShown);
  EXPECT_NEAR(host.Heading().Height(), row.headingHeight * kK, kTol);
  if (row.headingShown) {
    EXPECT_NEAR(host.Heading().Top(), 2 * kPy + row.headingTop * kK, kTol);
  }
  EXPECT_TRUE(host.Box().Visible());
  EXPECT_NEAR(host.Box().Top(), 2 * kPy + row.boxTop * kK, kTol);
  // The box ends one pixel short of LH - BB below the origin.
  EXPECT_NEAR(host.Box().Top() + host.Box().Height(), (46.56 - 1.5) * kK + kPy, kTol);

  for (host::Widget* w : {static_cast<host::Widget*>(&host.Sender()),
                          static_cast<host::Widget*>(&host.Heading()),
                          static_cast<host::Widget*>(&host.Box())}) {
    if (!w->Visible()) continue;
    EXPECT_NEAR(w->Left(), 2 * kPx + 2.5 * kK, kTol) << w->Name();
    EXPECT_NEAR(w->Width(), (88.9 - 2.5 - 2) * kK, kTol) << w->Name();
  }
}

INSTANTIATE_TEST_SUITE_P(
    SenderFormatsAndHeading, VerticalArrangement,
    ::testing::Values(Row{0, "", false, 0, 0, false, 0, 0, 3},
                      Row{0, "Einschreiben", false, 0, 0, true, 3, 5, 3 + 5 + 2},
                      Row{1, "", true, 3, 4, false, 0, 0, 3 + 4 + 2},
                      Row{1, "Einschreiben", true, 3, 4, true, 3 + 4 + 1.5, 5, 3 + 4 + 1.5 + 5 + 2},
                      Row{2, "", true, 3, 7, false, 0, 0, 3 + 7 + 2},
                      Row{2, "Einschreiben", true, 3, 7, true, 3 + 7 + 1.5, 5, 3 + 7 + 1.5 + 5 + 2},
                      // Codes outside the enumeration take the two-line sender.
                      Row{7, "", true, 3, 7, false, 0, 0, 3 + 7 + 2},
                      // Blanks only are no heading.
                      Row{1, "   ", true, 3, 4, false, 0, 0, 3 + 4 + 2}));

TEST(StartValueLayout, AddressBoxRunsFrom2To44_56Millimetres) {
  AddressLabelHost host;
  EXPECT_NEAR(AddressLabelHost::MmBelowOrigin(host.Box().Top()), 2, 1e-4);
  EXPECT_NEAR(host.Box().Top() + host.Box().Height(), 44.56 * kK + kPy, kTol);
  EXPECT_FALSE(host.Sender().Visible());
  EXPECT_FALSE(host.Heading().Visible());
}

TEST(StartValueLayout, SingleSenderLineWithHeading) {
  AddressLabelHost host;
  host.Label().SetReturnAddressFormat(ovReturnAddressSingleLine);
  host.Label().SetLabelHeading("Persönlich");
  auto mm = [](float twips) { return AddressLabelHost::MmBelowOrigin(twips); };
  EXPECT_NEAR(mm(host.Sender().Top()), 2, 1e-4);
  EXPECT_NEAR(mm(host.Sender().Top() + host.Sender().Height()), 6, 1e-4);
  EXPECT_NEAR(mm(host.Heading().Top()), 7, 1e-4);
  EXPECT_NEAR(mm(host.Heading().Top() + host.Heading().Height()), 12, 1e-4);
  EXPECT_NEAR(mm(host.Box().Top()), 13, 1e-4);
  EXPECT_NEAR(host.Box().Top() + host.Box().Height(), 44.56 * kK + kPy, kTol);
}

TEST(StartValueLayout, HeadingDisappearsWhenItsTextGoesBlank) {
  AddressLabelHost host;
  host.Label().SetLabelHeading("Einschreiben");
  EXPECT_TRUE(host.Heading().Visible());
  host.Label().SetLabelHeading(" ");
  EXPECT_FALSE(host.Heading().Visible());
  EXPECT_NEAR(AddressLabelHost::MmBelowOrigin(host.Box().Top()), 2, 1e-4);
}

TEST(Outline, SpansTheLabelPlusThreePixels) {
  AddressLabelHost host;
  float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
  for (int i = 0; i < 12; ++i) {
    const host::Line& l = host.Border(i);
    minX = std::min({minX, l.X1(), l.X2()});
    maxX = std::max({maxX, l.X1(), l.X2()});
    minY = std::min({minY, l.Y1(), l.Y2()});
    maxY = std::max({maxY, l.Y1(), l.Y2()});
    // Every piece is level or upright.
    EXPECT_TRUE(l.X1() == l.X2() || l.Y1() == l.Y2()) << i;
  }
  EXPECT_FLOAT_EQ(minX, 0);
  EXPECT_FLOAT_EQ(minY, 0);
  EXPECT_NEAR(maxX, 88.9 * kK + 3 * kPx, kTol);
  EXPECT_NEAR(maxY, 46.56 * kK + 3 * kPy, kTol);
}

TEST(Outline, CornersAreCutInTwoPixelSteps) {
  AddressLabelHost host;
  const double right = 4 * kPx + 88.9 * kK;
  const double bottom = 4 * kPy + 46.56 * kK;
  // Top edge from four pixels in to four pixels short of the right reference.
  EXPECT_NEAR(host.Border(0).X1(), 4 * kPx, kTol);
  EXPECT_NEAR(host.Border(0).X2(), right - 4 * kPx, kTol);
  // Top-left: a level step one pixel down, an upright step one pixel in.
  EXPECT_NEAR(host.Border(1).Y1(), kPy, kTol);
  EXPECT_NEAR(host.Border(1).X2() - host.Border(1).X1(), 2 * kPx, kTol);
  EXPECT_NEAR(host.Border(3).X1(), kPx, kTol);
  EXPECT_NEAR(host.Border(3).Y2() - host.Border(3).Y1(), 2 * kPy, kTol);
  // Right edge one pixel inside the right reference, bottom edge one pixel inside the bottom.
  EXPECT_NEAR(host.Border(6).X1(), right - kPx, kTol);
  EXPECT_NEAR(host.Border(6).Y2(), bottom - 4 * kPy, kTol);
  EXPECT_NEAR(host.Border(11).Y1(), bottom - kPy, kTol);
  // Bottom-right level step.
  EXPECT_NEAR(host.Border(10).X1(), right - 4 * kPx, kTol);
  EXPECT_NEAR(host.Border(10).X2(), right - 2 * kPx, kTol);
  EXPECT_NEAR(host.Border(10).Y1(), bottom - 2 * kPy, kTol);
}

TEST(Background, StartsOnePixelInAndCoversTheLabel) {
  AddressLabelHost host;
  EXPECT_FLOAT_EQ(host.Back().Left(), kPx);
  EXPECT_FLOAT_EQ(host.Back().Top(), kPy);
  EXPECT_NEAR(host.Back().Width(), 88.9 * kK + 2 * kPx, kTol);
  EXPECT_NEAR(host.Back().Height(), 46.56 * kK + 2 * kPy, kTol);
}

}  // namespace
}  // namespace orvano::testing
