#include "orvano/catalog/lookup.h"

#include "orvano/catalog/address_layout_record.h"
#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/strings.h"
#include "orvano/model/label_lookup.h"

namespace orvano::catalog {

std::optional<LabelRecord> FindLabel(const std::string& brand, const std::string& labelName,
                                     const std::string& dataFolder, const LabelRecord& start) {
  const std::string file =
      IsCustomBrand(brand) ? CustomLabelPath(dataFolder) : ShippedCatalogPath();
  const std::string value = ReadProfileString(file, brand, labelName, "");
  if (host::Trim(value).empty()) return std::nullopt;
  LabelRecord record = start;
  ReadLabelRecord(value, record);
  return record;
}

std::optional<AddressLayout> FindAddressLayout(const std::string& brand,
                                               const std::string& labelName,
                                               const std::string& dataFolder,
                                               const AddressLayout& start) {
  const std::string value = ReadProfileString(AddressLayoutPath(dataFolder), brand, labelName, "");
  if (host::Trim(value).empty()) return std::nullopt;
  AddressLayout layout = start;
  ReadAddressLayoutRecord(value, layout);
  return layout;
}

std::int32_t LookupLabel(const std::string& brand, const std::string& labelName,
                         const std::string& dataFolder, std::string& description,
                         std::int32_t& pageFormat, std::int32_t& landscape, std::int32_t& cols,
                         std::int32_t& rows, double& borderLeft, double& borderTop,
                         double& labelWidth, double& labelHeight, double& spaceWidth,
                         double& spaceHeight) {
  description.clear();
  LabelRecord start;
  start.PageFormat = pageFormat;
  start.Landscape = landscape;
  start.Cols = cols;
  start.Rows = rows;
  const std::optional<LabelRecord> r = FindLabel(brand, labelName, dataFolder, start);
  if (!r) return kNotFound;
  description = r->Description;
  pageFormat = r->PageFormat;
  landscape = r->Landscape;
  cols = r->Cols;
  rows = r->Rows;
  borderLeft = r->BorderLeft;
  borderTop = r->BorderTop;
  labelWidth = r->LabelWidth;
  labelHeight = r->LabelHeight;
  spaceWidth = r->SpaceWidth;
  spaceHeight = r->SpaceHeight;
  return kFound;
}

std::int32_t LookupAddressLayout(const std::string& brand, const std::string& labelName,
                                 const std::string& dataFolder, double& borderLeft,
                                 double& borderTop, double& borderBottom, double& borderRight,
                                 double& headingSpace, double& addressSpace, std::int32_t& fontSize,
                                 std::int32_t& returnAddressFormat, host::Flag& withHeading) {
  AddressLayout start;
  start.FontSize = fontSize;
  start.ReturnAddressFormat = returnAddressFormat;
  const std::optional<AddressLayout> found = FindAddressLayout(brand, labelName, dataFolder, start);
  const AddressLayout a = found.value_or(AddressLayout{});
  borderLeft = a.BorderLeft;
  borderTop = a.BorderTop;
  borderBottom = a.BorderBottom;
  borderRight = a.BorderRight;
  headingSpace = a.HeadingSpace;
  addressSpace = a.AddressSpace;
  fontSize = a.FontSize;
  returnAddressFormat = a.ReturnAddressFormat;
  withHeading = a.WithLabelHeading;
  return found ? kFound : kNotFound;
}

namespace {

bool LabelDefLookup(const std::string& brand, const std::string& labelName,
                    const std::string& dataFolder, std::string& description, SheetGeometry& sheet) {
  description.clear();
  LabelRecord start;
  static_cast<SheetGeometry&>(start) = sheet;
  const std::optional<LabelRecord> r = FindLabel(brand, labelName, dataFolder, start);
  if (!r) return false;
  description = r->Description;
  sheet = *r;
  return true;
}

// Installed when this file is linked in, before main.
[[maybe_unused]] const bool kInstalled = (InstallLabelLookup(), true);

}  // namespace

void InstallLabelLookup() noexcept { SetLabelLookup(&LabelDefLookup); }

}  // namespace orvano::catalog
