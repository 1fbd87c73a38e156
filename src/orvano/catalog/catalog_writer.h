// What the settings dialog writes to the user's files: the custom-label record, the address-
// layout record, and the removal of a custom label. Each write says whether it reached the file.
#pragma once

#include <string>

#include "orvano/catalog/address_layout_record.h"
#include "orvano/catalog/label_record.h"

namespace orvano::catalog {

// The gap the files store from the pitch the dialog shows: rounded to 3 decimals, never below 0.
double GapFromPitch(double pitch, double labelSize);

// Under "Benutzerdefiniert" in the data folder's custom-label file, key = the name as typed. The
// record has an empty description; the counts are written as the numbers given.
bool SaveCustomLabel(const std::string& dataFolder, const std::string& labelName,
                     const SheetGeometry& sheet, double cols, double rows);
// Under the trimmed brand in the data folder's address-layout file.
bool SaveAddressLayout(const std::string& dataFolder, const std::string& brand,
                       const std::string& labelName, const AddressLayout& layout);
// Removes the label from both user files; true when both removals succeeded.
bool DeleteCustomLabel(const std::string& dataFolder, const std::string& labelName);

}  // namespace orvano::catalog
