#include "orvano/host/strings.h"

#include <array>
#include <cstdint>

namespace orvano::host {
namespace {

// Length of the well-formed UTF-8 sequence at s[i], or 0 when the byte there does not start one
// (overlong forms, surrogates and code points above U+10FFFF are not well-formed).
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char c = b(0);
  if (c < 0x80) return 1;
  const std::size_t left = s.size() - i;
  const auto cont = [&](std::size_t k) { return (b(k) & 0xC0) == 0x80; };
  if (c >= 0xC2 && c <= 0xDF) return left >= 2 && cont(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (left < 3 || !cont(1) || !cont(2)) return 0;
    if (c == 0xE0 && b(1) < 0xA0) return 0;  // overlong
    if (c == 0xED && b(1) > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (left < 4 || !cont(1) || !cont(2) || !cont(3)) return 0;
    if (c == 0xF0 && b(1) < 0x90) return 0;  // overlong
    if (c == 0xF4 && b(1) > 0x8F) return 0;  // above U+10FFFF
    return 4;
  }
  return 0;
}

// One character's bytes: a well-formed sequence, or a single stray byte.
std::size_t Step(std::string_view s, std::size_t i) {
  const std::size_t n = SequenceLength(s, i);
  return n == 0 ? 1 : n;
}

std::uint32_t Decode(std::string_view s, std::size_t i, std::size_t n) {
  const auto b = [&](std::size_t k) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[i + k]));
  };
  switch (n) {
    case 1: return b(0);
    case 2: return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    case 3: return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
    default:
      return ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
  }
}

// Windows-1252 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Latin-1 letters occupy C3 80..C3 BE in UTF-8 (U+00C0..U+00FE); upper and lower case differ
// by 0x20 in the second byte, except for the signs × and ÷ and for ß, ÿ with no Latin-1 partner.
enum class CaseTo { Upper, Lower };

unsigned char CaseOfLatin1(unsigned char second, CaseTo to) {
  if (to == CaseTo::Upper) {
    if (second >= 0xA0 && second <= 0xBE && second != 0xB7) return second - 0x20;
  } else {
    if (second >= 0x80 && second <= 0x9E && second != 0x97) return second + 0x20;
  }
  return second;
}

char CaseOfAscii(char c, CaseTo to) {
  if (to == CaseTo::Upper && c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (to == CaseTo::Lower && c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

std::string ChangeCase(std::string_view s, CaseTo to) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t n = Step(out, i);
    if (n == 1) {
      out[i] = CaseOfAscii(out[i], to);
    } else if (n == 2 && static_cast<unsigned char>(out[i]) == 0xC3) {
      out[i + 1] = static_cast<char>(CaseOfLatin1(static_cast<unsigned char>(out[i + 1]), to));
    }
    i += n;
  }
  return out;
}

}  // namespace

std::string LTrim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(s.substr(first));
}

std::string RTrim(std::string_view s) {
  const std::size_t last = s.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string() : std::string(s.substr(0, last + 1));
}

std::string Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = s.find_last_not_of(' ');
  return std::string(s.substr(first, last - first + 1));
}

std::string UCase(std::string_view s) { return ChangeCase(s, CaseTo::Upper); }
std::string LCase(std::string_view s) { return ChangeCase(s, CaseTo::Lower); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  // Case mapping never changes a character's byte length, so the texts must match in size.
  if (a.size() != b.size()) return false;
  return UCase(a) == UCase(b);
}

std::size_t Len(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); i += Step(s, i)) ++count;
  return count;
}

std::size_t ByteOffset(std::string_view s, std::size_t chars) {
  std::size_t i = 0;
  for (std::size_t c = 0; c < chars && i < s.size(); ++c) i += Step(s, i);
  return i;
}

std::string Mid(std::string_view s, std::size_t start, std::size_t count) {
  const std::size_t from = ByteOffset(s, start);
  const std::string_view rest = s.substr(from);
  return std::string(rest.substr(0, ByteOffset(rest, count)));
}

std::string Left(std::string_view s, std::size_t count) {
  return std::string(s.substr(0, ByteOffset(s, count)));
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = SequenceLength(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 0x80 && c <= 0x9F && kCp1252High[c - 0x80] != 0) {
      AppendUtf8(out, kCp1252High[c - 0x80]);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = SequenceLength(text, i);
    if (n == 0) {  // a stray byte is no character
      out += '?';
      ++i;
      continue;
    }
    const std::uint32_t cp = Decode(text, i, n);
    i += n;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
    } else if (cp >= 0x80 && cp <= 0x9F) {
      // Only the C1 controls standing in for unassigned bytes have a byte of their own.
      out += kCp1252High[cp - 0x80] == 0 ? static_cast<char>(cp) : '?';
    } else {
      char byte = '?';
      for (std::size_t k = 0; k < kCp1252High.size(); ++k)
        if (kCp1252High[k] == cp) byte = static_cast<char>(0x80 + k);
      out += byte;
    }
  }
  return out;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace orvano::host
