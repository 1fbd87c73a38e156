// A Preview on the headless host: 320 x 240 pixels at 15 twips per pixel.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "orvano/controls/preview/preview.h"
#include "orvano/host/headless/headless.h"

namespace orvano::preview_test {

using host::headless::HeadlessContainer;
using host::headless::HeadlessPlatform;
using host::headless::Primitive;

inline constexpr host::Color kBack = 0xF0F0F0;
inline constexpr host::Color kSheet = 0xE0E0E0;
inline constexpr host::Color kWhiteFace = 0xFFFFFF;
inline constexpr host::DrawMode kLine = host::DrawMode::Line;
inline constexpr host::DrawMode kBox = host::DrawMode::Box;
inline constexpr host::DrawMode kFill = host::DrawMode::FilledBox;
inline constexpr host::DrawStyle kSolid = host::DrawStyle::Solid;
inline constexpr host::DrawStyle kDot = host::DrawStyle::Dot;

// One expected primitive, written as the drawing rules state it.
struct Expected {
  float x1, y1, x2, y2;
  host::Color color;
  host::DrawMode mode;
  host::DrawStyle style = kSolid;
  operator Primitive() const { return Primitive{x1, y1, x2, y2, color, mode, style}; }
};

inline std::vector<Primitive> ToPrimitives(const std::vector<Expected>& expected) {
  return {expected.begin(), expected.end()};
}

class PreviewTest : public ::testing::Test {
 protected:
  PreviewTest()
      : site(platform, host::ScaleMode::Pixels, 320, 240),
        preview(std::make_unique<Preview>(site)) {}

  host::Label& Caption(const std::string& name) const { return site.Get<host::Label>(name); }

  // What one Paint from the host draws now.
  std::vector<Primitive> Repaint() {
    site.ClearDrawing();
    site.Paint();
    return site.Drawing();
  }

  HeadlessPlatform platform{15, 15};
  HeadlessContainer site;
  std::unique_ptr<Preview> preview;
};

}  // namespace orvano::preview_test

namespace orvano::host::headless {
inline void PrintTo(const Primitive& p, std::ostream* os) {
  *os << "{" << p.x1 << ", " << p.y1 << ", " << p.x2 << ", " << p.y2 << ", 0x" << std::hex
      << p.color << std::dec << ", mode " << static_cast<int>(p.mode) << ", style "
      << static_cast<int>(p.style) << "}";
}
}  // namespace orvano::host::headless
