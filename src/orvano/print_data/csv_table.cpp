#include "orvano/print_data/csv_table.h"

#include <fstream>
#include <iterator>

#include "orvano/catalog/text_codec.h"
#include "orvano/host/error.h"

namespace orvano::print_data {

namespace {

[[noreturn]] void Bad(std::int64_t line, const std::string& what) {
  host::Raise(host::ErrorKind::TypeMismatch, "Zeile " + std::to_string(line) + ": " + what);
}

// The separator the header row uses most, outside quotes; "," when it holds neither.
char DetectSeparator(std::string_view text) {
  std::size_t commas = 0, semicolons = 0;
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted) {
      if (c == '\n' || c == '\r') break;
      if (c == ',') ++commas;
      if (c == ';') ++semicolons;
    }
  }
  return semicolons > commas ? ';' : ',';
}

class Parser {
 public:
  Parser(std::string_view text, char separator) : text_(text), sep_(separator) {}

  // The next record's cells; false at the end. Blank lines are no records.
  bool Next(std::vector<std::string>& cells, std::int64_t& startLine) {
    cells.clear();
    while (pos_ < text_.size() && IsLineEnd(text_[pos_])) SkipLineEnd();
    if (pos_ >= text_.size()) return false;
    startLine = line_;
    for (;;) {
      cells.push_back(Cell());
      if (pos_ >= text_.size()) return true;
      if (text_[pos_] == sep_) {
        ++pos_;
        if (pos_ >= text_.size()) {
          cells.emplace_back();
          return true;
        }
        continue;
      }
      SkipLineEnd();
      return true;
    }
  }

 private:
  static bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

  void SkipLineEnd() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  std::string Cell() {
    std::string cell;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      const std::int64_t opened = line_;
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size())
          Bad(opened, "Das Anführungszeichen wird bis zum Ende der Datei nicht geschlossen.");
        const char c = text_[pos_];
        if (c == '"') {
          if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
            cell += '"';
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        if (c == '\r' || c == '\n') {
          // A line break inside quotes belongs to the cell, as "\n".
          if (c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
          ++pos_;
          ++line_;
          cell += '\n';
          continue;
        }
        cell += c;
        ++pos_;
      }
      if (pos_ < text_.size() && text_[pos_] != sep_ && !IsLineEnd(text_[pos_]))
        Bad(line_, "Nach dem schließenden Anführungszeichen folgt Text statt \"" +
                       std::string(1, sep_) + "\" oder dem Zeilenende.");
      return cell;
    }
    while (pos_ < text_.size() && text_[pos_] != sep_ && !IsLineEnd(text_[pos_])) {
      if (text_[pos_] == '"')
        Bad(line_,
            "Ein Anführungszeichen steht mitten im Feld; Felder mit Anführungszeichen "
            "müssen ganz in Anführungszeichen stehen.");
      cell += text_[pos_++];
    }
    return cell;
  }

  std::string_view text_;
  char sep_;
  std::size_t pos_ = 0;
  std::int64_t line_ = 1;
};

}  // namespace

CsvTable ParseCsv(std::string_view bytes) {
  if (bytes.size() > kMaxCsvBytes)
    host::Raise(host::ErrorKind::TypeMismatch, "Die Datei ist zu groß für eine Adressliste.");
  const bool bom = catalog::HasUtf8ByteOrderMark(bytes);
  if (bom) bytes.remove_prefix(catalog::kUtf8ByteOrderMark.size());
  const std::string text = catalog::DecodeText(bytes, catalog::DetectEncoding(bytes, bom));

  CsvTable table;
  table.Separator = DetectSeparator(text);
  Parser parser(text, table.Separator);
  std::int64_t line = 0;
  if (!parser.Next(table.Header, line))
    host::Raise(host::ErrorKind::TypeMismatch,
                "Zeile 1: Die Datei ist leer; erwartet wird eine Kopfzeile mit den Spaltennamen.");
  std::vector<std::string> cells;
  while (parser.Next(cells, line)) {
    if (cells.size() != table.Header.size()) {
      Bad(line, std::to_string(cells.size()) + (cells.size() == 1 ? " Spalte" : " Spalten") +
                    ", die Kopfzeile hat " + std::to_string(table.Header.size()) + ".");
    }
    table.Rows.push_back(std::move(cells));
    table.RowLines.push_back(line);
    cells = {};
  }
  return table;
}

CsvTable ReadCsvFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    host::Raise(host::ErrorKind::FileNotFound,
                "Die Datei \"" + path + "\" kann nicht gelesen werden.");
  std::string bytes;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kMaxCsvBytes)
      host::Raise(host::ErrorKind::TypeMismatch, "Die Datei ist zu groß für eine Adressliste.");
  }
  if (in.bad())
    host::Raise(host::ErrorKind::IoError, "Die Datei \"" + path + "\" kann nicht gelesen werden.");
  return ParseCsv(bytes);
}

std::vector<std::string> AddressesOf(const CsvTable& table, const std::vector<int>& columns) {
  std::vector<int> use = columns;
  if (use.empty()) {
    for (std::size_t c = 0; c < table.Header.size(); ++c) use.push_back(static_cast<int>(c));
  }
  for (const int c : use) {
    if (c < 0 || static_cast<std::size_t>(c) >= table.Header.size())
      host::Raise(host::ErrorKind::InvalidPropertyValue,
                  "Die Spalte " + std::to_string(c + 1) + " gibt es nicht; die Datei hat " +
                      std::to_string(table.Header.size()) + " Spalten.");
  }
  std::vector<std::string> addresses;
  addresses.reserve(table.Rows.size());
  for (const auto& row : table.Rows) {
    std::string address;
    for (const int c : use) {
      const std::string& cell = row[static_cast<std::size_t>(c)];
      if (cell.find_first_not_of(" \t") == std::string::npos) continue;
      if (!address.empty()) address += '\n';
      address += cell;
    }
    addresses.push_back(std::move(address));
  }
  return addresses;
}

}  // namespace orvano::print_data
