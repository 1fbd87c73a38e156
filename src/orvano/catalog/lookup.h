/// \file
/// Looking a label and its address layout up in the catalog files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "orvano/catalog/label_record.h"
#include "orvano/core_export.h"
#include "orvano/host/runtime.h"
#include "orvano/model/address_layout.h"

namespace orvano::catalog {

/// The status codes of a lookup: found, or not in the catalog.
///@{
inline constexpr std::int32_t kFound = 0;
inline constexpr std::int32_t kNotFound = 23;
///@}

/// The label's record from the shipped catalog (component folder) or, for the custom-label brand,
/// from the user's labels in the data folder; nothing when neither holds it. The record is read
/// over `start`: a whole number too large for 32 bits keeps start's value.
ORVANO_CORE_EXPORT std::optional<LabelRecord> FindLabel(const std::string& brand,
                                                        const std::string& labelName,
                                                        const std::string& dataFolder,
                                                        const LabelRecord& start = {});

/// The label's address layout from the data folder's layout file, read over `start`; nothing
/// when none is stored (a label then has AddressLayout's defaults).
ORVANO_CORE_EXPORT std::optional<AddressLayout> FindAddressLayout(const std::string& brand,
                                                                  const std::string& labelName,
                                                                  const std::string& dataFolder,
                                                                  const AddressLayout& start = {});

/// FindLabel with one output per value. Clears the description first; the other outputs are
/// written only when found.
ORVANO_CORE_EXPORT std::int32_t LookupLabel(const std::string& brand, const std::string& labelName,
                                            const std::string& dataFolder, std::string& description,
                                            std::int32_t& pageFormat, std::int32_t& landscape,
                                            std::int32_t& cols, std::int32_t& rows,
                                            double& borderLeft, double& borderTop,
                                            double& labelWidth, double& labelHeight,
                                            double& spaceWidth, double& spaceHeight);

/// FindAddressLayout with one output per value. Note the output order: bottom before right.
/// When none is stored the outputs get AddressLayout's defaults (2, 1, 1, 2, 0, 0, 10, 2, true).
ORVANO_CORE_EXPORT std::int32_t LookupAddressLayout(
    const std::string& brand, const std::string& labelName, const std::string& dataFolder,
    double& borderLeft, double& borderTop, double& borderBottom, double& borderRight,
    double& headingSpace, double& addressSpace, std::int32_t& fontSize,
    std::int32_t& returnAddressFormat, host::Flag& withHeading);

/// Makes FindLabel the lookup every LabelDef runs. Done once when this layer is linked in; the
/// library's composition root calls it too, so it never depends on what the linker kept.
ORVANO_CORE_EXPORT void InstallLabelLookup() noexcept;

/// True when the brand, trimmed and upper-cased, is "BENUTZERDEFINIERT".
ORVANO_CORE_EXPORT bool IsCustomBrand(const std::string& brand);

}  // namespace orvano::catalog
