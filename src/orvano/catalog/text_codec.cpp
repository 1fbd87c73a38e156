#include "orvano/catalog/text_codec.h"

#include "orvano/host/strings.h"

namespace orvano::catalog {

bool HasUtf8ByteOrderMark(std::string_view bytes) {
  return bytes.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
}

Encoding DetectEncoding(std::string_view bytes, bool hasByteOrderMark) {
  if (hasByteOrderMark) return Encoding::Utf8;
  if (host::IsAscii(bytes)) return Encoding::Ansi;
  return host::IsValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Ansi;
}

namespace {

// Length of the valid UTF-8 sequence at s[i], 0 when none starts there.
std::size_t ValidSequenceAt(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  std::size_t n = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF)
    n = 2;
  else if (c >= 0xE0 && c <= 0xEF)
    n = 3;
  else if (c >= 0xF0 && c <= 0xF4)
    n = 4;
  else
    return 0;
  if (i + n > s.size()) return 0;
  return host::IsValidUtf8(s.substr(i, n)) ? n : 0;
}

}  // namespace

std::string DecodeText(std::string_view bytes, Encoding encoding) {
  if (host::IsAscii(bytes)) return std::string(bytes);
  if (encoding == Encoding::Ansi) return host::Cp1252ToUtf8(bytes);
  if (host::IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + 8);
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = ValidSequenceAt(bytes, i);
    if (n == 0) {
      out += host::Cp1252ToUtf8(bytes.substr(i, 1));
      ++i;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::optional<std::string> EncodeText(std::string_view text, Encoding encoding) {
  if (host::IsAscii(text)) return std::string(text);
  if (encoding == Encoding::Utf8) {
    if (!host::IsValidUtf8(text)) return std::nullopt;
    return std::string(text);
  }
  std::string bytes = host::Utf8ToCp1252(text);
  // '?' stands in for characters the code page lacks; a round trip shows whether any did.
  if (host::Cp1252ToUtf8(bytes) != text) return std::nullopt;
  return bytes;
}

std::string_view TrimBlanksAndTabs(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string FoldName(std::string_view utf8) { return host::UCase(TrimBlanksAndTabs(utf8)); }

}  // namespace orvano::catalog
