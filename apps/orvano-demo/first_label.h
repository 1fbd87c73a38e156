// The label a first start shows: one from the shipped catalog that suits addresses.
#pragma once

#include <optional>
#include <string>

namespace orvano::demo {

struct CatalogLabel {
  std::string brand;
  std::string name;
};

// An A4 label of address size (at least 60 x 30 mm, 8 to 24 on the sheet) from the shipped
// catalog, one sold as an address label if there is one; else the catalog's first label;
// nothing when the catalog is missing or empty.
std::optional<CatalogLabel> FirstAddressLabel();

}  // namespace orvano::demo
