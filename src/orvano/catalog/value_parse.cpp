#include "orvano/catalog/value_parse.h"

#include <charconv>
#include <cmath>

#include "orvano/catalog/profile_file.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"

namespace orvano::catalog {

std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key, const std::string& defaultValue) {
  return GetPrivateProfileString(section, key, defaultValue, kProfileBufferSize, file);
}

bool WriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                        const std::optional<std::string>& value) {
  return WritePrivateProfileString(section, key, value, file);
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Bytes of the character starting at s[i]; a stray byte counts as one character.
std::size_t CharLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  std::size_t n = 1;
  if (c >= 0xC2 && c <= 0xDF)
    n = 2;
  else if (c >= 0xE0 && c <= 0xEF)
    n = 3;
  else if (c >= 0xF0 && c <= 0xF4)
    n = 4;
  if (n > 1 && (i + n > s.size() || !host::IsValidUtf8(s.substr(i, n)))) n = 1;
  return n;
}

double ToDouble(const std::string& canonical, bool& ok) {
  double d = 0;
  const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), d);
  ok = ec == std::errc() && end == canonical.data() + canonical.size() && std::isfinite(d);
  return ok ? d : 0;
}

// Whether a whole text (commas already made points) is a decimal number: blanks around it, an
// optional sign, digits with at most one point, an optional exponent.
std::optional<double> ReadsAsNumber(std::string_view s) {
  std::size_t i = 0, n = s.size();
  const auto blank = [&](std::size_t k) { return s[k] == ' ' || s[k] == '\t'; };
  while (i < n && blank(i)) ++i;
  while (n > i && blank(n - 1)) --n;
  std::string canonical;
  if (i < n && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') canonical += '-';
    ++i;
  }
  std::string whole, fraction;
  while (i < n && IsDigit(s[i])) whole += s[i++];
  const bool point = i < n && s[i] == '.';
  if (point) {
    ++i;
    while (i < n && IsDigit(s[i])) fraction += s[i++];
  }
  if (whole.empty() && fraction.empty()) return std::nullopt;
  canonical += whole.empty() ? "0" : whole;
  if (!fraction.empty()) canonical += "." + fraction;
  if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    ++i;
    std::string exponent;
    if (i < n && (s[i] == '+' || s[i] == '-')) exponent += s[i++];
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i])) exponent += s[i++], ++digits;
    if (digits == 0) return std::nullopt;
    canonical += "e" + exponent;
  }
  if (i != n) return std::nullopt;
  bool ok = false;
  const double d = ToDouble(canonical, ok);
  if (!ok) return std::nullopt;
  return d;
}

// The value's text; a number that is not finite has none a reader could take back.
std::string TextOf(const FieldValue& v) {
  if (v.IsDouble() && !std::isfinite(v.Double())) return {};
  return v.ToText();
}

FieldValue Finish(const std::optional<std::string>& field, bool quoted) {
  if (quoted) return FieldValue(field.value_or(std::string()));
  if (!field) return FieldValue();
  std::string pointed = *field;
  for (char& c : pointed)
    if (c == ',') c = '.';
  if (const auto d = ReadsAsNumber(pointed)) return FieldValue(*d);
  return FieldValue(*field);
}

// The walk over a record shared by GetField and SplitFields. `stopAt` ends it at the separator
// after that field (0 never stops); `each` receives every finished field.
template <class Each>
std::int32_t Walk(std::string_view text, std::string_view separator, std::string_view quote,
                  std::int32_t stopAt, std::optional<std::string>& current, bool& quoted,
                  Each&& each) {
  std::int32_t field = 1;
  bool inside = false;
  current.reset();
  quoted = false;
  const auto same = [](std::string_view c, std::string_view mark) {
    return c.size() == mark.size() && (c.size() == 1 ? c[0] == mark[0] : c == mark);
  };
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = static_cast<unsigned char>(text[i]) < 0x80 ? 1 : CharLength(text, i);
    const std::string_view c = text.substr(i, len);
    i += len;
    const bool isQuote = same(c, quote);
    if (isQuote) {
      inside = !inside;
      if (inside) quoted = true;
    }
    if (same(c, separator) && !inside) {
      if (field == stopAt) return field;
      each(current, quoted);
      ++field;
      current.reset();
      quoted = false;
    } else if (!isQuote) {
      if (!current) current.emplace();
      current->append(c);
    }
  }
  return field;
}

}  // namespace

FieldValue GetField(std::int32_t index, const FieldValue& text, std::string_view separator,
                    std::string_view quote) {
  if (text.IsNull() || (text.IsText() && text.Text().empty())) {
    if (index == 0) return FieldValue(std::int32_t{0});
    return text;
  }
  if (index < 0) return FieldValue();  // no field has a negative number
  const std::string s = TextOf(text);
  std::optional<std::string> current;
  bool quoted = false;
  const std::int32_t field =
      Walk(s, separator, quote, index, current, quoted, [](const auto&, bool) {});
  if (index == 0) return FieldValue(field);
  if (index > field) return FieldValue();
  return Finish(current, quoted);
}

std::vector<FieldValue> SplitFields(const FieldValue& text, std::string_view separator,
                                    std::string_view quote) {
  std::vector<FieldValue> fields;
  const std::string s = TextOf(text);
  if (s.empty()) return fields;
  std::optional<std::string> current;
  bool quoted = false;
  Walk(s, separator, quote, 0, current, quoted,
       [&](const std::optional<std::string>& f, bool q) { fields.push_back(Finish(f, q)); });
  fields.push_back(Finish(current, quoted));
  return fields;
}

// A double whose shortest text has at most 15 significant digits reads back from its 15-digit
// number text as itself; only others need the trip through the text.
bool SurvivesNumberText(double d) {
  char buf[64];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
  if (ec != std::errc()) return false;
  int digits = 0;
  bool leading = true;
  for (const char* p = buf; p != end && *p != 'e'; ++p) {
    if (*p < '0' || *p > '9') continue;
    if (leading && *p == '0') continue;
    leading = false;
    ++digits;
  }
  return digits <= 15;
}

double ParseNumber(const FieldValue& value) {
  if (value.IsDouble() && std::isfinite(value.Double()) && SurvivesNumberText(value.Double()))
    return value.Double() == 0 ? 0.0 : value.Double();
  const std::string text = TextOf(value);
  // "," is the decimal separator, "." only groups digits; blanks, tabs and line feeds are
  // skipped wherever they stand.
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c == ',')
      s += '.';
    else if (c != '.' && c != ' ' && c != '\t' && c != '\n')
      s += c;
  }
  std::size_t i = 0;
  std::string canonical;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') canonical += '-';
    ++i;
  }
  std::string whole, fraction;
  while (i < s.size() && IsDigit(s[i])) whole += s[i++];
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) fraction += s[i++];
  }
  if (whole.empty() && fraction.empty()) return 0;
  canonical += whole.empty() ? "0" : whole;
  if (!fraction.empty()) canonical += "." + fraction;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t k = i + 1;
    std::string exponent;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) exponent += s[k++];
    std::size_t digits = 0;
    while (k < s.size() && IsDigit(s[k])) exponent += s[k++], ++digits;
    if (digits > 0) canonical += "e" + exponent;
  }
  bool readable = false;
  const double d = ToDouble(canonical, readable);
  return readable && d != 0 ? d : 0.0;  // also turns -0 into 0
}

double ParseLength(const FieldValue& value) {
  const double n = ParseNumber(value);
  const std::string u = host::UCase(TextOf(value));
  const auto inches = [&] {
    const double mm = n * 25.4;
    if (!std::isfinite(mm)) return 0.0;
    // Above this a double has no tenths left to round.
    return std::fabs(mm) < 1e15 ? host::Round(mm, 1) : mm;
  };
  double result = n;
  if (u.find("CM") != std::string::npos) result = std::isfinite(n * 10) ? n * 10 : 0.0;
  if (u.find('"') != std::string::npos) result = inches();
  if (u.find("ZOLL") != std::string::npos) result = inches();
  if (u.find("INCH") != std::string::npos) result = inches();
  return result;
}

}  // namespace orvano::catalog
