#include "orvano/importer/glabels_template.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "orvano/catalog/text_codec.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"
#include "orvano/importer/length_units.h"
#include "orvano/importer/sheet_fit.h"

namespace orvano::importer {

namespace {

// Grids beyond this are no label sheets; it also keeps the arithmetic small.
constexpr std::int32_t kMaxCount = 1000;

struct Page {
  std::int32_t format = kFormatA4;
  std::int32_t landscape = 0;
};

bool ReadLength(const std::string& text, double& mm) {
  const std::optional<double> v = ParseLengthMm(text);
  if (v) mm = *v;
  return v.has_value();
}

bool Near(double a, double b) { return std::fabs(a - b) <= kPaperSizeTolerance; }

std::optional<Page> PageOf(const XmlElement& t, std::string& detail) {
  const std::string* size = t.Attribute("size");
  const std::string id = size ? host::UCase(host::Trim(*size)) : std::string();
  if (id == "A4") return Page{kFormatA4, 0};
  if (id == "A5") return Page{kFormatA5, 0};
  // Plain doubles: g++ 12 warns about optionals read in these loops.
  double width = 0, height = 0;
  const std::string* w = t.Attribute("width");
  const std::string* h = t.Attribute("height");
  const bool sized = w && h && ReadLength(*w, width) && ReadLength(*h, height);
  if (sized) {
    // The database's A5 is 148 mm wide, within the tolerance of 148.5.
    for (std::int32_t format : {kFormatA4, kFormatA5}) {
      for (std::int32_t landscape : {0, 1}) {
        if (Near(width, PageWidthMm(format, landscape)) &&
            Near(height, PageHeightMm(format, landscape))) {
          return Page{format, landscape};
        }
      }
    }
  }
  detail = "paper " + (size ? *size : std::string("without size"));
  if (sized && width < 1e6 && height < 1e6) {
    detail += " " + std::to_string(std::lround(width)) + " x " +
              std::to_string(std::lround(height)) + " mm";
  }
  return std::nullopt;
}

std::optional<double> Length(const XmlElement& e, const char* name) {
  const std::string* v = e.Attribute(name);
  return v ? ParseLengthMm(*v) : std::nullopt;
}

std::optional<std::int32_t> Count(const XmlElement& e, const char* name) {
  const std::string* v = e.Attribute(name);
  if (!v) return std::nullopt;
  const std::string text = host::Trim(*v);
  if (text.empty() || text.size() > 4) return std::nullopt;
  std::int32_t n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > kMaxCount) return std::nullopt;
  return n;
}

// One axis of the layout: count, offset, pitch, the label's size along it.
bool ReadAxis(const XmlElement& layout, const XmlElement& label, const char* countName,
              const char* offsetName, const char* pitchName, const char* sizeName,
              std::int32_t& count, Axis& axis, TemplateEntry& entry) {
  const std::optional<std::int32_t> n = Count(layout, countName);
  const std::optional<double> size = Length(label, sizeName);
  // A missing or empty origin is the page's corner, as the database's own reader takes it.
  const std::string* origin = layout.Attribute(offsetName);
  const std::optional<double> offset =
      origin && !host::Trim(*origin).empty() ? ParseLengthMm(*origin) : std::optional<double>(0.0);
  if (!n || !size || !offset || !(*size > 0)) {
    entry.Reason = SkipReason::Measurements;
    entry.Detail = std::string("bad ") + (!n ? countName : !size ? sizeName : offsetName);
    return false;
  }
  double gap = 0;
  double labelSize = *size;
  if (*n > 1) {
    const std::optional<double> pitch = Length(layout, pitchName);
    if (!pitch) {
      entry.Reason = SkipReason::Measurements;
      entry.Detail = std::string("bad ") + pitchName;
      return false;
    }
    gap = *pitch - *size;
    if (gap < -kOverlapTolerance) {
      entry.Reason = SkipReason::Overlap;
      entry.Detail = std::string(pitchName) + " smaller than the label";
      return false;
    }
    // A label a hair larger than its pitch is a measuring error: the pitch places the labels,
    // so the label is taken as large as the pitch.
    if (gap < 0) {
      labelSize = *pitch;
      gap = 0;
    }
  }
  count = *n;
  axis = Axis{*offset, labelSize, gap};
  return true;
}

void ReadMeasures(const XmlElement& t, TemplateEntry& entry) {
  const std::optional<Page> page = PageOf(t, entry.Detail);
  if (!page) {
    entry.Reason = SkipReason::PaperSize;
    return;
  }
  std::vector<const XmlElement*> shapes;
  for (const XmlElement& child : t.children) {
    if (child.name.rfind("Label-", 0) == 0) shapes.push_back(&child);
  }
  if (shapes.size() != 1 || shapes[0]->name != "Label-rectangle") {
    entry.Reason = SkipReason::Shape;
    entry.Detail = shapes.empty()      ? "no label"
                   : shapes.size() > 1 ? "several labels"
                                       : shapes[0]->name;
    return;
  }
  const XmlElement& label = *shapes[0];
  const std::vector<const XmlElement*> layouts = label.Children("Layout");
  if (layouts.size() != 1) {
    entry.Reason = SkipReason::LayoutCount;
    entry.Detail = std::to_string(layouts.size()) + " layouts";
    return;
  }
  SheetGeometry sheet;
  sheet.PageFormat = page->format;
  sheet.Landscape = page->landscape;
  sheet.ApplyPageFormat();
  Axis across, down;
  if (!ReadAxis(*layouts[0], label, "nx", "x0", "dx", "width", sheet.Cols, across, entry) ||
      !ReadAxis(*layouts[0], label, "ny", "y0", "dy", "height", sheet.Rows, down, entry)) {
    return;
  }
  double overhang = 0;
  const std::optional<Axis> x = FitAxis(across, sheet.Cols, sheet.PageWidth, &overhang);
  const std::optional<Axis> y =
      x ? FitAxis(down, sheet.Rows, sheet.PageHeight, &overhang) : std::nullopt;
  if (!x || !y) {
    entry.Reason = SkipReason::OutsidePage;
    entry.Detail = std::string(!x ? "across" : "down") + " by " +
                   host::NumberText(host::Round(overhang, 2)) + " mm";
    return;
  }
  sheet.BorderLeft = x->Offset;
  sheet.LabelWidth = x->Size;
  sheet.SpaceWidth = x->Gap;
  sheet.BorderTop = y->Offset;
  sheet.LabelHeight = y->Size;
  sheet.SpaceHeight = y->Gap;
  entry.Measures = sheet;
}

std::string Trimmed(const std::string* s) {
  return s ? std::string(catalog::TrimBlanksAndTabs(*s)) : std::string();
}

}  // namespace

TemplateEntry ReadTemplate(const XmlElement& t) {
  TemplateEntry entry;
  entry.Line = t.line;
  entry.Brand = Trimmed(t.Attribute("brand"));
  entry.Part = Trimmed(t.Attribute("part"));
  entry.Equiv = Trimmed(t.Attribute("equiv"));
  const std::string* description = t.Attribute("_description");
  if (!description) description = t.Attribute("description");
  if (description) entry.Description = *description;
  if (entry.Equiv.empty()) ReadMeasures(t, entry);
  return entry;
}

}  // namespace orvano::importer
