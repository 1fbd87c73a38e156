// The property bag: twelve keys in a fixed order, defaults left out, each key on its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "address_label_fixture.h"

namespace orvano::testing {
namespace {

using host::headless::MemoryPropertyBag;

const std::vector<std::string> kKeys = {
    "LabelWidth",    "LabelHeight",  "LabelBorderLeft", "LabelBorderTop",
    "LabelBorderRight", "LabelBorderBottom", "Address", "ReturnAddress",
    "LabelHeading",  "LabelHeadingSpace", "AddressSpace", "ReturnAddressFormat"};

TEST(AddressLabelSave, NewControlStoresNothing) {
  AddressLabelHost host;
  MemoryPropertyBag bag;
  host.Site().WriteProperties(bag);
  EXPECT_TRUE(bag.Values().empty());
}

TEST(AddressLabelSave, ChangedValuesAreWrittenInKeyOrder) {
  AddressLabelHost host;
  AddressLabel& label = host.Label();
  label.SetLabelWidth(70);
  label.SetLabelHeight(36);
  label.SetLabelBorderLeft(3);
  label.SetLabelBorderTop(4);
  label.SetLabelBorderRight(5);
  label.SetLabelBorderBottom(6);
  label.SetAddress("Erika");
  label.SetReturnAddress("Absender");
  label.SetLabelHeading("Einschreiben");
  label.SetLabelHeadingSpace(1.5);
  label.SetAddressSpace(2.5);
  label.SetReturnAddressFormat(ovReturnAddressDoubleLine);
  MemoryPropertyBag bag;
  host.Site().WriteProperties(bag);
  EXPECT_EQ(bag.WriteOrder(), kKeys);
}

TEST(AddressLabelSave, SaveAndLoadGiveBackEveryValue) {
  AddressLabelHost saved;
  saved.Label().SetLabelWidth(63.5);
  saved.Label().SetLabelHeight(-38.1);
  saved.Label().SetLabelBorderTop(0);
  saved.Label().SetLabelBorderBottom(1.25);
  saved.Label().SetAddress("Frau\r\nErika Müller\r\n  Hauptstraße 1 ");
  saved.Label().SetReturnAddress(" A. Absender · Weg 2 ");
  saved.Label().SetLabelHeading("  ");
  saved.Label().SetAddressSpace(0.5);
  saved.Label().SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(5));
  MemoryPropertyBag bag;
  saved.Site().WriteProperties(bag);

  AddressLabelHost loaded;
  loaded.Site().ReadProperties(bag);
  AddressLabel& label = loaded.Label();
  EXPECT_DOUBLE_EQ(label.LabelWidth(), 63.5);
  EXPECT_DOUBLE_EQ(label.LabelHeight(), -38.1);
  EXPECT_DOUBLE_EQ(label.LabelBorderTop(), 0);
  EXPECT_DOUBLE_EQ(label.LabelBorderBottom(), 1.25);
  EXPECT_DOUBLE_EQ(label.LabelBorderLeft(), 2);
  EXPECT_EQ(label.Address(), "Frau\r\nErika Müller\r\n  Hauptstraße 1 ");
  EXPECT_EQ(label.ReturnAddress(), " A. Absender · Weg 2 ");
  EXPECT_EQ(label.LabelHeading(), "  ");
  EXPECT_DOUBLE_EQ(label.AddressSpace(), 0.5);
  EXPECT_DOUBLE_EQ(label.LabelHeadingSpace(), 1);
  EXPECT_EQ(label.ReturnAddressFormat(), 5);
}

TEST(AddressLabelLoad, ReadsTheTwelveKeysInOrder) {
  AddressLabelHost host;
  MemoryPropertyBag bag;
  host.Site().ReadProperties(bag);
  EXPECT_EQ(bag.ReadOrder(), kKeys);
}

TEST(AddressLabelLoad, AValueThatDoesNotConvertKeepsTheOldOneOnly) {
  AddressLabelHost host;
  host.Label().SetLabelWidth(70);
  MemoryPropertyBag bag;
  bag.Set("LabelWidth", std::string("breit"));
  bag.Set("LabelHeight", 30.0);
  bag.Set("ReturnAddressFormat", std::string("zwei"));
  bag.Set("AddressSpace", 3.0);
  host.Site().ReadProperties(bag);
  EXPECT_DOUBLE_EQ(host.Label().LabelWidth(), 70);
  EXPECT_DOUBLE_EQ(host.Label().LabelHeight(), 30);
  EXPECT_EQ(host.Label().ReturnAddressFormat(), ovReturnAddressNone);
  EXPECT_DOUBLE_EQ(host.Label().AddressSpace(), 3);
}

TEST(AddressLabelLoad, LaysOutWithTheLoadedValues) {
  AddressLabelHost host;
  MemoryPropertyBag bag;
  bag.Set("ReturnAddress", std::string("Absender"));
  bag.Set("ReturnAddressFormat", std::int32_t{1});
  host.Site().ReadProperties(bag);
  EXPECT_EQ(host.Sender().Caption(), "Absender");
  EXPECT_TRUE(host.Sender().Visible());
  EXPECT_NEAR(host.Sender().Height(), 4 * kK, 0.01);
}

}  // namespace
}  // namespace orvano::testing
