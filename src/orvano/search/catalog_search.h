/// \file
/// Finding label stocks across brands: by product number, brand or description, by measured label
/// size within a tolerance, by labels per sheet and page format; and the products of other brands
/// that share a sheet's geometry. The entries are folded for comparison once, so a query only
/// scans.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "orvano/core_export.h"
#include "orvano/search/search_entry.h"

/// Finding a label stock across brands.
namespace orvano::search {

inline constexpr double kDefaultTolerance = 0.5;  ///< mm

/// Every given criterion must hold; an empty query matches every entry.
struct ORVANO_CORE_EXPORT SearchQuery {
  /// Words that must each occur in the brand, the product name or the description, regardless
  /// of letter case (umlauts included): "7163" finds "L7163" and "7163".
  std::string Text;
  /// The label's size in either orientation, each side within the tolerance.
  ///@{
  std::optional<double> Width;
  std::optional<double> Height;
  ///@}
  double Tolerance = kDefaultTolerance;    ///< mm either way
  std::optional<std::int32_t> PerSheet;    ///< columns x rows
  std::optional<std::int32_t> PageFormat;  ///< ovPageFormatConstants
};

/// One entry that matched a query.
struct ORVANO_CORE_EXPORT SearchHit {
  std::size_t Index = 0;  ///< into Entries()
  /// 0: a word is the product name itself, 1: a word is part of the name, 2: matched elsewhere
  /// (or no text asked).
  int Match = 2;
  double SizeDistance = 0;  ///< largest side difference in the better orientation, mm
};

/// Searches a list of catalog entries; the list is fixed when the search is made.
class ORVANO_CORE_EXPORT CatalogSearch {
 public:
  CatalogSearch() = default;  ///< over no entries
  /// Over these entries, in catalog order.
  explicit CatalogSearch(std::vector<SearchEntry> entries);

  /// The entries searched; hits index into them.
  const std::vector<SearchEntry>& Entries() const noexcept { return entries_; }

  /// Ranked: the exact product name first, then names holding the text, then the closest size,
  /// then (among names holding the text) the shorter name; ties keep catalog order.
  std::vector<SearchHit> Find(const SearchQuery& query) const;

  /// The first entry of that brand and name, compared as the catalog files compare (trimmed,
  /// any case).
  std::optional<std::size_t> IndexOf(const std::string& brand, const std::string& name) const;

  /// Products of other brands with the same page format, orientation and grid, whose label size,
  /// margins and gaps each differ by at most the tolerance; the closest first. SizeDistance holds
  /// the largest difference.
  std::vector<SearchHit> Equivalents(std::size_t index, double tolerance = kDefaultTolerance) const;

 private:
  struct Folded {
    std::string brand;
    std::string name;
    std::string text;  ///< brand, name and description, separated so no word spans two
  };
  std::vector<SearchEntry> entries_;
  std::vector<Folded> folded_;
};

/// What a user types into one search field: a size such as "63,5 x 38,1" or "63.5x38.1mm" becomes
/// the size criterion (with the default tolerance), every other word stays text.
ORVANO_CORE_EXPORT SearchQuery QueryFromText(const std::string& text);

/// "A4" and "A5" (any case) or a format code as text; nothing for anything else.
ORVANO_CORE_EXPORT std::optional<std::int32_t> PageFormatFromText(const std::string& text);
/// The inverse for the two named formats, else the code as a number.
ORVANO_CORE_EXPORT std::string PageFormatText(std::int32_t code);

}  // namespace orvano::search
