// The catalog search: what each criterion finds, how hits are ranked, which products are
// equivalents, and that the user's labels are searched with the shipped ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/search/catalog_search.h"
#include "support/catalog_files.h"

// A query names only the criteria it asks for.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace orvano::search {
namespace {

SearchEntry Stock(std::string brand, std::string name, std::string description, int format,
                  int cols, double width, double left = 7, double top = 15, double height = 38.1,
                  int rows = 7) {
  SearchEntry e{std::move(brand), std::move(name), std::move(description), {}};
  e.Sheet = {format, 0, 0, 0, cols, rows, left, top, width, height, 2.5, 0};
  e.Sheet.ApplyPageFormat();
  return e;
}

const CatalogSearch& Shelf() {
  static const CatalogSearch search({
      Stock("Avery", "L7163-100", "Adressetiketten", 9, 2, 99.1),
      Stock("Avery", "L7163", "Adressetiketten", 9, 2, 99.1),
      Stock("Avery", "L7160", "Adressetiketten", 9, 3, 63.5),
      Stock("Herma", "4677", "Universal", 9, 3, 63.8, 7.2),
      Stock("Herma", "7163", "Ordnerrücken", 9, 2, 99.1),
      Stock("Zweckform", "3490", "für Laser", 9, 3, 63.5, 8.5),
      Stock("Märker", "A5-21", "", 11, 3, 63.5),
  });
  return search;
}

std::string Names(const std::vector<SearchHit>& hits) {
  std::string out;
  for (const SearchHit& h : hits)
    out += (out.empty() ? "" : ", ") + Shelf().Entries()[h.Index].Brand + " " +
           Shelf().Entries()[h.Index].Name;
  return out;
}

TEST(CatalogSearch, FindsByTextSizePerSheetAndFormatRankedAsAUserExpects) {
  // The exact number first, then the shorter name holding it; a size in either orientation, the
  // closest first; a tighter tolerance leaves the 0.3 mm wider label out; criteria combine;
  // umlauts fold; every word must match somewhere; the user's labels are searched too.
  const std::pair<SearchQuery, const char*> cases[] = {
      {{.Text = "7163"}, "Herma 7163, Avery L7163, Avery L7163-100"},
      {{.Width = 38.1, .Height = 63.5}, "Avery L7160, Zweckform 3490, Märker A5-21, Herma 4677"},
      {{.Width = 63.5, .Height = 38.1, .Tolerance = 0.2},
       "Avery L7160, Zweckform 3490, Märker A5-21"},
      {{.PerSheet = 21}, "Avery L7160, Herma 4677, Zweckform 3490, Märker A5-21"},
      {{.PageFormat = PageFormatFromText("a5")}, "Märker A5-21"},
      {{.Text = "FÜR"}, "Zweckform 3490"},
      {{.Text = "herma 7163"}, "Herma 7163"},
      {QueryFromText("avery 38,1 x 63.5mm"), "Avery L7160"}};
  for (const auto& [query, expected] : cases) EXPECT_EQ(Names(Shelf().Find(query)), expected);
  EXPECT_EQ(Shelf().Find({}).size(), Shelf().Entries().size());
}

TEST(CatalogSearch, EquivalentsAreOtherBrandsOfTheSameSheetWithinTheTolerance) {
  const auto l7160 = Shelf().IndexOf(" avery ", "l7160");
  ASSERT_TRUE(l7160.has_value());
  // Zweckform's margin is 1.5 mm off, Märker's page is A5, Avery's own products do not count.
  EXPECT_EQ(Names(Shelf().Equivalents(*l7160)), "Herma 4677");
  EXPECT_EQ(Names(Shelf().Equivalents(*l7160, 2)), "Herma 4677, Zweckform 3490");
  EXPECT_EQ(Names(Shelf().Equivalents(*Shelf().IndexOf("Herma", "7163"))),
            "Avery L7163-100, Avery L7163");
}

TEST(CatalogSearch, LoadsTheShippedCatalogAndTheUsersLabels) {
  test_support::ScratchFolder app, data;
  WriteShippedCatalog(app, {{"Avery", {"L7163=Adress;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0"}}});
  WriteCustomLabels(data, {"Eigen=;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0"});
  test_support::ComponentFolder component(app.Path());
  const CatalogSearch search(LoadSearchEntries(data.Path()));
  ASSERT_EQ(search.Entries().size(), 2u);
  EXPECT_EQ(search.Entries()[1].Sheet.LabelCount(), 14);
  EXPECT_EQ(search.Equivalents(0).size(), 1u);
}

}  // namespace
}  // namespace orvano::search
