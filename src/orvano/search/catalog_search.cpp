#include "orvano/search/catalog_search.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "orvano/catalog/text_codec.h"
#include "orvano/host/strings.h"
#include "orvano/model/enums.h"

namespace orvano::search {
namespace {

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  const std::string folded = host::UCase(text);
  std::size_t i = 0;
  while (i < folded.size()) {
    while (i < folded.size() && (folded[i] == ' ' || folded[i] == '\t')) ++i;
    std::size_t end = i;
    while (end < folded.size() && folded[end] != ' ' && folded[end] != '\t') ++end;
    if (end > i) words.push_back(folded.substr(i, end - i));
    i = end;
  }
  return words;
}

// The larger of the two side differences, in the orientation that fits better.
double SizeDistance(const SheetGeometry& s, double width, double height) {
  const double straight =
      std::max(std::abs(s.LabelWidth - width), std::abs(s.LabelHeight - height));
  const double turned = std::max(std::abs(s.LabelWidth - height), std::abs(s.LabelHeight - width));
  return std::min(straight, turned);
}

// The largest difference between two sheets of the same grid, or nothing when the grids differ.
std::optional<double> GeometryDistance(const SheetGeometry& a, const SheetGeometry& b) {
  if (a.PageFormat != b.PageFormat || a.Landscape != b.Landscape || a.Cols != b.Cols ||
      a.Rows != b.Rows || a.LabelCount() == 0)
    return std::nullopt;
  // A single column (row) has no gap to compare in that direction.
  const double d[] = {a.LabelWidth - b.LabelWidth,
                      a.LabelHeight - b.LabelHeight,
                      a.BorderLeft - b.BorderLeft,
                      a.BorderTop - b.BorderTop,
                      a.Cols > 1 ? a.SpaceWidth - b.SpaceWidth : 0.0,
                      a.Rows > 1 ? a.SpaceHeight - b.SpaceHeight : 0.0,
                      a.PageWidth - b.PageWidth,
                      a.PageHeight - b.PageHeight};
  double worst = 0;
  for (double x : d) {
    if (!std::isfinite(x)) return std::nullopt;
    worst = std::max(worst, std::abs(x));
  }
  return worst;
}

void Rank(std::vector<SearchHit>& hits, const std::vector<SearchEntry>& entries) {
  std::stable_sort(hits.begin(), hits.end(), [&](const SearchHit& x, const SearchHit& y) {
    if (x.Match != y.Match) return x.Match < y.Match;
    if (x.SizeDistance != y.SizeDistance) return x.SizeDistance < y.SizeDistance;
    // Among names holding the text, the shorter holds less else.
    return x.Match < 2 && entries[x.Index].Name.size() < entries[y.Index].Name.size();
  });
}

// A length with a decimal comma or point, and nothing else.
std::optional<double> Length(std::string text) {
  if (text.size() > 2 && (text.ends_with("MM") || text.ends_with("mm")))
    text.resize(text.size() - 2);
  if (text.empty() || text.size() > 12) return std::nullopt;
  bool digit = false;
  int points = 0;
  for (char& c : text) {
    if (c == ',') c = '.';
    if (c == '.')
      ++points;
    else if (c >= '0' && c <= '9')
      digit = true;
    else
      return std::nullopt;
  }
  if (!digit || points > 1) return std::nullopt;
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);  // locale-free, unlike stod
  return v;
}

}  // namespace

SearchQuery QueryFromText(const std::string& text) {
  SearchQuery q;
  std::vector<std::string> words = Words(text);
  // "63,5 x 38,1" is three words, "63,5x38,1" one, "63,5 x38,1" two: join them around the x.
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string joined;
    std::size_t used = 0;
    for (std::size_t n = 1; n <= 3 && i + n <= words.size(); ++n) {
      joined += words[i + n - 1];
      const std::size_t x = joined.find('X');
      if (x == std::string::npos || x == 0 || x + 1 == joined.size()) continue;
      const auto w = Length(joined.substr(0, x)), h = Length(joined.substr(x + 1));
      if (w && h && *w > 0 && *h > 0 && !q.Width) {
        q.Width = w, q.Height = h;
        used = n;
        break;
      }
    }
    if (used > 0) {
      i += used - 1;
      continue;
    }
    q.Text += (q.Text.empty() ? "" : " ") + words[i];
  }
  return q;
}

CatalogSearch::CatalogSearch(std::vector<SearchEntry> entries) : entries_(std::move(entries)) {
  folded_.reserve(entries_.size());
  for (const SearchEntry& e : entries_) {
    Folded f{catalog::FoldName(e.Brand), catalog::FoldName(e.Name), {}};
    f.text = f.brand + '\n' + f.name + '\n' + host::UCase(e.Description);
    folded_.push_back(std::move(f));
  }
}

std::vector<SearchHit> CatalogSearch::Find(const SearchQuery& query) const {
  const std::vector<std::string> words = Words(query.Text);
  const bool bySize = query.Width && query.Height;
  const double tolerance = std::abs(query.Tolerance);
  std::vector<SearchHit> hits;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const SheetGeometry& s = entries_[i].Sheet;
    if (query.PageFormat && s.PageFormat != *query.PageFormat) continue;
    if (query.PerSheet && s.LabelCount() != *query.PerSheet) continue;
    SearchHit hit{i, 2, 0};
    if (bySize) {
      hit.SizeDistance = SizeDistance(s, *query.Width, *query.Height);
      if (!(hit.SizeDistance <= tolerance)) continue;
    }
    const Folded& f = folded_[i];
    bool all = true;
    for (const std::string& w : words) {
      if (f.text.find(w) == std::string::npos) {
        all = false;
        break;
      }
      if (f.name == w)
        hit.Match = 0;
      else if (hit.Match > 1 && f.name.find(w) != std::string::npos)
        hit.Match = 1;
    }
    if (!all) continue;
    hits.push_back(hit);
  }
  Rank(hits, entries_);
  return hits;
}

std::optional<std::size_t> CatalogSearch::IndexOf(const std::string& brand,
                                                  const std::string& name) const {
  const std::string b = catalog::FoldName(brand), n = catalog::FoldName(name);
  for (std::size_t i = 0; i < folded_.size(); ++i)
    if (folded_[i].brand == b && folded_[i].name == n) return i;
  return std::nullopt;
}

std::vector<SearchHit> CatalogSearch::Equivalents(std::size_t index, double tolerance) const {
  std::vector<SearchHit> hits;
  if (index >= entries_.size()) return hits;
  const SheetGeometry& wanted = entries_[index].Sheet;
  tolerance = std::abs(tolerance);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (folded_[i].brand == folded_[index].brand) continue;
    const std::optional<double> d = GeometryDistance(wanted, entries_[i].Sheet);
    if (d && *d <= tolerance) hits.push_back(SearchHit{i, 2, *d});
  }
  Rank(hits, entries_);
  return hits;
}

std::optional<std::int32_t> PageFormatFromText(const std::string& text) {
  const std::string t = catalog::FoldName(text);
  if (t == "A4") return ovPageFormatA4;
  if (t == "A5") return ovPageFormatA5;
  if (t.empty() || t.size() > 9 || t.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return static_cast<std::int32_t>(std::stol(t));
}

std::string PageFormatText(std::int32_t code) {
  if (code == ovPageFormatA4) return "A4";
  if (code == ovPageFormatA5) return "A5";
  return std::to_string(code);
}

}  // namespace orvano::search
