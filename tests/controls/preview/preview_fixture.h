// A Preview on the headless host: 320 x 240 pixels at 15 twips per pixel.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "orvano/controls/preview/preview.h"
#include "orvano/host/headless/headless.h"

namespace orvano::preview_test {

using host::headless::HeadlessContainer;
using host::headless::HeadlessPlatform;
using host::headless::Primitive;

inline constexpr host::Color kBack = 0xF0F0F0;
inline constexpr host::Color kWhiteFace = 0xFFFFFF;
inline constexpr host::DrawMode kLine = host::DrawMode::Line;
inline constexpr host::DrawMode kFill = host::DrawMode::FilledBox;

// Primitives as the drawing rules state them, "<mode>x1,y1,x2,y2[:colour]" apart by blanks:
// L line, B box, F filled box, D dotted box; the colour in hex, black when left out.
inline std::vector<Primitive> Drawn(const std::string& text) {
  std::vector<Primitive> all;
  std::istringstream in(text);
  for (std::string token; in >> token;) {
    Primitive p{};
    char mode = token[0], comma;
    std::istringstream fields(token.substr(1));
    fields >> p.x1 >> comma >> p.y1 >> comma >> p.x2 >> comma >> p.y2;
    if (fields >> comma) fields >> std::hex >> p.color;
    p.mode = mode == 'L' ? kLine : mode == 'F' ? kFill : host::DrawMode::Box;
    p.style = mode == 'D' ? host::DrawStyle::Dot : host::DrawStyle::Solid;
    all.push_back(p);
  }
  return all;
}

class PreviewTest : public ::testing::Test {
 protected:
  PreviewTest()
      : site(platform, host::ScaleMode::Pixels, 320, 240),
        preview(std::make_unique<Preview>(site)) {}

  host::Label& Caption(const std::string& name) const { return site.Get<host::Label>(name); }
  std::vector<float> Box(const std::string& name) const {
    const host::Label& c = Caption(name);
    return {c.Left(), c.Top(), c.Width(), c.Height(), float(c.Visible())};
  }

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
