// Looking a label up: which file, what a record reads as, what is left alone when not found.
#include <gtest/gtest.h>

#include "orvano/catalog/lookup.h"
#include "orvano/host/app_path.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

struct Stock {
  std::string description = "old";
  std::int32_t format = -1, landscape = -1, cols = -1, rows = -1;
  double left = -1, top = -1, width = -1, height = -1, gapH = -1, gapV = -1;
  bool operator==(const Stock&) const = default;
};

std::int32_t Lookup(const std::string& brand, const std::string& name, const std::string& data,
                    Stock& s) {
  return LookupLabel(brand, name, data, s.description, s.format, s.landscape, s.cols, s.rows,
                     s.left, s.top, s.width, s.height, s.gapH, s.gapV);
}

class LookupLabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::SetAppPath(app.Path());
    app.Write("ovAdrKit.def",
              "[Zweckform]\r\n"
              "3475=;9;1;2;5;0;10,5;99,1;57;0;3\r\n"
              "3490=\"70 x 36; matt\";9;0;3;8;0;4,5;70;36;0;0\r\n"
              "huge=x;9;0;99999999999;5;1;1;1;1;0;0\r\n"
              "blank=   \r\n"
              "[Benutzerdefiniert]\r\nMeins=;11;0;1;1;0;0;10;10;0;0\r\n");
    app.Write("ovAdrKit.usr", "[Benutzerdefiniert]\r\nMeins=;9;0;2;8;0;0;105;37;0;0\r\n");
    data.Write("ovAdrKit.usr",
               "[Benutzerdefiniert]\r\nMeins=;9;0;3;7;7,5;15,15;63,5;38,1;2,5;0\r\n");
  }
  void TearDown() override { host::SetAppPath(""); }
  ScratchFolder app, data;
};

TEST_F(LookupLabelTest, ARecordReadsIntoEveryOutput) {
  Stock s;
  EXPECT_EQ(Lookup("Zweckform", "3475", "", s), kFound);
  EXPECT_EQ(s, (Stock{"", 9, 1, 2, 5, 0, 10.5, 99.1, 57, 0, 3}));
}

TEST_F(LookupLabelTest, AQuotedDescriptionMayHoldTheSeparator) {
  Stock s;
  EXPECT_EQ(Lookup("zweckform", "3490", "", s), kFound);
  EXPECT_EQ(s.description, "70 x 36; matt");
  EXPECT_EQ(s.format, 9);
  EXPECT_EQ(s.cols, 3);
}

TEST_F(LookupLabelTest, TheCustomBrandInAnyCaseReadsTheDataFolder) {
  Stock s;
  EXPECT_EQ(Lookup("  benutzerDEFINIERT ", "Meins", data.Path(), s), kFound);
  EXPECT_EQ(s.cols, 3);
  EXPECT_EQ(s.left, 7.5);
  EXPECT_EQ(s.gapH, 2.5);
  // Any other brand reads the shipped catalog, whatever the data folder holds.
  data.Write("ovAdrKit.def", "[Zweckform]\r\n3475=;11;0;1;1;0;0;1;1;0;0\r\n");
  EXPECT_EQ(Lookup("Zweckform", "3475", data.Path(), s), kFound);
  EXPECT_EQ(s.format, 9);
}

TEST_F(LookupLabelTest, ABlankDataFolderMeansTheComponentFolder) {
  Stock s;
  EXPECT_EQ(Lookup("Benutzerdefiniert", "Meins", "   ", s), kFound);
  EXPECT_EQ(s.width, 105);
}

TEST_F(LookupLabelTest, NotFoundClearsOnlyTheDescription) {
  for (const auto& [brand, name] : std::vector<std::pair<std::string, std::string>>{
           {"Zweckform", "nope"}, {"Nobody", "3475"}, {"Zweckform", "blank"}}) {
    Stock s;
    EXPECT_EQ(Lookup(brand, name, "", s), kNotFound);
    Stock expected;
    expected.description = "";
    EXPECT_EQ(s, expected) << name;
  }
  host::SetAppPath(app.File("missing"));
  Stock s;
  EXPECT_EQ(Lookup("Zweckform", "3475", "", s), kNotFound);
}

TEST_F(LookupLabelTest, ANumberBeyond32BitsLeavesOnlyItsOutputAlone) {
  Stock s;
  EXPECT_EQ(Lookup("Zweckform", "huge", "", s), kFound);
  EXPECT_EQ(s.cols, -1);
  EXPECT_EQ(s.rows, 5);
  EXPECT_EQ(s.description, "x");
}

}  // namespace
}  // namespace orvano::catalog
