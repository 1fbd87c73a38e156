// Looking a label or an address layout up: which file, what a record reads as, what is left
// alone when not found.
#include <gtest/gtest.h>

#include <tuple>

#include "orvano/catalog/lookup.h"
#include "support/catalog_files.h"

namespace orvano::catalog {
namespace {

using test_support::LabelStock;

class Lookup : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteShippedCatalog(
        app,
        {{"Zweckform",
          {"3475=;9;1;2;5;0;10,5;99,1;57;0;3", "3490=\"70 x 36; matt\";9;0;3;8;0;4,5;70;36;0;0",
           "blank=   ", "few=d;9", "odd=;NaN;Inf;-Inf;1e999;x;1,5;\"2,5\";1.000,5;;",
           "edge=;2147483647,5;-2147483648;2147483648"}},
         {kCustomBrand, {"Meins=;11;0;1;1;0;0;10;10;0;0"}}});
    WriteCustomLabels(app, {"Meins=;9;0;2;8;0;0;105;37;0;0"});
    WriteCustomLabels(data, {"Meins=;9;0;3;7;7,5;15,15;63,5;38,1;2,5;0"});
    WriteAddressLayouts(data, {{"Zweckform",
                                {"3475=3;1,5;4;2,5;1;0,5;12;1; 0", "short=3;1,5;4;2,5;1;0,5;12;1",
                                 "yes=0;0;0;0;0;0;9;0; 1"}}});
  }
  test_support::ScratchFolder app, data;
  test_support::ComponentFolder component{app.Path()};
};

// The custom brand in any case reads the data folder ("D"), a blank one the component's; any
// other brand the shipped catalog, whatever the data folder holds. A count beyond 32 bits leaves
// only its output alone (2147483647,5 rounds to the even 2147483648: too large too); missing
// fields read as 0; a label not found clears only the description.
TEST_F(Lookup, ALabelRecordReadsIntoEveryOutputFromTheFileOfItsBrand) {
  WriteShippedCatalog(data, {{"Zweckform", {"3475=;11;0;1;1;0;0;1;1;0;0"}}});
  const LabelStock none{"", -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
      custom{"", 9, 0, 3, 7, 7.5, 15.15, 63.5, 38.1, 2.5, 0};
  const struct {
    const char *brand, *name, *data;
    std::int32_t status;
    LabelStock expected;
  } cases[] = {
      {"Zweckform", "3475", "D", kFound, {"", 9, 1, 2, 5, 0, 10.5, 99.1, 57, 0, 3}},
      {"zweckform", "3490", "", kFound, {"70 x 36; matt", 9, 0, 3, 8, 0, 4.5, 70, 36, 0, 0}},
      {"  benutzerDEFINIERT ", "Meins", "D", kFound, custom},
      {"Benutzerdefiniert", "Meins", "   ", kFound, {"", 9, 0, 2, 8, 0, 0, 105, 37, 0, 0}},
      {"Zweckform", "few", "", kFound, {"d", 9, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {"Zweckform", "odd", "", kFound, {"", 0, 0, 0, 0, 0, 1.5, 2.5, 1000.5, 0, 0}},
      {"Zweckform", "edge", "", kFound, {"", -1, -2147483647 - 1, -1, 0, 0, 0, 0, 0, 0, 0}},
      {"Zweckform", "nope", "", kNotFound, none},
      {"Zweckform", "blank", "", kNotFound, none},
  };
  for (const auto& c : cases) {
    LabelStock s;
    EXPECT_EQ(s.Lookup(c.brand, c.name, c.data == std::string("D") ? data.Path() : c.data),
              c.status);
    EXPECT_EQ(s, c.expected) << c.name;
  }
  host::SetAppPath(app.File("missing"));
  EXPECT_EQ(LabelStock().Lookup("Zweckform", "3475"), kNotFound);
}

struct Layout {
  double left = -1, top = -1, bottom = -1, right = -1, heading = -1, address = -1;
  std::int32_t font = -1, format = -1;
  host::Flag withHeading = 5;
  bool operator==(const Layout&) const = default;
  std::int32_t Lookup(const std::string& brand, const std::string& name, const std::string& data) {
    return LookupAddressLayout(brand, name, data, left, top, bottom, right, heading, address, font,
                               format, withHeading);
  }
};

TEST_F(Lookup, AnAddressLayoutStoresRightBeforeBottomAndFallsBackToTheDefaults) {
  const Layout defaults{2, 1, 1, 2, 0, 0, 10, 2, host::kTrue},
      stored{3, 1.5, 2.5, 4, 1, 0.5, 12, 1, host::kFalse};  // a short record has no heading
  const std::tuple<const char*, std::string, std::int32_t, Layout> cases[] = {
      {"3475", data.Path(), kFound, stored},
      {"short", data.Path(), kFound, stored},
      {"yes", data.Path(), kFound, {0, 0, 0, 0, 0, 0, 9, 0, host::kTrue}},
      {"nope", data.Path(), kNotFound, defaults},
      {"3475", data.File("elsewhere"), kNotFound, defaults}};
  for (const auto& [name, folder, status, expected] : cases) {
    Layout l;
    EXPECT_EQ(l.Lookup("Zweckform", name, folder), status);
    EXPECT_EQ(l, expected) << name;
  }
  host::SetAppPath(data.Path());  // a blank data folder means the component's folder
  EXPECT_EQ(Layout().Lookup("zweckform", "3475", ""), kFound);
}

}  // namespace
}  // namespace orvano::catalog
