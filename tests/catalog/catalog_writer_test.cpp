// What the dialog writes: the exact record bytes, and that lookups read them back.
#include <gtest/gtest.h>

#include "orvano/catalog/catalog_writer.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/value_parse.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

LabelRecord Record(std::int32_t format, std::int32_t landscape, std::int32_t cols,
                   std::int32_t rows, double left, double top, double width, double height,
                   double gapWidth, double gapHeight) {
  LabelRecord r;
  r.PageFormat = format, r.Landscape = landscape, r.Cols = cols, r.Rows = rows;
  r.BorderLeft = left, r.BorderTop = top, r.LabelWidth = width, r.LabelHeight = height;
  r.SpaceWidth = gapWidth, r.SpaceHeight = gapHeight;
  return r;
}

TEST(CatalogWriter, RecordsAreWrittenInNumberTextAndReadBack) {
  const LabelRecord a = Record(9, 0, 2, 8, 0, 0, 105, 37, 0, 0);
  EXPECT_EQ(FormatLabelRecord(a), ";9;0;2;8;0;0;105;37;0;0");
  LabelRecord b = Record(9, 0, 3, 7, 7.5, 15.15, 63.5, 38.1, 2.5, 0);
  EXPECT_EQ(FormatLabelRecord(b), ";9;0;3;7;7,5;15,15;63,5;38,1;2,5;0");
  b.PageFormat = 11, b.Landscape = 1, b.Description = "Adressen";
  EXPECT_EQ(FormatLabelRecord(b).substr(0, 15), "Adressen;11;1;3");
  // Counts shown as typed are saved as typed.
  EXPECT_EQ(FormatLabelRecord(a, 2.5, 8), ";9;0;2,5;8;0;0;105;37;0;0");
  LabelRecord back;
  ReadLabelRecord(FormatLabelRecord(b), back);
  b.ApplyPageFormat();
  EXPECT_EQ(back, b);

  AddressLayout l;
  EXPECT_EQ(FormatAddressLayoutRecord(l), "2;1;2;1;0;0;10;2; 1");
  l.BorderRight = 4, l.BorderBottom = 2.5, l.WithLabelHeading = host::kFalse;
  EXPECT_EQ(FormatAddressLayoutRecord(l), "2;1;4;2,5;0;0;10;2; 0");
  AddressLayout layoutBack;
  ReadAddressLayoutRecord(FormatAddressLayoutRecord(l), layoutBack);
  EXPECT_EQ(layoutBack, l);
}

TEST(CatalogWriter, GapsComeFromPitchesRoundedAndNeverNegative) {
  EXPECT_EQ(GapFromPitch(66, 63.5), 2.5);
  EXPECT_EQ(GapFromPitch(38.1, 38.1), 0);
  EXPECT_EQ(GapFromPitch(30, 38.1), 0);
  EXPECT_EQ(GapFromPitch(10.12345, 10), 0.123);
}

TEST(CatalogWriter, SavedLabelsAndLayoutsAreFoundAndDeletedFromBothFiles) {
  ScratchFolder data;
  const LabelRecord v = Record(11, 1, 2, 3, 1.5, 2, 90, 40, 5, 0);
  ASSERT_TRUE(SaveCustomLabel(data.Path(), "M\xC3\xBCller 1", v, 2, 3));
  AddressLayout l;
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

  EXPECT_FALSE(SaveCustomLabel(data.Path(), "Test=1", v, 2, 3));  // would not read back: refused
  ASSERT_TRUE(DeleteCustomLabel(data.Path(), "M\xC3\xBCller 1"));
  EXPECT_EQ(data.Read("ovAdrKit.usr"), "[Benutzerdefiniert]\r\n");
  EXPECT_EQ(data.Read("ovAdrKit.adr"), "[Benutzerdefiniert]\r\n");
}

}  // namespace
}  // namespace orvano::catalog
