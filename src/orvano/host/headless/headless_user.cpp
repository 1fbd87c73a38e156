// The user of a headless window: clicks, focus moves, typing and choosing, in the platform's
// event order. Acting on a widget that a person could not reach (hidden, disabled) does nothing.
#include "orvano/host/error.h"
#include "orvano/host/headless/container_state.h"

namespace orvano::host::headless {

namespace {

template <class T, class W>
T& Headless(W& w) {
  auto* h = dynamic_cast<T*>(&w);
  if (!h) Raise(ErrorKind::InvalidProcedureCall, "kein Steuerelement dieses Hosts");
  return *h;
}

}  // namespace

void HeadlessContainer::Click(Widget& w) {
  auto& item = Headless<HeadlessItem>(w);
  if (!item.IsUsable()) return;
  auto alive = item.Watch();
  if (FocusWidget* f = item.AsFocus()) {
    // The focus moves first, so the field left runs its LostFocus before the click.
    f->SetFocus();
    // A click on a list only opens it; an item is picked by Choose.
    if (alive.expired() || dynamic_cast<ComboBox*>(f)) return;
  }
  // A LostFocus handler may have disabled, hidden or removed the widget in the meantime.
  if (alive.expired() || !item.IsUsable()) return;
  item.RaiseClick();
}

void HeadlessContainer::Focus(FocusWidget& w) {
  auto& item = Headless<HeadlessItem>(w);
  if (item.IsUsable()) w.SetFocus();
}

void HeadlessContainer::Blur() { state_->core->MoveFocus(nullptr); }

void HeadlessContainer::Type(TextBox& w, const std::string& text) {
  auto& box = Headless<HeadlessTextBox>(w);
  if (!box.IsUsable()) return;
  auto alive = box.Watch();
  box.SetFocus();
  if (!alive.expired()) box.Typed(text);
}

void HeadlessContainer::Type(ComboBox& w, const std::string& text) {
  auto& list = Headless<HeadlessComboBox>(w);
  if (!list.IsUsable()) return;
  // In a drop-down list a person can only pick what is there.
  if (!list.Editable() && list.FindItem(text) < 0)
    Raise(ErrorKind::InvalidPropertyValue, "kein Listeneintrag " + text);
  auto alive = list.Watch();
  list.SetFocus();
  if (!alive.expired()) list.Typed(text);
}

void HeadlessContainer::Choose(ComboBox& w, std::int32_t index) {
  auto& list = Headless<HeadlessComboBox>(w);
  if (!list.IsUsable()) return;
  if (index < 0 || index >= list.ListCount()) Raise(ErrorKind::InvalidPropertyValue);
  auto alive = list.Watch();
  list.SetFocus();
  if (!alive.expired() && index < list.ListCount()) list.SetListIndex(index);
}

void HeadlessContainer::SpinUp(Spinner& s) {
  auto& spinner = Headless<HeadlessSpinner>(s);
  if (spinner.IsUsable()) spinner.RaiseUp();
}

void HeadlessContainer::SpinDown(Spinner& s) {
  auto& spinner = Headless<HeadlessSpinner>(s);
  if (spinner.IsUsable()) spinner.RaiseDown();
}

void HeadlessContainer::ChooseTab(TabStrip& t, std::int32_t index) {
  auto& strip = Headless<HeadlessTabStrip>(t);
  if (index < 0 || index >= strip.TabCount()) Raise(ErrorKind::InvalidPropertyValue);
  if (!strip.IsUsable() || !strip.TabEnabled(index) || index == strip.Tab()) return;
  // The strip takes the focus from the field being left before it turns the page.
  auto alive = strip.Watch();
  state_->core->MoveFocus(nullptr);
  if (!alive.expired() && strip.TabEnabled(index)) strip.SetTab(index);
}

std::int64_t HeadlessContainer::ClickAt(VirtualArray& a, float x, float y) {
  return Headless<HeadlessVirtualArray>(a).ClickAt(x, y);
}

}  // namespace orvano::host::headless
