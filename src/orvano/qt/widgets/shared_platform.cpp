#include "orvano/qt/widgets/shared_platform.h"

#include <memory>

namespace orvano::qt {

QtPlatform& SharedPlatform() {
  static const std::unique_ptr<QtPlatform> platform = std::make_unique<QtPlatform>();
  return *platform;
}

}  // namespace orvano::qt
