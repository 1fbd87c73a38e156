// Address lists as spreadsheets export them: quoting, separators, encodings, and bad files that
// must be refused with the line named.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/print_data/csv_table.h"

namespace orvano::print_data {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(CsvTable, ReadsWhatSpreadsheetsWrite) {
  struct Case {
    const char* name;
    std::string bytes;
    char separator;
    std::vector<std::string> header;
    Rows rows;
    std::vector<std::int64_t> lines;
  };
  const Case cases[] = {
      {"commas, CR LF",
       "Name,Ort\r\nErika,Köln\r\nMax,Bonn\r\n",
       ',',
       {"Name", "Ort"},
       {{"Erika", "Köln"}, {"Max", "Bonn"}},
       {2, 3}},
      {"semicolons win over commas in the header",
       "Name;Ort, Land;PLZ\nA;B, C;1\n",
       ';',
       {"Name", "Ort, Land", "PLZ"},
       {{"A", "B, C", "1"}},
       {2}},
      {"quotes: separator, doubled quote, line break",
       "a,b\n\"x,y\",\"sagt \"\"hi\"\"\"\n"
       "\"zwei\r\nZeilen\",z\n",
       ',',
       {"a", "b"},
       {{"x,y", "sagt \"hi\""}, {"zwei\nZeilen", "z"}},
       {2, 3}},
      {"blank lines skipped, last line without end, empty cells",
       "a;b\n\n;x\r\ny;",
       ';',
       {"a", "b"},
       {{"", "x"}, {"y", ""}},
       {3, 4}},
      {"Windows-1252 and a UTF-8 mark",
       "\xEF\xBB\xBFStra\xC3\x9F"
       "e\nA\n",
       ',',
       {"Straße"},
       {{"A"}},
       {2}},
      {"Windows-1252",
       "Stra\xDF"
       "e\nM\xFCller\n",
       ',',
       {"Straße"},
       {{"Müller"}},
       {2}},
      {"CR only", "a\rb\rc", ',', {"a"}, {{"b"}, {"c"}}, {2, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CsvTable t = ParseCsv(c.bytes);
    EXPECT_EQ(t.Separator, c.separator);
    EXPECT_EQ(t.Header, c.header);
    EXPECT_EQ(t.Rows, c.rows);
    EXPECT_EQ(t.RowLines, c.lines);
  }
}

TEST(CsvTable, BadFilesNameTheLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "Zeile 1: Die Datei ist leer"},
      {"\r\n\r\n", "Zeile 1: Die Datei ist leer"},
      {"a,b\n1,2\n3\n", "Zeile 3: 1 Spalte, die Kopfzeile hat 2."},
      {"a\nx\n\"offen\nweiter\n", "Zeile 3: Das Anführungszeichen wird bis zum Ende"},
      {"a,b\n\"x\"y,z\n", "Zeile 2: Nach dem schließenden Anführungszeichen"},
      {"a,b\nx,y\"z\n", "Zeile 2: Ein Anführungszeichen steht mitten im Feld"},
      {"a,b\n\"1\n2\",3,4\n", "Zeile 2: 3 Spalten, die Kopfzeile hat 2."},
  };
  for (const auto& [bytes, message] : cases) {
    SCOPED_TRACE(bytes);
    try {
      ParseCsv(bytes);
      ADD_FAILURE() << "accepted";
    } catch (const host::Error& e) {
      EXPECT_EQ(e.Kind(), host::ErrorKind::TypeMismatch);
      EXPECT_EQ(std::string(e.what()).rfind(message, 0), 0u) << e.what();
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
  EXPECT_THROW(AddressesOf(t, {-1}), host::Error);
  EXPECT_THROW(ReadCsvFile("/nonexistent/adressen.csv"), host::Error);
}

}  // namespace
}  // namespace orvano::print_data
