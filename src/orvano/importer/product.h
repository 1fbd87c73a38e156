// A label product on its way into the catalog: brand, part number, description and the catalog
// record's measurements, and the reasons a product of the database is left out.
#pragma once

#include <cstdint>
#include <string>

#include "orvano/model/enums.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano::importer {

// The page formats of the catalog record.
inline constexpr std::int32_t kFormatA4 = ovPageFormatA4;
inline constexpr std::int32_t kFormatA5 = ovPageFormatA5;

struct Product {
  std::string Brand;
  std::string Part;
  std::string Description;
  // What the catalog record holds besides the description; the gaps are the free space between
  // neighbouring labels, not the pitch.
  SheetGeometry Measures;
};

enum class SkipReason {
  MissingName,   // no brand or no part number
  UnusableName,  // a name the catalog file cannot hold
  Duplicate,     // the same brand and part number again
  PaperSize,     // not A4 or A5
  Shape,         // not one rectangular label shape
  LayoutCount,   // not exactly one layout
  Measurements,  // missing or unreadable lengths or counts
  Overlap,       // the pitch is smaller than the label
  OutsidePage,   // the grid does not fit on the page
  EquivMissing,  // refers to a product that does not exist (or to itself in a circle)
};

inline constexpr int kSkipReasonCount = 10;

// A short English phrase for reports ("paper size is not A4 or A5").
const char* SkipReasonText(SkipReason reason);

}  // namespace orvano::importer
