/// \file
/// One printable text field of a label: position in mm, font, alignment and where its text comes
/// from. Pure data; nothing is validated or recomputed.
#pragma once

#include <cstdint>
#include <string>

#include "orvano/core_export.h"
#include "orvano/host/factory.h"
#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"

namespace orvano {

/// One text field of a label: where it sits (millimetres), its font and what it shows. Nothing
/// is validated or recomputed.
class ORVANO_CORE_EXPORT FieldDef : public host::Object {
 public:
  /// Also the field's key in the owning FieldDefs.
  ///@{
  const std::string& FieldName() const noexcept { return fieldName_; }
  void SetFieldName(std::string v);
  ///@}

  /// A data field or a fixed caption.
  ///@{
  ovFieldTypeConstants FieldType() const noexcept { return fieldType_; }
  void SetFieldType(std::int32_t v) noexcept;  ///< any code is kept
  ///@}

  /// Where a data field takes its text from; the host interprets it.
  ///@{
  const std::string& FieldSource() const noexcept { return fieldSource_; }
  void SetFieldSource(std::string v);
  ///@}

  /// Millimetres from the label's top left corner.
  ///@{
  double FieldLeft() const noexcept { return fieldLeft_; }
  void SetFieldLeft(double v) noexcept;
  double FieldTop() const noexcept { return fieldTop_; }
  void SetFieldTop(double v) noexcept;
  double FieldWidth() const noexcept { return fieldWidth_; }
  void SetFieldWidth(double v) noexcept;
  double FieldHeight() const noexcept { return fieldHeight_; }
  void SetFieldHeight(double v) noexcept;
  ///@}

  /// The font face.
  ///@{
  const std::string& FontName() const noexcept { return fontName_; }
  void SetFontName(std::string v);
  ///@}
  /// The font size in whole points.
  ///@{
  std::int32_t FontSize() const noexcept { return fontSize_; }
  void SetFontSize(std::int32_t v) noexcept;
  ///@}

  /// The boolean properties read back -1 or 0: any non-zero value given counts as true.
  ///@{
  host::Flag FontBold() const noexcept { return fontBold_; }
  void SetFontBold(host::Flag v) noexcept;
  host::Flag FontItalic() const noexcept { return fontItalic_; }
  void SetFontItalic(host::Flag v) noexcept;
  host::Flag FontUnderline() const noexcept { return fontUnderline_; }
  void SetFontUnderline(host::Flag v) noexcept;
  ///@}

  /// The horizontal alignment of the text.
  ///@{
  ovTextAlignConstants TextAlign() const noexcept { return textAlign_; }
  void SetTextAlign(std::int32_t v) noexcept;  ///< any code is kept
  ///@}

  /// The host may shrink or grow the field's height to its text when printing.
  ///@{
  host::Flag CanShrink() const noexcept { return canShrink_; }
  void SetCanShrink(host::Flag v) noexcept;
  host::Flag CanGrow() const noexcept { return canGrow_; }
  void SetCanGrow(host::Flag v) noexcept;
  ///@}

 private:
  std::string fieldName_;
  ovFieldTypeConstants fieldType_ = ovFieldTypeDataField;
  std::string fieldSource_;
  double fieldLeft_ = 0;
  double fieldTop_ = 0;
  double fieldWidth_ = 0;
  double fieldHeight_ = 0;
  std::string fontName_;
  std::int32_t fontSize_ = 0;
  host::Flag fontBold_ = host::kFalse;
  host::Flag fontItalic_ = host::kFalse;
  host::Flag fontUnderline_ = host::kFalse;
  ovTextAlignConstants textAlign_ = ovTextAlignDefault;
  host::Flag canShrink_ = host::kFalse;
  host::Flag canGrow_ = host::kFalse;
};

}  // namespace orvano
