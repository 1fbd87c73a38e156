#include <algorithm>
#include <cmath>

#include "orvano/host/error.h"
#include "orvano/host/headless/core.h"

namespace orvano::host::headless {

void HeadlessLine::SetX1(float v) {
  CheckFinite(v);
  x1_ = v;
}

void HeadlessLine::SetY1(float v) {
  CheckFinite(v);
  y1_ = v;
}

void HeadlessLine::SetX2(float v) {
  CheckFinite(v);
  x2_ = v;
}

void HeadlessLine::SetY2(float v) {
  CheckFinite(v);
  y2_ = v;
}

void HeadlessLine::SetBorderWidth(std::int32_t w) {
  if (w < 1 || w > 8192) Raise(ErrorKind::InvalidPropertyValue);
  borderWidth_ = w;
}

float HeadlessLine::Left() const { return std::min(x1_, x2_); }
float HeadlessLine::Top() const { return std::min(y1_, y2_); }
float HeadlessLine::Width() const { return std::fabs(x2_ - x1_); }
float HeadlessLine::Height() const { return std::fabs(y2_ - y1_); }

void HeadlessLine::SetLeft(float v) {
  CheckFinite(v);
  float d = v - Left();
  x1_ += d;
  x2_ += d;
}

void HeadlessLine::SetTop(float v) {
  CheckFinite(v);
  float d = v - Top();
  y1_ += d;
  y2_ += d;
}

void HeadlessLine::SetWidth(float v) {
  CheckSize(v);
  if (x2_ >= x1_)
    x2_ = x1_ + v;
  else
    x1_ = x2_ + v;
}

void HeadlessLine::SetHeight(float v) {
  CheckSize(v);
  if (y2_ >= y1_)
    y2_ = y1_ + v;
  else
    y1_ = y2_ + v;
}

void HeadlessLine::Rescale(float fx, float fy) {
  x1_ *= fx;
  x2_ *= fx;
  y1_ *= fy;
  y2_ *= fy;
}

}  // namespace orvano::host::headless
