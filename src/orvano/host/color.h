/// \file
/// Colours as the platform numbers them.
#pragma once

#include <cstdint>

namespace orvano::host {

/// A colour as the platform writes it: &HBBGGRR.
using Color = std::uint32_t;
/// A colour from its red, green and blue components, each 0..255 (higher bits are dropped).
inline constexpr Color Rgb(int r, int g, int b) noexcept {
  return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
/// The red, green and blue parts of a colour, 0..255.
///@{
inline constexpr int RedOf(Color c) noexcept { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(Color c) noexcept { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(Color c) noexcept { return static_cast<int>((c >> 16) & 0xFF); }
///@}

inline constexpr Color kBlack = 0x000000;  ///< black
inline constexpr Color kWhite = 0xFFFFFF;  ///< white
inline constexpr Color kRed = 0x0000FF;    ///< pure red
/// The system window colours as the controls use them.
inline constexpr Color kWindowBackground = 0xFFFFFF;  ///< behind text fields
inline constexpr Color kWindowText = 0x000000;        ///< text
inline constexpr Color kButtonFace = 0xF0F0F0;        ///< dialogs and captions

}  // namespace orvano::host
