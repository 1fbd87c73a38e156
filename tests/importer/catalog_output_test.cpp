// What the importer writes, and the check of a catalog file.
#include "orvano/importer/catalog_output.h"

#include <gtest/gtest.h>

#include <string>

#include "orvano/importer/catalog_check.h"

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

TEST(CatalogRecordText, DescriptionsCannotBreakTheRecord) {
  EXPECT_EQ(DescriptionField("CD; DVD"), "\"CD; DVD\"");
  EXPECT_EQ(DescriptionField("5\" disks"), "5' disks");
  EXPECT_EQ(DescriptionField("two\r\nlines\t"), "two  lines");
  EXPECT_EQ(DescriptionField("caf\xE9"), "caf\xC3\xA9");  // a stray byte kept as a character
}

TEST(CatalogFile, SectionsPerBrandInWindows1252WithCrLf) {
  const std::string bytes =
      CatalogFileBytes({Sample("APLI", "2"), Sample("Apli", "10"), Sample("Zweck", "1", "Größe")});
  // After the heading comment: one section for both spellings, numbers with a decimal comma.
  const std::string fields = ";9;0;3;7;7,5;15,15;63,5;38,1;2,5;0\r\n";
  EXPECT_EQ(bytes.substr(bytes.find("\r\n\r\n[")), "\r\n\r\n[APLI]\r\n2=Adressetiketten" + fields +
                                                       "10=Adressetiketten" + fields +
                                                       "\r\n[Zweck]\r\n1=Gr\xF6\xDF\x65" + fields);
  EXPECT_TRUE(CheckCatalog(bytes).Problems.empty());
}

std::vector<int> Lines(const CatalogCheck& c) {
  std::vector<int> lines;
  for (const CatalogProblem& p : c.Problems) lines.push_back(p.Line);
  return lines;
}

TEST(CatalogCheckFinds, NothingInASoundFile) {
  const CatalogCheck c = CheckCatalog(
      "; comment\r\n\r\n[Marke]\r\nA = ;9;0;2;8;0;0;105;37;0;0\r\n"
      "B=\"Text; mit Semikolon\";11;1;3;3;5;5;63,5;45;2,5;2\r\n"
      "C=quoted;9;0;\"3\";7;\"7,5\";15,15;63.5;38,1;2,5;0\r\n"
      "[Andere]\nA=;9;1;1;1;0;0;297;210;0;0\n");
  EXPECT_TRUE(c.Problems.empty()) << c.Problems.front().Line << ": " << c.Problems.front().Message;
}

TEST(CatalogCheckFinds, MalformedLinesWithTheirNumbers) {
  const CatalogCheck c = CheckCatalog(
      "X=;9;0;1;1;0;0;10;10;0;0\n"  // 1 before any section
      "[Marke\n"                    // 2 no closing bracket
      "[Marke]\n"                   // 3
      "just text\n"                 // 4 no "="
      "=;9;0;1;1;0;0;10;10;0;0\n"   // 5 no name
      "A=;9;0;1;1;0;0;10;10;0\n"    // 6 ten fields
      "a=;9;0;1;1;0;0;10;10;0;0\n"  // 7 repeats A
      "[MARKE]\n"                   // 8 repeats the section
      "[]\n");                      // 9 empty name
  ASSERT_EQ(Lines(c), (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9}));
  EXPECT_NE(c.Problems[5].Message.find("repeats line 6"), std::string::npos);
  // Records the lookup would cut, and lines ended any way.
  EXPECT_EQ(Lines(CheckCatalog("[M]\nA=" + std::string(2100, 'x') + ";9;0;1;1;0;0;10;10;0;0\n")),
            std::vector<int>{2});
  EXPECT_EQ(Lines(CheckCatalog("[M]\rA=;9;0;1;1;0;0;10;10;0;0\rB=x\r\n")), std::vector<int>{3});
}

TEST(CatalogCheckFinds, WrongValuesInRecords) {
  const CatalogCheck c = CheckCatalog(
      "[M]\n"
      "fmt=;8;0;1;1;0;0;10;10;0;0\n"        // 2 no A4/A5
      "land=;9;2;1;1;0;0;10;10;0;0\n"       // 3 landscape 2
      "cols=;9;0;0;1;0;0;10;10;0;0\n"       // 4 no columns
      "half=;9;0;1,5;1;0;0;10;10;0;0\n"     // 5 half a column
      "text=;9;0;1;1;0;0;zehn;10;0;0\n"     // 6 text for a width
      "neg=;9;0;1;1;-1;0;10;10;0;0\n"       // 7 negative border
      "zero=;9;0;1;1;0;0;0;10;0;0\n"        // 8 zero width
      "wide=;9;0;3;1;0;0;70,01;10;0;0\n"    // 9 0.03 mm too wide
      "high=;11;1;1;3;0;0;10;50;0;0\n"      // 10 A5 landscape: 150 > 148.5
      "fits=;11;0;2;1;0,5;0;74;10;0;0\n");  // 11 exactly 148.5
  ASSERT_EQ(Lines(c), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(c.Problems[7].Message, "grid is 210,03 mm wide, the page only 210 mm");
  EXPECT_EQ(c.Problems[4].Message, "field 8 (label width) is no number: \"zehn\"");
}

}  // namespace
}  // namespace orvano::importer
