// The label database reader on arbitrary bytes: XML parsing, template reading, equivalents and
// the catalog text written from whatever products come out.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "orvano/importer/catalog_check.h"
#include "orvano/importer/catalog_output.h"
#include "orvano/importer/glabels_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  orvano::importer::GlabelsImporter importer;
  importer.AddDocument("fuzz.xml", text);
  const orvano::importer::ImportReport report = importer.Finish();
  const std::string bytes = orvano::importer::CatalogFileBytes(report.Products);
  // Whatever the importer accepts must make a catalog without problems.
  if (!orvano::importer::CheckCatalog(bytes).Problems.empty()) __builtin_trap();
  return 0;
}
