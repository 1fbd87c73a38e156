// The component's folder: where the shipped catalog lies. By default the folder of the running
// executable; hosts and tests may point it elsewhere.
#pragma once

#include <string>

namespace orvano::host {

std::string AppPath();
void SetAppPath(std::string folder);  // an empty folder restores the default

}  // namespace orvano::host
