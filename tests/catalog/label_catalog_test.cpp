// The dialog's catalog: its own line rules, file order, duplicates, the busy pointer.
#include <gtest/gtest.h>

#include "orvano/catalog/label_catalog.h"
#include "orvano/host/headless/headless.h"
#include "support/catalog_files.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

std::vector<std::string> Where(const LabelCatalog& c) {
  std::vector<std::string> out;
  for (const CatalogEntry& e : c.Entries()) out.push_back(e.Brand + "/" + e.Name);
  return out;
}

TEST(LoadCatalogFile, FollowsTheLoadersLineRulesAndReadsWholeLines) {
  ScratchFolder dir;
  const std::string desc(3000, 'x');  // beyond the profile reader's cut
  const auto f = dir.Write("a.def",
                           "Etikett 1=;9;0;1;1;0;0;1;1;0;0\r\n[Marke]\r\n"
                           "A = \"  Beschreibung ;x \";11;1;2,5;3;4;5;6;7;8;9\r\n"
                           "ohne Gleichheitszeichen\r\n\t[Tab]=1\r\n[ Zwei ] Rest\r\nB=\r\nL=" +
                               desc + ";9\r\n[   ]\r\nC=;9\r\n");
  LabelCatalog c;
  c.LoadCatalogFile(f);
  EXPECT_EQ(c.Brands(), (std::vector<std::string>{"Marke", " Zwei ", "   "}));
  // Tabs are not trimmed by the loader: "\t[Tab]=1" is no header but an entry.
  EXPECT_EQ(Where(c),
            (std::vector<std::string>{"Marke/A", "Marke/\t[Tab]", " Zwei /B", " Zwei /L"}));
  const CatalogEntry& a = c.Entries()[0];
  EXPECT_EQ(a.Description, "Beschreibung ;x");
  EXPECT_EQ((std::vector<double>{double(a.PageFormat), double(a.Landscape), double(a.Cols),
                                 a.RecordNumber(LabelField::Cols), a.SpaceHeight}),
            (std::vector<double>{11, 1, 2, 2.5, 9}));  // a whole count, the record as written
  EXPECT_EQ(c.Entries()[3].Description, desc);
  EXPECT_EQ(c.Entries()[3].PageFormat, 9);
}

TEST(LoadCatalog, ShippedEntriesComeFirstAndSharedBrandsAreListedTwice) {
  ScratchFolder app, data;
  test_support::ComponentFolder component(app.Path());
  WriteShippedCatalog(app, {{"Avery", {"L1=;9"}}, {kCustomBrand, {"X=;9"}}, {"Herma", {"H1=;11"}}});
  test_support::WriteCustomLabels(data, {"Meins=;9;0;2;8;0;0;105;37;0;0"});
  WriteShippedCatalog(data, {{"Wrong", {"W=;9"}}});
  host::headless::HeadlessPlatform platform;
  LabelCatalog c;
  c.LoadCatalogFile(app.File(kShippedCatalogFile));  // cleared by LoadCatalog
  c.LoadCatalogFile(app.File("missing"));            // adds nothing
  c.LoadCatalog(data.Path(), platform);
  EXPECT_EQ(c.Brands(), (std::vector<std::string>{"Avery", kCustomBrand, "Herma", kCustomBrand}));
  EXPECT_EQ(Where(c), (std::vector<std::string>{"Avery/L1", "Benutzerdefiniert/X", "Herma/H1",
                                                "Benutzerdefiniert/Meins"}));
  EXPECT_EQ(platform.PointerHistory(), (std::vector<host::MousePointer>{
                                           host::MousePointer::Busy, host::MousePointer::Default}));
}

}  // namespace
}  // namespace orvano::catalog
