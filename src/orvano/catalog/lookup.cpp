#include "orvano/catalog/lookup.h"

#include <vector>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano::catalog {
namespace {

FieldValue Field(const std::vector<FieldValue>& fields, std::size_t number) {
  return number <= fields.size() ? fields[number - 1] : FieldValue();
}

}  // namespace

// Each assignment runs on its own: a number too large for 32 bits leaves that one output as it
// was and the others are still read.
std::int32_t LookupLabel(const std::string& brand, const std::string& labelName,
                         const std::string& dataFolder, std::string& description,
                         std::int32_t& pageFormat, std::int32_t& landscape, std::int32_t& cols,
                         std::int32_t& rows, double& borderLeft, double& borderTop,
                         double& labelWidth, double& labelHeight, double& spaceWidth,
                         double& spaceHeight) {
  description.clear();
  const std::string file =
      IsCustomBrand(brand) ? CustomLabelPath(dataFolder) : ShippedCatalogPath();
  const std::string value = ReadProfileString(file, brand, labelName, "");
  if (host::Trim(value).empty()) return kNotFound;

  const std::vector<FieldValue> f = SplitFields(FieldValue(value));
  description = Field(f, 1).ToText();
  host::Resume([&] { pageFormat = host::CLng(ParseNumber(Field(f, 2))); });
  host::Resume([&] { landscape = host::CLng(ParseNumber(Field(f, 3))); });
  host::Resume([&] { cols = host::CLng(ParseNumber(Field(f, 4))); });
  host::Resume([&] { rows = host::CLng(ParseNumber(Field(f, 5))); });
  borderLeft = ParseNumber(Field(f, 6));
  borderTop = ParseNumber(Field(f, 7));
  labelWidth = ParseNumber(Field(f, 8));
  labelHeight = ParseNumber(Field(f, 9));
  spaceWidth = ParseNumber(Field(f, 10));
  spaceHeight = ParseNumber(Field(f, 11));
  return kFound;
}

std::int32_t LookupAddressLayout(const std::string& brand, const std::string& labelName,
                                 const std::string& dataFolder, double& borderLeft,
                                 double& borderTop, double& borderBottom, double& borderRight,
                                 double& headingSpace, double& addressSpace, std::int32_t& fontSize,
                                 std::int32_t& returnAddressFormat, host::Flag& withHeading) {
  const std::string value = ReadProfileString(AddressLayoutPath(dataFolder), brand, labelName, "");
  if (host::Trim(value).empty()) {
    borderLeft = 2;
    borderTop = 1;
    borderBottom = 1;
    borderRight = 2;
    headingSpace = 0;
    addressSpace = 0;
    fontSize = 10;
    returnAddressFormat = 2;
    withHeading = host::kTrue;
    return kNotFound;
  }

  // The record stores right before bottom; the outputs list bottom first.
  const std::vector<FieldValue> f = SplitFields(FieldValue(value));
  borderLeft = ParseNumber(Field(f, 1));
  borderTop = ParseNumber(Field(f, 2));
  borderRight = ParseNumber(Field(f, 3));
  borderBottom = ParseNumber(Field(f, 4));
  headingSpace = ParseNumber(Field(f, 5));
  addressSpace = ParseNumber(Field(f, 6));
  host::Resume([&] { fontSize = host::CLng(ParseNumber(Field(f, 7))); });
  host::Resume([&] { returnAddressFormat = host::CLng(ParseNumber(Field(f, 8))); });
  withHeading = host::ToFlag(ParseNumber(Field(f, 9)) != 0);
  return kFound;
}

}  // namespace orvano::catalog
