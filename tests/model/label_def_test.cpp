#include "orvano/model/label_def.h"

#include <gtest/gtest.h>

#include "orvano/host/error.h"

namespace orvano {
namespace {

TEST(LabelDefNew, StartsEmptyWithAnEmptyFieldCollection) {
  LabelDef def;
  EXPECT_EQ(def.PageFormat(), 0);
  EXPECT_EQ(def.Landscape(), host::kFalse);
  EXPECT_EQ(def.PageWidth(), 0);
  EXPECT_EQ(def.PageHeight(), 0);
  ASSERT_NE(def.Fields(), nullptr);
  EXPECT_EQ(def.Fields()->Count(), 0);
}

TEST(LabelDefPageSize, A5LandscapeInEitherOrder) {
  LabelDef formatFirst;
  formatFirst.SetPageFormat(ovPageFormatA5);
  formatFirst.SetLandscape(host::kTrue);
  EXPECT_EQ(formatFirst.PageWidth(), 210);
  EXPECT_EQ(formatFirst.PageHeight(), 148.5);

  LabelDef landscapeFirst;
  landscapeFirst.SetLandscape(host::kTrue);
  EXPECT_EQ(landscapeFirst.PageWidth(), 0);  // no format yet, nothing to size
  landscapeFirst.SetPageFormat(ovPageFormatA5);
  EXPECT_EQ(landscapeFirst.PageWidth(), 210);
  EXPECT_EQ(landscapeFirst.PageHeight(), 148.5);
}

TEST(LabelDefPageSize, BackToPortraitSwapsAgain) {
  LabelDef def;
  def.SetPageFormat(ovPageFormatA4);
  def.SetLandscape(host::kTrue);
  def.SetLandscape(host::kFalse);
  EXPECT_EQ(def.PageWidth(), 210);
  EXPECT_EQ(def.PageHeight(), 297);
}

TEST(LabelDefPageSize, OtherFormatKeepsTheSizeTheHostSet) {
  LabelDef def;
  def.SetPageWidth(100);
  def.SetPageHeight(160);
  def.SetPageFormat(3);
  EXPECT_EQ(def.PageFormat(), 3);
  EXPECT_EQ(def.PageWidth(), 100);
  EXPECT_EQ(def.PageHeight(), 160);
  def.SetLandscape(host::kTrue);
  EXPECT_EQ(def.PageWidth(), 100);
}

TEST(LabelDefLandscape, StoresOneForAnyTrueValue) {
  for (host::Flag given : {host::kTrue, host::Flag{1}, host::Flag{7}}) {
    SCOPED_TRACE(given);
    LabelDef def;
    def.SetLandscape(given);
    EXPECT_EQ(def.Landscape(), host::kTrue);
    EXPECT_EQ(def.LandscapeFlag(), 1);
  }
  LabelDef def;
  def.SetLandscape(host::kTrue);
  def.SetLandscape(host::kFalse);
  EXPECT_EQ(def.Landscape(), host::kFalse);
  EXPECT_EQ(def.LandscapeFlag(), 0);
}

TEST(LabelDefFields, ReplacingTheCollectionHoldsTheNewOne) {
  LabelDef def;
  auto mine = std::make_shared<FieldDefs>();
  mine->Add(ovFieldTypeCaption, "Heading");
  def.SetFields(mine);
  EXPECT_EQ(def.Fields(), mine);
  EXPECT_EQ(def.Fields()->Count(), 1);
}

TEST(LabelDefFields, NullCollectionIsRefusedAndTheOldOneKept) {
  LabelDef def;
  auto before = def.Fields();
  try {
    def.SetFields(nullptr);
    FAIL() << "a null collection was accepted";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
  }
  EXPECT_EQ(def.Fields(), before);
}

}  // namespace
}  // namespace orvano
