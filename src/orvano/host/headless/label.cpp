#include <cmath>

#include "orvano/host/error.h"
#include "orvano/host/headless/core.h"
#include "orvano/host/headless/text_measure.h"

namespace orvano::host::headless {

namespace {
constexpr double kTwipsPerPoint = 20;

void CheckFontSize(float points) {
  if (!std::isfinite(points) || points <= 0) Raise(ErrorKind::InvalidPropertyValue);
}
}  // namespace

HeadlessLabel::HeadlessLabel(std::shared_ptr<Core> core, std::string name)
    : WidgetImpl<Label>(std::move(core), std::move(name)), font_(Owner().font) {}

void HeadlessLabel::SetCaption(const std::string& text) noexcept {
  caption_ = text;
  Fit();
}

void HeadlessLabel::SetFont(const Font& f) {
  CheckFontSize(f.size);
  font_ = f;
  Fit();
}

void HeadlessLabel::SetFontSize(float points) {
  CheckFontSize(points);
  font_.size = points;
  Fit();
}

void HeadlessLabel::SetWordWrap(bool wrap) {
  wordWrap_ = wrap;
  Fit();
}

void HeadlessLabel::SetAutoSize(bool on) {
  autoSize_ = on;
  Fit();
}

void HeadlessLabel::Fit() {
  if (!autoSize_) return;
  double unitX = Owner().UnitX();  // twips per unit
  double unitY = Owner().UnitY();
  double wrapWidth = width_ * unitX / kTwipsPerPoint;
  TextExtent e = MeasureCaption(caption_, font_.size, wordWrap_, wrapWidth);
  if (!wordWrap_) width_ = static_cast<float>(e.width * kTwipsPerPoint / unitX);
  height_ = static_cast<float>(e.height * kTwipsPerPoint / unitY);
}

}  // namespace orvano::host::headless
