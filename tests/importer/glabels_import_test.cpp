#include "orvano/importer/glabels_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/importer/natural_order.h"

namespace orvano::importer {
namespace {

const std::string kLabel = "width=\"70mm\" height=\"37mm\"";
const std::string kGrid = "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"70mm\" dy=\"37mm\"";

// A template of a rectangle layout; sizes in millimetres.
std::string Rect(const std::string& brand, const std::string& part,
                 const std::string& size = "size=\"A4\"", const std::string& label = kLabel,
                 const std::string& layout = kGrid) {
  return "<Template brand=\"" + brand + "\" part=\"" + part + "\" " + size +
         " _description=\"Etiketten " + part + "\">\n<Label-rectangle id=\"0\" " + label +
         " round=\"1mm\">\n<Layout " + layout + "/>\n</Label-rectangle>\n</Template>\n";
}
std::string Equiv(const std::string& brand, const std::string& part, const std::string& to,
                  const std::string& more = "") {
  return "<Template brand=\"" + brand + "\" part=\"" + part + "\" equiv=\"" + to + "\"" + more +
         "/>\n";
}
std::string Doc(const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<Glabels-templates>\n" + body + "</Glabels-templates>\n";
}

ImportReport Import(const std::vector<std::string>& bodies) {
  GlabelsImporter importer;
  for (const std::string& body : bodies) EXPECT_TRUE(importer.AddDocument("t.xml", Doc(body)));
  return importer.Finish();
}

// A product's record {format, landscape, cols, rows, left, top, width, height, gap across, gap
// down}; {-1 - reason} when it was skipped; {} when it is in neither list.
using Outcome = std::vector<double>;
Outcome Skip(SkipReason reason) { return {-1.0 - static_cast<int>(reason)}; }
Outcome OutcomeOf(const ImportReport& r, const std::string& brand, const std::string& part) {
  for (const Product& p : r.Products) {
    const SheetGeometry& s = p.Measures;
    if (p.Brand == brand && p.Part == part)
      return {double(s.PageFormat), double(s.Landscape), double(s.Cols), double(s.Rows),
              s.BorderLeft,         s.BorderTop,         s.LabelWidth,   s.LabelHeight,
              s.SpaceWidth,         s.SpaceHeight};
  }
  for (const SkippedProduct& s : r.Skipped)
    if (s.Brand == brand && s.Part == part) return Skip(s.Reason);
  return {};
}

TEST(GlabelsImport, EveryTemplateBecomesAProductOrASkipWithItsReason) {
  const std::string a4 = "size=\"A4\"";
  const ImportReport r = Import(
      {Rect("B", "a4") + Rect("B", "letter", "size=\"US-Letter\"") +
           Rect("B", "a5", "size=\"A5\"", "width=\"148mm\" height=\"210mm\"",
                "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"") +
           Rect("B", "portrait", "size=\"Other\" width=\"595pt\" height=\"842pt\"") +
           Rect("B", "landscape", "size=\"Other\" width=\"297.4mm\" height=\"209.6mm\"",
                "width=\"99mm\" height=\"70mm\"",
                "nx=\"3\" ny=\"3\" x0=\"0\" y0=\"0\" dx=\"99mm\" dy=\"70mm\"") +
           Rect("B", "almost", "size=\"Other\" width=\"210mm\" height=\"296mm\"") +
           "<Template brand=\"B\" part=\"round\" size=\"A4\"><Label-round id=\"0\" radius=\"10mm\">"
           "<Layout nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"/></Label-round></Template>\n"
           "<Template brand=\"B\" part=\"two\" size=\"A4\"><Label-rectangle id=\"0\" "
           "width=\"10mm\" "
           "height=\"10mm\"><Layout nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"/><Layout nx=\"1\" ny=\"1\" "
           "x0=\"50mm\" y0=\"0\"/></Label-rectangle></Template>\n" +
           Rect("B", "nx", a4, kLabel,
                "nx=\"three\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"70mm\" dy=\"37mm\"") +
           Rect("B", "gap", a4, "width=\"63.5mm\" height=\"38.1mm\"",
                "nx=\"3\" ny=\"7\" x0=\"7.2mm\" y0=\"15.15mm\" dx=\"66mm\" dy=\"38.1mm\"") +
           Rect("B", "overlap", a4, kLabel,
                "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"60mm\" dy=\"37mm\"") +
           Rect("B", "hair", a4, "width=\"70mm\" height=\"37.05mm\"") +
           Rect("B", "wide", a4, "width=\"75mm\" height=\"37mm\"",
                "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0\" dx=\"75mm\" dy=\"37mm\"") +
           Equiv("B", "L2", "L1") + Equiv("B", "L3", "l2", " _description=\"Own\"") +
           Equiv("B", "nowhere", "X") + Equiv("B", "c1", "c2") + Equiv("B", "c2", "c1") +
           Equiv("Other", "brand", "letter") + Equiv("B", "asLetter", "letter"),
       Rect("B", "L1")});  // equivalents reach across files and chain
  // A custom size that matches A4 is A4; a label a hair taller than its pitch takes the pitch's
  // height; equivalents stay within their brand.
  const Outcome onA4{kFormatA4, 0, 3, 8, 0, 0, 70, 37, 0, 0};
  using enum SkipReason;
  const std::pair<const char*, Outcome> cases[] = {
      {"a4", onA4},
      {"portrait", onA4},
      {"hair", onA4},
      {"L1", onA4},
      {"L2", onA4},
      {"L3", onA4},
      {"a5", {kFormatA5, 0, 1, 1, 0, 0, 148, 210, 0, 0}},
      {"landscape", {kFormatA4, 1, 3, 3, 0, 0, 99, 70, 0, 0}},
      {"gap", {kFormatA4, 0, 3, 7, 7.2, 15.15, 63.5, 38.1, 2.5, 0}},
      {"letter", Skip(PaperSize)},
      {"almost", Skip(PaperSize)},
      {"asLetter", Skip(PaperSize)},
      {"round", Skip(Shape)},
      {"two", Skip(LayoutCount)},
      {"nx", Skip(Measurements)},
      {"overlap", Skip(Overlap)},
      {"wide", Skip(OutsidePage)},
      {"nowhere", Skip(EquivMissing)},
      {"c1", Skip(EquivMissing)},
      {"c2", Skip(EquivMissing)}};
  for (const auto& [part, expected] : cases) EXPECT_EQ(OutcomeOf(r, "B", part), expected) << part;
  EXPECT_EQ(OutcomeOf(r, "Other", "brand"), Skip(EquivMissing));
  EXPECT_EQ(r.Products.size() + r.Skipped.size(), std::size(cases) + 1);
  const auto description = [&](const std::string& part) {
    for (const Product& p : r.Products)
      if (p.Part == part) return p.Description;
    return std::string("-");
  };
  EXPECT_EQ(description("L2") + "|" + description("L3"), "Etiketten L1|Own");
}

TEST(GlabelsImport, MergesBrandSpellingsDropsDuplicatesAndSortsNaturally) {
  const ImportReport r =
      Import({Rect("APLI", "1") + Rect("Apli", "2") + Rect("apli", "1") + Rect("B", "x=y") +
                  Rect("B", ";x") + Rect("B", "\xE2\x98\x83") + Rect("Br[a]nd", "1") +
                  Rect("", "1") + Rect("B", " padded "),
              Rect("Zweck", "10") + Rect("avery", "L10") + Rect("Zweck", "2") +
                  Rect("avery", "L9") + Rect("Brand 10", "1") + Rect("Brand 9", "1")});
  std::vector<std::string> order;
  for (const Product& p : r.Products) order.push_back(p.Brand + "/" + p.Part);
  EXPECT_EQ(order,
            (std::vector<std::string>{"APLI/1", "APLI/2", "avery/L9", "avery/L10", "B/padded",
                                      "Brand 9/1", "Brand 10/1", "Zweck/2", "Zweck/10"}));
  const auto count = [&](SkipReason reason) {
    return r.SkippedBy[static_cast<std::size_t>(reason)];
  };
  EXPECT_EQ(count(SkipReason::Duplicate), 1);
  EXPECT_EQ(count(SkipReason::UnusableName), 4);  // the snowman has no Windows-1252 byte
  EXPECT_EQ(count(SkipReason::MissingName), 1);
  EXPECT_EQ(r.Skipped.size(), 6u);
}

// Brand and part order by value and without case is pinned by the sort above; here what a sort
// of real names rarely meets. Ties by those rules ("07" and "7") fall to the bytes.
TEST(NaturalOrder, LeadingZerosHugeNumbersAndTiesStillGiveATotalOrder) {
  const std::pair<const char*, const char*> less[] = {
      {"1271", "01293"},
      {"3474", "3474A"},
      {"07", "7"},
      {"A", "a"},
      {"99999999999999999999998", "99999999999999999999999"}};
  for (const auto& [a, b] : less) EXPECT_TRUE(NaturalLess(a, b) && !NaturalLess(b, a)) << a;
}

}  // namespace
}  // namespace orvano::importer
