// Writing products as the shipped catalog file: one section per brand, one key per part number,
// records in the number text, Windows-1252 with CR LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "orvano/importer/product.h"

namespace orvano::importer {

// Whether a name survives as a section (brand) or key (part number) of a profile file: not
// blank, no line breaks or other control characters, representable in Windows-1252, no
// brackets in a brand, no "=" in a part number and no leading "[" or ";" (a header, a comment).
bool UsableBrand(std::string_view brand);
bool UsablePart(std::string_view part);

// The description as a record field: control characters become blanks, double quotes (the
// record's quote character) single ones, and it is quoted when it holds a ";".
std::string DescriptionField(std::string_view description);

// The record in UTF-8: description;format;landscape;cols;rows;left;top;width;height;gap;gap.
std::string CatalogRecord(const Product& product);

// The whole file, as bytes. Products must be sorted; a brand's section holds its products in
// the given order. Characters outside Windows-1252 in descriptions become "?".
std::string CatalogFileBytes(const std::vector<Product>& products);

}  // namespace orvano::importer
