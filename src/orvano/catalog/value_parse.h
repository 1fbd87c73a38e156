/// \file
/// Reading and writing one key of a catalog file, picking fields out of a ";"-separated record,
/// and reading numbers and lengths as the user and the files write them (German notation).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orvano/catalog/field_value.h"
#include "orvano/core_export.h"

namespace orvano::catalog {

/// The buffer the catalog reads through: values are cut to 2047 characters.
inline constexpr std::size_t kProfileBufferSize = 2048;

/// The value of a key in a profile file, or the default when the file, the section or the key
/// is missing; at most kProfileBufferSize - 1 characters.
ORVANO_CORE_EXPORT std::string ReadProfileString(const std::string& file,
                                                 const std::string& section, const std::string& key,
                                                 const std::string& defaultValue);
/// A null value removes the key, an empty one keeps it with an empty value. False when the file
/// could not be written (it is then unchanged).
ORVANO_CORE_EXPORT bool WriteProfileString(const std::string& file, const std::string& section,
                                           const std::string& key,
                                           const std::optional<std::string>& value);

/// Field `index` (from 1) of a record; index 0 gives the field count as a whole number. Quote
/// characters are dropped and protect separators; a quoted field stays text, an unquoted one
/// that reads as a decimal number (comma or point) becomes a double; an empty field is absent.
ORVANO_CORE_EXPORT FieldValue GetField(std::int32_t index, const FieldValue& text,
                                       std::string_view separator = ";",
                                       std::string_view quote = "\"");
/// Every field of a record in one pass: element k is what GetField(k + 1, ...) gives.
ORVANO_CORE_EXPORT std::vector<FieldValue> SplitFields(const FieldValue& text,
                                                       std::string_view separator = ";",
                                                       std::string_view quote = "\"");

/// A number in German notation: "," is the decimal separator, "." a grouping mark that is
/// ignored, blanks anywhere are skipped; the longest leading number counts, nothing readable
/// gives 0. Never fails: a number too large for a double also reads as 0.
ORVANO_CORE_EXPORT double ParseNumber(const FieldValue& value);
/// A length in millimetres: "cm" multiplies by 10; a double quote, "Zoll" or "inch" converts
/// inches (25.4 mm, rounded to one decimal, ties to even); the last matching mark decides.
ORVANO_CORE_EXPORT double ParseLength(const FieldValue& value);

}  // namespace orvano::catalog
