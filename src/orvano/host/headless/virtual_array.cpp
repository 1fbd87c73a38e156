#include "orvano/host/error.h"
#include "orvano/host/headless/core.h"

namespace orvano::host::headless {

HeadlessVirtualArray::HeadlessVirtualArray(std::shared_ptr<Core> core, std::string name,
                                           ArrayKind kind, const ShapeStyle& style)
    : core_(std::move(core)), name_(std::move(name)), kind_(kind), style_(style) {
  core_->Add(this);
}

HeadlessVirtualArray::~HeadlessVirtualArray() { core_->Remove(this); }

bool HeadlessVirtualArray::IsUsable() const { return core_->ItemShown(*this); }

void HeadlessVirtualArray::BringToFront() { core_->ToFront(this); }

std::int64_t HeadlessVirtualArray::Count() const { return source_ ? source_->Count() : 0; }

ArrayElement HeadlessVirtualArray::Element(std::int64_t index) const {
  if (!source_ || index < 0 || index >= source_->Count()) Raise(ErrorKind::SubscriptOutOfRange);
  return source_->Element(index);
}

std::string HeadlessVirtualArray::ToolTipAt(float x, float y) const {
  if (!source_ || !core_->ItemShown(*this)) return {};
  std::int64_t hit = source_->HitTest(x, y);
  return hit < 0 ? std::string() : source_->ToolTip(hit);
}

std::int64_t HeadlessVirtualArray::ClickAt(float x, float y) {
  if (kind_ != ArrayKind::ClickAreas || !source_ || !core_->ItemShown(*this)) return -1;
  std::int64_t hit = source_->HitTest(x, y);
  if (hit < 0) return -1;
  auto run = click_;
  if (run) run(hit);
  return hit;
}

}  // namespace orvano::host::headless
