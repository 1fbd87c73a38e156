#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "orvano/host/error.h"
#include "orvano/host/headless/platform_state.h"

namespace orvano::host::headless {

namespace {

// The answers a box with these flags can give; the first No among them is its default.
std::vector<int> Buttons(int flags) {
  constexpr int kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5;
  switch (flags & 0xF) {
    case 1: return {msgbox::kOk, kCancel};
    case 2: return {kAbort, kRetry, kIgnore};
    case 3: return {msgbox::kYes, msgbox::kNo, kCancel};
    case 4: return {msgbox::kYes, msgbox::kNo};
    case 5: return {kRetry, kCancel};
    default: return {msgbox::kOk};
  }
}

}  // namespace

HeadlessPlatform::HeadlessPlatform(float twipsPerPixelX, float twipsPerPixelY) {
  if (!std::isfinite(twipsPerPixelX) || !std::isfinite(twipsPerPixelY) || twipsPerPixelX <= 0 ||
      twipsPerPixelY <= 0)
    Raise(ErrorKind::InvalidPropertyValue);
  state_ = std::make_unique<State>();
  state_->twipsPerPixelX = twipsPerPixelX;
  state_->twipsPerPixelY = twipsPerPixelY;
}

HeadlessPlatform::~HeadlessPlatform() = default;

float HeadlessPlatform::TwipsPerPixelX() const { return state_->twipsPerPixelX; }
float HeadlessPlatform::TwipsPerPixelY() const { return state_->twipsPerPixelY; }
MousePointer HeadlessPlatform::GetMousePointer() const { return state_->pointer; }

void HeadlessPlatform::SetMousePointer(MousePointer pointer) {
  state_->pointer = pointer;
  state_->pointerHistory.push_back(pointer);
}

int HeadlessPlatform::MsgBox(const std::string& text, int flags, const std::string& title) {
  state_->messages.push_back({text, flags, title});
  std::vector<int> buttons = Buttons(flags);
  if (state_->answers.empty()) {
    for (int b : buttons)
      if (b == msgbox::kNo) return b;
    return buttons.front();
  }
  int answer = state_->answers.front();
  state_->answers.pop_front();
  // A scripted answer the box has no button for is a mistake in the test, not a platform error
  // that the code under test could resume.
  if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end())
    throw std::logic_error("Antwort " + std::to_string(answer) + " passt nicht zu: " + text);
  return answer;
}

std::unique_ptr<DialogWindow> HeadlessPlatform::CreateDialog(const std::string& name) {
  return std::make_unique<HeadlessDialog>(*this, name);
}

const std::vector<MousePointer>& HeadlessPlatform::PointerHistory() const {
  return state_->pointerHistory;
}

void HeadlessPlatform::QueueAnswer(int answer) { state_->answers.push_back(answer); }

const std::vector<ShownMessage>& HeadlessPlatform::Messages() const { return state_->messages; }

void HeadlessPlatform::ClearMessages() { state_->messages.clear(); }

void HeadlessPlatform::QueueUser(User user) { state_->users.push_back(std::move(user)); }

const std::vector<std::string>& HeadlessPlatform::ShownDialogs() const {
  return state_->shownDialogs;
}

}  // namespace orvano::host::headless
