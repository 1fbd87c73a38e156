#include "orvano/host/error.h"
#include "orvano/host/headless/core.h"
#include "orvano/host/strings.h"

namespace orvano::host::headless {

HeadlessComboBox::HeadlessComboBox(std::shared_ptr<Core> core, std::string name, bool editable)
    : FocusImpl<ComboBox>(std::move(core), std::move(name)), editable_(editable) {}

void HeadlessComboBox::CheckIndex(std::int32_t index) const {
  if (index < 0 || index >= ListCount()) Raise(ErrorKind::InvalidPropertyValue);
}

void HeadlessComboBox::AddItem(const std::string& item) {
  items_.push_back({item, 0});
  newIndex_ = ListCount() - 1;
}

void HeadlessComboBox::Clear() {
  items_.clear();
  index_ = -1;
  newIndex_ = -1;
  text_.clear();
  sel_ = {};
}

std::string HeadlessComboBox::List(std::int32_t index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].text;
}

void HeadlessComboBox::SetListIndex(std::int32_t index) {
  if (index < -1 || index >= ListCount()) Raise(ErrorKind::InvalidPropertyValue);
  index_ = index;
  text_ = index < 0 ? std::string() : items_[static_cast<std::size_t>(index)].text;
  sel_ = {};
  // The platform raises Click on every assignment, also of the position already selected.
  RaiseHandler(click_);
}

std::int32_t HeadlessComboBox::ItemData(std::int32_t index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].data;
}

void HeadlessComboBox::SetItemData(std::int32_t index, std::int32_t data) {
  CheckIndex(index);
  items_[static_cast<std::size_t>(index)].data = data;
}

void HeadlessComboBox::SetText(const std::string& text) {
  if (!editable_) {
    std::int32_t found = FindItem(text);
    if (found < 0) Raise(ErrorKind::InvalidPropertyValue, "kein Listeneintrag " + text);
    SetListIndex(found);
    return;
  }
  if (text == text_) return;
  text_ = text;
  index_ = -1;
  sel_ = {};
  RaiseHandler(change_);
}

void HeadlessComboBox::Typed(const std::string& text) {
  if (!editable_) {
    SetText(text);
    return;
  }
  bool changed = text != text_;
  text_ = text;
  sel_ = {static_cast<std::int32_t>(Len(text_)), 0};
  if (!changed) return;
  index_ = -1;
  RaiseHandler(change_);
}

std::vector<std::string> HeadlessComboBox::Items() const {
  std::vector<std::string> out;
  out.reserve(items_.size());
  for (const Item& item : items_) out.push_back(item.text);
  return out;
}

std::int32_t HeadlessComboBox::FindItem(const std::string& text) const {
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (EqualsNoCase(items_[i].text, text)) return static_cast<std::int32_t>(i);
  return -1;
}

}  // namespace orvano::host::headless
