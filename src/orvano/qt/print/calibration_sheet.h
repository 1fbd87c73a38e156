/// \file
/// A sheet to measure a printer's offset with: on the chosen stock, every label's outline and a
/// cross at its centre, and millimetre scales at the first label's corner. Printed on a label
/// sheet (or held against one), it shows how far the printer shifts: that shift, entered as the
/// printer's offset, is taken back on every later print.
#pragma once

#include "orvano/model/label_def.h"
#include "orvano/print_data/printer_offsets.h"
#include "orvano/print_export.h"

class QPrinter;

namespace orvano::qt {

/// Prints one calibration page with the offset already stored applied, so a second sheet shows
/// what is left. Raises as PrintLabels.
ORVANO_PRINT_EXPORT void PrintCalibrationSheet(QPrinter& printer, const LabelDef& def,
                                               const print_data::PrinterOffset& offset);

}  // namespace orvano::qt
