// What AddressLabel keeps: its start values, every value exactly as given, and its widgets.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "address_label_fixture.h"
#include "orvano/host/error.h"
#include "orvano/host/factory.h"

namespace orvano::testing {
namespace {

TEST(AddressLabelState, NewControlHasTheStartValues) {
  AddressLabelHost host;
  AddressLabel& l = host.Label();
  EXPECT_EQ(std::vector<double>({l.LabelWidth(), l.LabelHeight(), l.LabelBorderLeft(),
                                 l.LabelBorderTop(), l.LabelBorderRight(), l.LabelBorderBottom(),
                                 l.LabelHeadingSpace(), l.AddressSpace()}),
            std::vector<double>({88.9, 46.56, 2, 2, 2, 2, 1, 1}));
  EXPECT_EQ(l.ReturnAddressFormat(), ovReturnAddressNone);
  EXPECT_EQ(l.Address() + l.ReturnAddress() + l.LabelHeading(), "");
  EXPECT_EQ(l.AddressChanged(), host::kFalse);
  // The white label area lies at the back, the address box in front.
  EXPECT_EQ(host.Site().StackingOrder().front(), "Back");
  EXPECT_EQ(host.Site().StackingOrder().back(), "txtAddress");
}

TEST(AddressLabelState, ValuesAreStoredAsGiven) {
  AddressLabelHost host;
  AddressLabel& l = host.Label();
  l.SetLabelWidth(-12.5);
  l.SetLabelHeight(std::numeric_limits<double>::quiet_NaN());
  l.SetLabelBorderLeft(500);
  l.SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(5));
  l.SetLabelHeading("   ");
  l.SetReturnAddress("  A. Absender, Weg 2 ");
  EXPECT_DOUBLE_EQ(l.LabelWidth(), -12.5);
  EXPECT_TRUE(std::isnan(l.LabelHeight()));
  EXPECT_DOUBLE_EQ(l.LabelBorderLeft(), 500);
  EXPECT_EQ(l.ReturnAddressFormat(), 5);
  // Captions show the texts untrimmed, even a heading that the layout treats as none.
  EXPECT_EQ(host.Heading().Caption(), "   ");
  EXPECT_EQ(host.Sender().Caption(), "  A. Absender, Weg 2 ");
}

TEST(AddressLabelState, ContainerForgetsTheControlWhenItGoes) {
  AddressLabelHost host;
  host.DestroyLabel();
  host::headless::MemoryPropertyBag bag;
  host.Site().Resize(1000, 1000);
  host.Site().WriteProperties(bag);
  EXPECT_TRUE(bag.Values().empty());
}

TEST(AddressLabelRegistration, FactoryCreatesItOnlyInAContainer) {
  host::ClassFactory factory;
  RegisterAddressLabel(factory);
  host::headless::HeadlessPlatform platform;
  host::headless::HeadlessContainer site(platform, host::ScaleMode::Pixels, 400, 200);
  EXPECT_NE(factory.CreateAs<AddressLabel>("Orvano.AddressLabel", &site), nullptr);
  EXPECT_EQ(site.GetScaleMode(), host::ScaleMode::Twips);
  try {
    factory.Create("Orvano.AddressLabel");
    ADD_FAILURE() << "created without a container";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
  }
}

}  // namespace
}  // namespace orvano::testing
