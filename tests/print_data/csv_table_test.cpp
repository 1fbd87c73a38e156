// Address lists as spreadsheets export them: quoting, separators, encodings, and bad files that
// must be refused with the line named.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/print_data/csv_table.h"

namespace orvano::print_data {
namespace {

// The separator and header, then each row after the file line it starts on.
std::string Shown(const CsvTable& t) {
  std::string out(1, t.Separator);
  const auto cells = [&](const std::vector<std::string>& v) {
    for (const std::string& cell : v) out += "[" + cell + "]";
  };
  cells(t.Header);
  for (std::size_t i = 0; i < t.Rows.size(); ++i) {
    out += " " + std::to_string(t.RowLines.at(i)) + ":";
    cells(t.Rows[i]);
  }
  return out;
}

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
  const std::pair<std::string, std::string> cases[] = {
      {"Name,Ort\r\nErika,Köln\r\nMax,Bonn\r\n", ",[Name][Ort] 2:[Erika][Köln] 3:[Max][Bonn]"},
      // Semicolons win over commas in the header.
      {"Name;Ort, Land;PLZ\nA;B, C;1\n", ";[Name][Ort, Land][PLZ] 2:[A][B, C][1]"},
      {"a,b\n\"x,y\",\"sagt \"\"hi\"\"\"\n\"zwei\r\nZeilen\",z\n",
       ",[a][b] 2:[x,y][sagt \"hi\"] 3:[zwei\nZeilen][z]"},
      // Blank lines skipped, the last line without an end, empty cells.
      {"a;b\n\n;x\r\ny;", ";[a][b] 3:[][x] 4:[y][]"},
      {"\xEF\xBB\xBFStraße\nA\n", ",[Straße] 2:[A]"},
      {"Stra\xDF\x65\nM\xFCller\n", ",[Straße] 2:[Müller]"},  // Windows-1252
  };
  for (const auto& [bytes, shown] : cases) EXPECT_EQ(Shown(ParseCsv(bytes)), shown);
}

TEST(CsvTable, BadFilesNameTheLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "Zeile 1: Die Datei ist leer"},
      {"a,b\n1,2\n3\n", "Zeile 3: 1 Spalte, die Kopfzeile hat 2."},
      {"a\nx\n\"offen\nweiter\n", "Zeile 3: Das Anführungszeichen wird bis zum Ende"},
      {"a,b\n\"x\"y,z\n", "Zeile 2: Nach dem schließenden Anführungszeichen"},
      {"a,b\nx,y\"z\n", "Zeile 2: Ein Anführungszeichen steht mitten im Feld"},
  };
  for (const auto& [bytes, message] : cases) {
    try {
      ParseCsv(bytes);
      ADD_FAILURE() << "accepted " << bytes;
    } catch (const host::Error& e) {
      EXPECT_EQ(e.Kind(), host::ErrorKind::TypeMismatch);
      EXPECT_TRUE(std::string(e.what()).starts_with(message)) << e.what();
    }
  }
}

TEST(CsvTable, AddressesFromChosenColumns) {
  const CsvTable t =
      ParseCsv("Anrede;Name;Straße;Ort\nFrau;Erika M.;Weg 1;12345 Dorf\n;Max;;Bonn\n");
  EXPECT_EQ(AddressesOf(t),
            (std::vector<std::string>{"Frau\nErika M.\nWeg 1\n12345 Dorf", "Max\nBonn"}));
  EXPECT_EQ(AddressesOf(t, {3, 1}),
            (std::vector<std::string>{"12345 Dorf\nErika M.", "Bonn\nMax"}));
  EXPECT_THROW(AddressesOf(t, {4}), host::Error);
  EXPECT_THROW(ReadCsvFile("/nonexistent/adressen.csv"), host::Error);
}

}  // namespace
}  // namespace orvano::print_data
