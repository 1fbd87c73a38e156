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

}  // namespace orvano::host
