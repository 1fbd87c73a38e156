// Loading the chosen label: catalog lookup, fall-back to the default stock, start-label reset
// when the grid changes, and the label's address layout.
#include "label_select_fixture.h"

namespace orvano::testing {
namespace {

class LabelSelectCatalogTest : public LabelSelectTest {
 protected:
  LabelSelectCatalogTest() {
    folder_.WriteDef(
        "[Avery]\r\n"
        "L7163=Adressetiketten;11;1;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n"
        "Same=Gleiches Raster;9;0;2;6;10;10;90;40;5;1\r\n");
    folder_.WriteAdr("[Avery]\r\nL7163=3;2;4;1,5;0,5;1;12;1; 0\r\n");
    Control().SetBrand("Avery");
  }
  std::vector<double> Stock() {
    LabelSelect& c = Control();
    return {double(c.Rows()), c.BorderTop(), c.SpaceWidth(), c.PageWidth(), c.PageHeight()};
  }
  std::vector<double> Layout() {
    LabelSelect& c = Control();
    return {c.AddressLabelBorderLeft(),
            c.AddressLabelBorderRight(),
            c.AddressLabelBorderBottom(),
            double(c.AddressLabelFontSize()),
            double(c.AddressLabelReturnAddressFormat()),
            double(c.AddressLabelWithLabelHeading())};
  }
};

TEST_F(LabelSelectCatalogTest, CatalogLabelBringsItsStockPageAndAddressLayout) {
  Control().SetLabelName("L7163");
  EXPECT_EQ(Caption().Caption(), "Avery L7163\r\nAdressetiketten");
  // A5 landscape.
  EXPECT_EQ(Stock(), (std::vector<double>{7, 15.15, 2.5, 210, 148.5}));
  // The record holds right before bottom.
  EXPECT_EQ(Layout(),
            (std::vector<double>{3, 4, 1.5, 12, ovReturnAddressSingleLine, host::kFalse}));
}

TEST_F(LabelSelectCatalogTest, AnotherGridResetsTheStartLabelTheSameGridKeepsIt) {
  Control().SetLabelID(5);
  Control().SetLabelName("Same");  // 2 x 6 like the default stock
  EXPECT_EQ(Control().LabelID(), 5);
  Control().SetLabelName("L7163");  // 2 x 7
  EXPECT_EQ(Control().LabelID(), 0);
}

TEST_F(LabelSelectCatalogTest, UnknownLabelFallsBackToTheDefaultStock) {
  Control().SetLabelName("L7163");
  Control().SetDirection(ovTopBottom);
  Control().SetAddressLabel(host::kTrue);
  Control().SetLabelName("Gibt es nicht");
  EXPECT_EQ(Control().Brand() + Control().LabelName() + Control().Description(), "");
  EXPECT_EQ(Stock(), (std::vector<double>{6, 8.8, 7.62, 210, 297}));
  // The layout that applies when none is stored.
  EXPECT_EQ(Layout(), (std::vector<double>{2, 2, 1, 10, ovReturnAddressDoubleLine, host::kTrue}));
  EXPECT_EQ(Control().Direction(), ovTopBottom);
  EXPECT_EQ(Control().AddressLabel(), host::kTrue);
}

TEST_F(LabelSelectCatalogTest, CustomBrandReadsTheUsersFileInTheDataFolder) {
  const std::string data = folder_.Path() + "/daten";
  std::filesystem::create_directory(data);
  std::ofstream(data + "/ovAdrKit.usr")
      << "[Benutzerdefiniert]\r\nMeins=;9;0;3;8;1;2;60;30;5;0\r\n";
  Control().SetDataFolder(data);
  Control().SetBrand("  benutzerdefiniert ");
  Control().SetLabelName("Meins");
  EXPECT_EQ(Control().Cols(), 3);
  EXPECT_EQ(Control().LabelWidth(), 60);
}

}  // namespace
}  // namespace orvano::testing
