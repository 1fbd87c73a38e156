// show: one label's measurements and, with an address layout, its LabelDef fields, as JSON.
#include <iostream>
#include <sstream>

#include "cli.h"
#include "json.h"
#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"
#include "orvano/model/address_fields.h"
#include "orvano/model/label_def.h"

namespace orvano::catalogtool {

namespace {

catalog::FieldValue Field(const std::vector<catalog::FieldValue>& f, std::size_t number) {
  return number <= f.size() ? f[number - 1] : catalog::FieldValue();
}

// The record read as the lookups read it, into a LabelDef. The catalog file may be any file,
// so the values are set directly rather than through the object's own lookup.
void FillFromRecord(LabelDef& def, const std::string& record) {
  using catalog::ParseNumber;
  const std::vector<catalog::FieldValue> f = catalog::SplitFields(catalog::FieldValue(record));
  // A whole number beyond 32 bits reads as 0, as the catalog loader takes it; check says why.
  const auto whole = [&](std::size_t number) {
    std::int32_t n = 0;
    host::Resume([&] { n = host::CLng(ParseNumber(Field(f, number))); });
    return n;
  };
  def.SetPageFormat(whole(2));
  def.SetLandscape(host::ToFlag(whole(3) != 0));
  def.SetCols(whole(4));
  def.SetRows(whole(5));
  def.SetBorderLeft(ParseNumber(Field(f, 6)));
  def.SetBorderTop(ParseNumber(Field(f, 7)));
  def.SetLabelWidth(ParseNumber(Field(f, 8)));
  def.SetLabelHeight(ParseNumber(Field(f, 9)));
  def.SetSpaceWidth(ParseNumber(Field(f, 10)));
  def.SetSpaceHeight(ParseNumber(Field(f, 11)));
  def.SetDescription(Field(f, 1).ToText());
}

std::string Bool(host::Flag f) { return f != 0 ? "true" : "false"; }

void PrintJson(const LabelDef& def, bool withFields) {
  std::ostringstream o;
  o << "{\n"
    << "  \"brand\": " << JsonString(def.Brand()) << ",\n"
    << "  \"labelName\": " << JsonString(def.LabelName()) << ",\n"
    << "  \"description\": " << JsonString(def.Description()) << ",\n"
    << "  \"pageFormat\": " << def.PageFormat() << ",\n"
    << "  \"landscape\": " << Bool(def.Landscape()) << ",\n"
    << "  \"pageWidth\": " << JsonNumber(def.PageWidth()) << ",\n"
    << "  \"pageHeight\": " << JsonNumber(def.PageHeight()) << ",\n"
    << "  \"cols\": " << def.Cols() << ",\n"
    << "  \"rows\": " << def.Rows() << ",\n"
    << "  \"borderLeft\": " << JsonNumber(def.BorderLeft()) << ",\n"
    << "  \"borderTop\": " << JsonNumber(def.BorderTop()) << ",\n"
    << "  \"labelWidth\": " << JsonNumber(def.LabelWidth()) << ",\n"
    << "  \"labelHeight\": " << JsonNumber(def.LabelHeight()) << ",\n"
    << "  \"spaceWidth\": " << JsonNumber(def.SpaceWidth()) << ",\n"
    << "  \"spaceHeight\": " << JsonNumber(def.SpaceHeight());
  if (withFields) {
    o << ",\n  \"fields\": [";
    const FieldDefs& fields = *def.Fields();
    for (std::int32_t i = 1; i <= fields.Count(); ++i) {
      const FieldDef& d = *fields.Item(i);
      o << (i > 1 ? "," : "") << "\n    {"
        << "\"fieldName\": " << JsonString(d.FieldName()) << ", \"fieldType\": " << d.FieldType()
        << ", \"fieldSource\": " << JsonString(d.FieldSource())
        << ", \"fieldLeft\": " << JsonNumber(d.FieldLeft())
        << ", \"fieldTop\": " << JsonNumber(d.FieldTop())
        << ", \"fieldWidth\": " << JsonNumber(d.FieldWidth())
        << ", \"fieldHeight\": " << JsonNumber(d.FieldHeight())
        << ", \"fontName\": " << JsonString(d.FontName()) << ", \"fontSize\": " << d.FontSize()
        << ", \"fontBold\": " << Bool(d.FontBold()) << ", \"fontItalic\": " << Bool(d.FontItalic())
        << ", \"fontUnderline\": " << Bool(d.FontUnderline())
        << ", \"textAlign\": " << d.TextAlign() << ", \"canShrink\": " << Bool(d.CanShrink())
        << ", \"canGrow\": " << Bool(d.CanGrow()) << "}";
    }
    o << "\n  ]";
  }
  o << "\n}\n";
  std::cout << o.str();
}

}  // namespace

int RunShow(const std::vector<std::string>& args) {
  Arguments a;
  if (!ParseArguments(args, "show", {"--catalog", "--data-folder"}, {"--address"}, 2, 2, a)) {
    return kExitUsage;
  }
  const std::string& brand = a.positional[0];
  const std::string& labelName = a.positional[1];
  const std::string dataFolder = a.Value("--data-folder");
  const std::string path = catalog::IsCustomBrand(brand)
                               ? catalog::CustomLabelPath(dataFolder)
                               : a.Value("--catalog", catalog::ShippedCatalogPath());
  std::string reason;
  if (!CheckFileReadable(path, reason)) {
    Complain("show: cannot read " + path + ": " + reason);
    return kExitUsage;
  }
  const std::string record = catalog::ReadProfileString(path, brand, labelName, "");
  if (host::Trim(record).empty()) {
    Complain("show: no label " + labelName + " of the brand " + brand + " in " + path);
    return kExitProblems;
  }

  LabelDef def;
  def.SetDataFolder(dataFolder);
  def.SetBrand(brand);
  def.SetLabelName(labelName);
  FillFromRecord(def, record);

  // A layout file that is there but refused would silently give the default layout.
  const std::string layoutPath = catalog::AddressLayoutPath(dataFolder);
  if (!CheckFileReadable(layoutPath, reason) && reason != "no such file") {
    Complain("show: cannot read " + layoutPath + ": " + reason);
    return kExitUsage;
  }
  AddressFieldLayout layout;
  const std::int32_t stored = catalog::LookupAddressLayout(
      brand, labelName, dataFolder, layout.BorderLeft, layout.BorderTop, layout.BorderBottom,
      layout.BorderRight, layout.HeadingSpace, layout.AddressSpace, layout.FontSize,
      layout.ReturnAddressFormat, layout.WithLabelHeading);
  const bool withFields = a.Has("--address") || stored == catalog::kFound;
  if (withFields) AddAddressFields(def, layout);
  PrintJson(def, withFields);
  return kExitOk;
}

}  // namespace orvano::catalogtool
