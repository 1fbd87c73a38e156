#include "orvano/catalog/catalog_writer.h"

#include <optional>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"

namespace orvano::catalog {

double GapFromPitch(double pitch, double labelSize) {
  const double gap = host::Round(pitch - labelSize, 3);
  return gap < 0 ? 0.0 : gap;
}

bool SaveCustomLabel(const std::string& dataFolder, const std::string& labelName,
                     const SheetGeometry& sheet, double cols, double rows) {
  LabelRecord record;
  static_cast<SheetGeometry&>(record) = sheet;
  return WriteProfileString(CustomLabelPath(dataFolder), kCustomBrand, labelName,
                            FormatLabelRecord(record, cols, rows));
}

bool SaveAddressLayout(const std::string& dataFolder, const std::string& brand,
                       const std::string& labelName, const AddressLayout& layout) {
  return WriteProfileString(AddressLayoutPath(dataFolder), host::Trim(brand), labelName,
                            FormatAddressLayoutRecord(layout));
}

bool DeleteCustomLabel(const std::string& dataFolder, const std::string& labelName) {
  const bool usr =
      WriteProfileString(CustomLabelPath(dataFolder), kCustomBrand, labelName, std::nullopt);
  const bool adr =
      WriteProfileString(AddressLayoutPath(dataFolder), kCustomBrand, labelName, std::nullopt);
  return usr && adr;
}

}  // namespace orvano::catalog
