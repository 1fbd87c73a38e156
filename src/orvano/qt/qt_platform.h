// The desktop services on Qt: screen metrics, the busy pointer, message boxes, modal dialogs.
#pragma once

#include <memory>
#include <string>

#include "orvano/host/platform.h"

namespace orvano::qt {

class QtPlatform : public host::Platform {
 public:
  // Needs a QApplication; installs the font substitutions.
  QtPlatform();
  ~QtPlatform() override;

  float TwipsPerPixelX() const override { return tppX_; }
  float TwipsPerPixelY() const override { return tppY_; }
  host::MousePointer GetMousePointer() const override { return pointer_; }
  void SetMousePointer(host::MousePointer pointer) override;
  int MsgBox(const std::string& text, int flags, const std::string& title) override;
  std::unique_ptr<host::DialogWindow> CreateDialog(const std::string& name) override;

 private:
  float tppX_ = 15;
  float tppY_ = 15;
  host::MousePointer pointer_ = host::MousePointer::Default;
};

}  // namespace orvano::qt
