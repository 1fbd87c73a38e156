// A label product on its way into the catalog: brand, part number, description and the catalog
// record's measurements, and the reasons a product of the database is left out.
#pragma once

#include <cstdint>
#include <string>

namespace orvano::importer {

// The page formats of the catalog record.
inline constexpr std::int32_t kFormatA4 = 9;
inline constexpr std::int32_t kFormatA5 = 11;

// What one catalog record holds besides its description. Lengths in millimetres; the gaps are
// the free space between neighbouring labels, not the pitch.
struct Sheet {
  std::int32_t PageFormat = kFormatA4;
  std::int32_t Landscape = 0;  // 1 landscape, 0 portrait
  std::int32_t Cols = 0;
  std::int32_t Rows = 0;
  double BorderLeft = 0;
  double BorderTop = 0;
  double LabelWidth = 0;
  double LabelHeight = 0;
  double SpaceWidth = 0;
  double SpaceHeight = 0;
};

struct Product {
  std::string Brand;
  std::string Part;
  std::string Description;
  Sheet Measures;
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
