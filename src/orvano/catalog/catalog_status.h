// Catalog files that exist but are not read. The lookups and the catalog loader treat such a
// file as empty (their results are defined that way); this tells the caller why, so a user is
// told instead of seeing an empty catalog or a missing label.
#pragma once

#include <string>
#include <vector>

#include "orvano/catalog/file_io.h"
#include "orvano/core_export.h"

namespace orvano::catalog {

struct ORVANO_CORE_EXPORT RefusedFile {
  std::string Path;
  ReadRefusal Refusal = ReadRefusal::None;
  int Error = 0;  // errno, for Unreadable
};

// The shipped catalog, the data folder's labels and address layouts, in that order, where refused.
ORVANO_CORE_EXPORT std::vector<RefusedFile> RefusedCatalogFiles(const std::string& dataFolder);

// "PATH: larger than the limit of 64 MiB", for logs and the command line.
ORVANO_CORE_EXPORT std::string Describe(const RefusedFile& file);

}  // namespace orvano::catalog
