// The push button (QPushButton) and the spinner (two arrow buttons reporting up and down).
#pragma once

#include <QPushButton>

#include "orvano/qt/native_widget.h"

namespace orvano::qt {

class QtButton : public NativeFocusWidget<host::Button> {
 public:
  QtButton(ControlHost* host, std::string name, const host::Font& font);
  ~QtButton() override;

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) override;
  void SetDefault(bool on) override;
  void SetCancel(bool on) override;

 private:
  QPushButton* Push() const { return qobject_cast<QPushButton*>(widget_); }
  std::string caption_;
};

class QtSpinner : public NativeWidget<host::Spinner> {
 public:
  QtSpinner(ControlHost* host, std::string name);
  void OnUpClick(host::Handler h) override { up_ = std::move(h); }
  void OnDownClick(host::Handler h) override { down_ = std::move(h); }

 private:
  host::Handler up_, down_;
};

}  // namespace orvano::qt
