// The catalog search: what each criterion finds, how hits are ranked, which products are
// equivalents, and that the user's labels are searched with the shipped ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/host/app_path.h"
#include "orvano/search/catalog_search.h"
#include "support/scratch_folder.h"

namespace orvano::search {
namespace {

SearchEntry Stock(std::string brand, std::string name, std::string description, int format,
                  int cols, int rows, double width, double height, double left = 7,
                  double top = 15) {
  SearchEntry e{std::move(brand), std::move(name), std::move(description), {}};
  e.Sheet.PageFormat = format;
  e.Sheet.Cols = cols;
  e.Sheet.Rows = rows;
  e.Sheet.LabelWidth = width;
  e.Sheet.LabelHeight = height;
  e.Sheet.BorderLeft = left;
  e.Sheet.BorderTop = top;
  e.Sheet.SpaceWidth = 2.5;
  e.Sheet.ApplyPageFormat();
  return e;
}

const CatalogSearch& Shelf() {
  static const CatalogSearch search({
      Stock("Avery", "L7163-100", "Adressetiketten", 9, 2, 7, 99.1, 38.1),
      Stock("Avery", "L7163", "Adressetiketten", 9, 2, 7, 99.1, 38.1),
      Stock("Avery", "L7160", "Adressetiketten", 9, 3, 7, 63.5, 38.1),
      Stock("Herma", "4677", "Universal", 9, 3, 7, 63.8, 38.1, 7.2),
      Stock("Herma", "7163",
            "Ordnerr\xC3\xBC"
            "cken",
            9, 2, 7, 99.1, 38.1),
      Stock("Zweckform", "3490", "f\xC3\xBCr Laser", 9, 3, 7, 63.5, 38.1, 8.5),
      Stock("M\xC3\xA4rker", "A5-21", "", 11, 3, 7, 63.5, 38.1),
      Stock("Benutzerdefiniert", "Mein Etikett", "", 9, 3, 8, 63.5, 33.9),
  });
  return search;
}

std::vector<std::string> Names(const std::vector<SearchHit>& hits) {
  std::vector<std::string> out;
  for (const SearchHit& h : hits)
    out.push_back(Shelf().Entries()[h.Index].Brand + " " + Shelf().Entries()[h.Index].Name);
  return out;
}

SearchQuery Sized(double w, double h, double tolerance = kDefaultTolerance) {
  SearchQuery q;
  q.Width = w, q.Height = h, q.Tolerance = tolerance;
  return q;
}

TEST(CatalogSearch, FindsByTextSizePerSheetAndFormatRankedAsAUserExpects) {
  SearchQuery text, combined, a5, perSheet = Sized(63.5, 38.1, 0.5);
  text.Text = "7163";
  combined.Text = "avery", combined.PerSheet = 21;
  a5.PageFormat = PageFormatFromText("a5");
  perSheet.PerSheet = 21, perSheet.Width.reset(), perSheet.Height.reset();
  SearchQuery umlaut, twoWords;
  umlaut.Text = "F\xC3\x9CR";  // "FÜR" finds "für"
  twoWords.Text = "herma 7163";

  const struct {
    const char* what;
    SearchQuery query;
    std::vector<std::string> expected;
  } cases[] = {
      {"the exact number first, then the shorter name holding it",
       text,
       {"Herma 7163", "Avery L7163", "Avery L7163-100"}},
      {"size in either orientation, the closest first",
       Sized(38.1, 63.5),
       {"Avery L7160", "Zweckform 3490", "M\xC3\xA4rker A5-21", "Herma 4677"}},
      {"a tighter tolerance leaves the 0.3 mm wider label out",
       Sized(63.5, 38.1, 0.2),
       {"Avery L7160", "Zweckform 3490", "M\xC3\xA4rker A5-21"}},
      {"labels per sheet",
       perSheet,
       {"Avery L7160", "Herma 4677", "Zweckform 3490", "M\xC3\xA4rker A5-21"}},
      {"page format", a5, {"M\xC3\xA4rker A5-21"}},
      {"criteria combine", combined, {"Avery L7160"}},
      {"umlauts fold", umlaut, {"Zweckform 3490"}},
      {"every word must match somewhere", twoWords, {"Herma 7163"}},
      {"the user's labels are searched too", Sized(63.5, 33.9), {"Benutzerdefiniert Mein Etikett"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Names(Shelf().Find(c.query)), c.expected) << c.what;
  EXPECT_EQ(Names(Shelf().Find(QueryFromText("avery 38,1 x 63.5mm"))),
            std::vector<std::string>{"Avery L7160"});
  EXPECT_EQ(Shelf().Find({}).size(), Shelf().Entries().size());
}

TEST(CatalogSearch, EquivalentsAreOtherBrandsOfTheSameSheetWithinTheTolerance) {
  const auto l7160 = Shelf().IndexOf(" avery ", "l7160");
  ASSERT_TRUE(l7160.has_value());
  // Zweckform's margin is 1.5 mm off, Märker's page is A5, Avery's own products do not count.
  EXPECT_EQ(Names(Shelf().Equivalents(*l7160)), std::vector<std::string>{"Herma 4677"});
  EXPECT_EQ(Names(Shelf().Equivalents(*l7160, 2)),
            (std::vector<std::string>{"Herma 4677", "Zweckform 3490"}));
  EXPECT_EQ(Names(Shelf().Equivalents(*Shelf().IndexOf("Herma", "7163"))),
            (std::vector<std::string>{"Avery L7163-100", "Avery L7163"}));
  EXPECT_TRUE(Shelf().Equivalents(999).empty());
  EXPECT_FALSE(Shelf().IndexOf("Herma", "L7163").has_value());
}

TEST(CatalogSearch, LoadsTheShippedCatalogAndTheUsersLabels) {
  test_support::ScratchFolder app, data;
  app.Write("ovAdrKit.def", "[Avery]\r\nL7163=Adress;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n");
  data.Write("ovAdrKit.usr",
             "[Benutzerdefiniert]\r\nEigen=;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n");
  host::SetAppPath(app.Path());
  const CatalogSearch search(LoadSearchEntries(data.Path()));
  host::SetAppPath("");
  ASSERT_EQ(search.Entries().size(), 2u);
  EXPECT_EQ(search.Entries()[1].Sheet.LabelCount(), 14);
  EXPECT_EQ(search.Entries()[0].Sheet.PageHeight, 297);
  EXPECT_EQ(search.Equivalents(0).size(), 1u);
}

}  // namespace
}  // namespace orvano::search
