// The model: LabelDef, its page size and line heights, the address fields placed on it, and the
// field collection.
#include "orvano/model/label_def.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/model/address_fields.h"
#include "orvano/model/field_defs.h"
#include "orvano/model/page_format.h"

namespace orvano {
namespace {

host::ErrorKind KindOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const host::Error& e) {
    return e.Kind();
  }
  return host::ErrorKind::Overflow;  // none raised
}

TEST(PageSize, A4AndA5InBothOrientationsOtherCodesLeaveTheOutputsAlone) {
  const struct {
    std::int32_t format, landscape;
    double width, height;  // from 200 x 250
  } cases[] = {{ovPageFormatA4, 0, 210, 297},
               {ovPageFormatA4, -1, 297, 210},
               {ovPageFormatA5, 7, 210, 148.5},
               {8, 0, 200, 250},
               {10, 0, 200, 250}};
  for (const auto& c : cases) {
    double width = 200, height = 250;
    GetPageSize(c.format, c.landscape, width, height);
    EXPECT_EQ(std::pair(width, height), std::pair(c.width, c.height))
        << c.format << " / " << c.landscape;
  }
}

TEST(LineHeight, KnownSizesTheExactDoublesOfItsStepsAndZeroPoints) {
  EXPECT_NEAR(LineHeightFromFontSize(72), 29.9, 1e-12);
  // The four steps in their order. 12 * 25.4 / 72 would end in ...325, and adding the leading
  // and the 5 % in one sum would end 10 pt in ...777: placed fields would drift by a bit.
  EXPECT_EQ(LineHeightFromFontSize(12), 5.733333333333334);
  EXPECT_EQ(LineHeightFromFontSize(10), 4.927777777777778);
  EXPECT_EQ(LineHeightFromFontSize(3), 2.1083333333333334);
  EXPECT_EQ(KindOf([] { LineHeightFromFontSize(0); }), host::ErrorKind::DivisionByZero);
}

TEST(LabelDef, StartsEmptySizesThePageStoresLandscapeAsOneAndRefusesNullFields) {
  LabelDef def;
  EXPECT_EQ(def.Fields()->Count(), 0);
  def.SetLandscape(host::kTrue);
  EXPECT_EQ(def.PageWidth(), 0);  // no format yet, nothing to size
  def.SetPageFormat(ovPageFormatA5);
  EXPECT_EQ(std::pair(def.PageWidth(), def.PageHeight()), std::pair(210.0, 148.5));
  def.SetPageWidth(100);  // another format keeps the size the host set
  def.SetPageHeight(160);
  def.SetPageFormat(3);
  def.SetLandscape(host::kFalse);
  EXPECT_EQ(std::pair(def.PageWidth(), def.PageHeight()), std::pair(100.0, 160.0));
  def.SetLandscape(7);
  EXPECT_EQ(std::pair(def.Landscape(), def.LandscapeFlag()), std::pair(host::kTrue, 1));
  def.SetLandscape(host::kFalse);
  EXPECT_EQ(def.LandscapeFlag(), 0);
  auto mine = std::make_shared<FieldDefs>();
  def.SetFields(mine);
  EXPECT_EQ(def.Fields(), mine);
  EXPECT_EQ(KindOf([&] { def.SetFields(nullptr); }), host::ErrorKind::ObjectRequired);
  EXPECT_EQ(def.Fields(), mine);
}

LabelDef Label(double width, double height, std::int32_t fontSize = 0) {
  LabelDef def;
  def.SetLabelWidth(width);
  def.SetLabelHeight(height);
  AddressFieldLayout layout;
  layout.FontSize = fontSize;
  AddAddressFields(def, layout);
  return def;
}

// The layout that applies when none is stored, on an 88.9 x 46.56 mm label: name, place to five
// decimals and points of each field.
TEST(AddressFields, DefaultLayoutPlacesThreeFields) {
  LabelDef def = Label(88.9, 46.56, AddressFieldLayout{}.FontSize);
  FieldDefs& f = *def.Fields();
  ASSERT_EQ(f.Count(), 3);
  EXPECT_EQ(f.Item(2)->FontBold(), host::kTrue);
  const auto r = [](double v) { return std::round(v * 1e5) / 1e5; };
  std::vector<std::tuple<std::string, double, double, double, double, int>> places;
  for (const auto& field : f)
    places.emplace_back(field->FieldName(), r(field->FieldLeft()), r(field->FieldTop()),
                        r(field->FieldWidth()), r(field->FieldHeight()), field->FontSize());
  EXPECT_EQ(places, (decltype(places){{"ReturnAddress", 2, 1, 84.9, 7.43889, 7},
                                      {"LabelHeading", 2, 8.43889, 84.9, 4.92778, 10},
                                      {"Address", 2, 13.36667, 84.9, 32.19333, 10}}));
}

TEST(AddressFields, FontSizeRulesOfSenderAndAddress) {
  for (const auto& [font, sender, main] : {std::tuple{6, 6, 6}, {12, 7, 12}, {0, 7, 10}}) {
    LabelDef def = Label(70, 37, font);
    EXPECT_EQ((std::vector<std::int32_t>{def.Fields()->Item("ReturnAddress")->FontSize(),
                                         def.Fields()->Item("LabelHeading")->FontSize(),
                                         def.Fields()->Item("Address")->FontSize()}),
              (std::vector<std::int32_t>{sender, main, main}))
        << font;
  }
}

std::vector<std::string> Names(const FieldDefs& fields) {
  std::vector<std::string> names;
  for (const auto& field : fields) names.push_back(field->FieldName());
  return names;
}

TEST(FieldDefs, ItemAddAndRemoveByPositionOrKeyAndFailuresChangeNothing) {
  FieldDefs fields;
  const auto a = fields.Add(ovFieldTypeDataField, "A", "Name");
  const auto b = fields.Add(ovFieldTypeDataField, "B", "Street");
  // A text that looks like a number is still a key.
  const std::pair<host::Variant, std::shared_ptr<FieldDef>> cases[] = {
      {std::int32_t{2}, b},  {"b", b},  {1.0, a}, {std::int32_t{3}, {}},
      {std::int32_t{0}, {}}, {"2", {}}, {{}, {}}};
  for (const auto& [key, field] : cases) EXPECT_EQ(fields.Item(key), field) << key.ToString();
  EXPECT_EQ(KindOf([&] { fields.Add(ovFieldTypeCaption, "a"); }), host::ErrorKind::DuplicateKey);
  EXPECT_EQ(KindOf([&] { fields.Remove(3); }), host::ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(KindOf([&] { fields.Remove("C"); }), host::ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(Names(fields), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(fields.Item("A")->FieldType(), ovFieldTypeDataField);
  fields.Add(ovFieldTypeDataField, "C");
  fields.Remove("b");
  EXPECT_EQ(fields.Item("c"), fields.Item(2));  // the gap closed
  EXPECT_NO_THROW(fields.Add(ovFieldTypeDataField, "B"));
  fields.Remove(host::Variant(std::int32_t{1}));
  EXPECT_EQ(Names(fields), (std::vector<std::string>{"C", "B"}));
  std::vector<std::string> snapshot;  // the order of adding, undisturbed by changes
  for (const auto& field : fields.NewEnum()) {
    snapshot.push_back(field->FieldName());
    fields.RemoveAll();
  }
  EXPECT_EQ(snapshot, (std::vector<std::string>{"C", "B"}));
  EXPECT_EQ(fields.Item(1), nullptr);
  EXPECT_EQ(a->FieldSource(), "Name");  // still usable by whoever holds it
}

}  // namespace
}  // namespace orvano
