// What the dialog writes: the exact record bytes, and that lookups read them back.
#include <gtest/gtest.h>

#include <tuple>

#include "orvano/catalog/catalog_writer.h"
#include "orvano/catalog/value_parse.h"
#include "support/catalog_files.h"

namespace orvano::catalog {
namespace {

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
  EXPECT_EQ(FormatLabelRecord(a, 2.5, 8), ";9;0;2,5;8;0;0;105;37;0;0");  // counts as typed
  LabelRecord b = Record(11, 1, 3, 7, 7.5, 15.15, 63.5, 38.1, 2.5, 0), back;
  b.Description = "Adressen";
  EXPECT_EQ(FormatLabelRecord(b), "Adressen;11;1;3;7;7,5;15,15;63,5;38,1;2,5;0");
  ReadLabelRecord(FormatLabelRecord(b), back);
  b.ApplyPageFormat();
  EXPECT_EQ(back, b);

  AddressLayout l, layoutBack;
  l.BorderLeft = 3, l.BorderTop = 1.5, l.BorderRight = 4, l.BorderBottom = 2.5;
  l.HeadingSpace = 1, l.AddressSpace = 0.5, l.FontSize = 12, l.WithLabelHeading = host::kFalse;
  EXPECT_EQ(FormatAddressLayoutRecord(l), "3;1,5;4;2,5;1;0,5;12;2; 0");
  ReadAddressLayoutRecord(FormatAddressLayoutRecord(l), layoutBack);
  EXPECT_EQ(layoutBack, l);

  for (const auto& [pitch, size, gap] :
       {std::tuple{66.0, 63.5, 2.5}, {38.1, 38.1, 0.0}, {30.0, 38.1, 0.0}, {10.12345, 10.0, 0.123}})
    EXPECT_EQ(GapFromPitch(pitch, size), gap) << pitch;  // rounded, never negative
}

TEST(CatalogWriter, SavedLabelsAndLayoutsAreFoundAndDeletedFromBothFiles) {
  test_support::ScratchFolder data;
  const LabelRecord v = Record(11, 1, 2, 3, 1.5, 2, 90, 40, 5, 0);
  ASSERT_TRUE(SaveCustomLabel(data.Path(), "Müller 1", v, 2, 3));
  AddressLayout l;
  l.FontSize = 12;
  ASSERT_TRUE(SaveAddressLayout(data.Path(), " Benutzerdefiniert ", "Müller 1", l));
  using test_support::ProfileText;
  EXPECT_EQ(data.Read(kCustomLabelFile),
            ProfileText({{kCustomBrand, {"M\xFCller 1=;11;1;2;3;1,5;2;90;40;5;0"}}}));
  EXPECT_EQ(data.Read(kAddressLayoutFile),
            ProfileText({{kCustomBrand, {"M\xFCller 1=2;1;2;1;0;0;12;2; 1"}}}));
  EXPECT_FALSE(SaveCustomLabel(data.Path(), "Test=1", v, 2, 3));  // would not read back: refused
  ASSERT_TRUE(DeleteCustomLabel(data.Path(), "Müller 1"));
  EXPECT_EQ(data.Read(kCustomLabelFile), ProfileText({{kCustomBrand, {}}}));
  EXPECT_EQ(data.Read(kAddressLayoutFile), ProfileText({{kCustomBrand, {}}}));
}

}  // namespace
}  // namespace orvano::catalog
