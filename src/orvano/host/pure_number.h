// CLng, IntL and Div of runtime.h for pure computations: they give nothing where those raise,
// so geometry code can say what it cannot compute without trapping errors.
#pragma once

#include <cstdint>
#include <optional>

namespace orvano::host {

std::optional<std::int32_t> TryCLng(double x) noexcept;
std::optional<std::int32_t> TryIntL(double x) noexcept;
std::optional<double> TryDiv(double a, double b) noexcept;

}  // namespace orvano::host
