/// \file
/// The three catalog files and where they live: the shipped catalog in the component's folder (or,
/// for an installed library, in its data folder), the user's own labels and the address layouts
/// in the data folder.
#pragma once

#include <string>
#include <vector>

#include "orvano/core_export.h"

namespace orvano::catalog {

inline constexpr const char* kShippedCatalogFile = "ovAdrKit.def";  ///< the shipped catalog
inline constexpr const char* kCustomLabelFile = "ovAdrKit.usr";     ///< the user's own labels
inline constexpr const char* kAddressLayoutFile = "ovAdrKit.adr";   ///< the address layouts

/// The brand of the user's own labels, and the section they are stored under.
inline constexpr const char* kCustomBrand = "Benutzerdefiniert";

/// The folder plus "/" plus the name; the folder is used as given.
ORVANO_CORE_EXPORT std::string CatalogPath(const std::string& folder, const std::string& fileName);
/// The data folder, or the component's folder when it is blank.
ORVANO_CORE_EXPORT std::string UserFolder(const std::string& dataFolder);

/// The folders the shipped catalog is looked for in, first to last: the component's folder; then,
/// unless a host has set that folder (host::SetAppPath), the installed data folder
/// (`<prefix>/share/orvano`, fixed when the library is built) and "orvano" in each folder of
/// $XDG_DATA_DIRS (/usr/local/share and /usr/share when unset). Relative entries are ignored.
ORVANO_CORE_EXPORT std::vector<std::string> ShippedCatalogFolders();
/// The shipped catalog of the first of those folders that has one; the component folder's when
/// none has, so a missing catalog reads as it always did.
ORVANO_CORE_EXPORT std::string ShippedCatalogPath();
/// The user's labels file and the address layouts file in the data folder (UserFolder).
///@{
ORVANO_CORE_EXPORT std::string CustomLabelPath(const std::string& dataFolder);
ORVANO_CORE_EXPORT std::string AddressLayoutPath(const std::string& dataFolder);
///@}

}  // namespace orvano::catalog
