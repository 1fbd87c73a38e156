#include "orvano/model/model_classes.h"

#include <gtest/gtest.h>

#include "orvano/model/field_def.h"
#include "orvano/model/field_defs.h"
#include "orvano/model/label_def.h"

namespace orvano {
namespace {

class ModelClasses : public ::testing::Test {
 protected:
  void SetUp() override { RegisterModelClasses(factory_); }
  host::ClassFactory factory_;
};

TEST_F(ModelClasses, EachNameCreatesItsClassWithoutAContainer) {
  auto def = factory_.CreateAs<LabelDef>("Orvano.LabelDef");
  ASSERT_NE(def, nullptr);
  ASSERT_NE(def->Fields(), nullptr);
  EXPECT_NE(factory_.CreateAs<FieldDefs>("Orvano.FieldDefs"), nullptr);
  EXPECT_NE(factory_.CreateAs<FieldDef>("Orvano.FieldDef"), nullptr);
}

TEST_F(ModelClasses, HostCreatedPartsWorkTogether) {
  auto def = factory_.CreateAs<LabelDef>("Orvano.LabelDef");
  auto fields = factory_.CreateAs<FieldDefs>("Orvano.FieldDefs");
  fields->Add(ovFieldTypeCaption, "Heading")->SetFontBold(host::kTrue);
  def->SetFields(fields);
  EXPECT_EQ(def->Fields()->Item("heading")->FontBold(), host::kTrue);
}

}  // namespace
}  // namespace orvano
