#include <algorithm>

#include "orvano/host/error.h"
#include "orvano/host/headless/core.h"

namespace orvano::host::headless {

void HeadlessTabStrip::CheckIndex(std::int32_t index) const {
  if (index < 0 || index >= TabCount()) Raise(ErrorKind::InvalidPropertyValue);
}

void HeadlessTabStrip::AddTab(const std::string& caption) { tabs_.push_back({caption, true}); }

std::string HeadlessTabStrip::TabCaption(std::int32_t index) const {
  CheckIndex(index);
  return tabs_[static_cast<std::size_t>(index)].caption;
}

void HeadlessTabStrip::SetTab(std::int32_t index) {
  CheckIndex(index);
  if (!tabs_[static_cast<std::size_t>(index)].enabled) Raise(ErrorKind::InvalidPropertyValue);
  if (index == tab_) return;
  tab_ = index;
  // A focused widget on the page just hidden loses the focus before the change is reported.
  Owner().CheckFocus();
  RaiseHandler(change_);
}

bool HeadlessTabStrip::TabEnabled(std::int32_t index) const {
  CheckIndex(index);
  return tabs_[static_cast<std::size_t>(index)].enabled;
}

void HeadlessTabStrip::SetTabEnabled(std::int32_t index, bool enabled) {
  CheckIndex(index);
  tabs_[static_cast<std::size_t>(index)].enabled = enabled;
}

void HeadlessTabStrip::PlaceOnTab(Widget& child, std::int32_t index) {
  CheckIndex(index);
  auto* item = dynamic_cast<HeadlessItem*>(&child);
  auto& stack = Owner().stack;
  if (!item || item == this || std::find(stack.begin(), stack.end(), item) == stack.end())
    Raise(ErrorKind::InvalidProcedureCall);
  Owner().pages[item] = {this, index};
  Owner().CheckFocus();
}

std::int32_t HeadlessTabStrip::TabOf(const Widget& child) const {
  auto* item = dynamic_cast<const HeadlessItem*>(&child);
  auto it = Owner().pages.find(item);
  if (it == Owner().pages.end() || it->second.first != this) return -1;
  return it->second.second;
}

}  // namespace orvano::host::headless
