#include "orvano/importer/catalog_check.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>

#include "orvano/catalog/label_record.h"
#include "orvano/catalog/text_codec.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"
#include "orvano/importer/product.h"
#include "orvano/importer/sheet_fit.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano::importer {

namespace {

// The label record's fields, by their number less one.
constexpr auto kFieldCount = static_cast<std::size_t>(catalog::kLabelFieldCount);
constexpr std::array<const char*, kFieldCount> kFieldNames = {
    "description", "page format", "landscape",    "columns",        "rows",        "left border",
    "top border",  "label width", "label height", "horizontal gap", "vertical gap"};

// Rounding of the stored values must not make a fitting grid fail.
constexpr double kFitSlack = 0.005;

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

// A quoted number is read with a decimal comma only; anything else in it is no number.
bool IsGermanNumber(std::string_view s) {
  s = catalog::TrimBlanksAndTabs(s);
  if (!s.empty() && s.front() == '-') s.remove_prefix(1);
  bool digits = false, comma = false;
  for (char c : s) {
    if (c >= '0' && c <= '9')
      digits = true;
    else if (c == ',' && !comma)
      comma = true;
    else
      return false;
  }
  return digits;
}

class RecordCheck {
 public:
  RecordCheck(int line, std::vector<CatalogProblem>& out) : line_(line), out_(out) {}

  void Run(const std::string& value) {
    const std::vector<catalog::FieldValue> fields =
        catalog::SplitFields(catalog::FieldValue(value));
    if (fields.size() != kFieldCount) {
      Report("record has " + std::to_string(fields.size()) + " fields, expected " +
             std::to_string(kFieldCount));
      return;
    }
    std::array<double, kFieldCount> v{};
    bool numbers = true;
    for (std::size_t i = 1; i < kFieldCount; ++i) {
      const std::optional<double> n = Number(fields[i], i);
      numbers = numbers && n.has_value();
      if (n) v[i] = *n;
    }
    if (!numbers) return;
    bool usable = Whole(v[1], 1) && Whole(v[2], 2) && Whole(v[3], 3) && Whole(v[4], 4);
    if (usable && v[1] != kFormatA4 && v[1] != kFormatA5) {
      usable = Report("page format " + host::NumberText(v[1]) + " is neither 9 (A4) nor 11 (A5)");
    }
    if (usable && v[2] != 0 && v[2] != 1) {
      usable = Report("landscape is " + host::NumberText(v[2]) + ", expected 0 or 1");
    }
    for (std::size_t i = 3; i <= 4; ++i) {
      if (v[i] < 1) usable = Report(Name(i) + " must be at least 1");
    }
    for (std::size_t i = 5; i < kFieldCount; ++i) {
      if (v[i] < 0) usable = Report(Name(i) + " is negative");
    }
    for (std::size_t i = 7; i <= 8; ++i) {
      if (v[i] <= 0) usable = Report(Name(i) + " must be above 0");
    }
    if (!usable) return;
    const auto format = static_cast<std::int32_t>(v[1]);
    const auto landscape = static_cast<std::int32_t>(v[2]);
    Fits("wide", v[3], v[5], v[7], v[9], PageWidthMm(format, landscape));
    Fits("high", v[4], v[6], v[8], v[10], PageHeightMm(format, landscape));
  }

 private:
  bool Report(std::string message) {
    out_.push_back({line_, std::move(message)});
    return false;
  }

  static std::string Name(std::size_t i) { return kFieldNames[i]; }

  std::optional<double> Number(const catalog::FieldValue& f, std::size_t i) {
    if (f.IsDouble()) return f.Double();
    if (f.IsText() && IsGermanNumber(f.Text())) return catalog::ParseNumber(f);
    if (f.IsNull())
      Report("field " + std::to_string(i + 1) + " (" + Name(i) + ") is empty");
    else
      Report("field " + std::to_string(i + 1) + " (" + Name(i) + ") is no number: \"" + f.ToText() +
             "\"");
    return std::nullopt;
  }

  bool Whole(double x, std::size_t i) {
    if (x == std::floor(x) && std::fabs(x) < 1e9) return true;
    return Report(Name(i) + " " + host::NumberText(x) + " is no 32-bit whole number");
  }

  void Fits(const char* direction, double count, double offset, double size, double gap,
            double page) {
    const double extent = SheetGeometry::GridExtent(offset, count, size, gap);
    if (extent <= page + kFitSlack) return;
    Report(std::string("grid is ") + host::NumberText(host::Round(extent, 2)) + " mm " + direction +
           ", the page only " + host::NumberText(page) + " mm");
  }

  int line_;
  std::vector<CatalogProblem>& out_;
};

}  // namespace

CatalogCheck CheckCatalog(std::string_view bytes) {
  CatalogCheck result;
  const bool bom = catalog::HasUtf8ByteOrderMark(bytes);
  if (bom) bytes.remove_prefix(catalog::kUtf8ByteOrderMark.size());
  const catalog::Encoding encoding = catalog::DetectEncoding(bytes, bom);
  const auto report = [&](int line, std::string message) {
    result.Problems.push_back({line, std::move(message)});
  };

  std::map<std::string, int> sections;  // folded name -> line of its header
  std::map<std::string, int> keys;      // folded section and key -> line
  std::optional<std::string> section;   // folded; none before the first valid header
  const std::vector<std::string_view> lines = SplitLines(bytes);
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const int line = static_cast<int>(n) + 1;
    const std::string text = catalog::DecodeText(lines[n], encoding);
    const std::string_view trimmed = catalog::TrimBlanksAndTabs(text);
    if (trimmed.empty() || trimmed.front() == ';') continue;

    if (trimmed.front() == '[') {
      section.reset();
      const std::size_t close = trimmed.find(']');
      if (close == std::string_view::npos) {
        report(line, "section header without \"]\"");
        continue;
      }
      if (!catalog::TrimBlanksAndTabs(trimmed.substr(close + 1)).empty()) {
        report(line, "text after the section header");
      }
      const std::string name(catalog::TrimBlanksAndTabs(trimmed.substr(1, close - 1)));
      if (name.empty()) {
        report(line, "empty section name");
        continue;
      }
      const auto [it, added] = sections.emplace(catalog::FoldName(name), line);
      if (!added) {
        report(line, "section [" + name + "] repeats line " + std::to_string(it->second) +
                         "; lookups only see the first");
      }
      section = it->first;
      ++result.Sections;
      continue;
    }

    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
      report(line, "neither a section header, an entry nor a comment");
      continue;
    }
    if (!section) {
      report(line, "entry outside any section");
      continue;
    }
    const std::string key(catalog::TrimBlanksAndTabs(std::string_view(text).substr(0, eq)));
    if (key.empty()) {
      report(line, "entry without a label name");
      continue;
    }
    const auto [it, added] = keys.emplace(*section + '\x1F' + catalog::FoldName(key), line);
    if (!added) {
      report(line, "label \"" + key + "\" repeats line " + std::to_string(it->second) +
                       "; lookups only see the first");
    }
    const std::string value = text.substr(eq + 1);
    if (host::Len(catalog::TrimBlanksAndTabs(value)) > kMaxRecordLength) {
      report(line, "record longer than 2047 characters; lookups cut it");
    }
    RecordCheck(line, result.Problems).Run(value);
    ++result.Records;
  }
  return result;
}

}  // namespace orvano::importer
