#include "orvano/search/search_entry.h"

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/label_catalog.h"

namespace orvano::search {
std::vector<SearchEntry> SearchEntriesOf(const catalog::LabelCatalog& catalog) {
  std::vector<SearchEntry> out;
  out.reserve(catalog.Entries().size());
  for (const catalog::CatalogEntry& e : catalog.Entries())
    out.push_back(SearchEntry{e.Brand, e.Name, e.Description, e});
  return out;
}

std::vector<SearchEntry> LoadSearchEntries(const std::string& dataFolder) {
  catalog::LabelCatalog all;
  all.LoadCatalogFile(catalog::ShippedCatalogPath());
  all.LoadCatalogFile(catalog::CustomLabelPath(dataFolder));
  return SearchEntriesOf(all);
}

}  // namespace orvano::search
