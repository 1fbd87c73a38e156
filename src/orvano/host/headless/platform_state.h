#pragma once

#include <deque>
#include <string>
#include <vector>

#include "orvano/host/headless/headless.h"

namespace orvano::host::headless {

struct HeadlessPlatform::State {
  float twipsPerPixelX;
  float twipsPerPixelY;
  MousePointer pointer = MousePointer::Default;
  std::vector<MousePointer> pointerHistory;
  std::deque<int> answers;
  std::vector<ShownMessage> messages;
  std::deque<User> users;
  std::vector<std::string> shownDialogs;
};

}  // namespace orvano::host::headless
