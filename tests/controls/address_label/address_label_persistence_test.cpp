// The property bag: twelve keys in a fixed order, defaults left out, each key on its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "address_label_fixture.h"

namespace orvano::testing {
namespace {

using host::headless::MemoryPropertyBag;

const std::vector<std::string> kKeys = {
    "LabelWidth",       "LabelHeight",       "LabelBorderLeft", "LabelBorderTop",
    "LabelBorderRight", "LabelBorderBottom", "Address",         "ReturnAddress",
    "LabelHeading",     "LabelHeadingSpace", "AddressSpace",    "ReturnAddressFormat"};

TEST(AddressLabelBag, NewControlStoresNothingAndReadsAllTwelveKeys) {
  AddressLabelHost host;
  MemoryPropertyBag bag;
  host.Site().WriteProperties(bag);
  EXPECT_TRUE(bag.Values().empty());
  host.Site().ReadProperties(bag);
  EXPECT_EQ(bag.ReadOrder(), kKeys);
}

TEST(AddressLabelBag, SaveAndLoadGiveBackEveryValueInKeyOrder) {
  AddressLabelHost saved;
  AddressLabel& s = saved.Label();
  s.SetLabelWidth(63.5);
  s.SetLabelHeight(-38.1);
  s.SetLabelBorderLeft(3);
  s.SetLabelBorderTop(0);
  s.SetLabelBorderRight(5);
  s.SetLabelBorderBottom(1.25);
  s.SetAddress("Frau\r\nErika Müller\r\n  Hauptstraße 1 ");
  s.SetReturnAddress(" A. Absender · Weg 2 ");
  s.SetLabelHeading("  ");
  s.SetLabelHeadingSpace(1.5);
  s.SetAddressSpace(0.5);
  s.SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(5));
  MemoryPropertyBag bag;
  saved.Site().WriteProperties(bag);
  EXPECT_EQ(bag.WriteOrder(), kKeys);

  AddressLabelHost loaded;
  loaded.Site().ReadProperties(bag);
  AddressLabel& l = loaded.Label();
  EXPECT_EQ(std::vector<double>({l.LabelWidth(), l.LabelHeight(), l.LabelBorderLeft(),
                                 l.LabelBorderTop(), l.LabelBorderRight(), l.LabelBorderBottom(),
                                 l.LabelHeadingSpace(), l.AddressSpace()}),
            std::vector<double>({63.5, -38.1, 3, 0, 5, 1.25, 1.5, 0.5}));
  EXPECT_EQ(l.Address(), "Frau\r\nErika Müller\r\n  Hauptstraße 1 ");
  EXPECT_EQ(l.ReturnAddress(), " A. Absender · Weg 2 ");
  EXPECT_EQ(l.LabelHeading(), "  ");
  EXPECT_EQ(l.ReturnAddressFormat(), 5);
  // A loaded address is a change like any other.
  EXPECT_EQ(l.AddressChanged(), host::kTrue);
}

TEST(AddressLabelBag, ValueThatDoesNotConvertKeepsTheOldOneOnly) {
  AddressLabelHost host;
  host.Label().SetLabelWidth(70);
  MemoryPropertyBag bag;
  bag.Set("LabelWidth", std::string("breit"));
  bag.Set("LabelHeight", 30.0);
  bag.Set("ReturnAddressFormat", std::string("zwei"));
  bag.Set("ReturnAddress", std::string("Absender"));
  host.Site().ReadProperties(bag);
  EXPECT_DOUBLE_EQ(host.Label().LabelWidth(), 70);
  EXPECT_DOUBLE_EQ(host.Label().LabelHeight(), 30);
  EXPECT_EQ(host.Label().ReturnAddressFormat(), ovReturnAddressNone);
  EXPECT_EQ(host.Sender().Caption(), "Absender");  // laid out after loading
}

}  // namespace
}  // namespace orvano::testing
