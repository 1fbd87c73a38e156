#include "orvano/host/headless/core.h"

#include <algorithm>
#include <cmath>

#include "orvano/host/error.h"

namespace orvano::host::headless {

void CheckFinite(float v) {
  if (!std::isfinite(v)) Raise(ErrorKind::InvalidPropertyValue);
}

void CheckSize(float v) {
  if (!std::isfinite(v) || v < 0) Raise(ErrorKind::InvalidPropertyValue);
}

Core::Core(HeadlessPlatform& p, ScaleMode m, float width, float height)
    : platform(p), mode(m), innerWidth(width), innerHeight(height) {}

void Core::Remove(HeadlessItem* item) {
  std::erase(stack, item);
  std::erase_if(pages, [item](const auto& entry) {
    return entry.first == item || static_cast<const HeadlessItem*>(entry.second.first) == item;
  });
  // A widget that goes takes no events with it.
  if (focus->active == item) focus->active = nullptr;
  if (focus->arriving == item) focus->arriving = nullptr;
}

void Core::ToFront(HeadlessItem* item) {
  auto it = std::find(stack.begin(), stack.end(), item);
  if (it != stack.end()) std::rotate(it, it + 1, stack.end());
}

bool Core::ItemShown(const HeadlessItem& item) const {
  if (!item.VisibleFlag() || !Shown()) return false;
  auto page = pages.find(&item);
  if (page == pages.end()) return true;
  const HeadlessTabStrip& strip = *page->second.first;
  return strip.Tab() == page->second.second && ItemShown(strip);
}

bool Core::ItemUsable(const HeadlessItem& item) const {
  return item.EnabledFlag() && ItemShown(item) && Usable();
}

bool Core::Shown() const { return !parent || parent->ItemShown(*asWidget); }

bool Core::Usable() const { return !parent || parent->ItemUsable(*asWidget); }

void Core::MoveFocus(HeadlessItem* to) {
  FocusState& f = *focus;
  HeadlessItem* old = f.active;
  if (old == to) return;
  // The old widget's LostFocus already sees the new active widget, as on the platform. A widget
  // that was only arriving never had the focus, so it gets no LostFocus.
  bool oldHadFocus = old && old != f.arriving;
  f.active = to;
  f.arriving = to;
  if (oldHadFocus) old->RaiseLostFocus();
  if (f.active != to || !to) return;  // a handler moved the focus on
  f.arriving = nullptr;
  to->RaiseGotFocus();
}

void Core::CheckFocus() {
  HeadlessItem* active = focus->active;
  if (active && !active->CanTakeFocus()) MoveFocus(nullptr);
}

float Core::UnitX(const Platform& p, ScaleMode m) {
  return m == ScaleMode::Twips ? 1.0f : p.TwipsPerPixelX();
}

float Core::UnitY(const Platform& p, ScaleMode m) {
  return m == ScaleMode::Twips ? 1.0f : p.TwipsPerPixelY();
}

float Core::UnitX() const { return UnitX(platform, mode); }
float Core::UnitY() const { return UnitY(platform, mode); }

void Core::ChangeMode(ScaleMode to) {
  if (to == mode) return;
  float fx = UnitX(platform, mode) / UnitX(platform, to);
  float fy = UnitY(platform, mode) / UnitY(platform, to);
  mode = to;
  innerWidth *= fx;
  innerHeight *= fy;
  for (HeadlessItem* item : stack) item->Rescale(fx, fy);
}

float Core::ScaleWidth() const {
  if (!parent) return innerWidth;
  return asWidget->Width() * parent->UnitX() / UnitX();
}

float Core::ScaleHeight() const {
  if (!parent) return innerHeight;
  return asWidget->Height() * parent->UnitY() / UnitY();
}

void Core::RunResize() {
  if (events) events->UserControl_Resize();
}

void Core::RunPaint() {
  if (!events || painting) return;
  painting = true;
  std::size_t from = drawing.size();
  try {
    events->UserControl_Paint();
  } catch (...) {
    painting = false;
    throw;
  }
  painting = false;
  from = std::min(from, drawing.size());  // the handler may have cleared the record
  lastPaint.assign(drawing.begin() + static_cast<std::ptrdiff_t>(from), drawing.end());
}

}  // namespace orvano::host::headless
