/// \file
/// What the catalog search looks at: one label stock by brand, product name, description and sheet.
#pragma once

#include <string>
#include <vector>

#include "orvano/core_export.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano::catalog {
class LabelCatalog;
}

namespace orvano::search {

struct ORVANO_CORE_EXPORT SearchEntry {
  std::string Brand;
  std::string Name;
  std::string Description;
  SheetGeometry Sheet;
};

/// The adapter from the settings dialog's in-memory catalog, in catalog order. Counts that are not
/// whole numbers in range read as 0.
ORVANO_CORE_EXPORT std::vector<SearchEntry> SearchEntriesOf(const catalog::LabelCatalog& catalog);

/// The shipped catalog followed by the user's own labels from the data folder (blank: the
/// component's folder). Missing files add nothing.
ORVANO_CORE_EXPORT std::vector<SearchEntry> LoadSearchEntries(const std::string& dataFolder);

}  // namespace orvano::search
