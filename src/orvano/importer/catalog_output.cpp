#include "orvano/importer/catalog_output.h"

#include "orvano/catalog/label_record.h"
#include "orvano/catalog/text_codec.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"

namespace orvano::importer {

namespace {

constexpr const char* kLineEnd = "\r\n";

bool PlainName(std::string_view name) {
  if (name.empty() || catalog::TrimBlanksAndTabs(name) != name) return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
  }
  return host::IsValidUtf8(name) && catalog::EncodeText(name, catalog::Encoding::Ansi);
}

}  // namespace

bool UsableBrand(std::string_view brand) {
  return PlainName(brand) && brand.find_first_of("[]") == std::string_view::npos;
}

bool UsablePart(std::string_view part) {
  return PlainName(part) && part.find('=') == std::string_view::npos && part.front() != '[' &&
         part.front() != ';';
}

std::string DescriptionField(std::string_view description) {
  // Stray bytes of a broken UTF-8 text are read as Windows-1252 characters, not lost.
  const std::string utf8 = catalog::DecodeText(description, catalog::Encoding::Utf8);
  std::string text;
  text.reserve(utf8.size());
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      text += ' ';
    else if (c == '"')
      text += '\'';
    else
      text += c;
  }
  text = host::Trim(text);
  if (text.find(';') != std::string::npos) return '"' + text + '"';
  return text;
}

std::string CatalogRecord(const Product& p) {
  catalog::LabelRecord record;
  static_cast<SheetGeometry&>(record) = p.Measures;
  record.Description = DescriptionField(p.Description);
  return catalog::FormatLabelRecord(record);
}

std::string CatalogFileBytes(const std::vector<Product>& products) {
  std::string text = "; Label catalog generated from the glabels template database. Lengths in mm.";
  text += kLineEnd;
  std::string brand;
  for (const Product& p : products) {
    if (brand.empty() || catalog::FoldName(p.Brand) != catalog::FoldName(brand)) {
      brand = p.Brand;
      text += kLineEnd;
      text += "[" + brand + "]" + kLineEnd;
    }
    text += p.Part + "=" + CatalogRecord(p) + kLineEnd;
  }
  return host::Utf8ToCp1252(text);
}

}  // namespace orvano::importer
