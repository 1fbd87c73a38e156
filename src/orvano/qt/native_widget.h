// Native children: a QWidget placed on the host widget, its focus events relayed to the
// control's GotFocus and LostFocus handlers.
#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <functional>

#include "orvano/qt/widget_core.h"

namespace orvano::qt {

// Watches a native widget for the events the control handles.
class EventRelay : public QObject {
 public:
  std::function<void()> focusIn, focusOut, mouseClick;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

template <class Base>
class NativeWidget : public WidgetCore<Base> {
 public:
  NativeWidget(ControlHost* host, std::string name) : WidgetCore<Base>(host, std::move(name)) {
    sequence_ = host->NextSequence();
  }
  ~NativeWidget() override { DropWidget(); }

  void BringToFront() noexcept override {
    if (widget_) widget_->raise();
  }
  QWidget* NativeHandle() const { return widget_; }

 protected:
  // Takes a new QWidget (also when a text box changes between one and many lines).
  void Adopt(QWidget* widget) {
    DropWidget();
    widget_ = widget;
    widget->setObjectName(ToQStringLocal(this->name_));
    relay_ = new EventRelay;
    relay_->setParent(widget);
    widget->installEventFilter(relay_);
    relay_->mouseClick = [this] {
      if (this->click_ && RaisesMouseClick()) Deliver(this->click_);
    };
    ApplyGeometry();
    ApplyToolTip();
    ApplyEnabled();
    widget->raise();
    ApplyVisibility();
  }
  // Removes the QWidget without running handlers of a control that is going away.
  void DropWidget() {
    if (!widget_) return;
    QWidget* old = widget_;
    widget_ = nullptr;
    old->removeEventFilter(relay_);
    old->blockSignals(true);
    delete old;
    relay_ = nullptr;
  }
  virtual bool RaisesMouseClick() const { return false; }

  void ApplyGeometry() override {
    if (widget_) widget_->setGeometry(this->PixelRect());
  }
  void ApplyVisibility() override {
    if (widget_) widget_->setVisible(this->Shown());
  }
  void ApplyToolTip() override {
    if (widget_) widget_->setToolTip(ToQStringLocal(this->toolTip_));
  }
  void ApplyEnabled() override {
    if (widget_) widget_->setEnabled(this->enabled_);
  }
  static QString ToQStringLocal(const std::string& s) { return QString::fromUtf8(s.c_str()); }

  QPointer<QWidget> widget_;
  EventRelay* relay_ = nullptr;
  std::uint64_t sequence_ = 0;
};

template <class Base>
class NativeFocusWidget : public NativeWidget<Base> {
 public:
  using NativeWidget<Base>::NativeWidget;
  ~NativeFocusWidget() override {
    if (this->host_ && this->widget_) this->host_->RemoveFocusWidget(this->widget_);
  }

  void SetFocus() override {
    if (!this->widget_ || !this->widget_->isVisible() || !this->widget_->isEnabled()) {
      // The platform refuses the focus for a hidden or disabled widget.
      host::Raise(host::ErrorKind::InvalidProcedureCall);
    }
    this->widget_->setFocus(Qt::OtherFocusReason);
  }
  bool HasFocus() const override { return this->widget_ && this->widget_->hasFocus(); }
  void OnGotFocus(host::Handler h) override { gotFocus_ = std::move(h); }
  void OnLostFocus(host::Handler h) override { lostFocus_ = std::move(h); }
  void SetTabIndex(int index) override {
    tabIndex_ = index;
    if (this->host_ && this->widget_) this->host_->SetTabIndex(this->widget_, index);
  }

 protected:
  void AdoptFocus(QWidget* widget) {
    if (this->host_ && this->widget_) this->host_->RemoveFocusWidget(this->widget_);
    this->Adopt(widget);
    this->relay_->focusIn = [this] { Deliver(gotFocus_); };
    this->relay_->focusOut = [this] { Deliver(lostFocus_); };
    if (this->host_) {
      this->host_->AddFocusWidget(widget, this, this->sequence_);
      if (tabIndex_ >= 0) this->host_->SetTabIndex(widget, tabIndex_);
    }
  }

  host::Handler gotFocus_, lostFocus_;
  int tabIndex_ = -1;
};

}  // namespace orvano::qt
