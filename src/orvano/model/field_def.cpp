#include "orvano/model/field_def.h"

#include <utility>

namespace orvano {

namespace {
// A boolean parameter of the platform turns every non-zero value into true.
constexpr host::Flag AsBoolean(host::Flag v) noexcept { return host::ToFlag(v != 0); }
}  // namespace

void FieldDef::SetFieldName(std::string v) { fieldName_ = std::move(v); }
void FieldDef::SetFieldType(std::int32_t v) noexcept {
  fieldType_ = static_cast<ovFieldTypeConstants>(v);
}
void FieldDef::SetFieldSource(std::string v) { fieldSource_ = std::move(v); }

void FieldDef::SetFieldLeft(double v) noexcept { fieldLeft_ = v; }
void FieldDef::SetFieldTop(double v) noexcept { fieldTop_ = v; }
void FieldDef::SetFieldWidth(double v) noexcept { fieldWidth_ = v; }
void FieldDef::SetFieldHeight(double v) noexcept { fieldHeight_ = v; }

void FieldDef::SetFontName(std::string v) { fontName_ = std::move(v); }
void FieldDef::SetFontSize(std::int32_t v) noexcept { fontSize_ = v; }
void FieldDef::SetFontBold(host::Flag v) noexcept { fontBold_ = AsBoolean(v); }
void FieldDef::SetFontItalic(host::Flag v) noexcept { fontItalic_ = AsBoolean(v); }
void FieldDef::SetFontUnderline(host::Flag v) noexcept { fontUnderline_ = AsBoolean(v); }

void FieldDef::SetTextAlign(std::int32_t v) noexcept {
  textAlign_ = static_cast<ovTextAlignConstants>(v);
}
void FieldDef::SetCanShrink(host::Flag v) noexcept { canShrink_ = AsBoolean(v); }
void FieldDef::SetCanGrow(host::Flag v) noexcept { canGrow_ = AsBoolean(v); }

}  // namespace orvano
