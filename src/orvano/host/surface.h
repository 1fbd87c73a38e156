// Drawing on a control's own surface: lines and boxes, solid or dotted, one pixel wide. Nothing
// else is drawn: no text, no clearing (the owner paints its whole area on every Paint).
#pragma once

#include "orvano/core_export.h"
#include "orvano/host/color.h"

namespace orvano::host {

enum class DrawMode { Line, Box, FilledBox };
enum class DrawStyle { Solid, Dot };

class ORVANO_CORE_EXPORT Surface {
 public:
  virtual ~Surface() = default;
  virtual void SetDrawStyle(DrawStyle style) = 0;
  virtual DrawStyle GetDrawStyle() const = 0;
  /// From (x1, y1) to (x2, y2), in the container's scale unit.
  virtual void Draw(float x1, float y1, float x2, float y2, Color color, DrawMode mode) = 0;
};

}  // namespace orvano::host
