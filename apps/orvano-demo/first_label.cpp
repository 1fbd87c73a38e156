#include "first_label.h"

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/label_catalog.h"
#include "orvano/host/strings.h"
#include "orvano/model/enums.h"

namespace orvano::demo {

namespace {

bool AddressSized(const catalog::CatalogEntry& e) {
  const double count = e.Cols * e.Rows;
  return e.PageFormat == ovPageFormatA4 && e.Landscape == 0 && e.LabelWidth >= 60 &&
         e.LabelHeight >= 30 && count >= 8 && count <= 24 && !e.Name.empty();
}

bool CalledAddressLabel(const catalog::CatalogEntry& e) {
  const std::string d = host::UCase(e.Description);
  return d.find("ADDRESS") != std::string::npos || d.find("ADRESS") != std::string::npos;
}

}  // namespace

std::optional<CatalogLabel> FirstAddressLabel() {
  catalog::LabelCatalog shipped;
  shipped.LoadCatalogFile(catalog::ShippedCatalogPath());
  const auto& entries = shipped.Entries();
  for (const auto& e : entries) {
    if (AddressSized(e) && CalledAddressLabel(e)) return CatalogLabel{e.Brand, e.Name};
  }
  for (const auto& e : entries) {
    if (AddressSized(e)) return CatalogLabel{e.Brand, e.Name};
  }
  for (const auto& e : entries) {
    if (!e.Name.empty()) return CatalogLabel{e.Brand, e.Name};
  }
  return std::nullopt;
}

}  // namespace orvano::demo
