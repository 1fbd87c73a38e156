/// \file
/// One label of a catalog file and its record text, read and written in one place:
/// "description;format;landscape;cols;rows;left;top;width;height;gap;gap", numbers in the German
/// number text, lengths in millimetres, gaps between neighbours (not pitches).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "orvano/core_export.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano::catalog {

/// The values of a record by their field number, from 1 as GetField counts.
enum class LabelField : std::int32_t {
  Description = 1,  ///< the stock's description text
  PageFormat,       ///< the page format code
  Landscape,        ///< the orientation flag, 1 landscape
  Cols,             ///< labels per row
  Rows,             ///< labels per column
  BorderLeft,       ///< mm to the first label column
  BorderTop,        ///< mm to the first label row
  LabelWidth,       ///< mm
  LabelHeight,      ///< mm
  SpaceWidth,       ///< the gap between columns, mm
  SpaceHeight       ///< the gap between rows, mm
};
/// The number of fields a label record has.
inline constexpr std::int32_t kLabelFieldCount = 11;

/// A label record read: the sheet and the description.
struct ORVANO_CORE_EXPORT LabelRecord : SheetGeometry {
  std::string Description;  ///< the stock's description text

  bool operator==(const LabelRecord&) const = default;  ///< field by field
};

/// Reads record text (UTF-8) into `into`. Each value is read on its own: a whole number too large
/// for 32 bits leaves that one value of `into` as it was, the others are still read. The page
/// size follows format and orientation (A4, A5; other formats keep `into`'s).
ORVANO_CORE_EXPORT void ReadLabelRecord(std::string_view text, LabelRecord& into);

/// One value as the record writes it, before a whole number is made of it: a count stored as
/// "2,5" reads 2.5 here, 2 in a LabelRecord.
ORVANO_CORE_EXPORT double LabelRecordNumber(std::string_view text, LabelField field);

/// The record text; the description is written as given (the caller quotes it when needed).
ORVANO_CORE_EXPORT std::string FormatLabelRecord(const LabelRecord& record);
/// The same with the counts as numbers, for a caller that shows and saves counts as texts.
ORVANO_CORE_EXPORT std::string FormatLabelRecord(const LabelRecord& record, double cols,
                                                 double rows);

}  // namespace orvano::catalog
