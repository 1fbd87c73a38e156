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

// Each case starts from the preset, sets brand and name (or name and brand), and shows the
// description and stock afterwards. A blank brand or name looks nothing up; an unknown label,
// brand or catalog clears only the description; the custom brand alone reads the data folder.
TEST_F(LabelDefLookup, BrandAndLabelNameLookTheLabelUp) {
  WriteShippedCatalog(data_, {{"Zweckform", {"3475=falsch;11;0;9;9;9;9;9;9;9;9"}}});
  const Stock found{9, -1, 297, 210, 3, 8, 0, 4.5, 70, 36, 2.5, 0},
      a5{11, 0, 148.5, 210, 2, 5, 0, 10.5, 99.1, 57, 0, 3},
      custom{9, 0, 210, 297, 2, 8, 0, 0, 105, 37, 0, 0};
  const struct {
    const char *brand, *label;
    bool nameFirst, data;
    std::string description;
    Stock stock;
  } cases[] = {
      {"Zweckform", "3475", false, true, "Adressetiketten 70 x 36", found},
      {"Zweckform", "3659", true, false, "", a5},
      {"Zweckform", "9999", false, false, "", kPreset},
      {"   ", "3475", true, false, "vorher", kPreset},
      {" benutzerDEFINIERT ", "Eigen", false, false, "", kPreset},  // no user file there
      {" benutzerDEFINIERT ", "Eigen", false, true, "", custom},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.brand) + "/" + c.label + (c.data ? " with data" : ""));
    LabelDef def;
    Preset(def);
    if (c.data) def.SetDataFolder(data_.Path());
    if (c.nameFirst) def.SetLabelName(c.label);
    EXPECT_EQ(StockOf(def), kPreset);  // neither the folder nor a name without a brand looks up
    def.SetBrand(c.brand);
    if (!c.nameFirst) def.SetLabelName(c.label);
    EXPECT_EQ(def.Description(), c.description);
    EXPECT_EQ(StockOf(def), c.stock);
  }
}

}  // namespace
}  // namespace orvano
