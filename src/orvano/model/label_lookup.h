/// \file
/// How a LabelDef finds its stock by brand and label name. The model sits below the catalog and
/// does not know it: the catalog layer installs its lookup here (the library's composition root
/// does so explicitly), and a host or test may install its own.
#pragma once

#include <string>

#include "orvano/core_export.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano {

/// Clears the description, then fills description and sheet from the label's record; true when
/// found. A label not found leaves the sheet as it was.
using LabelLookup = bool (*)(const std::string& brand, const std::string& labelName,
                             const std::string& dataFolder, std::string& description,
                             SheetGeometry& sheet);

/// Null removes the lookup: a LabelDef then keeps what it was given.
ORVANO_CORE_EXPORT void SetLabelLookup(LabelLookup lookup) noexcept;
/// The lookup LabelDef runs now, or null.
ORVANO_CORE_EXPORT LabelLookup CurrentLabelLookup() noexcept;

}  // namespace orvano
