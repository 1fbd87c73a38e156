// The sheet a LabelDef describes, and whether it can be printed at all.
#pragma once

#include <cstdint>

#include "orvano/model/label_def.h"
#include "orvano/model/sheet_geometry.h"
#include "orvano/print_export.h"

namespace orvano::qt {

// More labels than this on one sheet is no label stock but a typing error; printing it would
// only exhaust memory and time.
inline constexpr std::int64_t kMaxLabelsPerSheet = 1'000'000;

ORVANO_PRINT_EXPORT SheetGeometry GeometryOf(const LabelDef& def);

// Raises InvalidPropertyValue, with a German message, for a sheet nothing sensible can be printed
// on: a page without a usable size, labels below 1 mm or not finite, negative gaps, an empty or
// oversized grid, no label on the page, or a field without a positive size.
ORVANO_PRINT_EXPORT void CheckPrintable(const LabelDef& def);

}  // namespace orvano::qt
