// One <Template> of the label database read into a catalog product, or the reason it cannot be
// one. Products that only name an equivalent (`equiv`) are resolved later, by the importer.
#pragma once

#include <optional>
#include <string>

#include "orvano/importer/product.h"
#include "orvano/importer/xml_reader.h"

namespace orvano::importer {

struct TemplateEntry {
  std::string Brand;  // trimmed
  std::string Part;   // trimmed
  std::string Equiv;  // the part number whose measurements this one shares; empty when none
  std::optional<std::string> Description;
  int Line = 0;
  // Own measurements, rounded and fitted, or why there are none. Not looked at for equivs.
  std::optional<SheetGeometry> Measures;
  SkipReason Reason = SkipReason::Measurements;
  std::string Detail;  // what exactly, for the verbose report
};

// Paper sizes given by width and height count as A4 or A5 this close to them.
inline constexpr double kPaperSizeTolerance = 0.5;
// A label may exceed its pitch by this much (mm) before the labels count as overlapping.
inline constexpr double kOverlapTolerance = 0.1;

TemplateEntry ReadTemplate(const XmlElement& element);

}  // namespace orvano::importer
