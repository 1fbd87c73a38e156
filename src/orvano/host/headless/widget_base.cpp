// The part every headless widget shares: geometry, visibility, stacking, focus, the click.
#include <algorithm>

#include "orvano/host/error.h"
#include "orvano/host/headless/core.h"
#include "orvano/host/strings.h"

namespace orvano::host::headless {

template <class Base>
WidgetImpl<Base>::WidgetImpl(std::shared_ptr<Core> core, std::string name)
    : core_(std::move(core)), name_(std::move(name)) {
  core_->Add(this);
}

template <class Base>
WidgetImpl<Base>::~WidgetImpl() {
  core_->Remove(this);
}

template <class Base>
void WidgetImpl<Base>::SetVisible(bool visible) {
  visible_ = visible;
  if (!visible) core_->CheckFocus();
}

template <class Base>
void WidgetImpl<Base>::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) core_->CheckFocus();
}

template <class Base>
void WidgetImpl<Base>::SetLeft(float v) {
  CheckFinite(v);
  left_ = v;
}

template <class Base>
void WidgetImpl<Base>::SetTop(float v) {
  CheckFinite(v);
  top_ = v;
}

template <class Base>
void WidgetImpl<Base>::SetWidth(float v) {
  CheckSize(v);
  if (v == width_) return;
  width_ = v;
  SizeChanged();
}

template <class Base>
void WidgetImpl<Base>::SetHeight(float v) {
  CheckSize(v);
  if (v == height_) return;
  height_ = v;
  SizeChanged();
}

template <class Base>
void WidgetImpl<Base>::BringToFront() noexcept {
  core_->ToFront(this);
}

template <class Base>
bool WidgetImpl<Base>::Shown() const {
  return core_->ItemShown(*this);
}

template <class Base>
bool WidgetImpl<Base>::Usable() const {
  return core_->ItemUsable(*this);
}

template <class Base>
void WidgetImpl<Base>::RaiseClick() {
  RaiseHandler(click_);
}

template <class Base>
void WidgetImpl<Base>::RaiseHandler(const Handler& h) {
  // A copy, so a handler that replaces itself or lets its widget go runs to its end.
  Handler run = h;
  if (run) run();
}

template <class Base>
void WidgetImpl<Base>::Rescale(float fx, float fy) {
  left_ *= fx;
  width_ *= fx;
  top_ *= fy;
  height_ *= fy;
}

template <class Base>
void FocusImpl<Base>::SetFocus() {
  if (!this->Usable()) Raise(ErrorKind::InvalidProcedureCall);
  this->core_->MoveFocus(this);
}

template <class Base>
bool FocusImpl<Base>::HasFocus() const {
  return this->core_->focus->active == static_cast<const HeadlessItem*>(this);
}

template <class Base>
void FocusImpl<Base>::SetTabIndex(int index) {
  if (index < 0) Raise(ErrorKind::InvalidPropertyValue);
  tabIndex_ = index;
}

void Selection::SetStart(std::int32_t v, const std::string& text) {
  if (v < 0) Raise(ErrorKind::InvalidPropertyValue);
  auto len = static_cast<std::int32_t>(Len(text));
  start = std::min(v, len);
  length = 0;
}

void Selection::SetLength(std::int32_t v, const std::string& text) {
  if (v < 0) Raise(ErrorKind::InvalidPropertyValue);
  auto len = static_cast<std::int32_t>(Len(text));
  length = std::min(v, len - start);
}

template class WidgetImpl<Widget>;
template class WidgetImpl<TextBox>;
template class WidgetImpl<Label>;
template class WidgetImpl<Line>;
template class WidgetImpl<Shape>;
template class WidgetImpl<ComboBox>;
template class WidgetImpl<Button>;
template class WidgetImpl<Spinner>;
template class WidgetImpl<TabStrip>;
template class FocusImpl<TextBox>;
template class FocusImpl<ComboBox>;
template class FocusImpl<Button>;

}  // namespace orvano::host::headless
