/// \file
/// One label stock as the host prints it: page, margins, label size, gaps, grid (all mm) and the
/// printable fields. Setting Brand or LabelName looks the stock up through the installed
/// LabelLookup (the label catalog's).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "orvano/core_export.h"
#include "orvano/host/factory.h"
#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"
#include "orvano/model/field_defs.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano {

/// One label stock as the host gets it: the sheet, the catalog names and the printable fields.
/// Lengths are millimetres; the setters store without checking unless they say otherwise.
class ORVANO_CORE_EXPORT LabelDef : public host::Object {
 public:
  /// All zero and empty, with an empty FieldDefs.
  LabelDef();

  /// Stores any code; for A4 and A5 the page size follows from code and orientation, for any
  /// other code PageWidth and PageHeight keep their values.
  ///@{
  ovPageFormatConstants PageFormat() const noexcept {
    return static_cast<ovPageFormatConstants>(sheet_.PageFormat);
  }
  void SetPageFormat(std::int32_t code);
  ///@}

  /// True (-1) when the stored orientation flag is not 0. Setting stores 1 or 0 and recomputes
  /// the page size.
  ///@{
  host::Flag Landscape() const noexcept { return host::ToFlag(sheet_.Landscape != 0); }
  void SetLandscape(host::Flag landscape);
  ///@}
  /// The stored orientation flag itself, as the catalog delivers it (1 landscape, 0 portrait).
  std::int32_t LandscapeFlag() const noexcept { return sheet_.Landscape; }

  /// The page size; A4 and A5 set it from the format and orientation.
  ///@{
  double PageWidth() const noexcept { return sheet_.PageWidth; }
  void SetPageWidth(double v) noexcept { sheet_.PageWidth = v; }
  double PageHeight() const noexcept { return sheet_.PageHeight; }
  void SetPageHeight(double v) noexcept { sheet_.PageHeight = v; }
  ///@}
  /// From the page's left edge to the first label column.
  ///@{
  double BorderLeft() const noexcept { return sheet_.BorderLeft; }
  void SetBorderLeft(double v) noexcept { sheet_.BorderLeft = v; }
  ///@}
  /// From the page's top edge to the first label row.
  ///@{
  double BorderTop() const noexcept { return sheet_.BorderTop; }
  void SetBorderTop(double v) noexcept { sheet_.BorderTop = v; }
  ///@}
  /// The size of one label.
  ///@{
  double LabelWidth() const noexcept { return sheet_.LabelWidth; }
  void SetLabelWidth(double v) noexcept { sheet_.LabelWidth = v; }
  double LabelHeight() const noexcept { return sheet_.LabelHeight; }
  void SetLabelHeight(double v) noexcept { sheet_.LabelHeight = v; }
  ///@}
  /// Gaps between neighbouring labels, not pitches: between two rows and between two columns.
  ///@{
  double SpaceHeight() const noexcept { return sheet_.SpaceHeight; }
  void SetSpaceHeight(double v) noexcept { sheet_.SpaceHeight = v; }
  double SpaceWidth() const noexcept { return sheet_.SpaceWidth; }
  void SetSpaceWidth(double v) noexcept { sheet_.SpaceWidth = v; }
  ///@}
  /// Labels per row and per column.
  ///@{
  std::int32_t Cols() const noexcept { return sheet_.Cols; }
  void SetCols(std::int32_t v) noexcept { sheet_.Cols = v; }
  std::int32_t Rows() const noexcept { return sheet_.Rows; }
  void SetRows(std::int32_t v) noexcept { sheet_.Rows = v; }
  ///@}

  /// The stock's name and maker in the catalog. Both run the catalog lookup once brand and label
  /// name are not blank; the lookup's errors reach the caller.
  ///@{
  const std::string& LabelName() const noexcept { return labelName_; }
  void SetLabelName(std::string v);
  const std::string& Brand() const noexcept { return brand_; }
  void SetBrand(std::string v);
  ///@}

  /// The catalog's text of the stock.
  ///@{
  const std::string& Description() const noexcept { return description_; }
  void SetDescription(std::string v);
  ///@}
  /// Where the user's own labels live; read when the lookup runs, so set it first.
  ///@{
  const std::string& DataFolder() const noexcept { return dataFolder_; }
  void SetDataFolder(std::string v);
  ///@}

  /// The stock as one value: page, grid, margins, label size and gaps.
  const SheetGeometry& Sheet() const noexcept { return sheet_; }

  /// The printable fields (shared: changes through it change this label).
  std::shared_ptr<FieldDefs> Fields() const noexcept { return fields_; }
  /// Holds the given collection instead; a null collection is refused with ObjectRequired, so
  /// Fields() never hands out nothing.
  void SetFields(std::shared_ptr<FieldDefs> fields);

 private:
  void LookUpInCatalog();

  /// Zero until set or looked up, page format and size included.
  SheetGeometry sheet_{.PageFormat = 0, .PageWidth = 0, .PageHeight = 0};
  std::string labelName_;
  std::string brand_;
  std::string description_;
  std::string dataFolder_;
  std::shared_ptr<FieldDefs> fields_;
};

}  // namespace orvano
