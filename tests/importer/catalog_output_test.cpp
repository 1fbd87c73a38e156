#include "orvano/importer/catalog_output.h"

#include <gtest/gtest.h>

#include "orvano/catalog/lookup.h"
#include "orvano/host/app_path.h"
#include "orvano/importer/catalog_check.h"
#include "support/scratch_folder.h"

namespace orvano::importer {
namespace {

Product Sample(std::string brand, std::string part, std::string description = "Adressetiketten") {
  Product p{std::move(brand), std::move(part), std::move(description), {}};
  p.Measures = SheetGeometry{.PageFormat = kFormatA4,
                             .Cols = 3,
                             .Rows = 7,
                             .BorderLeft = 7.5,
                             .BorderTop = 15.15,
                             .LabelWidth = 63.5,
                             .LabelHeight = 38.1,
                             .SpaceWidth = 2.5};
  return p;
}

TEST(CatalogRecordText, FieldsInNumberText) {
  EXPECT_EQ(CatalogRecord(Sample("B", "1")), "Adressetiketten;9;0;3;7;7,5;15,15;63,5;38,1;2,5;0");
}

TEST(CatalogRecordText, DescriptionsCannotBreakTheRecord) {
  EXPECT_EQ(DescriptionField("CD; DVD"), "\"CD; DVD\"");
  EXPECT_EQ(DescriptionField("5\" disks"), "5' disks");
  EXPECT_EQ(DescriptionField("two\r\nlines\t"), "two  lines");
  EXPECT_EQ(DescriptionField("caf\xE9"), "caf\xC3\xA9");  // a stray byte kept as a character
}

TEST(CatalogFile, SectionsPerBrandInWindows1252WithCrLf) {
  const std::string bytes =
      CatalogFileBytes({Sample("APLI", "2"), Sample("Apli", "10"), Sample("Zweck", "1", "Größe")});
  EXPECT_NE(bytes.find("\r\n[APLI]\r\n2=Adressetiketten;"), std::string::npos);
  EXPECT_NE(bytes.find(";0\r\n10=Adressetiketten;"), std::string::npos);
  EXPECT_EQ(bytes.find("[Apli]"), std::string::npos);  // one section for both spellings
  EXPECT_NE(bytes.find("[Zweck]\r\n1=Gr\xF6\xDF"
                       "e;"),
            std::string::npos);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_EQ(bytes[i - 1], '\r') << "bare line feed at " << i;
    }
  }
  EXPECT_TRUE(CheckCatalog(bytes).Problems.empty());
}

// What the importer writes is what the library's lookup reads back.
TEST(CatalogFile, LookupReadsTheWrittenRecords) {
  test_support::ScratchFolder folder;
  folder.Write("ovAdrKit.def", CatalogFileBytes({Sample("Zweckform", "3475", "A; B"),
                                                 Sample("Zweckform", "3490")}));
  host::SetAppPath(folder.Path());
  std::string description;
  std::int32_t format = 0, landscape = 5, cols = 0, rows = 0;
  double left = 0, top = 0, width = 0, height = 0, gapW = 0, gapH = 9;
  const std::int32_t status =
      catalog::LookupLabel("zweckform", "3475", "", description, format, landscape, cols, rows,
                           left, top, width, height, gapW, gapH);
  host::SetAppPath("");
  ASSERT_EQ(status, catalog::kFound);
  EXPECT_EQ(description, "A; B");
  EXPECT_EQ(format, 9);
  EXPECT_EQ(landscape, 0);
  EXPECT_EQ(cols, 3);
  EXPECT_EQ(rows, 7);
  EXPECT_DOUBLE_EQ(left, 7.5);
  EXPECT_DOUBLE_EQ(top, 15.15);
  EXPECT_DOUBLE_EQ(width, 63.5);
  EXPECT_DOUBLE_EQ(height, 38.1);
  EXPECT_DOUBLE_EQ(gapW, 2.5);
  EXPECT_DOUBLE_EQ(gapH, 0);
}

TEST(CatalogNames, WhatASectionOrKeyCanHold) {
  EXPECT_TRUE(UsableBrand("Online Labels"));
  EXPECT_FALSE(UsableBrand("A]B"));
  EXPECT_FALSE(UsableBrand("x\ny"));
  EXPECT_TRUE(UsablePart("A4/24/MKII"));
  for (const char* part : {"a=b", "[x", ";x", " padded", "", "\xE2\x98\x83"}) {
    EXPECT_FALSE(UsablePart(part)) << part;  // the snowman has no Windows-1252 byte
  }
}

}  // namespace
}  // namespace orvano::importer
