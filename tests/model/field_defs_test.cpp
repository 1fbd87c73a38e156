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

TEST_F(FieldDefsAB, ItemByPositionAndByKeyGiveTheSameObject) {
  EXPECT_EQ(fields_.Item(2), b_);
  EXPECT_EQ(fields_.Item("b"), b_);
  EXPECT_EQ(fields_.Item(std::string("B")), b_);
  EXPECT_EQ(fields_.Item(1), a_);
}

TEST_F(FieldDefsAB, ItemWithoutMatchIsNullAndNoError) {
  EXPECT_EQ(fields_.Item(3), nullptr);
  EXPECT_EQ(fields_.Item(0), nullptr);
  EXPECT_EQ(fields_.Item(-1), nullptr);
  EXPECT_EQ(fields_.Item("C"), nullptr);
  EXPECT_EQ(fields_.Item(""), nullptr);
}

TEST_F(FieldDefsAB, ItemByVariantNumberOrText) {
  EXPECT_EQ(fields_.Item(host::Variant(std::int32_t{2})), b_);
  EXPECT_EQ(fields_.Item(host::Variant(1.0)), a_);
  EXPECT_EQ(fields_.Item(host::Variant("a")), a_);
  // A text that looks like a number is still a key.
  EXPECT_EQ(fields_.Item(host::Variant("2")), nullptr);
  EXPECT_EQ(fields_.Item(host::Variant()), nullptr);
  EXPECT_EQ(fields_.Item(host::Variant(1e12)), nullptr);
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

TEST_F(FieldDefsAB, RemoveByVariantPosition) {
  fields_.Remove(host::Variant(std::int32_t{1}));
  EXPECT_EQ(Names(fields_), std::vector<std::string>{"B"});
}

TEST_F(FieldDefsAB, RemoveAllEmptiesIt) {
  fields_.RemoveAll();
  EXPECT_EQ(fields_.Count(), 0);
  EXPECT_EQ(fields_.Item(1), nullptr);
  // Removed fields stay usable by whoever still holds them.
  EXPECT_EQ(a_->FieldSource(), "Name");
}

TEST(FieldDefsEmpty, RemoveAllReturnsAtOnce) {
  FieldDefs fields;
  fields.RemoveAll();
  EXPECT_EQ(fields.Count(), 0);
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
  EXPECT_EQ(field->FieldLeft(), 0);
  EXPECT_EQ(field->FieldTop(), 0);
  EXPECT_EQ(field->FieldWidth(), 0);
  EXPECT_EQ(field->FieldHeight(), 0);
  EXPECT_EQ(field->FontName(), "");
  EXPECT_EQ(field->FontSize(), 0);
  EXPECT_EQ(field->FontBold(), host::kFalse);
  EXPECT_EQ(field->FontItalic(), host::kFalse);
  EXPECT_EQ(field->FontUnderline(), host::kFalse);
  EXPECT_EQ(field->TextAlign(), ovTextAlignDefault);
  EXPECT_EQ(field->CanShrink(), host::kFalse);
  EXPECT_EQ(field->CanGrow(), host::kFalse);
}

TEST(FieldDefFlags, AnyTrueValueReadsBackAsMinusOne) {
  FieldDef field;
  field.SetFontBold(1);
  field.SetFontItalic(host::kTrue);
  field.SetCanGrow(7);
  EXPECT_EQ(field.FontBold(), host::kTrue);
  EXPECT_EQ(field.FontItalic(), host::kTrue);
  EXPECT_EQ(field.CanGrow(), host::kTrue);
  field.SetFontBold(host::kFalse);
  EXPECT_EQ(field.FontBold(), host::kFalse);
}

}  // namespace
}  // namespace orvano
