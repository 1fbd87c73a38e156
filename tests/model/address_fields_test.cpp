#include "orvano/model/address_fields.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orvano {
namespace {

LabelDef Label(double width, double height) {
  LabelDef def;
  def.SetLabelWidth(width);
  def.SetLabelHeight(height);
  return def;
}

// The layout that applies when none is stored, on an 88.9 x 46.56 mm label.
TEST(AddressFields, DefaultLayoutPlacesThreeFields) {
  LabelDef def = Label(88.9, 46.56);
  AddAddressFields(def, AddressFieldLayout{});
  FieldDefs& f = *def.Fields();
  ASSERT_EQ(f.Count(), 3);
  const FieldDef& sender = *f.Item(1);
  EXPECT_EQ(sender.FieldName(), "ReturnAddress");
  EXPECT_EQ(sender.FieldSource(), "ReturnAddress");
  EXPECT_DOUBLE_EQ(sender.FieldLeft(), 2);
  EXPECT_DOUBLE_EQ(sender.FieldTop(), 1);
  EXPECT_NEAR(sender.FieldWidth(), 84.9, 1e-12);
  EXPECT_EQ(sender.FontSize(), 7);
  EXPECT_NEAR(sender.FieldHeight(), 7.43889, 1e-5);
  EXPECT_EQ(sender.CanShrink(), host::kTrue);
  const FieldDef& heading = *f.Item(2);
  EXPECT_EQ(heading.FieldName(), "LabelHeading");
  EXPECT_NEAR(heading.FieldTop(), 8.43889, 1e-5);
  EXPECT_NEAR(heading.FieldHeight(), 4.92778, 1e-5);
  EXPECT_EQ(heading.FontBold(), host::kTrue);
  const FieldDef& address = *f.Item(3);
  EXPECT_EQ(address.FieldName(), "Address");
  EXPECT_NEAR(address.FieldTop(), 13.36667, 1e-5);
  EXPECT_NEAR(address.FieldHeight(), 32.19333, 1e-5);
  EXPECT_EQ(address.FontName(), "Arial");
  EXPECT_EQ(address.CanGrow(), host::kTrue);
  EXPECT_EQ(address.CanShrink(), host::kFalse);
}

TEST(AddressFields, FontSizeRulesOfSenderAndAddress) {
  for (const auto& [font, sender, main] : {std::tuple{6, 6, 6}, {12, 7, 12}, {0, 7, 10}}) {
    LabelDef def = Label(70, 37);
    AddressFieldLayout layout;
    layout.FontSize = font;
    AddAddressFields(def, layout);
    EXPECT_EQ(def.Fields()->Item("ReturnAddress")->FontSize(), sender) << font;
    EXPECT_EQ(def.Fields()->Item("LabelHeading")->FontSize(), main) << font;
    EXPECT_EQ(def.Fields()->Item("Address")->FontSize(), main) << font;
  }
}

}  // namespace
}  // namespace orvano
