/// \file
/// Where the labels of one sheet lie, in the sheet's fill order, one at a time: nothing is
/// collected, so a sheet costs memory independent of its label count.
#pragma once

#include <QRectF>
#include <cstdint>

#include "orvano/model/sheet_geometry.h"
#include "orvano/print_export.h"

namespace orvano::qt {

/// One label's place on the sheet.
struct ORVANO_PRINT_EXPORT LabelPlace {
  std::int64_t number = 0;  ///< 0-based, in fill order
  std::int64_t column = 0;  ///< from 0, left to right
  std::int64_t row = 0;     ///< from 0, top to bottom
  QRectF mm;                ///< from the page's top left corner
};

/// The labels from the start label on, in the fill order of SheetGeometry (ovLeftRight: rows
/// first, ovTopBottom: columns first). A start label outside the grid (-1 while the marker is
/// off) means the first label. Only labels that begin on the page are visited.
class ORVANO_PRINT_EXPORT SheetPlaces {
 public:
  /// The places of a sheet from startLabel on, in the fill order direction.
  SheetPlaces(const SheetGeometry& sheet, std::int64_t startLabel, std::int32_t direction);

  /// The next label; false when the sheet is done.
  bool Next(LabelPlace& place);
  /// How many labels Next still gives, counted without visiting them.
  std::int64_t Remaining() const;

 private:
  bool OnPage(const GridCell& cell) const;

  SheetGeometry sheet_;
  std::int32_t direction_;
  std::int64_t next_;
  std::int64_t visibleCols_;
  std::int64_t visibleRows_;
};

}  // namespace orvano::qt
