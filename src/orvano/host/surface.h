/// \file
/// Drawing on a control's own surface: lines and boxes, solid or dotted, one pixel wide. Nothing
/// else is drawn: no text, no clearing (the owner paints its whole area on every Paint).
#pragma once

#include "orvano/core_export.h"
#include "orvano/host/color.h"

namespace orvano::host {

/// What Surface::Draw draws between its two points.
enum class DrawMode {
  Line,      ///< a straight line
  Box,       ///< the outline of the rectangle
  FilledBox  ///< the rectangle, filled
};
/// The pen of lines and outlines.
enum class DrawStyle {
  Solid,  ///< continuous
  Dot     ///< dotted
};

/// A control's drawing surface; see the file comment for what it draws.
class ORVANO_CORE_EXPORT Surface {
 public:
  virtual ~Surface() = default;
  /// The pen of the next Draw calls.
  ///@{
  virtual void SetDrawStyle(DrawStyle style) = 0;
  virtual DrawStyle GetDrawStyle() const = 0;
  ///@}
  /// From (x1, y1) to (x2, y2), in the container's scale unit.
  virtual void Draw(float x1, float y1, float x2, float y2, Color color, DrawMode mode) = 0;
};

}  // namespace orvano::host
