#include "orvano/catalog/catalog_files.h"

#include "orvano/catalog/lookup.h"
#include "orvano/host/app_path.h"
#include "orvano/host/strings.h"

namespace orvano::catalog {

std::string CatalogPath(const std::string& folder, const std::string& fileName) {
  return folder + "/" + fileName;
}

std::string UserFolder(const std::string& dataFolder) {
  return host::Trim(dataFolder).empty() ? host::AppPath() : dataFolder;
}

std::string ShippedCatalogPath() { return CatalogPath(host::AppPath(), kShippedCatalogFile); }

std::string CustomLabelPath(const std::string& dataFolder) {
  return CatalogPath(UserFolder(dataFolder), kCustomLabelFile);
}

std::string AddressLayoutPath(const std::string& dataFolder) {
  return CatalogPath(UserFolder(dataFolder), kAddressLayoutFile);
}

bool IsCustomBrand(const std::string& brand) {
  return host::UCase(host::Trim(brand)) == "BENUTZERDEFINIERT";
}

}  // namespace orvano::catalog
