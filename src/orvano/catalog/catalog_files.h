// The three catalog files and where they live: the shipped catalog in the component's folder,
// the user's own labels and the address layouts in the data folder.
#pragma once

#include <string>

namespace orvano::catalog {

inline constexpr const char* kShippedCatalogFile = "ovAdrKit.def";
inline constexpr const char* kCustomLabelFile = "ovAdrKit.usr";
inline constexpr const char* kAddressLayoutFile = "ovAdrKit.adr";

// The brand of the user's own labels, and the section they are stored under.
inline constexpr const char* kCustomBrand = "Benutzerdefiniert";

// The folder plus "/" plus the name; the folder is used as given.
std::string CatalogPath(const std::string& folder, const std::string& fileName);
// The data folder, or the component's folder when it is blank.
std::string UserFolder(const std::string& dataFolder);

std::string ShippedCatalogPath();
std::string CustomLabelPath(const std::string& dataFolder);
std::string AddressLayoutPath(const std::string& dataFolder);

}  // namespace orvano::catalog
