// The import of the label database that glabels-data installs, compared with measurements read
// by hand from its XML. Skipped where the package is not installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "orvano/importer/catalog_check.h"
#include "orvano/importer/catalog_output.h"
#include "orvano/importer/glabels_import.h"

namespace orvano::importer {
namespace {

constexpr const char* kTemplates = "/usr/share/libglabels-3.0/templates";

class InstalledTemplates : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (std::filesystem::is_directory(kTemplates)) {
      imported_ = ImportGlabelsFolder(kTemplates, report_);
    }
  }
  void SetUp() override {
    if (!imported_) GTEST_SKIP() << "glabels-data is not installed";
  }

  static const Product* Find(const std::string& brand, const std::string& part) {
    for (const Product& p : report_.Products) {
      if (p.Brand == brand && p.Part == part) return &p;
    }
    return nullptr;
  }

  static void Expect(const std::string& brand, const std::string& part,
                     const std::vector<double>& e) {
    const Product* p = Find(brand, part);
    ASSERT_NE(p, nullptr) << brand << " " << part;
    EXPECT_EQ(Values(p->Measures), e) << part;
  }

  // Every field of the record; the lengths are whole hundredths, so they compare exactly.
  static std::vector<double> Values(const SheetGeometry& s) {
    return {double(s.PageFormat), double(s.Landscape), double(s.Cols), double(s.Rows),
            s.BorderLeft,         s.BorderTop,         s.LabelWidth,   s.LabelHeight,
            s.SpaceWidth,         s.SpaceHeight};
  }

  static inline ImportReport report_;
  static inline bool imported_ = false;
};

TEST_F(InstalledTemplates, HandReadProducts) {
  // width="70mm" height="37mm", nx="3" ny="8" x0="0" y0="0".
  Expect("Zweckform", "3474", {kFormatA4, 0, 3, 8, 0, 0, 70, 37, 0, 0});
  // 7160 in points: width 181.4, height 108, x0 21.2, y0 43.9, dx 187.2, dy 108;
  // L7160 is its equivalent.
  Expect("Avery", "L7160", {kFormatA4, 0, 3, 7, 7.48, 15.49, 63.99, 38.1, 2.05, 0});
  // Points: width 136.913, height 72, x0 = y0 = 24.0945, pitch = size; 5051 is an equivalent.
  Expect("Herma", "4102", {kFormatA4, 0, 4, 11, 8.5, 8.5, 48.3, 25.4, 0, 0});
  Expect("Herma", "5051", {kFormatA4, 0, 4, 11, 8.5, 8.5, 48.3, 25.4, 0, 0});
  // An A5 sheet: one label of 148 x 210 mm.
  Expect("Endisch", "B210148A5", {kFormatA5, 0, 1, 1, 0, 0, 148, 210, 0, 0});
  // Points: width 199 (70.2 mm), 3 across overhang A4 by 0.6 mm: pulled in to 70 mm.
  Expect("Herma", "4464", {kFormatA4, 0, 3, 8, 0, 0, 70, 37.04, 0, 0});
}

TEST_F(InstalledTemplates, SeveralHundredProductsOfWellKnownBrands) {
  EXPECT_GT(report_.Products.size(), 500u);
  std::set<std::string> brands;
  for (const Product& p : report_.Products) brands.insert(p.Brand);
  for (const char* brand : {"Avery", "Herma", "Zweckform", "Hisago", "Rayfilm", "Sigel"}) {
    EXPECT_TRUE(brands.count(brand)) << brand;
  }
  EXPECT_TRUE(report_.Problems.empty());
  // US Letter sheets and CD labels are the bulk of what is left out.
  EXPECT_GT(report_.SkippedBy[static_cast<std::size_t>(SkipReason::PaperSize)], 300);
  EXPECT_GT(report_.SkippedBy[static_cast<std::size_t>(SkipReason::Shape)], 50);
}

TEST_F(InstalledTemplates, TheWrittenCatalogPassesTheCheck) {
  const CatalogCheck check = CheckCatalog(CatalogFileBytes(report_.Products));
  EXPECT_EQ(check.Records, static_cast<int>(report_.Products.size()));
  for (const CatalogProblem& p : check.Problems) ADD_FAILURE() << p.Line << ": " << p.Message;
}

}  // namespace
}  // namespace orvano::importer
