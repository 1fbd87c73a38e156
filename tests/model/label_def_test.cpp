#include "orvano/model/label_def.h"

#include <gtest/gtest.h>

#include "orvano/host/error.h"
#include "orvano/model/label_lookup.h"

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

TEST(LabelDefPageSize, FollowsFormatAndOrientationInEitherOrder) {
  LabelDef formatFirst;
  formatFirst.SetPageFormat(ovPageFormatA5);
  formatFirst.SetLandscape(host::kTrue);
  EXPECT_EQ(formatFirst.PageWidth(), 210);
  EXPECT_EQ(formatFirst.PageHeight(), 148.5);
  formatFirst.SetLandscape(host::kFalse);  // back to portrait swaps again
  EXPECT_EQ(formatFirst.PageWidth(), 148.5);

  LabelDef landscapeFirst;
  landscapeFirst.SetLandscape(host::kTrue);
  EXPECT_EQ(landscapeFirst.PageWidth(), 0);  // no format yet, nothing to size
  landscapeFirst.SetPageFormat(ovPageFormatA5);
  EXPECT_EQ(landscapeFirst.PageWidth(), 210);
  EXPECT_EQ(landscapeFirst.PageHeight(), 148.5);
}

TEST(LabelDefPageSize, OtherFormatKeepsTheSizeTheHostSet) {
  LabelDef def;
  def.SetPageWidth(100);
  def.SetPageHeight(160);
  def.SetPageFormat(3);
  def.SetLandscape(host::kTrue);
  EXPECT_EQ(def.PageWidth(), 100);
  EXPECT_EQ(def.PageHeight(), 160);
}

TEST(LabelDefLandscape, StoresOneForAnyTrueValue) {
  LabelDef def;
  for (host::Flag given : {host::kTrue, host::Flag{1}, host::Flag{7}}) {
    def.SetLandscape(host::kFalse);
    def.SetLandscape(given);
    EXPECT_EQ(def.Landscape(), host::kTrue) << given;
    EXPECT_EQ(def.LandscapeFlag(), 1) << given;
  }
  def.SetLandscape(host::kFalse);
  EXPECT_EQ(def.Landscape(), host::kFalse);
  EXPECT_EQ(def.LandscapeFlag(), 0);
}

TEST(LabelDefFields, ReplacingTheCollectionHoldsTheNewOneANullOneIsRefused) {
  LabelDef def;
  auto mine = std::make_shared<FieldDefs>();
  mine->Add(ovFieldTypeCaption, "Heading");
  def.SetFields(mine);
  EXPECT_EQ(def.Fields(), mine);
  try {
    def.SetFields(nullptr);
    FAIL() << "a null collection was accepted";
  } catch (const host::Error& e) {
    EXPECT_EQ(e.Kind(), host::ErrorKind::ObjectRequired);
  }
  EXPECT_EQ(def.Fields(), mine);
}

// The model knows only the hook: whatever lookup is installed gets the texts as given and the
// stored stock, and its answer is taken with the page size recomputed.
TEST(LabelDefLookupHook, RunsTheInstalledLookupOrNone) {
  static std::string seen;
  SetLabelLookup([](const std::string& brand, const std::string& name, const std::string& folder,
                    std::string& description, SheetGeometry& sheet) {
    seen = brand + "|" + name + "|" + folder + "|" + std::to_string(sheet.Cols);
    description = "gefunden";
    sheet.PageFormat = ovPageFormatA5;
    sheet.Landscape = 1;
    sheet.Rows = 7;
    return true;
  });
  LabelDef def;
  def.SetCols(3);
  def.SetDataFolder("/daten");
  def.SetBrand(" Marke ");
  EXPECT_EQ(seen, "");  // no label name yet
  def.SetLabelName("L1");
  EXPECT_EQ(seen, " Marke |L1|/daten|3");
  EXPECT_EQ(def.Description(), "gefunden");
  EXPECT_EQ(def.Rows(), 7);
  EXPECT_EQ(def.PageWidth(), 210);
  EXPECT_EQ(def.PageHeight(), 148.5);

  SetLabelLookup(nullptr);
  def.SetLabelName("L2");
  EXPECT_EQ(def.Description(), "gefunden");
  EXPECT_EQ(def.Rows(), 7);
}

}  // namespace
}  // namespace orvano
