#include <cmath>

#include "orvano/host/error.h"
#include "orvano/host/headless/core.h"
#include "orvano/host/strings.h"

namespace orvano::host::headless {

namespace {
void CheckFontSize(float points) {
  if (!std::isfinite(points) || points <= 0) Raise(ErrorKind::InvalidPropertyValue);
}
}  // namespace

HeadlessTextBox::HeadlessTextBox(std::shared_ptr<Core> core, std::string name)
    : FocusImpl<TextBox>(std::move(core), std::move(name)), font_(Owner().font) {}

void HeadlessTextBox::ShowText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  sel_ = {};
  RaiseHandler(change_);
}

void HeadlessTextBox::Typed(const std::string& text) {
  bool changed = text != text_;
  text_ = text;
  sel_ = {static_cast<std::int32_t>(Len(text_)), 0};
  if (changed) RaiseHandler(change_);
}

std::string HeadlessTextBox::SelText() const {
  return Mid(text_, static_cast<std::size_t>(sel_.start), static_cast<std::size_t>(sel_.length));
}

void HeadlessTextBox::SetFont(const Font& f) {
  CheckFontSize(f.size);
  font_ = f;
}

void HeadlessTextBox::SetFontSize(float points) {
  CheckFontSize(points);
  font_.size = points;
}

}  // namespace orvano::host::headless
