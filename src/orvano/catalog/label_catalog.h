// The settings dialog's catalog in memory: every brand header and every entry of the shipped
// catalog and of the user's labels, in file order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvano/core_export.h"
#include "orvano/host/platform.h"

namespace orvano::catalog {

struct CatalogEntry {
  std::string Brand;
  std::string Name;
  std::string Description;
  std::int32_t PageFormat = 0;
  std::int32_t Landscape = 0;
  double Cols = 0;
  double Rows = 0;
  double BorderLeft = 0;
  double BorderTop = 0;
  double LabelWidth = 0;
  double LabelHeight = 0;
  double SpaceWidth = 0;   // horizontal gap
  double SpaceHeight = 0;  // vertical gap
};

class ORVANO_CORE_EXPORT LabelCatalog {
 public:
  // Every section header in file order, duplicates included.
  const std::vector<std::string>& Brands() const noexcept { return brands_; }
  // Addressed by position from 0; the shipped catalog's entries come first.
  const std::vector<CatalogEntry>& Entries() const noexcept { return entries_; }

  void Clear();
  // Empties the catalog and loads the shipped catalog, then the user's labels from the data
  // folder, with the busy mouse pointer while it reads.
  void LoadCatalog(const std::string& dataFolder, host::Platform& platform);
  // Appends the brands and entries of one file; a missing or unreadable file adds nothing.
  void LoadCatalogFile(const std::string& path);

 private:
  std::vector<std::string> brands_;
  std::vector<CatalogEntry> entries_;
};

}  // namespace orvano::catalog
