// What AddressLabel keeps: its start values, every value stored exactly as given, the captions
// that follow the texts, and its widgets as created.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "address_label_fixture.h"
#include "orvano/host/error.h"
#include "orvano/host/factory.h"

namespace orvano::testing {
namespace {

TEST(AddressLabelStartValues, NewControlReportsTheStartValues) {
  AddressLabelHost host;
  AddressLabel& label = host.Label();
  EXPECT_DOUBLE_EQ(label.LabelWidth(), 88.9);
  EXPECT_DOUBLE_EQ(label.LabelHeight(), 46.56);
  EXPECT_DOUBLE_EQ(label.LabelBorderLeft(), 2);
  EXPECT_DOUBLE_EQ(label.LabelBorderTop(), 2);
  EXPECT_DOUBLE_EQ(label.LabelBorderRight(), 2);
  EXPECT_DOUBLE_EQ(label.LabelBorderBottom(), 2);
  EXPECT_DOUBLE_EQ(label.LabelHeadingSpace(), 1);
  EXPECT_DOUBLE_EQ(label.AddressSpace(), 1);
  EXPECT_EQ(label.ReturnAddressFormat(), ovReturnAddressNone);
  EXPECT_EQ(label.Address(), "");
  EXPECT_EQ(label.ReturnAddress(), "");
  EXPECT_EQ(label.LabelHeading(), "");
  EXPECT_EQ(label.AddressChanged(), host::kFalse);
}

TEST(AddressLabelStartValues, WidgetsAreStackedBackToFront) {
  AddressLabelHost host;
  std::vector<std::string> order = host.Site().StackingOrder();
  ASSERT_EQ(order.size(), 16u);
  EXPECT_EQ(order.front(), "Back");
  EXPECT_EQ(order.back(), "txtAddress");
}

TEST(AddressLabelStartValues, WidgetsCarryTheirFontsAndLook) {
  AddressLabelHost host;
  EXPECT_EQ(host.Box().GetFont().name, "Arial");
  EXPECT_FALSE(host.Box().GetFont().bold);
  EXPECT_EQ(host.Sender().GetFont().name, "Arial");
  EXPECT_FALSE(host.Sender().GetFont().bold);
  EXPECT_TRUE(host.Heading().GetFont().bold);
  EXPECT_EQ(host.Sender().BackColor(), host::kWhite);
  EXPECT_EQ(host.Heading().BackColor(), host::kWhite);
  EXPECT_TRUE(host.Back().Style().filled);
  EXPECT_FALSE(host.Back().Style().outlined);
  EXPECT_EQ(host.Back().Style().fill, host::kWhite);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(host.Border(i).BorderColor(), host::kBlack) << i;
    EXPECT_EQ(host.Border(i).BorderWidth(), 1) << i;
  }
}

TEST(AddressLabelStoresAsGiven, ZeroAndNegativeLengthsReadBackUnchanged) {
  AddressLabelHost host;
  AddressLabel& label = host.Label();
  label.SetLabelWidth(-12.5);
  EXPECT_DOUBLE_EQ(label.LabelWidth(), -12.5);
  label.SetLabelWidth(0);
  EXPECT_DOUBLE_EQ(label.LabelWidth(), 0);
  label.SetLabelBorderLeft(500);
  EXPECT_DOUBLE_EQ(label.LabelBorderLeft(), 500);
  label.SetAddressSpace(-3);
  EXPECT_DOUBLE_EQ(label.AddressSpace(), -3);
}

TEST(AddressLabelStoresAsGiven, NonFiniteLengthsReadBackUnchanged) {
  AddressLabelHost host;
  AddressLabel& label = host.Label();
  label.SetLabelHeight(std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isinf(label.LabelHeight()));
  label.SetLabelWidth(std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(std::isnan(label.LabelWidth()));
}

TEST(AddressLabelStoresAsGiven, FormatCodeOutsideTheEnumerationReadsBack) {
  AddressLabelHost host;
  host.Label().SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(5));
  EXPECT_EQ(host.Label().ReturnAddressFormat(), 5);
  host.Label().SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(-1));
  EXPECT_EQ(host.Label().ReturnAddressFormat(), -1);
}

TEST(AddressLabelTexts, AddressIsTheTextOfTheBox) {
  AddressLabelHost host;
  host.Label().SetAddress("Frau\r\nErika Müller\r\nHauptstraße 1\r\n12345 Köln");
  EXPECT_EQ(host.Box().Text(), "Frau\r\nErika Müller\r\nHauptstraße 1\r\n12345 Köln");
  host.Site().Type(host.Box(), "Herrn\r\nMax Meier");
  EXPECT_EQ(host.Label().Address(), "Herrn\r\nMax Meier");
}

TEST(AddressLabelTexts, CaptionsShowTheTextsUntrimmed) {
  AddressLabelHost host;
  host.Label().SetReturnAddress("  A. Absender, Weg 2, 54321 Ort ");
  host.Label().SetLabelHeading("   ");
  EXPECT_EQ(host.Sender().Caption(), "  A. Absender, Weg 2, 54321 Ort ");
  EXPECT_EQ(host.Heading().Caption(), "   ");
  EXPECT_EQ(host.Label().LabelHeading(), "   ");
}

TEST(AddressLabelTexts, SettingAValueLaysTheControlOutAgain) {
  AddressLabelHost host;
  host.Label().SetReturnAddressFormat(ovReturnAddressSingleLine);
  EXPECT_TRUE(host.Sender().Visible());
  // The control was resized behind the layout's back; setting an unchanged value lays out anew.
  host.Sender().SetHeight(1);
  host.Label().SetLabelWidth(host.Label().LabelWidth());
  EXPECT_NEAR(host.Sender().Height(), 4 * kK, 0.01);
}

TEST(AddressLabelLifetime, TheContainerForgetsTheControlWhenItGoes) {
  AddressLabelHost host;
  host.DestroyLabel();
  host::headless::MemoryPropertyBag bag;
  host.Site().Resize(1000, 1000);
  host.Site().WriteProperties(bag);
  EXPECT_TRUE(bag.Values().empty());
}

TEST(AddressLabelRegistration, FactoryCreatesTheControlInAContainer) {
  host::ClassFactory factory;
  RegisterAddressLabel(factory);
  EXPECT_TRUE(factory.IsRegistered("Orvano.AddressLabel"));
  host::headless::HeadlessPlatform platform;
  host::headless::HeadlessContainer site(platform, host::ScaleMode::Pixels, 400, 200);
  auto label = factory.CreateAs<AddressLabel>("Orvano.AddressLabel", &site);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(site.GetScaleMode(), host::ScaleMode::Twips);
  EXPECT_NE(site.Find("txtAddress"), nullptr);
}

TEST(AddressLabelRegistration, FactoryNeedsAContainer) {
  host::ClassFactory factory;
  RegisterAddressLabel(factory);
  try {
    factory.Create("Orvano.AddressLabel");
    FAIL() << "created without a container";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
  }
}

}  // namespace
}  // namespace orvano::testing
