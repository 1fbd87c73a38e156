/// \file
/// Page sizes of the format codes, the line-height rule and the screen's millimetre factor.
#pragma once

#include <cstdint>

#include "orvano/core_export.h"

namespace orvano {

/// Twips per millimetre on screen, as the controls use it (not 1440 / 25.4).
inline constexpr double kTwipsPerMm = 56.69;

/// Writes the page size in mm for A4 (9) and A5 (11), portrait or landscape (any non-zero flag);
/// any other code leaves width and height as they were.
ORVANO_CORE_EXPORT void GetPageSize(std::int32_t format, std::int32_t landscape, double& width,
                                    double& height) noexcept;

/// Height in mm of one printed line at a font size; DivisionByZero for 0 points.
ORVANO_CORE_EXPORT double LineHeightFromFontSize(std::int32_t points);

}  // namespace orvano
