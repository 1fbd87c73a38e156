// The measurement fields and their spinners: one mechanism for all fourteen, driven by the field
// table. A field reads what the user typed with its unit, clamps it, writes it back in its fixed
// form, keeps pitch and label size consistent, feeds the preview, and turns an edited catalog
// label into a new custom label.
#include <cmath>

#include "orvano/catalog/value_parse.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/dialog/label_config/shown_text.h"
#include "orvano/host/error.h"

namespace orvano {

using host::Resume;
using label_config::FieldInfo;
using label_config::FieldKind;
using label_config::FieldTable;
using label_config::PairRole;

namespace {

const FieldInfo& Info(std::int32_t index) { return FieldTable()[static_cast<std::size_t>(index)]; }

double ValueOf(FieldKind kind, const std::string& text) {
  return kind == FieldKind::Length ? catalog::ParseLength(text) : catalog::ParseNumber(text);
}

}  // namespace

std::string frmLabelConfig::FieldText(std::int32_t index) const {
  return fields_[static_cast<std::size_t>(index)].text->Text();
}

void frmLabelConfig::SetFieldText(std::int32_t index, const std::string& text) {
  fields_[static_cast<std::size_t>(index)].text->SetText(text);
}

double frmLabelConfig::FieldValue(std::int32_t index) const {
  return ValueOf(Info(index).kind, FieldText(index));
}

void frmLabelConfig::Field_GotFocus() { SelectActiveText(); }

void frmLabelConfig::Field_LostFocus(std::int32_t index) {
  if (Info(index).kind == FieldKind::Length)
    AcceptLength(index);
  else
    AcceptCount(index);
  Resume([&] { PreviewField(index); });
  SelectActiveText();
}

void frmLabelConfig::AcceptLength(std::int32_t index) {
  const FieldInfo& info = Info(index);
  Resume([&] {
    if (FieldValue(index) < info.minimum) SetFieldText(index, host::NumberText(info.minimum));
  });
  Resume([&] {
    if (FieldValue(index) > info.maximum) SetFieldText(index, host::NumberText(info.maximum));
  });
  // Units are resolved here: "2 cm" becomes " 20 mm".
  Resume(
      [&] { SetFieldText(index, label_config::ShownText(FieldKind::Length, FieldValue(index))); });
  Resume([&] { MatchPartner(index); });
}

void frmLabelConfig::AcceptCount(std::int32_t index) {
  const FieldInfo& info = Info(index);
  auto whole = [&] { return host::Int(std::fabs(FieldValue(index))); };
  Resume([&] {
    if (whole() < info.minimum) SetFieldText(index, host::NumberText(info.minimum));
  });
  // The whole part is what the field keeps, so it is what must stay within the maximum; a
  // large negative entry would otherwise come back as a count above it.
  Resume([&] {
    if (whole() > info.maximum) SetFieldText(index, host::NumberText(info.maximum));
  });
  Resume([&] { SetFieldText(index, label_config::ShownText(FieldKind::Count, whole())); });
}

void frmLabelConfig::MatchPartner(std::int32_t index) {
  const FieldInfo& info = Info(index);
  if (info.role == PairRole::None) return;
  // The field being left wins: a pitch below its label shrinks the label, a label above its
  // pitch widens the pitch.
  const bool leftIsPitch = info.role == PairRole::Pitch;
  const double pitch = leftIsPitch ? FieldValue(index) : FieldValue(info.partner);
  const double size = leftIsPitch ? FieldValue(info.partner) : FieldValue(index);
  if (pitch < size) SetFieldText(info.partner, FieldText(index));
}

void frmLabelConfig::PreviewField(std::int32_t index) {
  const FieldInfo& info = Info(index);
  const double value = FieldValue(index);
  if (value == info.get(*preview_)) return;
  ShowPreview(false);
  Resume([&] { info.set(*preview_, value); });
  if (info.partner >= 0)
    Resume([&] { Info(info.partner).set(*preview_, FieldValue(info.partner)); });
  ShowPreview(true);
  if (info.makesCustom) Resume([&] { MakeCustomLabel(); });
}

void frmLabelConfig::UpDown_Click(std::int32_t index, double step) {
  // Every step lands on a whole number, ties to the even one; the focus-lost steps clamp it.
  Resume([&] { SetFieldText(index, host::NumberText(host::Round(FieldValue(index) + step))); });
  Field_LostFocus(index);
  Resume([&] { fields_[static_cast<std::size_t>(index)].text->SetFocus(); });
}

void frmLabelConfig::cboFontSize_LostFocus() {
  // No minimum and no maximum here; an unreadable entry shows "0 pt" and is saved as 10.
  double size = 0;
  Resume([&] { size = host::Int(std::fabs(catalog::ParseNumber(cboFontSize_->Text()))); });
  Resume([&] { cboFontSize_->SetText(host::NumberText(size) + " pt"); });
  ShowPreview(false);
  Resume([&] { preview_->SetFontSize(host::CLng(size)); });
  ShowPreview(true);
}

}  // namespace orvano
