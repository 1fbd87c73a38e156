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

std::string CustomLabelRecord(const CustomLabelValues& v) {
  using host::NumberText;
  return ";" + std::to_string(v.PageFormat) + (v.Landscape ? ";1;" : ";0;") + NumberText(v.Cols) +
         ";" + NumberText(v.Rows) + ";" + NumberText(v.BorderLeft) + ";" + NumberText(v.BorderTop) +
         ";" + NumberText(v.LabelWidth) + ";" + NumberText(v.LabelHeight) + ";" +
         NumberText(v.SpaceWidth) + ";" + NumberText(v.SpaceHeight);
}

std::string AddressLayoutRecord(const AddressLayoutValues& v) {
  using host::NumberText;
  return NumberText(v.LabelBorderLeft) + ";" + NumberText(v.LabelBorderTop) + ";" +
         NumberText(v.LabelBorderRight) + ";" + NumberText(v.LabelBorderBottom) + ";" +
         NumberText(v.LabelHeadingSpace) + ";" + NumberText(v.AddressSpace) + ";" +
         std::to_string(v.FontSize) + ";" + std::to_string(v.ReturnAddressFormat) + ";" +
         (v.WithLabelHeading ? " 1" : " 0");
}

bool SaveCustomLabel(const std::string& dataFolder, const std::string& labelName,
                     const CustomLabelValues& v) {
  return WriteProfileString(CustomLabelPath(dataFolder), kCustomBrand, labelName,
                            CustomLabelRecord(v));
}

bool SaveAddressLayout(const std::string& dataFolder, const std::string& brand,
                       const std::string& labelName, const AddressLayoutValues& v) {
  return WriteProfileString(AddressLayoutPath(dataFolder), host::Trim(brand), labelName,
                            AddressLayoutRecord(v));
}

bool DeleteCustomLabel(const std::string& dataFolder, const std::string& labelName) {
  const bool usr =
      WriteProfileString(CustomLabelPath(dataFolder), kCustomBrand, labelName, std::nullopt);
  const bool adr =
      WriteProfileString(AddressLayoutPath(dataFolder), kCustomBrand, labelName, std::nullopt);
  return usr && adr;
}

}  // namespace orvano::catalog
