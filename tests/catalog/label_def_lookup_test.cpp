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

Stock StockOf(const LabelDef& def) {
  return {double(def.Landscape()), def.PageWidth(), def.PageHeight(), double(def.Cols()),
          double(def.Rows()),      def.BorderTop(), def.LabelWidth(), def.SpaceWidth()};
}

// Each case starts from an A4 sheet of 4 x 11, sets brand and name (or name and brand) and shows
// the description and stock afterwards. A blank brand looks nothing up; an unknown label clears
// only the description; the custom brand alone reads the data folder.
TEST(LabelDefLookup, BrandAndLabelNameLookTheLabelUp) {
  test_support::ScratchFolder component, data;
  test_support::ComponentFolder folder{component.Path()};
  WriteShippedCatalog(component,
                      {{"Zweckform", {"3475=Adressetiketten 70 x 36;9;1;3;8;0;4,5;70;36;2,5;0"}}});
  WriteShippedCatalog(data, {{"Zweckform", {"3475=falsch;11;0;9;9;9;9;9;9;9;9"}}});
  WriteCustomLabels(data, {"Eigen=;9;0;2;8;0;0;105;37;0;0"});
  catalog::InstallLabelLookup();
  const Stock preset{0, 210, 297, 4, 11, 0, 25.4, 0};
  const struct {
    const char *brand, *label;
    bool nameFirst;
    std::string description;
    Stock stock;
  } cases[] = {
      {"Zweckform", "3475", false, "Adressetiketten 70 x 36", {-1, 297, 210, 3, 8, 4.5, 70, 2.5}},
      {"Zweckform", "9999", false, "", preset},
      {"   ", "3475", true, "vorher", preset},
      {" benutzerDEFINIERT ", "Eigen", true, "", {0, 210, 297, 2, 8, 0, 105, 0}},
  };
  for (const auto& c : cases) {
    LabelDef def;
    def.SetPageFormat(ovPageFormatA4);
    def.SetCols(4);
    def.SetRows(11);
    def.SetLabelWidth(25.4);
    def.SetDescription("vorher");
    def.SetDataFolder(data.Path());
    if (c.nameFirst) def.SetLabelName(c.label);
    EXPECT_EQ(StockOf(def), preset);  // neither the folder nor a name without a brand looks up
    def.SetBrand(c.brand);
    if (!c.nameFirst) def.SetLabelName(c.label);
    EXPECT_EQ(def.Description(), c.description) << c.label;
    EXPECT_EQ(StockOf(def), c.stock) << c.label;
  }
}

}  // namespace
}  // namespace orvano
