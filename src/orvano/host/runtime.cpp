#include "orvano/host/runtime.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "orvano/host/error.h"
#include "orvano/host/pure_number.h"

namespace orvano::host {
namespace {

constexpr double kLongMin = -2147483648.0;
constexpr double kLongMax = 2147483647.0;
// From 2^52 on every double is a whole number.
constexpr double kAllWhole = 4503599627370496.0;

// Ties to the even neighbour on the exact binary value, independent of the FPU rounding mode.
double RoundHalfEven(double x) {
  if (!std::isfinite(x) || std::fabs(x) >= kAllWhole) return x;
  const double f = std::floor(x);
  const double diff = x - f;  // exact below 2^52
  if (diff > 0.5) return f + 1.0;
  if (diff < 0.5) return f;
  return std::fmod(f, 2.0) == 0.0 ? f : f + 1.0;
}

// The 15 significant digits of |x| (x finite and not zero) and the decimal exponent of the
// first one: 558.7 -> "558700000000000", 2.
struct Digits15 {
  char digits[16];
  int exponent;
  bool negative;
};

Digits15 ToDigits15(double x) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", x);  // "-d.dddddddddddddde+XX"
  Digits15 d{};
  const char* p = buf;
  d.negative = *p == '-';
  if (d.negative) ++p;
  int n = 0;
  for (; *p != 'e'; ++p)
    if (*p != '.') d.digits[n++] = *p;
  d.digits[n] = '\0';
  d.exponent = std::atoi(p + 1);
  return d;
}

}  // namespace

std::optional<std::int32_t> TryCLng(double x) noexcept {
  if (!std::isfinite(x)) return std::nullopt;
  const double r = RoundHalfEven(x);
  if (r < kLongMin || r > kLongMax) return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::int32_t CLng(double x) {
  if (const auto r = TryCLng(x)) return *r;
  Raise(ErrorKind::Overflow);
}

// Whole numbers round on the exact binary value, like CLng. With decimals, the value is rounded
// as the decimal text it reads as (its 15 significant digits, the number text): 2.675 is stored
// as 2.67499999999999982236431605997495353221893310546875, yet it reads "2,675" everywhere a
// user sees it, so a tie on that text goes to the even neighbour: Round(2.675, 2) = 2.68,
// Round(2.665, 2) = 2.66, Round(0.35, 1) = 0.4. Scaling by 10^n instead would decide ties by
// the representation error of the product, i.e. by chance.
double Round(double x, int decimals) {
  if (decimals < 0) Raise(ErrorKind::InvalidProcedureCall);
  if (decimals == 0) return RoundHalfEven(x);
  if (!std::isfinite(x) || x == 0.0) return x;

  const Digits15 d = ToDigits15(x);
  const long long keep = static_cast<long long>(d.exponent) + decimals + 1;
  if (keep >= 15) return x;  // nothing after the 15th digit to round away
  if (keep < 0) return 0.0;

  const auto k = static_cast<int>(keep);
  const char next = d.digits[k];
  bool restNonZero = false;
  for (int i = k + 1; i < 15; ++i) restNonZero = restNonZero || d.digits[i] != '0';
  const bool previousOdd = k > 0 && (d.digits[k - 1] - '0') % 2 == 1;
  const bool up = next > '5' || (next == '5' && (restNonZero || previousOdd));

  long long mantissa = 0;
  for (int i = 0; i < k; ++i) mantissa = mantissa * 10 + (d.digits[i] - '0');
  if (up) ++mantissa;
  if (mantissa == 0) return 0.0;

  // The nearest double to mantissa * 10^-decimals, correctly rounded by strtod.
  char buf[48];
  std::snprintf(buf, sizeof buf, "%s%lldE-%d", d.negative ? "-" : "", mantissa, decimals);
  return std::strtod(buf, nullptr);
}

double Int(double x) { return std::floor(x); }

std::optional<std::int32_t> TryIntL(double x) noexcept {
  if (!std::isfinite(x)) return std::nullopt;
  const double f = std::floor(x);
  if (f < kLongMin || f > kLongMax) return std::nullopt;
  return static_cast<std::int32_t>(f);
}

std::int32_t IntL(double x) {
  if (const auto f = TryIntL(x)) return *f;
  Raise(ErrorKind::Overflow);
}

std::int32_t AddL(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_add_overflow(a, b, &r)) Raise(ErrorKind::Overflow);
  return r;
}

std::int32_t SubL(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_sub_overflow(a, b, &r)) Raise(ErrorKind::Overflow);
  return r;
}

std::int32_t MulL(std::int32_t a, std::int32_t b) {
  std::int32_t r;
  if (__builtin_mul_overflow(a, b, &r)) Raise(ErrorKind::Overflow);
  return r;
}

std::optional<double> TryDiv(double a, double b) noexcept {
  if (b == 0.0 || !std::isfinite(a / b)) return std::nullopt;
  return a / b;
}

double Div(double a, double b) {
  if (b == 0.0) Raise(ErrorKind::DivisionByZero);
  return Finite(a / b);
}

double Finite(double x) {
  if (!std::isfinite(x)) Raise(ErrorKind::Overflow);
  return x;
}

// Positional notation from 0,00001 up to 15 integer digits; beyond that the exponent form the
// platform prints ("1E+20", "1,5E-07"), which ParseNumber reads back as well.
std::string NumberText(double x) {
  // A text of infinity or NaN could not be read back; refuse it rather than write it.
  if (!std::isfinite(x)) Raise(ErrorKind::Overflow);
  if (x == 0.0) return "0";  // also -0

  const Digits15 d = ToDigits15(x);
  int n = 15;
  while (n > 1 && d.digits[n - 1] == '0') --n;
  const std::string digits(d.digits, static_cast<std::size_t>(n));
  const int e = d.exponent;

  std::string out = d.negative ? "-" : "";
  if (e >= 15 || e < -5) {
    out += digits[0];
    if (n > 1) out += ',' + digits.substr(1);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', e < 0 ? -e : e);
    out += exp;
  } else if (e < 0) {
    out += "0,";
    out.append(static_cast<std::size_t>(-e - 1), '0');
    out += digits;
  } else {
    const auto whole = static_cast<std::size_t>(e + 1);
    if (digits.size() <= whole) {
      out += digits;
      out.append(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole);
      out += ',';
      out += digits.substr(whole);
    }
  }
  return out;
}

}  // namespace orvano::host
