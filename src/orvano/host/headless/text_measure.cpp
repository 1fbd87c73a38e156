#include "orvano/host/headless/text_measure.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "orvano/host/strings.h"

namespace orvano::host::headless {

namespace {

// Paragraphs separated by "\r\n" or "\n".
std::vector<std::string_view> Paragraphs(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t from = 0;
  for (;;) {
    std::size_t nl = text.find('\n', from);
    std::string_view line = text.substr(from, nl == std::string_view::npos ? nl : nl - from);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    out.push_back(line);
    if (nl == std::string_view::npos) return out;
    from = nl + 1;
  }
}

// Lines of a paragraph broken at blanks so that at most maxChars fit on one; the blank at a
// break is dropped.
int WrappedLines(std::string_view paragraph, double maxChars) {
  int lines = 1;
  std::size_t current = 0;  // characters on the current line
  bool empty = true;
  std::size_t from = 0;
  for (;;) {
    std::size_t blank = paragraph.find(' ', from);
    std::string_view word =
        paragraph.substr(from, blank == std::string_view::npos ? blank : blank - from);
    std::size_t len = Len(word);
    if (empty) {
      current = len;
      empty = false;
    } else if (static_cast<double>(current + 1 + len) <= maxChars) {
      current += 1 + len;
    } else {
      ++lines;
      current = len;
    }
    if (blank == std::string_view::npos) return lines;
    from = blank + 1;
  }
}

}  // namespace

TextExtent MeasureCaption(const std::string& caption, double fontPoints, bool wordWrap,
                          double wrapWidth) {
  double charWidth = kCharWidth * fontPoints;
  int lines = 0;
  std::size_t longest = 0;
  // A little slack so a width computed from the same model fits its own text.
  double maxChars = charWidth > 0 ? wrapWidth / charWidth + 1e-9 : 0;
  for (std::string_view p : Paragraphs(caption)) {
    longest = std::max(longest, Len(p));
    lines += wordWrap ? WrappedLines(p, maxChars) : 1;
  }
  double width = wordWrap ? wrapWidth : static_cast<double>(longest) * charWidth;
  return {width, lines * kLineHeight * fontPoints, lines};
}

}  // namespace orvano::host::headless
