// Checking a catalog file (shipped catalog or the user's labels) for what its readers would
// silently misread: malformed lines, repeated sections and keys, records with missing or wrong
// fields, grids that do not fit their page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvano::importer {

struct CatalogProblem {
  int Line = 0;  // from 1
  std::string Message;
};

struct CatalogCheck {
  std::vector<CatalogProblem> Problems;  // in line order
  int Sections = 0;
  int Records = 0;
};

// The lookups read values through a 2048-byte buffer.
inline constexpr std::size_t kMaxRecordLength = 2047;

// Checks the file's bytes (Windows-1252 or UTF-8, any line ends).
CatalogCheck CheckCatalog(std::string_view bytes);

}  // namespace orvano::importer
