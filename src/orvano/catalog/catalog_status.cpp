#include "orvano/catalog/catalog_status.h"

#include "orvano/catalog/catalog_files.h"

namespace orvano::catalog {

std::vector<RefusedFile> RefusedCatalogFiles(const std::string& dataFolder) {
  std::vector<RefusedFile> refused;
  for (const std::string& path :
       {ShippedCatalogPath(), CustomLabelPath(dataFolder), AddressLayoutPath(dataFolder)}) {
    RefusedFile file{path};
    if (CheckReadable(path, &file.Refusal, &file.Error) == FileState::Failed)
      refused.push_back(std::move(file));
  }
  return refused;
}

std::string Describe(const RefusedFile& file) {
  return file.Path + ": " + RefusalText(file.Refusal, file.Error);
}

}  // namespace orvano::catalog
