// Looking a label and its address layout up in the catalog files.
#pragma once

#include <cstdint>
#include <string>

#include "orvano/core_export.h"
#include "orvano/host/runtime.h"

namespace orvano::catalog {

inline constexpr std::int32_t kFound = 0;
inline constexpr std::int32_t kNotFound = 23;

// The shipped catalog (component folder) or, for the custom-label brand, the user's labels in the
// data folder. Clears the description first; the other outputs are written only when found.
ORVANO_CORE_EXPORT std::int32_t LookupLabel(const std::string& brand, const std::string& labelName,
                                            const std::string& dataFolder, std::string& description,
                                            std::int32_t& pageFormat, std::int32_t& landscape,
                                            std::int32_t& cols, std::int32_t& rows,
                                            double& borderLeft, double& borderTop,
                                            double& labelWidth, double& labelHeight,
                                            double& spaceWidth, double& spaceHeight);

// The address layout of a label from the data folder's layout file. Note the output order:
// bottom before right. When none is stored the outputs get 2, 1, 1, 2, 0, 0, 10, 2, true.
ORVANO_CORE_EXPORT std::int32_t LookupAddressLayout(
    const std::string& brand, const std::string& labelName, const std::string& dataFolder,
    double& borderLeft, double& borderTop, double& borderBottom, double& borderRight,
    double& headingSpace, double& addressSpace, std::int32_t& fontSize,
    std::int32_t& returnAddressFormat, host::Flag& withHeading);

// True when the brand, trimmed and upper-cased, is "BENUTZERDEFINIERT".
ORVANO_CORE_EXPORT bool IsCustomBrand(const std::string& brand);

}  // namespace orvano::catalog
