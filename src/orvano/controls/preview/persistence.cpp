// Saving to and loading from the host's property bag. A key that fails is skipped. The layout
// is not saved: a loaded Preview shows the page until the host says otherwise. The pitches
// default to 0 in the bag, unlike their start values.
#include "orvano/controls/preview/preview.h"
#include "orvano/host/error.h"
#include "orvano/host/property_bag.h"

namespace orvano {

using host::Resume;
using host::Variant;

namespace {

const Variant kBorderLeft = 12.29;
const Variant kBorderTop = 8.8;
const Variant kLabelWidth = 88.9;
const Variant kLabelHeight = 46.56;
const Variant kSpaceVertical = 0.0;
const Variant kSpaceHorizontal = 0.0;
const Variant kCols = std::int32_t{2};
const Variant kRows = std::int32_t{6};
const Variant kLabelBorder = 2.0;
const Variant kLabelHeadingSpace = 1.0;
const Variant kAddressSpace = 1.0;
const Variant kReturnAddressFormat = static_cast<std::int32_t>(ovReturnAddressDoubleLine);
const Variant kWithLabelHeading = host::kTrue;
const Variant kFontSize = std::int32_t{10};

}  // namespace

void Preview::UserControl_ReadProperties(host::PropertyBag& bag) {
  auto number = [&](double& field, const char* key, const Variant& fallback) {
    Resume([&] { field = bag.ReadProperty(key, fallback).ToDouble(); });
  };
  auto whole = [&](std::int32_t& field, const char* key, const Variant& fallback) {
    Resume([&] { field = bag.ReadProperty(key, fallback).ToLong(); });
  };
  number(borderLeft_, "BorderLeft", kBorderLeft);
  number(borderTop_, "BorderTop", kBorderTop);
  number(labelWidth_, "LabelWidth", kLabelWidth);
  number(labelHeight_, "LabelHeight", kLabelHeight);
  number(spaceVertical_, "SpaceVertical", kSpaceVertical);
  number(spaceHorizontal_, "SpaceHorizontal", kSpaceHorizontal);
  whole(cols_, "Cols", kCols);
  whole(rows_, "Rows", kRows);
  number(labelBorderLeft_, "LabelBorderLeft", kLabelBorder);
  number(labelBorderTop_, "LabelBorderTop", kLabelBorder);
  number(labelBorderRight_, "LabelBorderRight", kLabelBorder);
  number(labelBorderBottom_, "LabelBorderBottom", kLabelBorder);
  number(labelHeadingSpace_, "LabelHeadingSpace", kLabelHeadingSpace);
  number(addressSpace_, "AddressSpace", kAddressSpace);
  Resume([&] {
    returnAddressFormat_ = static_cast<ovReturnAddressFormatConstants>(
        bag.ReadProperty("ReturnAddressFormat", kReturnAddressFormat).ToLong());
  });
  Resume([&] {
    // Read as a Boolean: any stored non-zero value is true (-1).
    withLabelHeading_ =
        host::ToFlag(bag.ReadProperty("WithLabelHeading", kWithLabelHeading).ToFlag() != 0);
  });
  whole(fontSize_, "FontSize", kFontSize);
  RefreshPreview();
}

void Preview::UserControl_WriteProperties(host::PropertyBag& bag) {
  auto write = [&](const char* key, const Variant& value, const Variant& fallback) {
    Resume([&] { bag.WriteProperty(key, value, fallback); });
  };
  write("BorderLeft", borderLeft_, kBorderLeft);
  write("BorderTop", borderTop_, kBorderTop);
  write("LabelWidth", labelWidth_, kLabelWidth);
  write("LabelHeight", labelHeight_, kLabelHeight);
  write("SpaceVertical", spaceVertical_, kSpaceVertical);
  write("SpaceHorizontal", spaceHorizontal_, kSpaceHorizontal);
  write("Cols", cols_, kCols);
  write("Rows", rows_, kRows);
  write("LabelBorderLeft", labelBorderLeft_, kLabelBorder);
  write("LabelBorderTop", labelBorderTop_, kLabelBorder);
  write("LabelBorderRight", labelBorderRight_, kLabelBorder);
  write("LabelBorderBottom", labelBorderBottom_, kLabelBorder);
  write("LabelHeadingSpace", labelHeadingSpace_, kLabelHeadingSpace);
  write("AddressSpace", addressSpace_, kAddressSpace);
  write("ReturnAddressFormat", static_cast<std::int32_t>(returnAddressFormat_),
        kReturnAddressFormat);
  write("WithLabelHeading", withLabelHeading_, kWithLabelHeading);
  write("FontSize", fontSize_, kFontSize);
}

}  // namespace orvano
