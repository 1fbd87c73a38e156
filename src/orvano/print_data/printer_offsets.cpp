#include "orvano/print_data/printer_offsets.h"

#include <cmath>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/field_value.h"
#include "orvano/catalog/profile_file.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/host/runtime.h"

namespace orvano::print_data {

namespace {

constexpr const char* kHorizontalKey = "Waagerecht";
constexpr const char* kVerticalKey = "Senkrecht";

bool InRange(double mm) { return std::isfinite(mm) && std::fabs(mm) <= kMaxPrinterOffset; }

double ReadMm(const std::string& section, const char* key, const std::string& file) {
  const std::string text = catalog::GetPrivateProfileString(section, key, "", 64, file);
  const double mm = catalog::ParseNumber(catalog::FieldValue(text));
  return InRange(mm) ? mm : 0;
}

}  // namespace

std::string PrinterOffsetPath(const std::string& dataFolder) {
  return catalog::CatalogPath(catalog::UserFolder(dataFolder), kPrinterOffsetFile);
}

PrinterOffset LoadPrinterOffset(const std::string& dataFolder, const std::string& printerName) {
  const std::string file = PrinterOffsetPath(dataFolder);
  return {ReadMm(printerName, kHorizontalKey, file), ReadMm(printerName, kVerticalKey, file)};
}

bool SavePrinterOffset(const std::string& dataFolder, const std::string& printerName,
                       const PrinterOffset& offset) {
  if (printerName.find_first_not_of(" \t") == std::string::npos) return false;
  if (!InRange(offset.Horizontal) || !InRange(offset.Vertical)) return false;
  const std::string file = PrinterOffsetPath(dataFolder);
  // Numbers as the catalog files hold them, with a decimal comma.
  auto text = [](double mm) { return host::NumberText(host::Round(mm, 2)); };
  return catalog::WritePrivateProfileString(printerName, kHorizontalKey, text(offset.Horizontal),
                                            file) &&
         catalog::WritePrivateProfileString(printerName, kVerticalKey, text(offset.Vertical), file);
}

}  // namespace orvano::print_data
