/// \file
/// Number semantics shared by every layer: banker's rounding, floor, checked 32-bit conversion and
/// division, the German number text, and the 16-bit flag whose true value is -1.
#pragma once

#include <cstdint>
#include <string>

#include "orvano/core_export.h"

namespace orvano::host {

/// The 16-bit flag of the public interface. Any value may be stored; only -1 is "exactly true".
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;  ///< true as the interface writes it
inline constexpr Flag kFalse = 0;  ///< false
/// kTrue or kFalse.
inline constexpr Flag ToFlag(bool b) noexcept { return b ? kTrue : kFalse; }
/// Only -1 is exactly true; other non-zero values are not.
inline constexpr bool IsExactlyTrue(Flag f) noexcept { return f == kTrue; }

/// Round to a whole number, ties to the even neighbour; fails with Overflow outside 32 bits or for
/// a non-finite value.
ORVANO_CORE_EXPORT std::int32_t CLng(double x);
/// Round to n decimal places, ties to even. Whole numbers (n = 0) round the exact binary value;
/// with decimals the value is rounded as the decimal text it reads as (its 15 significant
/// digits), so Round(2.675, 2) = 2.68 and Round(0.35, 1) = 0.4 although both are stored just
/// below the tie. A negative n is InvalidProcedureCall.
ORVANO_CORE_EXPORT double Round(double x, int decimals = 0);
/// Largest whole number not above x (as a double; the platform's Int).
ORVANO_CORE_EXPORT double Int(double x);
/// Int(x) as a 32-bit integer; Overflow outside the range.
ORVANO_CORE_EXPORT std::int32_t IntL(double x);
/// Checked 32-bit integer arithmetic: Overflow when the result leaves the range.
///@{
ORVANO_CORE_EXPORT std::int32_t AddL(std::int32_t a, std::int32_t b);
ORVANO_CORE_EXPORT std::int32_t SubL(std::int32_t a, std::int32_t b);
ORVANO_CORE_EXPORT std::int32_t MulL(std::int32_t a, std::int32_t b);
///@}
/// Floating-point division that fails like the platform: DivisionByZero for a zero divisor,
/// Overflow for a non-finite result.
ORVANO_CORE_EXPORT double Div(double a, double b);
/// Fails with Overflow when x is not finite; returns x otherwise. For results the platform would
/// have refused to produce.
ORVANO_CORE_EXPORT double Finite(double x);

/// The German number text: decimal comma, no grouping, at most 15 significant digits, no
/// trailing zeros, no comma for whole numbers (12 -> "12", 12.5 -> "12,5", 0.125 -> "0,125").
/// Never "-0". Below 0,00001 and from 1E+15 on the exponent form ("1E+20", "1,5E-07"). Overflow
/// for infinity and NaN, which no reader could take back.
ORVANO_CORE_EXPORT std::string NumberText(double x);

}  // namespace orvano::host
