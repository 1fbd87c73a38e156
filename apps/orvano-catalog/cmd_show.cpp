// show: one label's measurements and, with an address layout, its LabelDef fields, as JSON.
#include <iostream>
#include <sstream>

#include "cli.h"
#include "json.h"
#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/label_record.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/strings.h"
#include "orvano/model/address_fields.h"
#include "orvano/model/label_def.h"

namespace orvano::catalogtool {

namespace {

// The record read as the lookups read it, into a LabelDef. The catalog file may be any file,
// so the values are set directly rather than through the object's own lookup.
void FillFromRecord(LabelDef& def, const std::string& record) {
  // A whole number beyond 32 bits reads as 0, as the catalog loader takes it; check says why.
  catalog::LabelRecord r;
  r.PageFormat = 0;
  catalog::ReadLabelRecord(record, r);
  def.SetPageFormat(r.PageFormat);
  def.SetLandscape(host::ToFlag(r.Landscape != 0));
  def.SetCols(r.Cols);
  def.SetRows(r.Rows);
  def.SetBorderLeft(r.BorderLeft);
  def.SetBorderTop(r.BorderTop);
  def.SetLabelWidth(r.LabelWidth);
  def.SetLabelHeight(r.LabelHeight);
  def.SetSpaceWidth(r.SpaceWidth);
  def.SetSpaceHeight(r.SpaceHeight);
  def.SetDescription(r.Description);
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
  const std::optional<AddressLayout> stored =
      catalog::FindAddressLayout(brand, labelName, dataFolder);
  const AddressLayout layout = stored.value_or(AddressLayout{});
  const bool withFields = a.Has("--address") || stored.has_value();
  if (withFields) AddAddressFields(def, layout);
  PrintJson(def, withFields);
  return kExitOk;
}

}  // namespace orvano::catalogtool
