// The container side of the headless host: widget creation, scale unit, lifecycle, lookups.
#include "orvano/host/error.h"
#include "orvano/host/headless/container_state.h"

namespace orvano::host::headless {

HeadlessContainer::HeadlessContainer(HeadlessPlatform& platform, ScaleMode mode, float width,
                                     float height) {
  CheckSize(width);
  CheckSize(height);
  state_ = std::make_unique<State>(platform, mode, width, height);
}

HeadlessContainer::~HeadlessContainer() = default;

Platform& HeadlessContainer::GetPlatform() { return state_->core->platform; }

void HeadlessContainer::Attach(ControlEvents* events) { state_->core->events = events; }

ScaleMode HeadlessContainer::GetScaleMode() const { return state_->core->mode; }

void HeadlessContainer::SetScaleMode(ScaleMode mode) { state_->core->ChangeMode(mode); }

float HeadlessContainer::ScaleWidth() const { return state_->core->ScaleWidth(); }

float HeadlessContainer::ScaleHeight() const { return state_->core->ScaleHeight(); }

Font HeadlessContainer::GetFont() const { return state_->core->font; }

void HeadlessContainer::SetFont(const Font& font) {
  if (!(font.size > 0)) Raise(ErrorKind::InvalidPropertyValue);
  state_->core->font = font;
}

void HeadlessContainer::SetBackColor(Color color) { state_->core->backColor = color; }

Color HeadlessContainer::BackColor() const { return state_->core->backColor; }

std::unique_ptr<TextBox> HeadlessContainer::CreateTextBox(const std::string& name) {
  return std::make_unique<HeadlessTextBox>(state_->core, name);
}

std::unique_ptr<Label> HeadlessContainer::CreateLabel(const std::string& name) {
  return std::make_unique<HeadlessLabel>(state_->core, name);
}

std::unique_ptr<Line> HeadlessContainer::CreateLine(const std::string& name) {
  return std::make_unique<HeadlessLine>(state_->core, name);
}

std::unique_ptr<Shape> HeadlessContainer::CreateShape(const std::string& name,
                                                      const ShapeStyle& style) {
  return std::make_unique<HeadlessShape>(state_->core, name, style);
}

std::unique_ptr<ComboBox> HeadlessContainer::CreateComboBox(const std::string& name,
                                                            bool editable) {
  return std::make_unique<HeadlessComboBox>(state_->core, name, editable);
}

std::unique_ptr<Button> HeadlessContainer::CreateButton(const std::string& name) {
  return std::make_unique<HeadlessButton>(state_->core, name);
}

std::unique_ptr<Spinner> HeadlessContainer::CreateSpinner(const std::string& name) {
  return std::make_unique<HeadlessSpinner>(state_->core, name);
}

std::unique_ptr<TabStrip> HeadlessContainer::CreateTabStrip(const std::string& name) {
  return std::make_unique<HeadlessTabStrip>(state_->core, name);
}

std::unique_ptr<VirtualArray> HeadlessContainer::CreateVirtualArray(const std::string& name,
                                                                    ArrayKind kind,
                                                                    const ShapeStyle& style) {
  return std::make_unique<HeadlessVirtualArray>(state_->core, name, kind, style);
}

std::unique_ptr<Container> HeadlessContainer::CreateChildControl(const std::string& name) {
  // A nested control starts in twips, as a fresh control does, with the ambient font; it shares
  // the window's focus.
  Core& outer = *state_->core;
  auto child = std::make_unique<HeadlessContainer>(outer.platform, ScaleMode::Twips, 0.0f, 0.0f);
  Core& inner = *child->state_->core;
  inner.parent = state_->core;
  inner.focus = outer.focus;
  inner.font = outer.font;
  child->state_->asWidget = std::make_unique<ChildWidget>(state_->core, name, inner);
  inner.asWidget = child->state_->asWidget.get();
  return child;
}

Widget& HeadlessContainer::AsWidget() {
  if (!state_->asWidget) Raise(ErrorKind::InvalidProcedureCall);
  return *state_->asWidget;
}

Surface& HeadlessContainer::GetSurface() { return state_->surface; }

void HeadlessContainer::Invalidate() {
  ++state_->core->invalidated;
  state_->core->RunPaint();
}

FocusWidget* HeadlessContainer::ActiveWidget() {
  Core& core = *state_->core;
  HeadlessItem* active = core.focus->active;
  if (!active || std::find(core.stack.begin(), core.stack.end(), active) == core.stack.end())
    return nullptr;
  return active->AsFocus();
}

void HeadlessContainer::Resize(float width, float height) {
  CheckSize(width);
  CheckSize(height);
  Core& core = *state_->core;
  if (state_->asWidget) {
    // A nested control's inner area is its place in the parent, in the parent's unit.
    state_->asWidget->SetSizeQuiet(width * core.UnitX() / core.parent->UnitX(),
                                   height * core.UnitY() / core.parent->UnitY());
  } else {
    core.innerWidth = width;
    core.innerHeight = height;
  }
  core.RunResize();
}

void HeadlessContainer::Paint() { state_->core->RunPaint(); }

void HeadlessContainer::WriteProperties(PropertyBag& bag) {
  if (state_->core->events) state_->core->events->UserControl_WriteProperties(bag);
}

void HeadlessContainer::ReadProperties(PropertyBag& bag) {
  if (state_->core->events) state_->core->events->UserControl_ReadProperties(bag);
}

int HeadlessContainer::InvalidateCount() const { return state_->core->invalidated; }

const std::vector<Primitive>& HeadlessContainer::Drawing() const { return state_->core->drawing; }

void HeadlessContainer::ClearDrawing() { state_->core->drawing.clear(); }

const std::vector<Primitive>& HeadlessContainer::LastPaint() const {
  return state_->core->lastPaint;
}

Widget* HeadlessContainer::Find(const std::string& name) const {
  for (HeadlessItem* item : state_->core->stack)
    if (auto* w = dynamic_cast<Widget*>(item); w && item->ItemName() == name) return w;
  return nullptr;
}

VirtualArray* HeadlessContainer::FindArray(const std::string& name) const {
  for (HeadlessItem* item : state_->core->stack)
    if (auto* a = dynamic_cast<VirtualArray*>(item); a && item->ItemName() == name) return a;
  return nullptr;
}

std::vector<std::string> HeadlessContainer::StackingOrder() const {
  std::vector<std::string> names;
  for (HeadlessItem* item : state_->core->stack) names.push_back(item->ItemName());
  return names;
}

}  // namespace orvano::host::headless
