// Where the labels of one sheet lie, in the fill order of the sheet.
#pragma once

#include <QRectF>
#include <cstdint>
#include <vector>

#include "orvano/model/label_def.h"
#include "orvano/print_export.h"

namespace orvano::qt {

struct LabelPlace {
  std::int32_t number = 0;  // 0-based, in fill order
  std::int32_t column = 0;
  std::int32_t row = 0;
  QRectF mm;  // from the page's top left corner
};

// The labels from the start label on, in fill order (ovLeftRight: rows first, ovTopBottom:
// columns first). A start label outside the grid (-1 while the marker is off) means the first
// label. Only labels that begin on the page are listed, so a nonsense grid of millions of
// labels costs nothing; a sheet without a usable size or label size has none.
ORVANO_PRINT_EXPORT std::vector<LabelPlace> SheetPlaces(const LabelDef& def,
                                                        std::int32_t startLabel,
                                                        std::int32_t direction);

}  // namespace orvano::qt
