// Export and import of the user's own labels: a round trip writes the very bytes that were
// exported, conflicts and names Windows-1252 cannot hold change nothing unless asked.
#include <gtest/gtest.h>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/catalog_writer.h"
#include "orvano/catalog/label_exchange.h"
#include "orvano/catalog/lookup.h"
#include "support/scratch_folder.h"

namespace orvano::catalog {
namespace {

using test_support::ScratchFolder;

std::vector<ExchangeLabel> Parsed(const std::string& bytes) {
  std::string reason;
  auto labels = ParseExchangeFile(bytes, reason);
  EXPECT_TRUE(labels.has_value()) << reason;
  return labels.value_or(std::vector<ExchangeLabel>{});
}

std::vector<std::pair<std::string, ImportOutcome>> Outcomes(const std::vector<ImportItem>& items) {
  std::vector<std::pair<std::string, ImportOutcome>> out;
  for (const ImportItem& i : items) out.emplace_back(i.Name, i.Outcome);
  return out;
}

// A custom label as the dialog saves it, counts written as given.
bool SaveCustom(const std::string& folder, const std::string& name, SheetGeometry g) {
  return SaveCustomLabel(folder, name, g, g.Cols, g.Rows);
}

TEST(LabelExchange, ExportThenImportIntoAnEmptyFolderWritesTheSameBytes) {
  ScratchFolder from, to;
  // Written as the dialog writes them: Windows-1252 for the umlaut, a layout for one label only.
  ASSERT_TRUE(SaveCustom(from.Path(), "M\xC3\xBCller 3x7",
                         {9, 0, 210, 297, 3, 7, 7.5, 15.15, 63.5, 38.1, 2.5, 0}));
  ASSERT_TRUE(SaveCustom(from.Path(), "Ordner", {11, 1, 210, 148.5, 1, 4, 0, 10.5, 190, 38, 0, 0}));
  AddressLayout layout;
  layout.FontSize = 12, layout.WithLabelHeading = false;
  ASSERT_TRUE(SaveAddressLayout(from.Path(), kCustomBrand, "M\xC3\xBCller 3x7", layout));
  const std::string exported = ExportUserLabels(from.Path());
  EXPECT_EQ(exported.substr(0, 3), "\xEF\xBB\xBF");

  EXPECT_EQ(Outcomes(ImportUserLabels(to.Path(), Parsed(exported))),
            (std::vector<std::pair<std::string, ImportOutcome>>{
                {"M\xC3\xBCller 3x7", ImportOutcome::Added}, {"Ordner", ImportOutcome::Added}}));
  EXPECT_EQ(to.Read("ovAdrKit.usr"), from.Read("ovAdrKit.usr"));
  EXPECT_EQ(to.Read("ovAdrKit.adr"), from.Read("ovAdrKit.adr"));
  EXPECT_NE(to.Read("ovAdrKit.usr").find("M\xFCller"), std::string::npos);  // still 1252

  // Importing again finds everything in place.
  for (const ImportItem& i : ImportUserLabels(to.Path(), Parsed(exported)))
    EXPECT_EQ(i.Outcome, ImportOutcome::Unchanged) << i.Name;
}

TEST(LabelExchange, AConflictingImportChangesNothingUnlessAsked) {
  ScratchFolder data;
  const std::string usr =
      "[Benutzerdefiniert]\r\nA=;9;0;2;8;0;0;105;37;0;0\r\nB=;9;0;2;8;0;0;105;37;0;0\r\n";
  const std::string adr = "[Benutzerdefiniert]\r\nB=2;1;2;1;0;0;10;2; 1\r\n";
  data.Write("ovAdrKit.usr", usr);
  data.Write("ovAdrKit.adr", adr);
  // A with other measurements; B the same sheet written otherwise, but another layout.
  const std::vector<ExchangeLabel> incoming = {
      {"a", ";9;0;2;8;0;0;105;36;0;0", std::nullopt},
      {"B", ";9;0;2;8;0,0;0;105,0;37;0;0", "2;1;2;1;0;0;12;2; 1"},
  };
  const auto kept = ImportUserLabels(data.Path(), incoming);
  EXPECT_EQ(Outcomes(kept), (std::vector<std::pair<std::string, ImportOutcome>>{
                                {"a", ImportOutcome::Conflict}, {"B", ImportOutcome::Conflict}}));
  EXPECT_EQ(kept[0].Reason, "stored with other measurements");
  EXPECT_EQ(kept[1].Reason, "stored with another address layout");
  EXPECT_EQ(data.Read("ovAdrKit.usr"), usr);
  EXPECT_EQ(data.Read("ovAdrKit.adr"), adr);

  EXPECT_EQ(Outcomes(ImportUserLabels(data.Path(), incoming, {true, true})),
            (std::vector<std::pair<std::string, ImportOutcome>>{{"a", ImportOutcome::Replaced},
                                                                {"B", ImportOutcome::Replaced}}));
  EXPECT_EQ(data.Read("ovAdrKit.usr"), usr);  // a dry run writes nothing

  ImportUserLabels(data.Path(), incoming, {true, false});
  EXPECT_EQ(data.Read("ovAdrKit.usr"),
            "[Benutzerdefiniert]\r\nA=;9;0;2;8;0;0;105;36;0;0\r\n"
            "B=;9;0;2;8;0,0;0;105,0;37;0;0\r\n");
  EXPECT_EQ(data.Read("ovAdrKit.adr"), "[Benutzerdefiniert]\r\nB=2;1;2;1;0;0;12;2; 1\r\n");
}

TEST(LabelExchange, NamesWindows1252CannotHoldAreReportedAndBadInputRefused) {
  ScratchFolder data;
  const std::string usr = "[Benutzerdefiniert]\r\nM\xFCller=;9;0;2;8;0;0;105;37;0;0\r\n";
  data.Write("ovAdrKit.usr", usr);
  const auto items =
      ImportUserLabels(data.Path(), {{"\xC5\x81\xC3\xB3"
                                      "d\xC5\xBA",
                                      ";9;0;2;8;0;0;105;37;0;0", std::nullopt},
                                     {"Kurz", ";9;0;2;8", std::nullopt},
                                     {"Neu", ";9;0;1;1;0;0;210;297;0;0", std::nullopt}});
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Outcome, ImportOutcome::Refused);
  EXPECT_NE(items[0].Reason.find("Windows-1252"), std::string::npos);
  EXPECT_EQ(items[1].Outcome, ImportOutcome::Refused);
  EXPECT_EQ(items[2].Outcome, ImportOutcome::Added);
  EXPECT_EQ(data.Read("ovAdrKit.usr"), usr + "Neu=;9;0;1;1;0;0;210;297;0;0\r\n");

  std::string reason;
  EXPECT_FALSE(ParseExchangeFile("[Avery]\r\nL7163=;9;0;2;7;0;0;99,1;38,1;0;0\r\n", reason));
  EXPECT_NE(reason.find("not an export"), std::string::npos);
}

}  // namespace
}  // namespace orvano::catalog
