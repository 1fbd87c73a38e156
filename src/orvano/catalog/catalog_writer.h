// What the settings dialog writes to the user's files: the custom-label record, the address-
// layout record, and the removal of a custom label. Each write says whether it reached the file.
#pragma once

#include <cstdint>
#include <string>

namespace orvano::catalog {

struct CustomLabelValues {
  std::int32_t PageFormat = 9;
  bool Landscape = false;
  double Cols = 0;
  double Rows = 0;
  double BorderLeft = 0;
  double BorderTop = 0;
  double LabelWidth = 0;
  double LabelHeight = 0;
  double SpaceWidth = 0;   // horizontal gap
  double SpaceHeight = 0;  // vertical gap
};

struct AddressLayoutValues {
  double LabelBorderLeft = 2;
  double LabelBorderTop = 1;
  double LabelBorderRight = 2;
  double LabelBorderBottom = 1;
  double LabelHeadingSpace = 0;
  double AddressSpace = 0;
  std::int32_t FontSize = 10;
  std::int32_t ReturnAddressFormat = 2;
  bool WithLabelHeading = true;
};

// The gap the files store from the pitch the dialog shows: rounded to 3 decimals, never below 0.
double GapFromPitch(double pitch, double labelSize);

// ";9;0;2;8;0;0;105;37;0;0": empty description, then the ten values in number text.
std::string CustomLabelRecord(const CustomLabelValues& v);
// "2;1;2;1;0;0;10;2; 1": record order (right before bottom), the heading flag as " 1" or " 0".
std::string AddressLayoutRecord(const AddressLayoutValues& v);

// Under "Benutzerdefiniert" in the data folder's custom-label file, key = the name as typed.
bool SaveCustomLabel(const std::string& dataFolder, const std::string& labelName,
                     const CustomLabelValues& v);
// Under the trimmed brand in the data folder's address-layout file.
bool SaveAddressLayout(const std::string& dataFolder, const std::string& brand,
                       const std::string& labelName, const AddressLayoutValues& v);
// Removes the label from both user files; true when both removals succeeded.
bool DeleteCustomLabel(const std::string& dataFolder, const std::string& labelName);

}  // namespace orvano::catalog
