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
  EXPECT_EQ(f.Item(1)->FieldSource(), "ReturnAddress");
  EXPECT_EQ(f.Item(1)->CanShrink(), host::kTrue);
  EXPECT_EQ(f.Item(2)->FontBold(), host::kTrue);
  EXPECT_EQ(f.Item(3)->FontName(), "Arial");
  EXPECT_EQ(f.Item(3)->CanGrow(), host::kTrue);
  EXPECT_EQ(f.Item(3)->CanShrink(), host::kFalse);
  struct Place {
    const char* name;
    double left, top, width, height;
    int points;
  };
  const Place places[] = {{"ReturnAddress", 2, 1, 84.9, 7.43889, 7},
                          {"LabelHeading", 2, 8.43889, 84.9, 4.92778, 10},
                          {"Address", 2, 13.36667, 84.9, 32.19333, 10}};
  for (int i = 0; i < 3; ++i) {
    const Place& p = places[i];
    const FieldDef& field = *f.Item(i + 1);
    EXPECT_EQ(field.FieldName(), p.name);
    EXPECT_NEAR(field.FieldLeft(), p.left, 1e-12) << p.name;
    EXPECT_NEAR(field.FieldTop(), p.top, 1e-5) << p.name;
    EXPECT_NEAR(field.FieldWidth(), p.width, 1e-12) << p.name;
    EXPECT_NEAR(field.FieldHeight(), p.height, 1e-5) << p.name;
    EXPECT_EQ(field.FontSize(), p.points) << p.name;
  }
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
