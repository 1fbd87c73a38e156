#include "orvano/host/widgets.h"

#include "orvano/host/error.h"

namespace orvano::host {

// Each assignment on its own: a refused width must not keep the widget from moving, nor from
// taking its height.
void Widget::Move(float left, float top, float width, float height) {
  Resume([&] { SetLeft(left); });
  Resume([&] { SetTop(top); });
  Resume([&] { SetWidth(width); });
  Resume([&] { SetHeight(height); });
}

std::string BoundedText(std::string_view text) {
  if (text.size() <= kMaxTextBoxBytes) return std::string(text);
  const std::string_view note = kTextCutNote;
  std::size_t keep = kMaxTextBoxBytes - note.size();
  while (keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80) --keep;
  std::string out;
  out.reserve(keep + note.size());
  out.append(text.substr(0, keep)).append(note);
  return out;
}

}  // namespace orvano::host
