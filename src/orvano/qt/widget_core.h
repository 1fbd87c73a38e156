// What every child widget of the Qt backend shares: its place (kept in twips), visibility,
// tooltip, enabled state and click handler. Passive widgets paint from these values; native
// widgets push them to their QWidget.
#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "orvano/host/error.h"
#include "orvano/host/widgets.h"
#include "orvano/qt/control_host.h"
#include "orvano/qt/units.h"

namespace orvano::qt {

// A widget that a tab strip can show and hide with its page, apart from its own Visible.
class Placeable {
 public:
  Placeable() : self_(std::make_shared<Placeable*>(this)) {}
  Placeable(const Placeable&) = delete;
  Placeable& operator=(const Placeable&) = delete;
  virtual ~Placeable() { *self_ = nullptr; }
  virtual void SetTabHidden(bool hidden) = 0;
  // Lets a tab strip notice that the widget has gone.
  std::shared_ptr<Placeable*> Handle() const { return self_; }

 private:
  std::shared_ptr<Placeable*> self_;
};

template <class Base>
class WidgetCore : public Base, public Placeable {
 public:
  WidgetCore(ControlHost* host, std::string name)
      : host_(host), units_(host->GetUnits()), name_(std::move(name)) {}

  const std::string& Name() const override { return name_; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override {
    visible_ = visible;
    ApplyVisibility();
  }
  float Left() const override { return static_cast<float>(left_ / units_->PerUnitX()); }
  float Top() const override { return static_cast<float>(top_ / units_->PerUnitY()); }
  float Width() const override { return static_cast<float>(width_ / units_->PerUnitX()); }
  float Height() const override { return static_cast<float>(height_ / units_->PerUnitY()); }
  void SetLeft(float v) override {
    left_ = static_cast<double>(v) * units_->PerUnitX();
    ApplyGeometry();
  }
  void SetTop(float v) override {
    top_ = static_cast<double>(v) * units_->PerUnitY();
    ApplyGeometry();
  }
  void SetWidth(float v) override {
    if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
    width_ = static_cast<double>(v) * units_->PerUnitX();
    ApplyGeometry();
  }
  void SetHeight(float v) override {
    if (v < 0) host::Raise(host::ErrorKind::InvalidPropertyValue);
    height_ = static_cast<double>(v) * units_->PerUnitY();
    ApplyGeometry();
  }
  std::string ToolTipText() const override { return toolTip_; }
  void SetToolTipText(const std::string& text) override {
    toolTip_ = text;
    ApplyToolTip();
  }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override {
    enabled_ = enabled;
    ApplyEnabled();
  }
  void OnClick(host::Handler h) override { click_ = std::move(h); }
  void SetTabHidden(bool hidden) override {
    tabHidden_ = hidden;
    ApplyVisibility();
  }

  bool Shown() const { return visible_ && !tabHidden_; }
  QRect PixelRect() const { return units_->PixelRect(left_, top_, width_, height_); }

 protected:
  virtual void ApplyGeometry() { Repaint(); }
  virtual void ApplyVisibility() { Repaint(); }
  virtual void ApplyToolTip() {}
  virtual void ApplyEnabled() { Repaint(); }
  virtual void Repaint() {
    if (host_) host_->SceneChanged();
  }

  QPointer<ControlHost> host_;
  std::shared_ptr<Units> units_;
  std::string name_;
  bool visible_ = true;
  bool tabHidden_ = false;
  bool enabled_ = true;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // twips
  std::string toolTip_;
  host::Handler click_;
};

// A passive widget: an item of the host's scene.
template <class Base>
class PassiveWidget : public WidgetCore<Base>, public SceneItem {
 public:
  PassiveWidget(ControlHost* host, std::string name) : WidgetCore<Base>(host, std::move(name)) {
    sequence_ = host->NextSequence();
    host->AddItem(this);
  }
  ~PassiveWidget() override {
    if (this->host_) this->host_->RemoveItem(this);
  }
  bool Shown() const override { return WidgetCore<Base>::Shown(); }
  void BringToFront() noexcept override {
    if (this->host_) this->host_->RaiseItem(this);
  }
  std::optional<QRect> PaintBounds() const override { return this->PixelRect(); }

 protected:
  void Repaint() override {
    if (this->host_) this->host_->ItemChanged(this);
  }

  std::uint64_t sequence_ = 0;
};

}  // namespace orvano::qt
