/// \file
/// Address lists in CSV as spreadsheets and address books export them: RFC 4180 quoting, a header
/// row, UTF-8 or Windows-1252, fields separated by "," or ";".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "orvano/core_export.h"

/// What printing reads besides the label: address lists and printer offsets.
namespace orvano::print_data {

/// An address list read from a CSV file.
struct ORVANO_CORE_EXPORT CsvTable {
  char Separator = ',';             ///< ';' when the first line has more of them than ',', else ','
  std::vector<std::string> Header;  ///< UTF-8
  std::vector<std::vector<std::string>> Rows;  ///< UTF-8, each as wide as the header
  std::vector<std::int64_t> RowLines;          ///< the file line each row starts on, from 1
};

/// Larger files are no address lists; reading them would only exhaust memory.
inline constexpr std::size_t kMaxCsvBytes = std::size_t{256} << 20;

/// Reads the whole text. A UTF-8 byte-order mark or valid UTF-8 means UTF-8, anything else is
/// Windows-1252. The separator is the one of "," and ";" the header row (outside quotes) holds
/// more of; a header without either is one column. Lines may end in CR LF, LF or CR; blank lines
/// are skipped. Bad input (an open quote at the end, text after a closing quote, a row of another
/// width than the header, no header) is a host::Error of kind TypeMismatch whose German message
/// names the line: "Zeile 7: ...".
ORVANO_CORE_EXPORT CsvTable ParseCsv(std::string_view bytes);

/// Reads a file with ParseCsv; FileNotFound or IoError when it cannot be read.
ORVANO_CORE_EXPORT CsvTable ReadCsvFile(const std::string& path);

/// The address of each row: the cells of the given columns (0-based, in the order given; all
/// columns in order when none are given), blank cells left out, joined by "\n". A column outside
/// the table is InvalidPropertyValue.
ORVANO_CORE_EXPORT std::vector<std::string> AddressesOf(const CsvTable& table,
                                                        const std::vector<int>& columns = {});

}  // namespace orvano::print_data
