// What the dialog writes: the exact record bytes, and that lookups read them back.
#include <gtest/gtest.h>

#include "orvano/catalog/catalog_writer.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/value_parse.h"
#include "temp_folder.h"

namespace orvano::catalog {
namespace {

using testing::TempFolder;

TEST(CatalogWriter, RecordsAreWrittenInNumberText) {
  CustomLabelValues a;
  a.Cols = 2, a.Rows = 8, a.LabelWidth = 105, a.LabelHeight = 37;
  EXPECT_EQ(CustomLabelRecord(a), ";9;0;2;8;0;0;105;37;0;0");
  CustomLabelValues b{9, false, 3, 7, 7.5, 15.15, 63.5, 38.1, 2.5, 0};
  EXPECT_EQ(CustomLabelRecord(b), ";9;0;3;7;7,5;15,15;63,5;38,1;2,5;0");
  b.PageFormat = 11, b.Landscape = true;
  EXPECT_EQ(CustomLabelRecord(b).substr(0, 6), ";11;1;");

  AddressLayoutValues l;
  EXPECT_EQ(AddressLayoutRecord(l), "2;1;2;1;0;0;10;2; 1");
  l.LabelBorderRight = 4, l.LabelBorderBottom = 2.5, l.WithLabelHeading = false;
  EXPECT_EQ(AddressLayoutRecord(l), "2;1;4;2,5;0;0;10;2; 0");
}

TEST(CatalogWriter, GapsComeFromPitchesRoundedAndNeverNegative) {
  EXPECT_EQ(GapFromPitch(66, 63.5), 2.5);
  EXPECT_EQ(GapFromPitch(38.1, 38.1), 0);
  EXPECT_EQ(GapFromPitch(30, 38.1), 0);
  EXPECT_EQ(GapFromPitch(10.12345, 10), 0.123);
}

TEST(CatalogWriter, SavedLabelsAndLayoutsAreFoundAndDeletedFromBothFiles) {
  TempFolder data;
  const CustomLabelValues v{11, true, 2, 3, 1.5, 2, 90, 40, 5, 0};
  ASSERT_TRUE(SaveCustomLabel(data.Path(), "M\xC3\xBCller 1", v));
  AddressLayoutValues l;
  l.FontSize = 12;
  ASSERT_TRUE(SaveAddressLayout(data.Path(), " Benutzerdefiniert ", "M\xC3\xBCller 1", l));
  EXPECT_EQ(data.Read("ovAdrKit.usr"),
            "[Benutzerdefiniert]\r\nM\xFCller 1=;11;1;2;3;1,5;2;90;40;5;0\r\n");
  EXPECT_EQ(data.Read("ovAdrKit.adr"),
            "[Benutzerdefiniert]\r\nM\xFCller 1=2;1;2;1;0;0;12;2; 1\r\n");

  std::string d;
  std::int32_t f = 0, ls = 0, c = 0, r = 0;
  double x[6] = {};
  EXPECT_EQ(LookupLabel("Benutzerdefiniert", "m\xC3\xBCller 1", data.Path(), d, f, ls, c, r, x[0],
                        x[1], x[2], x[3], x[4], x[5]),
            kFound);
  EXPECT_EQ(f, 11);
  EXPECT_EQ(x[0], 1.5);

  EXPECT_FALSE(SaveCustomLabel(data.Path(), "Test=1", v));  // would not read back: refused
  ASSERT_TRUE(DeleteCustomLabel(data.Path(), "M\xC3\xBCller 1"));
  EXPECT_EQ(data.Read("ovAdrKit.usr"), "[Benutzerdefiniert]\r\n");
  EXPECT_EQ(data.Read("ovAdrKit.adr"), "[Benutzerdefiniert]\r\n");
}

}  // namespace
}  // namespace orvano::catalog
