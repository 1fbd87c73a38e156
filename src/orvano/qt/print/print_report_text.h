// What a print report says to the user, in German.
#pragma once

#include <QString>
#include <cstdint>

#include "orvano/print_export.h"
#include "orvano/qt/print/label_printer.h"

namespace orvano::qt {

// "12 Etiketten auf 1 Bogen"
ORVANO_PRINT_EXPORT QString SheetCountText(std::int64_t labels, std::int64_t sheets);

// The records whose text does not fit, then those printed smaller, each with their numbers:
// "3 Adressen passen nicht ganz auf das Etikett (Nr. 2, 5, 9); ihre letzten Zeilen fehlen."
// Empty when every text fits.
ORVANO_PRINT_EXPORT QString FitReportText(const PrintReport& report);

}  // namespace orvano::qt
