// The two encodings a profile file may be stored in, and the folding that makes section and key
// names match without regard to case and surrounding blanks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvano::catalog {

// Ansi is Windows-1252, the code page the files are shared in with Windows installations.
enum class Encoding { Ansi, Utf8 };

// A file with a UTF-8 byte-order mark, or valid UTF-8 holding non-ASCII bytes, is UTF-8;
// everything else (ASCII, Windows-1252, binary junk) is Ansi. `bytes` excludes the mark.
Encoding DetectEncoding(std::string_view bytes, bool hasByteOrderMark);

bool HasUtf8ByteOrderMark(std::string_view bytes);
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// File bytes -> UTF-8. In a UTF-8 file a stray byte that is not part of a valid sequence is read
// as its Windows-1252 character, so nothing is dropped.
std::string DecodeText(std::string_view bytes, Encoding encoding);
// UTF-8 -> file bytes; nothing when a character has no byte in Windows-1252.
std::optional<std::string> EncodeText(std::string_view text, Encoding encoding);

// Blanks and tabs around names and values carry no meaning in a profile file.
std::string_view TrimBlanksAndTabs(std::string_view s);
// The form two names are compared in: trimmed of blanks and tabs, upper case (Latin-1 included).
std::string FoldName(std::string_view utf8);

}  // namespace orvano::catalog
