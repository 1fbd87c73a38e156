/// \file
/// The component's folder: where the shipped catalog lies. By default the folder of the running
/// executable; hosts and tests may point it elsewhere.
#pragma once

#include <string>

#include "orvano/core_export.h"

namespace orvano::host {

/// The component's folder: where the shipped catalog is looked for first.
ORVANO_CORE_EXPORT std::string AppPath();
ORVANO_CORE_EXPORT void SetAppPath(std::string folder);  ///< an empty folder restores the default
/// Whether a host has pointed the component's folder somewhere with SetAppPath.
ORVANO_CORE_EXPORT bool AppPathIsSet();

}  // namespace orvano::host
