/// \file
/// The layout a Preview derives from its properties and its size, recomputed on every Paint and
/// Resize. A value whose computation fails keeps what it held before.
#pragma once

#include <cstdint>

namespace orvano {

/// Pixels of the control's inner area, origin top left.
struct PixelRect {
  std::int32_t Top = 0;                               ///< pixels from the top
  std::int32_t Left = 0;                              ///< pixels from the left
  std::int32_t Height = 0;                            ///< pixels
  std::int32_t Width = 0;                             ///< pixels
  bool operator==(const PixelRect&) const = default;  ///< field by field
};

/// What a Preview computed for its last Paint or Resize (see the file comment).
struct PreviewLayoutState {
  /// The inner area drawn on, pixels.
  ///@{
  std::int32_t AreaWidth = 0;
  std::int32_t AreaHeight = 0;
  ///@}
  std::int32_t ExtentX = 0;  ///< whole millimetres shown
  std::int32_t ExtentY = 0;  ///< whole millimetres shown, down
  double ScaleX = 0;         ///< pixels per millimetre
  double ScaleY = 0;         ///< pixels per millimetre, down
  double PixelsPerMm = 0;    ///< the one scale both directions use
  PixelRect PageRect;        ///< sheet piece (page layout) or the label (address layout)
  PixelRect Label1Rect;      ///< the first label
  PixelRect Label2Rect;      ///< right neighbour, cut off
  PixelRect Label3Rect;      ///< neighbour below, cut off
  PixelRect Label4Rect;      ///< diagonal neighbour, cut off
  /// Address block (address layout only), pixels: the heights of the sender line and of the
  /// heading, the gap before the heading and the gap before the address.
  ///@{
  std::int32_t ReturnAddressHeight = 0;
  std::int32_t HeadingHeight = 0;
  std::int32_t HeadingGap = 0;
  std::int32_t AddressGap = 0;
  ///@}
};

}  // namespace orvano
