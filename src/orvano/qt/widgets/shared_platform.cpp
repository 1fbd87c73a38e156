#include "orvano/qt/widgets/shared_platform.h"

#include <memory>

#include "orvano/library/orvano.h"

namespace orvano::qt {

QtPlatform& SharedPlatform() {
  static const std::unique_ptr<QtPlatform> platform = [] {
    // Every widget comes through here first, so the Qt front end is assembled here too.
    UseSettingsDialog();
    return std::make_unique<QtPlatform>();
  }();
  return *platform;
}

}  // namespace orvano::qt
