// The catalog checker on arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "orvano/importer/catalog_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvano::importer::CheckCatalog(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
