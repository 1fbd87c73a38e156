#include "orvano/importer/product.h"

namespace orvano::importer {

const char* SkipReasonText(SkipReason reason) {
  switch (reason) {
    case SkipReason::MissingName: return "no brand or no part number";
    case SkipReason::UnusableName: return "brand or part number not storable in the catalog";
    case SkipReason::Duplicate: return "duplicate of an earlier product";
    case SkipReason::PaperSize: return "paper size is not A4 or A5";
    case SkipReason::Shape: return "label shape is not one rectangle";
    case SkipReason::LayoutCount: return "not exactly one layout";
    case SkipReason::Measurements: return "missing or unreadable measurements";
    case SkipReason::Overlap: return "labels overlap";
    case SkipReason::OutsidePage: return "grid does not fit on the page";
    case SkipReason::EquivMissing: return "equivalent product not found";
  }
  return "unknown";
}

}  // namespace orvano::importer
