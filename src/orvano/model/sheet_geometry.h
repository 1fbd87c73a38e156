/// \file
/// The geometry of one label sheet: page, grid, margins, label size and gaps, all in millimetres.
/// Every layer that places labels (the catalog records, LabelDef, LabelSelect, the dialog, the
/// importer, the printer) speaks of a sheet through this one type, and numbers its labels through
/// the one fill order below.
#pragma once

#include <cstdint>
#include <optional>

#include "orvano/core_export.h"
#include "orvano/model/enums.h"

namespace orvano {

/// The label size of the stock every control starts with.
///@{
inline constexpr double kDefaultLabelWidth = 88.9;
inline constexpr double kDefaultLabelHeight = 46.56;
///@}

/// A row and a column of the grid, both from 0.
struct GridCell {
  std::int64_t Row = 0;  ///< from 0, top to bottom
  std::int64_t Col = 0;  ///< from 0, left to right
};

/// A rectangle in millimetres from the page's top left corner.
struct MmRect {
  double Left = 0;    ///< mm from the page's left edge
  double Top = 0;     ///< mm from the page's top edge
  double Width = 0;   ///< mm
  double Height = 0;  ///< mm
};

/// Label numbers run from 0 in the fill order: ovLeftRight fills row by row, ovTopBottom column by
/// column. Grids with a non-positive count have no labels; the numbering functions then give -1 or
/// nothing rather than dividing by zero.
///@{
ORVANO_CORE_EXPORT std::optional<GridCell> CellOfLabel(std::int64_t number, std::int64_t cols,
                                                       std::int64_t rows,
                                                       std::int32_t direction) noexcept;
ORVANO_CORE_EXPORT std::int64_t LabelNumberAt(GridCell cell, std::int64_t cols, std::int64_t rows,
                                              std::int32_t direction) noexcept;
///@}

/// One label sheet (see the file comment); lengths in millimetres.
struct ORVANO_CORE_EXPORT SheetGeometry {
  std::int32_t PageFormat = ovPageFormatA4;  ///< the page format code (9 A4, 11 A5, others kept)
  std::int32_t Landscape = 0;                ///< the stored flag: 1 landscape, 0 portrait
  double PageWidth = 210;                    ///< the page width
  double PageHeight = 297;                   ///< the page height
  std::int32_t Cols = 0;                     ///< labels per row
  std::int32_t Rows = 0;                     ///< labels per column
  double BorderLeft = 0;   ///< from the page's left edge to the first label column
  double BorderTop = 0;    ///< from the page's top edge to the first label row
  double LabelWidth = 0;   ///< the width of one label
  double LabelHeight = 0;  ///< the height of one label
  double SpaceWidth = 0;   ///< horizontal gap between neighbours, not the pitch
  double SpaceHeight = 0;  ///< vertical gap

  /// The stock a LabelSelect shows before anything is chosen: A4 portrait, 2 x 6 labels of
  /// 88.9 x 46.56 mm.
  static SheetGeometry DefaultStock() noexcept;

  /// Label size plus gap: the distance from one label to the next, across and down.
  ///@{
  double PitchWidth() const noexcept { return LabelWidth + SpaceWidth; }
  double PitchHeight() const noexcept { return LabelHeight + SpaceHeight; }
  ///@}
  /// Cols x Rows, or 0 when either is not positive.
  std::int64_t LabelCount() const noexcept;
  /// From the page's edge to the far edge of the last label of a line of count labels: offset +
  /// count x size + (count - 1) x gap. Counts are numbers here, for callers that check counts
  /// as the user typed them.
  static double GridExtent(double offset, double count, double size, double gap) noexcept {
    return offset + count * size + (count - 1.0) * gap;
  }
  /// From the page's left (top) edge to the right (bottom) edge of the last column (row).
  ///@{
  double GridWidth() const noexcept;
  double GridHeight() const noexcept;
  ///@}
  /// The grid ends within the page (equality fits); false when an extent is not finite.
  bool FitsOnPage(double pageWidth, double pageHeight, double slack = 0) const noexcept;
  bool FitsOnPage() const noexcept {
    return FitsOnPage(PageWidth, PageHeight);
  }  ///< on its own page
  /// Recomputes PageWidth and PageHeight from format and orientation (A4, A5; others keep theirs).
  void ApplyPageFormat() noexcept;

  /// CellOfLabel and LabelNumberAt on this sheet's grid.
  ///@{
  std::optional<GridCell> CellOf(std::int64_t number, std::int32_t direction) const noexcept {
    return CellOfLabel(number, Cols, Rows, direction);
  }
  std::int64_t NumberAt(GridCell cell, std::int32_t direction) const noexcept {
    return LabelNumberAt(cell, Cols, Rows, direction);
  }
  ///@}
  /// The rectangle of the label in a cell (also for cells off the grid).
  MmRect CellRect(GridCell cell) const noexcept;
  /// The rectangle of label n in the fill order; nothing when n is not on the sheet.
  std::optional<MmRect> LabelRect(std::int64_t number, std::int32_t direction) const noexcept;

  bool operator==(const SheetGeometry&) const = default;  ///< field by field
};

}  // namespace orvano
