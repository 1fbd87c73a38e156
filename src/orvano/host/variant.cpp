#include "orvano/host/variant.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano::host {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A whole text that reads as a number: blanks around it, an optional sign, digits with at most
// one decimal separator ("," or "."), an optional exponent (E or D). Anything else is no number.
std::optional<double> ParseNumeric(std::string_view s) {
  std::size_t i = 0;
  const std::size_t n = s.size();
  while (i < n && IsBlank(s[i])) ++i;
  std::string text;
  if (i < n && (s[i] == '+' || s[i] == '-')) text += s[i++];
  std::size_t digits = 0;
  bool separator = false;
  for (; i < n; ++i) {
    if (IsDigit(s[i])) {
      text += s[i];
      ++digits;
    } else if ((s[i] == ',' || s[i] == '.') && !separator) {
      text += '.';
      separator = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    text += 'e';
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) text += s[i++];
    std::size_t expDigits = 0;
    for (; i < n && IsDigit(s[i]); ++i, ++expDigits) text += s[i];
    if (expDigits == 0) return std::nullopt;
  }
  while (i < n && IsBlank(s[i])) ++i;
  if (i != n) return std::nullopt;
  const double value = std::strtod(text.c_str(), nullptr);
  if (!std::isfinite(value)) Raise(ErrorKind::Overflow);
  return value;
}

// The flag texts in both languages, since ToString writes the German ones.
std::optional<Flag> ParseFlagText(std::string_view s) {
  const std::string t = UCase(Trim(s));
  if (t == "TRUE" || t == "WAHR") return kTrue;
  if (t == "FALSE" || t == "FALSCH") return kFalse;
  return std::nullopt;
}

}  // namespace

double Variant::ToDouble() const {
  if (IsEmpty()) return 0.0;
  if (IsFlag()) return std::get<Flag>(v_);
  if (IsLong()) return std::get<std::int32_t>(v_);
  if (IsDouble()) return std::get<double>(v_);
  const std::string& s = std::get<std::string>(v_);
  if (auto number = ParseNumeric(s)) return *number;
  if (auto flag = ParseFlagText(s)) return *flag;
  Raise(ErrorKind::TypeMismatch);
}

std::int32_t Variant::ToLong() const {
  if (IsLong()) return std::get<std::int32_t>(v_);
  if (IsFlag()) return std::get<Flag>(v_);
  return CLng(ToDouble());
}

Flag Variant::ToFlag() const {
  if (IsFlag()) return std::get<Flag>(v_);
  if (IsString()) {
    const std::string& s = std::get<std::string>(v_);
    if (auto flag = ParseFlagText(s)) return *flag;
    if (auto number = ParseNumeric(s)) return *number != 0.0 ? kTrue : kFalse;
    Raise(ErrorKind::TypeMismatch);
  }
  return ToDouble() != 0.0 ? kTrue : kFalse;
}

std::string Variant::ToString() const {
  if (IsEmpty()) return {};
  if (IsFlag()) return std::get<Flag>(v_) != 0 ? "Wahr" : "Falsch";
  if (IsLong()) return std::to_string(std::get<std::int32_t>(v_));
  if (IsDouble()) return NumberText(std::get<double>(v_));
  return std::get<std::string>(v_);
}

// Mixed string and number never compare equal here (no conversion, so no TypeMismatch): a value
// that is not recognised as its default is simply stored, which loses nothing.
bool Variant::operator==(const Variant& other) const {
  const bool number = IsFlag() || IsLong() || IsDouble();
  const bool otherNumber = other.IsFlag() || other.IsLong() || other.IsDouble();
  if (IsEmpty() && other.IsEmpty()) return true;
  if (IsString() && other.IsString())
    return std::get<std::string>(v_) == std::get<std::string>(other.v_);
  if (number && otherNumber) return ToDouble() == other.ToDouble();
  // Empty equals the empty text and zero, as the platform compares them.
  if (IsEmpty()) return other.IsString() ? other.ToString().empty() : other.ToDouble() == 0.0;
  if (other.IsEmpty()) return IsString() ? ToString().empty() : ToDouble() == 0.0;
  return false;
}

}  // namespace orvano::host
