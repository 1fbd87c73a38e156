#include "orvano/host/headless/core.h"

namespace orvano::host::headless {

void HeadlessButton::SetDefault(bool on) {
  if (on)
    for (HeadlessItem* item : Owner().stack)
      if (auto* b = dynamic_cast<HeadlessButton*>(item)) b->default_ = false;
  default_ = on;
}

void HeadlessButton::SetCancel(bool on) {
  if (on)
    for (HeadlessItem* item : Owner().stack)
      if (auto* b = dynamic_cast<HeadlessButton*>(item)) b->cancel_ = false;
  cancel_ = on;
}

}  // namespace orvano::host::headless
