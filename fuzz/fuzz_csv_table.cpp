// Any bytes as an address list: ParseCsv either reads a table whose rows are as wide as its
// header, each with the line it starts on in order, or refuses with a line-naming message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "orvano/host/error.h"
#include "orvano/print_data/csv_table.h"

using namespace orvano::print_data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    const CsvTable table = ParseCsv(bytes);
    if (table.Header.empty() || table.Rows.size() != table.RowLines.size()) std::abort();
    std::int64_t last = 1;
    for (std::size_t i = 0; i < table.Rows.size(); ++i) {
      if (table.Rows[i].size() != table.Header.size() || table.RowLines[i] <= last) std::abort();
      last = table.RowLines[i];
    }
    if (AddressesOf(table).size() != table.Rows.size()) std::abort();
  } catch (const orvano::host::Error& e) {
    if (std::string_view(e.what()).substr(0, 6) != "Zeile ") std::abort();
  }
  return 0;
}
