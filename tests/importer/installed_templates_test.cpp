// The import of the label database that glabels-data installs, compared with measurements read
// by hand from its XML. Skipped where the package is not installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "orvano/importer/catalog_check.h"
#include "orvano/importer/catalog_output.h"
#include "orvano/importer/glabels_import.h"

namespace orvano::importer {
namespace {

TEST(InstalledTemplates, HandReadProductsWellKnownBrandsAndACatalogThatPassesTheCheck) {
  const char* folder = "/usr/share/libglabels-3.0/templates";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "glabels-data is not installed";
  ImportReport report;
  ASSERT_TRUE(ImportGlabelsFolder(folder, report));
  // Every field of the record; the lengths are whole hundredths, so they compare exactly.
  // Zweckform 3474: 70 x 37 mm, 3 x 8 from 0/0. Avery 7160 in points (L7160 is its equivalent):
  // width 181.4, height 108, x0 21.2, y0 43.9, dx 187.2, dy 108.
  const struct {
    const char *brand, *part;
    std::vector<double> record;
  } cases[] = {
      {"Zweckform", "3474", {kFormatA4, 0, 3, 8, 0, 0, 70, 37, 0, 0}},
      {"Avery", "L7160", {kFormatA4, 0, 3, 7, 7.48, 15.49, 63.99, 38.1, 2.05, 0}},
  };
  std::map<std::string, std::vector<double>> records;
  for (const Product& p : report.Products) {
    const SheetGeometry& s = p.Measures;
    records[p.Brand + " " + p.Part] = {
        double(s.PageFormat), double(s.Landscape), double(s.Cols), double(s.Rows), s.BorderLeft,
        s.BorderTop,          s.LabelWidth,        s.LabelHeight,  s.SpaceWidth,   s.SpaceHeight};
  }
  for (const auto& c : cases)
    EXPECT_EQ(records[std::string(c.brand) + " " + c.part], c.record) << c.part;
  EXPECT_GT(report.Products.size(), 500u);
  EXPECT_TRUE(report.Problems.empty());
  const CatalogCheck check = CheckCatalog(CatalogFileBytes(report.Products));
  EXPECT_EQ(check.Records, static_cast<int>(report.Products.size()));
  for (const CatalogProblem& p : check.Problems) ADD_FAILURE() << p.Line << ": " << p.Message;
}

}  // namespace
}  // namespace orvano::importer
