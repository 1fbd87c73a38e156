#include "orvano/model/field_defs.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "orvano/host/error.h"

namespace orvano {
namespace {

host::ErrorKind KindOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const host::Error& e) {
    return e.Kind();
  }
  ADD_FAILURE() << "no error raised";
  return host::ErrorKind::InvalidProcedureCall;
}

std::vector<std::string> Names(const FieldDefs& fields) {
  std::vector<std::string> names;
  for (const auto& field : fields) names.push_back(field->FieldName());
  return names;
}

class FieldDefsAB : public ::testing::Test {
 protected:
  void SetUp() override {
    a_ = fields_.Add(ovFieldTypeDataField, "A", "Name");
    b_ = fields_.Add(ovFieldTypeDataField, "B", "Street");
  }
  FieldDefs fields_;
  std::shared_ptr<FieldDef> a_;
  std::shared_ptr<FieldDef> b_;
};

TEST_F(FieldDefsAB, ItemByPositionKeyOrVariantNullWithoutMatch) {
  EXPECT_EQ(fields_.Item(1), a_);
  EXPECT_EQ(fields_.Item(2), b_);
  EXPECT_EQ(fields_.Item("b"), b_);
  EXPECT_EQ(fields_.Item(host::Variant(std::int32_t{2})), b_);
  EXPECT_EQ(fields_.Item(host::Variant(1.0)), a_);
  EXPECT_EQ(fields_.Item(host::Variant("a")), a_);
  for (std::int32_t n : {3, 0, -1}) EXPECT_EQ(fields_.Item(n), nullptr) << n;
  for (const char* key : {"C", ""}) EXPECT_EQ(fields_.Item(key), nullptr) << key;
  // A text that looks like a number is still a key.
  for (const host::Variant& v : {host::Variant("2"), host::Variant(), host::Variant(1e12)})
    EXPECT_EQ(fields_.Item(v), nullptr) << v.ToString();
}

TEST_F(FieldDefsAB, DuplicateNameFailsAndLeavesTheCollectionAlone) {
  EXPECT_EQ(KindOf([&] { fields_.Add(ovFieldTypeCaption, "a"); }), host::ErrorKind::DuplicateKey);
  EXPECT_EQ(fields_.Count(), 2);
  EXPECT_EQ(fields_.Item("A"), a_);
  EXPECT_EQ(fields_.Item("A")->FieldType(), ovFieldTypeDataField);
}

TEST_F(FieldDefsAB, RemoveMissingPositionOrKeyIsAnError) {
  EXPECT_EQ(KindOf([&] { fields_.Remove(3); }), host::ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(KindOf([&] { fields_.Remove(0); }), host::ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(KindOf([&] { fields_.Remove("C"); }), host::ErrorKind::InvalidProcedureCall);
  EXPECT_EQ(fields_.Count(), 2);
}

TEST_F(FieldDefsAB, RemoveByKeyClosesTheGap) {
  fields_.Add(ovFieldTypeDataField, "C");
  fields_.Remove("b");
  EXPECT_EQ(Names(fields_), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(fields_.Item(2)->FieldName(), "C");
  EXPECT_EQ(fields_.Item("c"), fields_.Item(2));
  // The name is free again.
  EXPECT_NO_THROW(fields_.Add(ovFieldTypeDataField, "B"));
}

TEST_F(FieldDefsAB, RemoveByVariantPositionAndRemoveAll) {
  fields_.Remove(host::Variant(std::int32_t{1}));
  EXPECT_EQ(Names(fields_), std::vector<std::string>{"B"});
  fields_.RemoveAll();
  EXPECT_EQ(fields_.Count(), 0);
  fields_.RemoveAll();  // on an empty collection too
  EXPECT_EQ(fields_.Item(1), nullptr);
  // Removed fields stay usable by whoever still holds them.
  EXPECT_EQ(a_->FieldSource(), "Name");
}

TEST(FieldDefsEnumeration, VisitsInTheOrderOfAdding) {
  FieldDefs fields;
  for (const char* name : {"ReturnAddress", "LabelHeading", "Address", "Zusatz"})
    fields.Add(ovFieldTypeDataField, name);
  const std::vector<std::string> expected{"ReturnAddress", "LabelHeading", "Address", "Zusatz"};
  EXPECT_EQ(Names(fields), expected);

  std::vector<std::string> snapshot;
  for (const auto& field : fields.NewEnum()) {
    snapshot.push_back(field->FieldName());
    fields.RemoveAll();  // changing the collection does not disturb a running enumeration
  }
  EXPECT_EQ(snapshot, expected);
}

TEST(FieldDefsAdd, CaptionWithoutSourceHasCreationValues) {
  FieldDefs fields;
  auto field = fields.Add(ovFieldTypeCaption, "Absender");
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(field->FieldType(), ovFieldTypeCaption);
  EXPECT_EQ(field->FieldName(), "Absender");
  EXPECT_EQ(field->FieldSource(), "");
  EXPECT_EQ(field->FontName(), "");
  EXPECT_EQ((std::vector<double>{field->FieldLeft(), field->FieldTop(), field->FieldWidth(),
                                 field->FieldHeight(), double(field->FontSize()),
                                 double(field->FontBold()), double(field->FontItalic()),
                                 double(field->FontUnderline()), double(field->TextAlign()),
                                 double(field->CanShrink()), double(field->CanGrow())}),
            (std::vector<double>{0, 0, 0, 0, 0, host::kFalse, host::kFalse, host::kFalse,
                                 ovTextAlignDefault, host::kFalse, host::kFalse}));
}

TEST(FieldDefFlags, AnyTrueValueReadsBackAsMinusOne) {
  FieldDef field;
  field.SetFontBold(1);
  field.SetFontItalic(host::kTrue);
  field.SetCanGrow(7);
  EXPECT_EQ((std::vector<host::Flag>{field.FontBold(), field.FontItalic(), field.CanGrow()}),
            std::vector<host::Flag>(3, host::kTrue));
  field.SetFontBold(host::kFalse);
  EXPECT_EQ(field.FontBold(), host::kFalse);
}

}  // namespace
}  // namespace orvano
