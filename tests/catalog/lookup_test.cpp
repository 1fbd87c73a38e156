// Looking a label or an address layout up: which file, what a record reads as, what is left
// alone when not found.
#include <gtest/gtest.h>

#include "orvano/catalog/lookup.h"
#include "support/catalog_files.h"

namespace orvano::catalog {
namespace {

using test_support::LabelStock;

class Lookup : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteShippedCatalog(app, {{"Zweckform",
                               {"3475=;9;1;2;5;0;10,5;99,1;57;0;3",
                                "3490=\"70 x 36; matt\";9;0;3;8;0;4,5;70;36;0;0",
                                "huge=x;9;0;99999999999;5;1;1;1;1;0;0", "blank=   "}},
                              {kCustomBrand, {"Meins=;11;0;1;1;0;0;10;10;0;0"}}});
    WriteCustomLabels(app, {"Meins=;9;0;2;8;0;0;105;37;0;0"});
    WriteCustomLabels(data, {"Meins=;9;0;3;7;7,5;15,15;63,5;38,1;2,5;0"});
    WriteAddressLayouts(data, {{"Zweckform",
                                {"3475=3;1,5;4;2,5;1;0,5;12;1; 0", "short=3;1,5;4;2,5;1;0,5;12;1",
                                 "yes=0;0;0;0;0;0;9;0; 1", "blank=  "}}});
  }
  test_support::ScratchFolder app, data;
  test_support::ComponentFolder component{app.Path()};
};

TEST_F(Lookup, ALabelRecordReadsIntoEveryOutputFromTheFileOfItsBrand) {
  const struct {
    const char *brand, *name, *data;
    LabelStock expected;
  } cases[] = {
      {"Zweckform", "3475", "", {"", 9, 1, 2, 5, 0, 10.5, 99.1, 57, 0, 3}},
      {"zweckform", "3490", "", {"70 x 36; matt", 9, 0, 3, 8, 0, 4.5, 70, 36, 0, 0}},
      // The custom brand in any case reads the data folder, a blank one the component's.
      {"  benutzerDEFINIERT ", "Meins", "D", {"", 9, 0, 3, 7, 7.5, 15.15, 63.5, 38.1, 2.5, 0}},
      {"Benutzerdefiniert", "Meins", "   ", {"", 9, 0, 2, 8, 0, 0, 105, 37, 0, 0}},
      // A number beyond 32 bits leaves only its output alone.
      {"Zweckform", "huge", "", {"x", 9, 0, -1, 5, 1, 1, 1, 1, 0, 0}},
  };
  for (const auto& c : cases) {
    LabelStock s;
    EXPECT_EQ(s.Lookup(c.brand, c.name, c.data == std::string("D") ? data.Path() : c.data), kFound);
    EXPECT_EQ(s, c.expected) << c.name;
  }
  // Any other brand reads the shipped catalog, whatever the data folder holds.
  data.Write(kShippedCatalogFile, "[Zweckform]\r\n3475=;11;0;1;1;0;0;1;1;0;0\r\n");
  LabelStock s;
  EXPECT_EQ(s.Lookup("Zweckform", "3475", data.Path()), kFound);
  EXPECT_EQ(s.format, 9);
}

TEST_F(Lookup, ALabelNotFoundClearsOnlyTheDescription) {
  LabelStock untouched;
  untouched.description = "";
  for (const auto& [brand, name] : std::vector<std::pair<std::string, std::string>>{
           {"Zweckform", "nope"}, {"Nobody", "3475"}, {"Zweckform", "blank"}}) {
    LabelStock s;
    EXPECT_EQ(s.Lookup(brand, name), kNotFound);
    EXPECT_EQ(s, untouched) << name;
  }
  host::SetAppPath(app.File("missing"));
  EXPECT_EQ(LabelStock().Lookup("Zweckform", "3475"), kNotFound);
}

struct Layout {
  double left = -1, top = -1, bottom = -1, right = -1, heading = -1, address = -1;
  std::int32_t font = -1, format = -1;
  host::Flag withHeading = 5;
  bool operator==(const Layout&) const = default;
};

TEST_F(Lookup, AnAddressLayoutStoresRightBeforeBottomAndFallsBackToTheDefaults) {
  const Layout defaults{2, 1, 1, 2, 0, 0, 10, 2, host::kTrue};
  const struct {
    const char* name;
    std::string data;
    std::int32_t status;
    Layout expected;
  } cases[] = {
      {"3475", data.Path(), kFound, {3, 1.5, 2.5, 4, 1, 0.5, 12, 1, host::kFalse}},
      {"yes", data.Path(), kFound, {0, 0, 0, 0, 0, 0, 9, 0, host::kTrue}},
      {"short", data.Path(), kFound, {3, 1.5, 2.5, 4, 1, 0.5, 12, 1, host::kFalse}},
      {"nope", data.Path(), kNotFound, defaults},
      {"blank", data.Path(), kNotFound, defaults},
      {"3475", data.File("elsewhere"), kNotFound, defaults},
  };
  for (const auto& c : cases) {
    Layout l;
    EXPECT_EQ(LookupAddressLayout("Zweckform", c.name, c.data, l.left, l.top, l.bottom, l.right,
                                  l.heading, l.address, l.font, l.format, l.withHeading),
              c.status);
    EXPECT_EQ(l, c.expected) << c.name;
  }
  host::SetAppPath(data.Path());  // a blank data folder means the component's folder
  Layout l;
  EXPECT_EQ(LookupAddressLayout("zweckform", "3475", "", l.left, l.top, l.bottom, l.right,
                                l.heading, l.address, l.font, l.format, l.withHeading),
            kFound);
}

}  // namespace
}  // namespace orvano::catalog
