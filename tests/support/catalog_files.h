// Catalog files written for a test where the library looks for them, and a label lookup that
// reads every output into one struct.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/lookup.h"
#include "orvano/host/app_path.h"
#include "support/scratch_folder.h"

namespace orvano::test_support {

// "[name]" and its "key=value" lines, each ended by CR LF as the shipped files are.
struct Section {
  std::string name;
  std::vector<std::string> lines;
};

inline std::string ProfileText(const std::vector<Section>& sections) {
  std::string out;
  for (const Section& s : sections) {
    out += "[" + s.name + "]\r\n";
    for (const std::string& line : s.lines) out += line + "\r\n";
  }
  return out;
}
inline std::string WriteShippedCatalog(const ScratchFolder& f, const std::vector<Section>& s) {
  return f.Write(catalog::kShippedCatalogFile, ProfileText(s));
}
inline std::string WriteAddressLayouts(const ScratchFolder& f, const std::vector<Section>& s) {
  return f.Write(catalog::kAddressLayoutFile, ProfileText(s));
}
// The user's own labels, all under the custom brand.
inline std::string WriteCustomLabels(const ScratchFolder& f, const std::vector<std::string>& l) {
  return f.Write(catalog::kCustomLabelFile, ProfileText({{catalog::kCustomBrand, l}}));
}

// The component's folder, where the shipped catalog is found, for the life of the object.
struct ComponentFolder {
  explicit ComponentFolder(const std::string& path) { host::SetAppPath(path); }
  ~ComponentFolder() { host::SetAppPath(""); }
};

// Every output of LookupLabel, preset to values no record holds so an untouched one shows.
struct LabelStock {
  std::string description = "old";
  std::int32_t format = -1, landscape = -1, cols = -1, rows = -1;
  double left = -1, top = -1, width = -1, height = -1, gapW = -1, gapH = -1;
  bool operator==(const LabelStock&) const = default;

  std::int32_t Lookup(const std::string& brand, const std::string& name,
                      const std::string& dataFolder = "") {
    return catalog::LookupLabel(brand, name, dataFolder, description, format, landscape, cols, rows,
                                left, top, width, height, gapW, gapH);
  }
};

}  // namespace orvano::test_support
