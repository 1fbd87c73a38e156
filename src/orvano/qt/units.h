/// \file
/// The measure of one container: its scale unit and the screen's twips per pixel. Widgets keep
/// their places in twips and convert through this, so a change of the scale unit never moves them.
#pragma once

#include <QRect>
#include <cmath>

#include "orvano/host/container.h"

namespace orvano::qt {

/// A container's scale unit and the screen's twips per pixel.
struct Units {
  double tppX = 15;                               ///< twips per pixel across
  double tppY = 15;                               ///< twips per pixel down
  host::ScaleMode mode = host::ScaleMode::Twips;  ///< the unit of the container's coordinates

  /// Twips per unit of the container, across and down.
  ///@{
  double PerUnitX() const { return mode == host::ScaleMode::Twips ? 1.0 : tppX; }
  double PerUnitY() const { return mode == host::ScaleMode::Twips ? 1.0 : tppY; }
  ///@}
  /// Twips to whole pixels, rounded, across and down.
  ///@{
  int PxX(double twips) const { return static_cast<int>(std::lround(twips / tppX)); }
  int PxY(double twips) const { return static_cast<int>(std::lround(twips / tppY)); }
  ///@}
  /// Edges are rounded, not the size, so neighbours that touch in twips touch on screen.
  QRect PixelRect(double left, double top, double width, double height) const {
    const int x = PxX(left), y = PxY(top);
    return QRect(x, y, PxX(left + width) - x, PxY(top + height) - y);
  }
};

}  // namespace orvano::qt
