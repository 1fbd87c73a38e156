#include "orvano/qt/qt_container.h"

#include <QApplication>

#include "orvano/host/error.h"
#include "orvano/qt/button.h"
#include "orvano/qt/combo_box.h"
#include "orvano/qt/convert.h"
#include "orvano/qt/passive_widgets.h"
#include "orvano/qt/qt_platform.h"
#include "orvano/qt/tab_strip.h"
#include "orvano/qt/text_box.h"
#include "orvano/qt/virtual_array.h"

namespace orvano::qt {

// Draws into the host widget's display list, converting the scale unit to pixels.
class QtContainer::Surface : public host::Surface {
 public:
  explicit Surface(QtContainer& owner) : owner_(owner) {}
  void SetDrawStyle(host::DrawStyle style) override { style_ = style; }
  host::DrawStyle GetDrawStyle() const override { return style_; }
  void Draw(float x1, float y1, float x2, float y2, host::Color color,
            host::DrawMode mode) override {
    ControlHost* host = owner_.Live();
    const Units& u = *owner_.units_;
    const double sx = u.PerUnitX() / u.tppX, sy = u.PerUnitY() / u.tppY;
    host->AddPrimitive(
        {QPointF(x1 * sx, y1 * sy), QPointF(x2 * sx, y2 * sy), ToQColor(color), mode, style_});
  }

 private:
  QtContainer& owner_;
  host::DrawStyle style_ = host::DrawStyle::Solid;
};

// A nested control as a widget of its parent: placed in the parent's scale unit.
class QtContainer::ChildWidget : public NativeWidget<host::Widget> {
 public:
  ChildWidget(ControlHost* parent, std::string name, ControlHost* child)
      : NativeWidget<host::Widget>(parent, std::move(name)) {
    Adopt(child);
  }
  // The nested container deletes its own widget.
  ~ChildWidget() override {
    if (widget_) {
      widget_->removeEventFilter(relay_);
      delete relay_;
    }
    widget_ = nullptr;
  }
};

QtContainer::QtContainer(QtPlatform& platform, QWidget* parent)
    : platform_(platform),
      units_(std::make_shared<Units>()),
      surface_(std::make_unique<Surface>(*this)) {
  units_->tppX = platform.TwipsPerPixelX();
  units_->tppY = platform.TwipsPerPixelY();
  host_ = new ControlHost(units_, parent);
}

QtContainer::~QtContainer() {
  asWidget_.reset();
  if (host_) {
    host_->SetEvents(nullptr);
    delete host_.data();
  }
}

ControlHost* QtContainer::Live() const {
  // The application may have destroyed the widget (with its window) before the control.
  if (!host_)
    host::Raise(host::ErrorKind::ObjectRequired, "Das Steuerelement hat kein Fenster mehr.");
  return host_;
}

void QtContainer::ReadProperties(host::PropertyBag& bag) {
  if (host_ && host_->Events()) host_->Events()->UserControl_ReadProperties(bag);
}

void QtContainer::WriteProperties(host::PropertyBag& bag) {
  if (host_ && host_->Events()) host_->Events()->UserControl_WriteProperties(bag);
}

host::Platform& QtContainer::GetPlatform() { return platform_; }

void QtContainer::Attach(host::ControlEvents* events) {
  if (host_) {
    host_->SetEvents(events);
    if (events) host_->RequestPaint();
  }
}

host::ScaleMode QtContainer::GetScaleMode() const { return units_->mode; }

void QtContainer::SetScaleMode(host::ScaleMode mode) { units_->mode = mode; }

float QtContainer::ScaleWidth() const {
  const int px = host_ ? host_->width() : 0;
  return static_cast<float>(px * units_->tppX / units_->PerUnitX());
}

float QtContainer::ScaleHeight() const {
  const int px = host_ ? host_->height() : 0;
  return static_cast<float>(px * units_->tppY / units_->PerUnitY());
}

void QtContainer::SetBackColor(host::Color color) { Live()->SetBackColor(ToQColor(color)); }

std::unique_ptr<host::TextBox> QtContainer::CreateTextBox(const std::string& name) {
  return std::make_unique<QtTextBox>(Live(), name, font_);
}

std::unique_ptr<host::Label> QtContainer::CreateLabel(const std::string& name) {
  return std::make_unique<QtLabel>(Live(), name, font_);
}

std::unique_ptr<host::Line> QtContainer::CreateLine(const std::string& name) {
  return std::make_unique<QtLine>(Live(), name);
}

std::unique_ptr<host::Shape> QtContainer::CreateShape(const std::string& name,
                                                      const host::ShapeStyle& style) {
  return std::make_unique<QtShape>(Live(), name, style);
}

std::unique_ptr<host::ComboBox> QtContainer::CreateComboBox(const std::string& name,
                                                            bool editable) {
  return std::make_unique<QtComboBox>(Live(), name, editable, font_);
}

std::unique_ptr<host::Button> QtContainer::CreateButton(const std::string& name) {
  return std::make_unique<QtButton>(Live(), name, font_);
}

std::unique_ptr<host::Spinner> QtContainer::CreateSpinner(const std::string& name) {
  return std::make_unique<QtSpinner>(Live(), name);
}

std::unique_ptr<host::TabStrip> QtContainer::CreateTabStrip(const std::string& name) {
  return std::make_unique<QtTabStrip>(Live(), name, font_);
}

std::unique_ptr<host::VirtualArray> QtContainer::CreateVirtualArray(const std::string& name,
                                                                    host::ArrayKind kind,
                                                                    const host::ShapeStyle& style) {
  return std::make_unique<QtVirtualArray>(Live(), name, kind, style);
}

std::unique_ptr<host::Container> QtContainer::CreateChildControl(const std::string& name) {
  ControlHost* parent = Live();
  auto child = std::make_unique<QtContainer>(platform_, parent);
  child->font_ = font_;
  child->asWidget_ = std::make_unique<ChildWidget>(parent, name, child->host_);
  return child;
}

host::Widget& QtContainer::AsWidget() {
  if (!asWidget_) host::Raise(host::ErrorKind::InvalidProcedureCall);
  return *asWidget_;
}

host::Surface& QtContainer::GetSurface() { return *surface_; }

void QtContainer::Invalidate() {
  if (host_) host_->RequestPaint();
}

host::FocusWidget* QtContainer::ActiveWidget() {
  return host_ ? host_->FindFocusWidget(QApplication::focusWidget()) : nullptr;
}

}  // namespace orvano::qt
