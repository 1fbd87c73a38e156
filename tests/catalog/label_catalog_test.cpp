// The dialog's catalog: its own line rules, file order, duplicates, the busy pointer.
#include <gtest/gtest.h>

#include "orvano/catalog/label_catalog.h"
#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

TEST(LoadCatalogFile, FollowsTheLoadersLineRules) {
  ScratchFolder dir;
  const auto f = dir.Write("a.def",
                           "Etikett 1=;9;0;1;1;0;0;1;1;0;0\r\n"
                           "[Marke]\r\n"
                           "A = \"  Beschreibung ;x \";11;1;2,5;3;4;5;6;7;8;9\r\n"
                           "ohne Gleichheitszeichen\r\n"
                           "\t[Tab]=1\r\n"
                           "[ Zwei ] Rest\r\n"
                           "B=\r\n"
                           "[   ]\r\n"
                           "C=;9\r\n");
  LabelCatalog c;
  c.LoadCatalogFile(f);
  EXPECT_EQ(c.Brands(), (std::vector<std::string>{"Marke", " Zwei ", "   "}));
  ASSERT_EQ(c.Entries().size(), 3u);
  const CatalogEntry& a = c.Entries()[0];
  EXPECT_EQ(a.Brand, "Marke");
  EXPECT_EQ(a.Name, "A");
  EXPECT_EQ(a.Description, "Beschreibung ;x");
  EXPECT_EQ(a.PageFormat, 11);
  EXPECT_EQ(a.Landscape, 1);
  EXPECT_EQ(a.Cols, 2);                              // a whole number, as every reader takes it
  EXPECT_EQ(a.RecordNumber(LabelField::Cols), 2.5);  // as the record writes it
  EXPECT_EQ(a.SpaceHeight, 9);
  // Tabs are not trimmed by the loader: "\t[Tab]=1" is no header but an entry.
  EXPECT_EQ(c.Entries()[1].Name, "\t[Tab]");
  EXPECT_EQ(c.Entries()[1].Brand, "Marke");
  EXPECT_EQ(c.Entries()[2].Brand, " Zwei ");
  EXPECT_EQ(c.Entries()[2].Name, "B");
}

TEST(LoadCatalogFile, ReadsWholeLinesWithoutTheProfileCut) {
  ScratchFolder dir;
  const std::string desc(3000, 'x');
  const auto f = dir.Write("a.def", "[M]\nA=" + desc + ";9\n");
  LabelCatalog c;
  c.LoadCatalogFile(f);
  ASSERT_EQ(c.Entries().size(), 1u);
  EXPECT_EQ(c.Entries()[0].Description, desc);
  EXPECT_EQ(c.Entries()[0].PageFormat, 9);
}

TEST(LoadCatalog, ShippedEntriesComeFirstAndSharedBrandsAreListedTwice) {
  ScratchFolder app, data;
  host::SetAppPath(app.Path());
  app.Write("ovAdrKit.def",
            "[Avery]\r\nL1=;9\r\n[Benutzerdefiniert]\r\nX=;9\r\n[Herma]\r\nH1=;11\r\n");
  data.Write("ovAdrKit.usr", "[Benutzerdefiniert]\r\nMeins=;9;0;2;8;0;0;105;37;0;0\r\n");
  data.Write("ovAdrKit.def", "[Wrong]\r\nW=;9\r\n");
  host::headless::HeadlessPlatform platform;
  LabelCatalog c;
  c.LoadCatalogFile(app.File("ovAdrKit.def"));  // cleared by LoadCatalog
  c.LoadCatalogFile(app.File("missing"));       // adds nothing
  c.LoadCatalog(data.Path(), platform);
  EXPECT_EQ(c.Brands(),
            (std::vector<std::string>{"Avery", "Benutzerdefiniert", "Herma", "Benutzerdefiniert"}));
  std::vector<std::string> names;
  for (const auto& e : c.Entries()) names.push_back(e.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"L1", "X", "H1", "Meins"}));
  EXPECT_EQ(platform.PointerHistory(), (std::vector<host::MousePointer>{
                                           host::MousePointer::Busy, host::MousePointer::Default}));
  host::SetAppPath("");
}

}  // namespace
}  // namespace orvano::catalog
