#include "orvano/importer/glabels_import.h"

#include <gtest/gtest.h>

#include <string>

namespace orvano::importer {
namespace {

// A template of a rectangle layout; sizes in millimetres.
std::string Rect(
    const std::string& brand, const std::string& part, const std::string& size,
    const std::string& label = "width=\"70mm\" height=\"37mm\"",
    const std::string& layout = "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"70mm\" dy=\"37mm\"") {
  return "<Template brand=\"" + brand + "\" part=\"" + part + "\" " + size +
         " _description=\"Etiketten " + part + "\">\n<Label-rectangle id=\"0\" " + label +
         " round=\"1mm\">\n<Layout " + layout + "/>\n</Label-rectangle>\n</Template>\n";
}

std::string Doc(const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + body + "</Glabels-templates>\n";
}

const Product* Find(const ImportReport& r, const std::string& brand, const std::string& part) {
  for (const Product& p : r.Products) {
    if (p.Brand == brand && p.Part == part) return &p;
  }
  return nullptr;
}

int Count(const ImportReport& r, SkipReason reason) {
  return r.SkippedBy[static_cast<std::size_t>(reason)];
}

ImportReport Import(const std::string& body) {
  GlabelsImporter importer;
  EXPECT_TRUE(importer.AddDocument("t.xml", Doc(body)));
  return importer.Finish();
}

TEST(GlabelsImportPaper, AcceptsA4AndA5AndMatchingCustomSizes) {
  const ImportReport r =
      Import(Rect("B", "a4", "size=\"A4\"") +
             Rect("B", "a5", "size=\"A5\"", "width=\"148mm\" height=\"210mm\"",
                  "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"") +
             Rect("B", "portrait", "size=\"Other\" width=\"595pt\" height=\"842pt\"") +
             Rect("B", "landscape", "size=\"Other\" width=\"297.4mm\" height=\"209.6mm\"",
                  "width=\"99mm\" height=\"70mm\"",
                  "nx=\"3\" ny=\"3\" x0=\"0\" y0=\"0\" dx=\"99mm\" dy=\"70mm\"") +
             Rect("B", "letter", "size=\"US-Letter\"") + Rect("B", "a3", "size=\"A3\"") +
             Rect("B", "almost", "size=\"Other\" width=\"210mm\" height=\"296mm\""));
  EXPECT_EQ(r.Products.size(), 4u);
  EXPECT_EQ(Count(r, SkipReason::PaperSize), 3);
  ASSERT_TRUE(Find(r, "B", "a5"));
  EXPECT_EQ(Find(r, "B", "a5")->Measures.PageFormat, kFormatA5);
  ASSERT_TRUE(Find(r, "B", "portrait"));
  EXPECT_EQ(Find(r, "B", "portrait")->Measures.Landscape, 0);
  ASSERT_TRUE(Find(r, "B", "landscape"));
  EXPECT_EQ(Find(r, "B", "landscape")->Measures.PageFormat, kFormatA4);
  EXPECT_EQ(Find(r, "B", "landscape")->Measures.Landscape, 1);
}

TEST(GlabelsImportShape, KeepsOnlyOneRectangleWithOneLayout) {
  const std::string round =
      "<Template brand=\"B\" part=\"round\" size=\"A4\"><Label-round id=\"0\" radius=\"10mm\">"
      "<Layout nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"/></Label-round></Template>\n";
  const std::string twoLayouts =
      "<Template brand=\"B\" part=\"two\" size=\"A4\"><Label-rectangle id=\"0\" width=\"10mm\" "
      "height=\"10mm\"><Layout nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"/><Layout nx=\"1\" ny=\"1\" "
      "x0=\"50mm\" y0=\"0\"/></Label-rectangle></Template>\n";
  const ImportReport r =
      Import(round + twoLayouts + Rect("B", "ok", "size=\"A4\"") +
             Rect("B", "nx", "size=\"A4\"", "width=\"70mm\" height=\"37mm\"",
                  "nx=\"three\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"70mm\" dy=\"37mm\"") +
             Rect("B", "unit", "size=\"A4\"", "width=\"70furlong\" height=\"37mm\""));
  EXPECT_EQ(r.Products.size(), 1u);
  EXPECT_EQ(Count(r, SkipReason::Shape), 1);
  EXPECT_EQ(Count(r, SkipReason::LayoutCount), 1);
  EXPECT_EQ(Count(r, SkipReason::Measurements), 2);
}

TEST(GlabelsImportGrid, GapsOverlapsAndPageFit) {
  const ImportReport r =
      Import(Rect("B", "gap", "size=\"A4\"", "width=\"63.5mm\" height=\"38.1mm\"",
                  "nx=\"3\" ny=\"7\" x0=\"7.2mm\" y0=\"15.15mm\" dx=\"66mm\" dy=\"38.1mm\"") +
             Rect("B", "overlap", "size=\"A4\"", "width=\"70mm\" height=\"37mm\"",
                  "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"60mm\" dy=\"37mm\"") +
             Rect("B", "hair", "size=\"A4\"", "width=\"70mm\" height=\"37.05mm\"",
                  "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"70mm\" dy=\"37mm\"") +
             Rect("B", "wide", "size=\"A4\"", "width=\"75mm\" height=\"37mm\"",
                  "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"75mm\" dy=\"37mm\""));
  ASSERT_TRUE(Find(r, "B", "gap"));
  const SheetGeometry& s = Find(r, "B", "gap")->Measures;
  EXPECT_EQ(s.Cols, 3);
  EXPECT_EQ(s.Rows, 7);
  EXPECT_DOUBLE_EQ(s.BorderLeft, 7.2);
  EXPECT_DOUBLE_EQ(s.BorderTop, 15.15);
  EXPECT_DOUBLE_EQ(s.SpaceWidth, 2.5);
  EXPECT_DOUBLE_EQ(s.SpaceHeight, 0);
  // A label a hair taller than its pitch takes the pitch's height.
  ASSERT_TRUE(Find(r, "B", "hair"));
  EXPECT_DOUBLE_EQ(Find(r, "B", "hair")->Measures.LabelHeight, 37);
  EXPECT_EQ(Count(r, SkipReason::Overlap), 1);
  EXPECT_EQ(Count(r, SkipReason::OutsidePage), 1);
}

TEST(GlabelsImportEquiv, SharesMeasurementsAcrossFilesAndChains) {
  GlabelsImporter importer;
  ASSERT_TRUE(importer.AddDocument(
      "a.xml", Doc("<Template brand=\"B\" part=\"L2\" equiv=\"L1\"/>\n"
                   "<Template brand=\"B\" part=\"L3\" equiv=\"l2\" _description=\"Own\"/>\n")));
  ASSERT_TRUE(importer.AddDocument("b.xml", Doc(Rect("B", "L1", "size=\"A4\""))));
  const ImportReport r = importer.Finish();
  ASSERT_EQ(r.Products.size(), 3u);
  const Product* l3 = Find(r, "B", "L3");
  ASSERT_TRUE(l3);
  EXPECT_EQ(l3->Measures.Cols, 3);
  EXPECT_DOUBLE_EQ(l3->Measures.LabelHeight, 37);
  EXPECT_EQ(l3->Description, "Own");
  EXPECT_EQ(Find(r, "B", "L2")->Description, "Etiketten L1");
}

TEST(GlabelsImportEquiv, MissingCircularAndUnusableTargets) {
  const ImportReport r = Import(
      "<Template brand=\"B\" part=\"nowhere\" equiv=\"X\"/>\n"
      "<Template brand=\"B\" part=\"c1\" equiv=\"c2\"/>\n"
      "<Template brand=\"B\" part=\"c2\" equiv=\"c1\"/>\n"
      "<Template brand=\"Other\" part=\"brand\" equiv=\"letter\"/>\n" +
      Rect("B", "letter", "size=\"US-Letter\"") +
      "<Template brand=\"B\" part=\"asLetter\" equiv=\"letter\"/>\n");
  EXPECT_TRUE(r.Products.empty());
  EXPECT_EQ(Count(r, SkipReason::EquivMissing), 4);  // equivs stay within their brand
  EXPECT_EQ(Count(r, SkipReason::PaperSize), 2);     // the letter sheet and its equivalent
}

TEST(GlabelsImportNames, MergesBrandSpellingsAndDropsDuplicates) {
  const ImportReport r =
      Import(Rect("APLI", "1", "size=\"A4\"") + Rect("Apli", "2", "size=\"A4\"") +
             Rect("apli", "1", "size=\"A4\"") + Rect("B", "x=y", "size=\"A4\"") +
             Rect("Br[a]nd", "1", "size=\"A4\"") + Rect("", "1", "size=\"A4\"") +
             Rect("B", " padded ", "size=\"A4\""));
  ASSERT_EQ(r.Products.size(), 3u);
  EXPECT_EQ(r.Products[0].Brand, "APLI");
  EXPECT_EQ(r.Products[1].Brand, "APLI");
  EXPECT_EQ(r.Products[2].Part, "padded");
  EXPECT_EQ(Count(r, SkipReason::Duplicate), 1);
  EXPECT_EQ(Count(r, SkipReason::UnusableName), 2);
  EXPECT_EQ(Count(r, SkipReason::MissingName), 1);
  EXPECT_EQ(r.Skipped.size(), 4u);
}

TEST(GlabelsImportOrder, BrandsThenPartsInNaturalOrder) {
  const ImportReport r =
      Import(Rect("Zweck", "10", "size=\"A4\"") + Rect("avery", "L10", "size=\"A4\"") +
             Rect("Zweck", "2", "size=\"A4\"") + Rect("avery", "L9", "size=\"A4\"") +
             Rect("Brand 10", "1", "size=\"A4\"") + Rect("Brand 9", "1", "size=\"A4\""));
  std::vector<std::string> order;
  for (const Product& p : r.Products) order.push_back(p.Brand + "/" + p.Part);
  EXPECT_EQ(order, (std::vector<std::string>{"avery/L9", "avery/L10", "Brand 9/1", "Brand 10/1",
                                             "Zweck/2", "Zweck/10"}));
}

TEST(GlabelsImportFiles, MalformedFilesBecomeProblemsOthersAreIgnored) {
  GlabelsImporter importer;
  EXPECT_FALSE(importer.AddDocument("bad.xml", "<Glabels-templates>\n<Template>"));
  EXPECT_TRUE(importer.AddDocument("paper.xml",
                                   "<Glabels-paper-sizes><Template/>"
                                   "</Glabels-paper-sizes>"));
  EXPECT_TRUE(importer.AddDocument("good.xml", Doc(Rect("B", "1", "size=\"A4\""))));
  const ImportReport r = importer.Finish();
  ASSERT_EQ(r.Problems.size(), 1u);
  EXPECT_EQ(r.Problems[0].File, "bad.xml");
  EXPECT_EQ(r.Problems[0].Line, 2);
  EXPECT_EQ(r.TemplateFiles, 1);
  EXPECT_EQ(r.Products.size(), 1u);
}

}  // namespace
}  // namespace orvano::importer
