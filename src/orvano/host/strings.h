/// \file
/// UTF-8 text helpers. Strings in memory are UTF-8; lengths and positions count characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "orvano/core_export.h"

namespace orvano::host {

/// Removes leading and trailing blanks (spaces only, as the platform's Trim).
///@{
ORVANO_CORE_EXPORT std::string Trim(std::string_view s);
ORVANO_CORE_EXPORT std::string LTrim(std::string_view s);  ///< leading blanks only
ORVANO_CORE_EXPORT std::string RTrim(std::string_view s);  ///< trailing blanks only
///@}
/// Upper case of ASCII and of the Latin-1 letters (ä -> Ä, é -> É; ß and ÿ stay).
ORVANO_CORE_EXPORT std::string UCase(std::string_view s);
ORVANO_CORE_EXPORT std::string LCase(std::string_view s);  ///< the same letters to lower case
/// Case-insensitive equality by UCase.
ORVANO_CORE_EXPORT bool EqualsNoCase(std::string_view a, std::string_view b);
/// Number of characters (code points) of valid UTF-8; invalid bytes count one each.
ORVANO_CORE_EXPORT std::size_t Len(std::string_view s);
/// Characters [start, start + count) counted from 0; clamps to the string.
ORVANO_CORE_EXPORT std::string Mid(std::string_view s, std::size_t start,
                                   std::size_t count = std::string::npos);
ORVANO_CORE_EXPORT std::string Left(std::string_view s,
                                    std::size_t count);  ///< the first count characters
/// Byte offset of the character with index `chars` (clamped to the size).
ORVANO_CORE_EXPORT std::size_t ByteOffset(std::string_view s, std::size_t chars);

/// Appends one character (up to U+FFFF) in UTF-8.
ORVANO_CORE_EXPORT void AppendUtf8(std::string& out, std::uint32_t codePoint);

ORVANO_CORE_EXPORT bool IsValidUtf8(std::string_view s);  ///< well-formed UTF-8 throughout
ORVANO_CORE_EXPORT bool IsAscii(std::string_view s);      ///< bytes below 0x80 only
/// Windows-1252 <-> UTF-8. Bytes with no character in 1252 map to the C1 control of the same
/// value, so a round trip keeps every byte; characters outside 1252 become '?'.
///@{
ORVANO_CORE_EXPORT std::string Cp1252ToUtf8(std::string_view bytes);
ORVANO_CORE_EXPORT std::string Utf8ToCp1252(std::string_view text);
///@}

}  // namespace orvano::host
