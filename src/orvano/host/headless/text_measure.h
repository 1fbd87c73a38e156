// The headless text model for self-sizing captions (see headless.h): a character is 0.55 of the
// font size wide, a line 1.2 of it high, all in points.
#pragma once

#include <string>

namespace orvano::host::headless {

inline constexpr double kCharWidth = 0.55;
inline constexpr double kLineHeight = 1.2;

struct TextExtent {
  double width;   // points
  double height;  // points
  int lines;
};

// Without word wrap the width is that of the longest line; with it, lines break at blanks to fit
// wrapWidth (a word wider than that keeps a line of its own) and the width is wrapWidth.
TextExtent MeasureCaption(const std::string& caption, double fontPoints, bool wordWrap,
                          double wrapWidth);

}  // namespace orvano::host::headless
