/// \file
/// What the catalog search looks at: one label stock by brand, product name, description and sheet.
#pragma once

#include <string>
#include <vector>

#include "orvano/core_export.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano::catalog {
/// The catalog in memory (label_catalog.h).
class LabelCatalog;
}  // namespace orvano::catalog

namespace orvano::search {

/// One label stock as the search sees it.
struct ORVANO_CORE_EXPORT SearchEntry {
  std::string Brand;        ///< the maker, as the catalog's section
  std::string Name;         ///< the product name
  std::string Description;  ///< the catalog's text
  SheetGeometry Sheet;      ///< page, grid and sizes, mm
};

/// The adapter from the settings dialog's in-memory catalog, in catalog order. Counts that are not
/// whole numbers in range read as 0.
ORVANO_CORE_EXPORT std::vector<SearchEntry> SearchEntriesOf(const catalog::LabelCatalog& catalog);

/// The shipped catalog followed by the user's own labels from the data folder (blank: the
/// component's folder). Missing files add nothing.
ORVANO_CORE_EXPORT std::vector<SearchEntry> LoadSearchEntries(const std::string& dataFolder);

}  // namespace orvano::search
