/// \file
/// How far a printer shifts what it prints, per printer name: a sheet printed through it is moved
/// back by this much. Kept in the user's data folder beside the custom labels.
#pragma once

#include <string>

#include "orvano/core_export.h"

namespace orvano::print_data {

/// The file in the data folder that keeps each printer's offset.
inline constexpr const char* kPrinterOffsetFile = "ovDrucker.ini";

/// Millimetres to add to every position: positive moves the print right and down.
struct ORVANO_CORE_EXPORT PrinterOffset {
  double Horizontal = 0;                                  ///< mm, positive to the right
  double Vertical = 0;                                    ///< mm, positive downwards
  bool operator==(const PrinterOffset&) const = default;  ///< field by field
};

/// The file in the data folder (the component's folder when it is blank).
ORVANO_CORE_EXPORT std::string PrinterOffsetPath(const std::string& dataFolder);

/// The stored offset; zero for a printer never calibrated, an unreadable file, or a value that is
/// not a number within +/- kMaxPrinterOffset.
ORVANO_CORE_EXPORT PrinterOffset LoadPrinterOffset(const std::string& dataFolder,
                                                   const std::string& printerName);

/// Stores the offset under the printer's name, with the catalog files' safe write (lock, temporary
/// file, flush, rename). False when it did not reach the file, or for a value out of range or a
/// blank printer name.
ORVANO_CORE_EXPORT bool SavePrinterOffset(const std::string& dataFolder,
                                          const std::string& printerName,
                                          const PrinterOffset& offset);

/// More than this is no printer's misfeed but a wrong label stock.
inline constexpr double kMaxPrinterOffset = 20;

}  // namespace orvano::print_data
