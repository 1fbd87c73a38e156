// A modal dialog without a screen: ShowModal plays the queued user, then closes what is left open
// by the close box, so a test never hangs in a modal loop.
#include "orvano/host/error.h"
#include "orvano/host/headless/platform_state.h"

namespace orvano::host::headless {

HeadlessDialog::HeadlessDialog(HeadlessPlatform& platform, std::string name)
    : platform_(platform),
      name_(std::move(name)),
      form_(std::make_unique<HeadlessContainer>(platform, ScaleMode::Twips, 0.0f, 0.0f)) {}

HeadlessDialog::~HeadlessDialog() = default;

void HeadlessDialog::SetCaption(const std::string& caption) { caption_ = caption; }
std::string HeadlessDialog::Caption() const { return caption_; }

void HeadlessDialog::SetClientSize(float width, float height) { form_->Resize(width, height); }

void HeadlessDialog::ShowModal() {
  // The platform refuses to show a window modally that is already shown.
  if (shown_) Raise(ErrorKind::InvalidProcedureCall);
  auto& state = *platform_.state_;
  state.shownDialogs.push_back(name_);
  HeadlessPlatform::User user;
  if (!state.users.empty()) {
    user = std::move(state.users.front());
    state.users.pop_front();
  }
  shown_ = true;
  try {
    if (user) user(*this);
    if (shown_) CloseBox();
  } catch (...) {
    shown_ = false;
    throw;
  }
  // A close handler that keeps the window open would leave a person stuck; here it just ends.
  shown_ = false;
}

bool HeadlessDialog::IsShown() const { return shown_; }

void HeadlessDialog::Close() { shown_ = false; }

void HeadlessDialog::OnCloseBox(Handler h) { closeBox_ = std::move(h); }

void HeadlessDialog::CloseBox() {
  Handler run = closeBox_;
  if (run)
    run();
  else
    Close();
}

HeadlessContainer& HeadlessDialog::Form() { return *form_; }

void HeadlessDialog::PressEnter() {
  for (const std::string& name : form_->StackingOrder())
    if (auto* b = dynamic_cast<HeadlessButton*>(form_->Find(name)); b && b->IsDefault()) {
      form_->Click(*b);
      return;
    }
}

void HeadlessDialog::PressEscape() {
  for (const std::string& name : form_->StackingOrder())
    if (auto* b = dynamic_cast<HeadlessButton*>(form_->Find(name)); b && b->IsCancel()) {
      form_->Click(*b);
      return;
    }
}

Platform& HeadlessDialog::GetPlatform() { return platform_; }
void HeadlessDialog::Attach(ControlEvents* events) { form_->Attach(events); }
ScaleMode HeadlessDialog::GetScaleMode() const { return form_->GetScaleMode(); }
void HeadlessDialog::SetScaleMode(ScaleMode mode) { form_->SetScaleMode(mode); }
float HeadlessDialog::ScaleWidth() const { return form_->ScaleWidth(); }
float HeadlessDialog::ScaleHeight() const { return form_->ScaleHeight(); }
Font HeadlessDialog::GetFont() const { return form_->GetFont(); }
void HeadlessDialog::SetFont(const Font& font) { form_->SetFont(font); }
void HeadlessDialog::SetBackColor(Color color) { form_->SetBackColor(color); }

std::unique_ptr<TextBox> HeadlessDialog::CreateTextBox(const std::string& name) {
  return form_->CreateTextBox(name);
}
std::unique_ptr<Label> HeadlessDialog::CreateLabel(const std::string& name) {
  return form_->CreateLabel(name);
}
std::unique_ptr<Line> HeadlessDialog::CreateLine(const std::string& name) {
  return form_->CreateLine(name);
}
std::unique_ptr<Shape> HeadlessDialog::CreateShape(const std::string& name,
                                                   const ShapeStyle& style) {
  return form_->CreateShape(name, style);
}
std::unique_ptr<ComboBox> HeadlessDialog::CreateComboBox(const std::string& name, bool editable) {
  return form_->CreateComboBox(name, editable);
}
std::unique_ptr<Button> HeadlessDialog::CreateButton(const std::string& name) {
  return form_->CreateButton(name);
}
std::unique_ptr<Spinner> HeadlessDialog::CreateSpinner(const std::string& name) {
  return form_->CreateSpinner(name);
}
std::unique_ptr<TabStrip> HeadlessDialog::CreateTabStrip(const std::string& name) {
  return form_->CreateTabStrip(name);
}
std::unique_ptr<VirtualArray> HeadlessDialog::CreateVirtualArray(const std::string& name,
                                                                 ArrayKind kind,
                                                                 const ShapeStyle& style) {
  return form_->CreateVirtualArray(name, kind, style);
}
std::unique_ptr<Container> HeadlessDialog::CreateChildControl(const std::string& name) {
  return form_->CreateChildControl(name);
}
Widget& HeadlessDialog::AsWidget() { return form_->AsWidget(); }
Surface& HeadlessDialog::GetSurface() { return form_->GetSurface(); }
void HeadlessDialog::Invalidate() { form_->Invalidate(); }
FocusWidget* HeadlessDialog::ActiveWidget() { return form_->ActiveWidget(); }

}  // namespace orvano::host::headless
