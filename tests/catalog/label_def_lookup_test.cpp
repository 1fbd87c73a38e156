// The catalog lookup that Brand and LabelName run, against catalog files in a scratch folder.
// The catalog installs it; LabelDef itself knows only the hook.
#include <gtest/gtest.h>

#include <vector>

#include "orvano/catalog/lookup.h"
#include "orvano/model/label_def.h"
#include "support/catalog_files.h"

namespace orvano {
namespace {

using Stock = std::vector<double>;

// Measurements that no catalog record holds, to see whether a lookup touched them.
const Stock kPreset{9, 0, 210, 297, 4, 11, 1.5, 0, 0, 25.4, 0, 2};

void Preset(LabelDef& def) {
  def.SetLandscape(host::kFalse), def.SetPageFormat(ovPageFormatA4);
  def.SetCols(4), def.SetRows(11), def.SetBorderLeft(1.5), def.SetBorderTop(0);
  def.SetLabelWidth(0), def.SetLabelHeight(25.4), def.SetSpaceWidth(0), def.SetSpaceHeight(2);
  def.SetDescription("vorher");
}
Stock StockOf(const LabelDef& def) {
  return {double(def.PageFormat()), double(def.Landscape()), def.PageWidth(),  def.PageHeight(),
          double(def.Cols()),       double(def.Rows()),      def.BorderLeft(), def.BorderTop(),
          def.LabelWidth(),         def.LabelHeight(),       def.SpaceWidth(), def.SpaceHeight()};
}

class LabelDefLookup : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteShippedCatalog(component_,
                        {{"Zweckform",
                          {"3475=Adressetiketten 70 x 36;9;1;3;8;0;4,5;70;36;2,5;0",
                           "3659=;11;0;2;5;0;10,5;99,1;57;0;3"}},
                         {"Benutzerdefiniert", {"Eigen=im Katalog;9;0;1;1;1;1;1;1;1;1"}}});
    WriteCustomLabels(data_, {"Eigen=;9;0;2;8;0;0;105;37;0;0"});
    catalog::InstallLabelLookup();
  }
  test_support::ScratchFolder component_, data_;
  test_support::ComponentFolder folder_{component_.Path()};
};

TEST_F(LabelDefLookup, AFoundLabelFillsTheStockAndThePageSizeInEitherOrder) {
  LabelDef def;
  def.SetBrand("Zweckform");
  def.SetLabelName("3475");
  EXPECT_EQ(def.Description(), "Adressetiketten 70 x 36");
  EXPECT_EQ(def.LandscapeFlag(), 1);
  EXPECT_EQ(StockOf(def), (Stock{9, -1, 297, 210, 3, 8, 0, 4.5, 70, 36, 2.5, 0}));
  LabelDef nameFirst;
  nameFirst.SetLabelName("3659");
  EXPECT_EQ(nameFirst.Cols(), 0);  // brand still empty: nothing looked up yet
  nameFirst.SetBrand("Zweckform");
  EXPECT_EQ(nameFirst.Description(), "");
  EXPECT_EQ(StockOf(nameFirst), (Stock{11, 0, 148.5, 210, 2, 5, 0, 10.5, 99.1, 57, 0, 3}));
}

TEST_F(LabelDefLookup, AnUnknownLabelBrandOrCatalogClearsOnlyTheDescription) {
  const struct {
    const char *brand, *name;
    bool catalog;
  } cases[] = {{"Zweckform", "9999", true}, {"Herma", "3475", true}, {"Zweckform", "3475", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.brand) + "/" + c.name);
    // Without the shipped catalog (a folder that holds none) the lookup is no error either.
    host::SetAppPath(c.catalog ? component_.Path() : data_.Path());
    LabelDef def;
    Preset(def);
    def.SetBrand(c.brand);
    EXPECT_NO_THROW(def.SetLabelName(c.name));
    EXPECT_EQ(def.Description(), "");
    EXPECT_EQ(StockOf(def), kPreset);
  }
}

TEST_F(LabelDefLookup, ABlankBrandOrLabelNameChangesNothingElse) {
  LabelDef def;
  Preset(def);
  def.SetLabelName("3475");
  def.SetBrand("   ");
  EXPECT_EQ(def.Description() + "|" + def.Brand(), "vorher|   ");
  EXPECT_EQ(StockOf(def), kPreset);
  def.SetBrand("Zweckform");
  Preset(def);
  def.SetLabelName("  ");
  EXPECT_EQ(def.Description() + "|" + def.LabelName(), "vorher|  ");
  EXPECT_EQ(StockOf(def), kPreset);
}

TEST_F(LabelDefLookup, OnlyTheCustomBrandReadsTheDataFolderWhenTheLookupRuns) {
  LabelDef def;
  def.SetBrand(" benutzerDEFINIERT ");
  def.SetLabelName("Eigen");  // blank data folder: the component's folder, which has no user file
  EXPECT_EQ(def.Cols(), 0);
  def.SetDataFolder(data_.Path());
  EXPECT_EQ(def.Cols(), 0);  // setting the folder alone looks nothing up
  def.SetLabelName("Eigen");
  EXPECT_EQ(def.Description(), "");
  EXPECT_EQ(StockOf(def), (Stock{9, 0, 210, 297, 2, 8, 0, 0, 105, 37, 0, 0}));
  data_.Write(catalog::kShippedCatalogFile, "[Zweckform]\r\n3475=falsch;11;0;9;9;9;9;9;9;9;9\r\n");
  def.SetBrand("Zweckform");
  def.SetLabelName("3475");
  EXPECT_EQ(def.Description(), "Adressetiketten 70 x 36");
  EXPECT_EQ(def.Cols(), 3);
}

}  // namespace
}  // namespace orvano
