#include "orvano/catalog/catalog_files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "orvano/catalog/lookup.h"
#include "orvano/host/app_path.h"
#include "orvano/host/strings.h"

// The build fixes where an installed library keeps its data (<prefix>/share/orvano).
#ifndef ORVANO_INSTALLED_DATA_DIR
#define ORVANO_INSTALLED_DATA_DIR ""
#endif

namespace orvano::catalog {
namespace {

std::string WithoutTrailingSlash(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return std::string(folder);
}

}  // namespace

std::string CatalogPath(const std::string& folder, const std::string& fileName) {
  return folder + "/" + fileName;
}

std::string UserFolder(const std::string& dataFolder) {
  return host::Trim(dataFolder).empty() ? host::AppPath() : dataFolder;
}

std::vector<std::string> ShippedCatalogFolders() {
  std::vector<std::string> folders{host::AppPath()};
  if (host::AppPathIsSet()) return folders;
  const auto add = [&folders](std::string folder) {
    if (folder.empty() || folder.front() != '/') return;
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) {
      folders.push_back(std::move(folder));
    }
  };
  add(WithoutTrailingSlash(ORVANO_INSTALLED_DATA_DIR));
  const char* env = std::getenv("XDG_DATA_DIRS");
  const std::string_view dirs = env && *env ? env : "/usr/local/share:/usr/share";
  for (std::size_t start = 0; start <= dirs.size();) {
    const std::size_t colon = std::min(dirs.find(':', start), dirs.size());
    const std::string dir = WithoutTrailingSlash(dirs.substr(start, colon - start));
    if (!dir.empty()) add(dir == "/" ? "/orvano" : dir + "/orvano");
    start = colon + 1;
  }
  return folders;
}

std::string ShippedCatalogPath() {
  const std::vector<std::string> folders = ShippedCatalogFolders();
  for (const std::string& folder : folders) {
    const std::string path = CatalogPath(folder, kShippedCatalogFile);
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) return path;
  }
  return CatalogPath(folders.front(), kShippedCatalogFile);
}

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
