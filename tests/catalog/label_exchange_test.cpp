// Export and import of the user's own labels: a round trip writes the very bytes that were
// exported, conflicts and names Windows-1252 cannot hold change nothing unless asked.
#include <gtest/gtest.h>

#include "orvano/catalog/catalog_writer.h"
#include "orvano/catalog/label_exchange.h"
#include "support/catalog_files.h"

namespace orvano::catalog {
namespace {

using test_support::ProfileText;
using test_support::ScratchFolder;

std::vector<ExchangeLabel> Parsed(const std::string& bytes) {
  std::string reason;
  auto labels = ParseExchangeFile(bytes, reason);
  EXPECT_TRUE(labels.has_value()) << reason;
  return labels.value_or(std::vector<ExchangeLabel>{});
}

// Each label's name and outcome, and the reason where one is given.
std::string Import(const std::string& folder, const std::vector<ExchangeLabel>& labels,
                   ImportOptions options = {}) {
  static const char* const kNames[] = {"Added",    "Replaced", "Unchanged",
                                       "Conflict", "Refused",  "Failed"};
  std::string out;
  for (const ImportItem& i : ImportUserLabels(folder, labels, options))
    out += i.Name + " " + kNames[static_cast<int>(i.Outcome)] +
           (i.Reason.empty() ? "" : " (" + i.Reason + ")") + "; ";
  return out;
}

TEST(LabelExchange, ExportThenImportIntoAnEmptyFolderWritesTheSameBytes) {
  ScratchFolder from, to;
  // Written as the dialog writes them: Windows-1252 for the umlaut, a layout for one label only.
  const SheetGeometry a{9, 0, 210, 297, 3, 7, 7.5, 15.15, 63.5, 38.1, 2.5, 0},
      b{11, 1, 210, 148.5, 1, 4, 0, 10.5, 190, 38, 0, 0};
  ASSERT_TRUE(SaveCustomLabel(from.Path(), "Müller 3x7", a, a.Cols, a.Rows));
  ASSERT_TRUE(SaveCustomLabel(from.Path(), "Ordner", b, b.Cols, b.Rows));
  AddressLayout layout;
  layout.FontSize = 12, layout.WithLabelHeading = false;
  ASSERT_TRUE(SaveAddressLayout(from.Path(), kCustomBrand, "Müller 3x7", layout));
  const std::string exported = ExportUserLabels(from.Path());
  EXPECT_EQ(exported.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(Import(to.Path(), Parsed(exported)), "Müller 3x7 Added; Ordner Added; ");
  for (const char* file : {kCustomLabelFile, kAddressLayoutFile})
    EXPECT_EQ(to.Read(file), from.Read(file)) << file;
  EXPECT_EQ(Import(to.Path(), Parsed(exported)), "Müller 3x7 Unchanged; Ordner Unchanged; ");
}

TEST(LabelExchange, AConflictingImportChangesNothingUnlessAsked) {
  ScratchFolder data;
  WriteCustomLabels(data, {"A=;9;0;2;8;0;0;105;37;0;0", "B=;9;0;2;8;0;0;105;37;0;0"});
  WriteAddressLayouts(data, {{kCustomBrand, {"B=2;1;2;1;0;0;10;2; 1"}}});
  const std::string usrBytes = data.Read(kCustomLabelFile),
                    adrBytes = data.Read(kAddressLayoutFile);
  // A with other measurements; B the same sheet written otherwise, but another layout.
  const std::vector<ExchangeLabel> incoming = {
      {"a", ";9;0;2;8;0;0;105;36;0;0", std::nullopt},
      {"B", ";9;0;2;8;0,0;0;105,0;37;0;0", "2;1;2;1;0;0;12;2; 1"}};
  EXPECT_EQ(Import(data.Path(), incoming),
            "a Conflict (stored with other measurements); "
            "B Conflict (stored with another address layout); ");
  EXPECT_EQ(Import(data.Path(), incoming, {true, true}), "a Replaced; B Replaced; ");
  EXPECT_EQ(data.Read(kCustomLabelFile), usrBytes);  // neither a conflict nor a dry run writes
  EXPECT_EQ(data.Read(kAddressLayoutFile), adrBytes);
  Import(data.Path(), incoming, {true, false});
  EXPECT_EQ(data.Read(kCustomLabelFile),
            ProfileText(
                {{kCustomBrand, {"A=;9;0;2;8;0;0;105;36;0;0", "B=;9;0;2;8;0,0;0;105,0;37;0;0"}}}));
  EXPECT_EQ(data.Read(kAddressLayoutFile),
            ProfileText({{kCustomBrand, {"B=2;1;2;1;0;0;12;2; 1"}}}));
}

TEST(LabelExchange, NamesWindows1252CannotHoldAndShortRecordsAreRefused) {
  ScratchFolder data;
  WriteCustomLabels(data, {"M\xFCller=;9;0;2;8;0;0;105;37;0;0"});
  const std::string usr = data.Read(kCustomLabelFile);
  const std::string outcomes =
      Import(data.Path(), {{"Łódź", ";9;0;2;8;0;0;105;37;0;0", std::nullopt},
                           {"Kurz", ";9;0;2;8", std::nullopt},
                           {"Neu", ";9;0;1;1;0;0;210;297;0;0", std::nullopt}});
  EXPECT_TRUE(outcomes.starts_with("Łódź Refused (")) << outcomes;
  EXPECT_NE(outcomes.find("Windows-1252"), std::string::npos);
  EXPECT_NE(outcomes.find("Kurz Refused ("), std::string::npos);
  EXPECT_TRUE(outcomes.ends_with("Neu Added; "));
  EXPECT_EQ(data.Read(kCustomLabelFile), usr + "Neu=;9;0;1;1;0;0;210;297;0;0\r\n");
}

}  // namespace
}  // namespace orvano::catalog
