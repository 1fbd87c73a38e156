// One label stock as the host prints it: page, margins, label size, gaps, grid (all mm) and the
// printable fields. Setting Brand or LabelName looks the stock up in the label catalog.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "orvano/core_export.h"
#include "orvano/host/factory.h"
#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"
#include "orvano/model/field_defs.h"

namespace orvano {

class ORVANO_CORE_EXPORT LabelDef : public host::Object {
 public:
  LabelDef();

  // Stores any code; for A4 and A5 the page size follows from code and orientation, for any
  // other code PageWidth and PageHeight keep their values.
  ovPageFormatConstants PageFormat() const noexcept {
    return static_cast<ovPageFormatConstants>(pageFormat_);
  }
  void SetPageFormat(std::int32_t code);

  // True (-1) when the stored orientation flag is not 0. Setting stores 1 or 0 and recomputes
  // the page size.
  host::Flag Landscape() const noexcept { return host::ToFlag(landscape_ != 0); }
  void SetLandscape(host::Flag landscape);
  // The stored orientation flag itself, as the catalog delivers it (1 landscape, 0 portrait).
  std::int32_t LandscapeFlag() const noexcept { return landscape_; }

  double PageWidth() const noexcept { return pageWidth_; }
  void SetPageWidth(double v) noexcept { pageWidth_ = v; }
  double PageHeight() const noexcept { return pageHeight_; }
  void SetPageHeight(double v) noexcept { pageHeight_ = v; }
  double BorderLeft() const noexcept { return borderLeft_; }
  void SetBorderLeft(double v) noexcept { borderLeft_ = v; }
  double BorderTop() const noexcept { return borderTop_; }
  void SetBorderTop(double v) noexcept { borderTop_ = v; }
  double LabelWidth() const noexcept { return labelWidth_; }
  void SetLabelWidth(double v) noexcept { labelWidth_ = v; }
  double LabelHeight() const noexcept { return labelHeight_; }
  void SetLabelHeight(double v) noexcept { labelHeight_ = v; }
  // Gaps between neighbouring labels, not pitches.
  double SpaceHeight() const noexcept { return spaceHeight_; }
  void SetSpaceHeight(double v) noexcept { spaceHeight_ = v; }
  double SpaceWidth() const noexcept { return spaceWidth_; }
  void SetSpaceWidth(double v) noexcept { spaceWidth_ = v; }
  std::int32_t Cols() const noexcept { return cols_; }
  void SetCols(std::int32_t v) noexcept { cols_ = v; }
  std::int32_t Rows() const noexcept { return rows_; }
  void SetRows(std::int32_t v) noexcept { rows_ = v; }

  // Both run the catalog lookup once brand and label name are not blank.
  const std::string& LabelName() const noexcept { return labelName_; }
  void SetLabelName(std::string v);
  const std::string& Brand() const noexcept { return brand_; }
  void SetBrand(std::string v);

  const std::string& Description() const noexcept { return description_; }
  void SetDescription(std::string v);
  // Where the user's own labels live; read when the lookup runs, so set it first.
  const std::string& DataFolder() const noexcept { return dataFolder_; }
  void SetDataFolder(std::string v);

  std::shared_ptr<FieldDefs> Fields() const noexcept { return fields_; }
  // Holds the given collection instead; a null collection is refused with ObjectRequired, so
  // Fields() never hands out nothing.
  void SetFields(std::shared_ptr<FieldDefs> fields);

 private:
  void LookUpInCatalog();

  double pageWidth_ = 0;
  double pageHeight_ = 0;
  double borderLeft_ = 0;
  double borderTop_ = 0;
  double labelWidth_ = 0;
  double labelHeight_ = 0;
  double spaceHeight_ = 0;
  double spaceWidth_ = 0;
  std::int32_t cols_ = 0;
  std::int32_t rows_ = 0;
  std::string labelName_;
  std::string brand_;
  std::string description_;
  std::string dataFolder_;
  std::int32_t pageFormat_ = 0;
  std::int32_t landscape_ = 0;
  std::shared_ptr<FieldDefs> fields_;
};

}  // namespace orvano
