#include "orvano/search/search_entry.h"

#include <cmath>
#include <cstdint>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/label_catalog.h"

namespace orvano::search {
namespace {

// A count of the loader (a double) as the sheet holds it; junk and overflow give no labels.
std::int32_t Count(double v) {
  if (!std::isfinite(v) || v < 0 || v > 1e9) return 0;
  return static_cast<std::int32_t>(std::nearbyint(v));
}

}  // namespace

std::vector<SearchEntry> SearchEntriesOf(const catalog::LabelCatalog& catalog) {
  std::vector<SearchEntry> out;
  out.reserve(catalog.Entries().size());
  for (const catalog::CatalogEntry& e : catalog.Entries()) {
    SearchEntry s{e.Brand, e.Name, e.Description, {}};
    s.Sheet.PageFormat = e.PageFormat;
    s.Sheet.Landscape = e.Landscape;
    s.Sheet.Cols = Count(e.Cols);
    s.Sheet.Rows = Count(e.Rows);
    s.Sheet.BorderLeft = e.BorderLeft;
    s.Sheet.BorderTop = e.BorderTop;
    s.Sheet.LabelWidth = e.LabelWidth;
    s.Sheet.LabelHeight = e.LabelHeight;
    s.Sheet.SpaceWidth = e.SpaceWidth;
    s.Sheet.SpaceHeight = e.SpaceHeight;
    s.Sheet.ApplyPageFormat();
    out.push_back(std::move(s));
  }
  return out;
}

std::vector<SearchEntry> LoadSearchEntries(const std::string& dataFolder) {
  catalog::LabelCatalog all;
  all.LoadCatalogFile(catalog::ShippedCatalogPath());
  all.LoadCatalogFile(catalog::CustomLabelPath(dataFolder));
  return SearchEntriesOf(all);
}

}  // namespace orvano::search
