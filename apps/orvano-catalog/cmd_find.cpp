// find and equivalents: label stocks across brands by number, size, labels per sheet and page
// format, and the other brands' products of one label's sheet geometry.
#include <charconv>
#include <cmath>
#include <iostream>

#include "cli.h"
#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/label_catalog.h"
#include "orvano/host/runtime.h"
#include "orvano/search/catalog_search.h"

namespace orvano::catalogtool {
namespace {

// A number with a decimal point or comma, finite; nothing otherwise.
std::optional<double> ReadNumber(std::string text) {
  for (char& c : text)
    if (c == ',') c = '.';
  double v = 0;
  const char* end = text.data() + text.size();
  const auto r = std::from_chars(text.data(), end, v);
  if (text.empty() || r.ec != std::errc() || r.ptr != end || !std::isfinite(v)) return {};
  return v;
}

// The shipped catalog (or --catalog) followed by the user's labels from --data-folder.
bool LoadSearch(const Arguments& a, const std::string& command, search::CatalogSearch& out) {
  const std::string path = a.Value("--catalog", catalog::ShippedCatalogPath());
  std::string bytes, reason;
  if (!ReadFileBytes(path, bytes, reason)) {
    Complain(command + ": cannot read " + path + ": " + reason);
    return false;
  }
  catalog::LabelCatalog labels;
  labels.LoadCatalogFile(path);
  labels.LoadCatalogFile(catalog::CustomLabelPath(a.Value("--data-folder")));
  out = search::CatalogSearch(search::SearchEntriesOf(labels));
  return true;
}

// As list prints a label, with its brand in front and its page format after the size.
void PrintHits(const search::CatalogSearch& s, const std::vector<search::SearchHit>& hits) {
  using host::NumberText;
  for (const search::SearchHit& h : hits) {
    const search::SearchEntry& e = s.Entries()[h.Index];
    std::cout << e.Brand << "\t" << e.Name << "\t" << e.Sheet.Cols << " x " << e.Sheet.Rows << "\t"
              << NumberText(e.Sheet.LabelWidth) << " x " << NumberText(e.Sheet.LabelHeight)
              << " mm\t" << search::PageFormatText(e.Sheet.PageFormat) << "\t" << e.Description
              << "\n";
  }
}

bool ReadTolerance(const Arguments& a, const std::string& command, double& tolerance) {
  if (!a.values.count("--tolerance")) return true;
  const std::optional<double> t = ReadNumber(a.Value("--tolerance"));
  if (!t || *t < 0) {
    UsageError(command + ": --tolerance needs a length in mm, 0 or more");
    return false;
  }
  tolerance = *t;
  return true;
}

}  // namespace

int RunFind(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(
          args, "find",
          {"--catalog", "--data-folder", "--size", "--tolerance", "--per-sheet", "--format"}, {}, 0,
          64, a))
    return kExitUsage;
  search::SearchQuery q;
  for (const std::string& word : a.positional) q.Text += (q.Text.empty() ? "" : " ") + word;
  if (a.values.count("--size")) {
    const std::string size = a.Value("--size");
    const std::size_t x = size.find_first_of("xX");
    const auto w = ReadNumber(x == std::string::npos ? "" : size.substr(0, x));
    const auto h = ReadNumber(x == std::string::npos ? "" : size.substr(x + 1));
    if (!w || !h || *w <= 0 || *h <= 0)
      return UsageError("find: --size needs WIDTHxHEIGHT in mm, such as 63.5x38.1");
    q.Width = w, q.Height = h;
  }
  if (!ReadTolerance(a, "find", q.Tolerance)) return kExitUsage;
  if (a.values.count("--tolerance") && !q.Width)
    return UsageError("find: --tolerance goes with --size");
  if (a.values.count("--per-sheet")) {
    const auto n = ReadNumber(a.Value("--per-sheet"));
    if (!n || *n < 1 || *n > 1e6 || *n != std::floor(*n))
      return UsageError("find: --per-sheet needs a whole number of labels");
    q.PerSheet = static_cast<std::int32_t>(*n);
  }
  if (a.values.count("--format")) {
    q.PageFormat = search::PageFormatFromText(a.Value("--format"));
    if (!q.PageFormat) return UsageError("find: --format needs A4, A5 or a format code");
  }
  if (q.Text.empty() && !q.Width && !q.PerSheet && !q.PageFormat)
    return UsageError("find: give a text, --size, --per-sheet or --format");

  search::CatalogSearch s;
  if (!LoadSearch(a, "find", s)) return kExitUsage;
  const std::vector<search::SearchHit> hits = s.Find(q);
  if (hits.empty()) {
    Complain("find: no label matches");
    return kExitProblems;
  }
  PrintHits(s, hits);
  return kExitOk;
}

int RunEquivalents(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(args, "equivalents", {"--catalog", "--data-folder", "--tolerance"}, {}, 2, 2,
                      a))
    return kExitUsage;
  double tolerance = search::kDefaultTolerance;
  if (!ReadTolerance(a, "equivalents", tolerance)) return kExitUsage;
  search::CatalogSearch s;
  if (!LoadSearch(a, "equivalents", s)) return kExitUsage;
  const std::optional<std::size_t> index = s.IndexOf(a.positional[0], a.positional[1]);
  if (!index) {
    Complain("equivalents: no label " + a.positional[1] + " of the brand " + a.positional[0]);
    return kExitProblems;
  }
  const std::vector<search::SearchHit> hits = s.Equivalents(*index, tolerance);
  if (hits.empty()) {
    Complain("equivalents: no other brand has the sheet of " + a.positional[0] + " " +
             a.positional[1]);
    return kExitProblems;
  }
  PrintHits(s, hits);
  return kExitOk;
}

}  // namespace orvano::catalogtool
