/// \file
/// The profile-string functions: one key of a sectioned key-value text file, read or written with
/// the behaviour of the Windows functions, since the files are shared with Windows installations.
///
/// Reading: section and key names match regardless of case (Latin-1 letters included) and of
/// blanks and tabs around them; the first matching section and key win; a value is trimmed and
/// loses one pair of outer matching quotes; CR LF, LF and CR all end a line; a line without "="
/// is no key. Writing: a value is replaced in place, a new key goes to the end of its section, a
/// new section to the end of the file, a null value removes the key; untouched lines keep their
/// bytes. A file is UTF-8 when it has a byte-order mark or is valid UTF-8 with non-ASCII bytes,
/// Windows-1252 otherwise; strings in memory are UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "orvano/core_export.h"

namespace orvano::catalog {

/// The value of the key, or the default without its trailing blanks when the file, the section
/// or the key is missing or the file cannot be read; at most bufferSize - 1 characters, as the
/// Windows function copies into a buffer of that size.
ORVANO_CORE_EXPORT std::string GetPrivateProfileString(const std::string& section,
                                                       const std::string& key,
                                                       const std::string& defaultValue,
                                                       std::size_t bufferSize,
                                                       const std::string& file);

/// Sets the key (a null value removes it). The file is replaced atomically under an advisory
/// lock after reading it again inside the lock, so concurrent writers of other keys keep their
/// changes. False when the write failed; the file is then as it was.
ORVANO_CORE_EXPORT bool WritePrivateProfileString(const std::string& section,
                                                  const std::string& key,
                                                  const std::optional<std::string>& value,
                                                  const std::string& file);

}  // namespace orvano::catalog
