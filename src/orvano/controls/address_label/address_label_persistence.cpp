// Saving and loading AddressLabel through the host's property bag: twelve keys, each on its own,
// so one value that fails to write or to convert leaves the others alone.
#include <cstdint>
#include <string>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/host/error.h"
#include "orvano/host/property_bag.h"
#include "orvano/host/variant.h"

namespace orvano {

namespace {

// The defaults are the start values, so a freshly created control stores nothing.
const host::Variant kDefaultLabelWidth{88.9};
const host::Variant kDefaultLabelHeight{46.56};
const host::Variant kDefaultBorder{2.0};
const host::Variant kDefaultSpace{1.0};
const host::Variant kDefaultText{std::string()};
const host::Variant kDefaultFormat{std::int32_t{ovReturnAddressNone}};

}  // namespace

void AddressLabel::UserControl_WriteProperties(host::PropertyBag& bag) {
  using host::Resume;
  using host::Variant;
  Resume([&] { bag.WriteProperty("LabelWidth", Variant(labelWidth_), kDefaultLabelWidth); });
  Resume([&] { bag.WriteProperty("LabelHeight", Variant(labelHeight_), kDefaultLabelHeight); });
  Resume([&] { bag.WriteProperty("LabelBorderLeft", Variant(labelBorderLeft_), kDefaultBorder); });
  Resume([&] { bag.WriteProperty("LabelBorderTop", Variant(labelBorderTop_), kDefaultBorder); });
  Resume(
      [&] { bag.WriteProperty("LabelBorderRight", Variant(labelBorderRight_), kDefaultBorder); });
  Resume(
      [&] { bag.WriteProperty("LabelBorderBottom", Variant(labelBorderBottom_), kDefaultBorder); });
  Resume([&] { bag.WriteProperty("Address", Variant(txtAddress_->Text()), kDefaultText); });
  Resume([&] { bag.WriteProperty("ReturnAddress", Variant(returnAddress_), kDefaultText); });
  Resume([&] { bag.WriteProperty("LabelHeading", Variant(labelHeading_), kDefaultText); });
  Resume(
      [&] { bag.WriteProperty("LabelHeadingSpace", Variant(labelHeadingSpace_), kDefaultSpace); });
  Resume([&] { bag.WriteProperty("AddressSpace", Variant(addressSpace_), kDefaultSpace); });
  Resume([&] {
    bag.WriteProperty("ReturnAddressFormat",
                      Variant(static_cast<std::int32_t>(returnAddressFormat_)), kDefaultFormat);
  });
}

void AddressLabel::UserControl_ReadProperties(host::PropertyBag& bag) {
  using host::Resume;
  // Straight into the fields and the box, not through the setters: one layout at the end.
  Resume([&] { labelWidth_ = bag.ReadProperty("LabelWidth", kDefaultLabelWidth).ToDouble(); });
  Resume([&] { labelHeight_ = bag.ReadProperty("LabelHeight", kDefaultLabelHeight).ToDouble(); });
  Resume(
      [&] { labelBorderLeft_ = bag.ReadProperty("LabelBorderLeft", kDefaultBorder).ToDouble(); });
  Resume([&] { labelBorderTop_ = bag.ReadProperty("LabelBorderTop", kDefaultBorder).ToDouble(); });
  Resume(
      [&] { labelBorderRight_ = bag.ReadProperty("LabelBorderRight", kDefaultBorder).ToDouble(); });
  Resume([&] {
    labelBorderBottom_ = bag.ReadProperty("LabelBorderBottom", kDefaultBorder).ToDouble();
  });
  Resume([&] { txtAddress_->SetText(bag.ReadProperty("Address", kDefaultText).ToString()); });
  Resume([&] { returnAddress_ = bag.ReadProperty("ReturnAddress", kDefaultText).ToString(); });
  Resume([&] { labelHeading_ = bag.ReadProperty("LabelHeading", kDefaultText).ToString(); });
  Resume([&] {
    labelHeadingSpace_ = bag.ReadProperty("LabelHeadingSpace", kDefaultSpace).ToDouble();
  });
  Resume([&] { addressSpace_ = bag.ReadProperty("AddressSpace", kDefaultSpace).ToDouble(); });
  Resume([&] {
    returnAddressFormat_ = static_cast<ovReturnAddressFormatConstants>(
        bag.ReadProperty("ReturnAddressFormat", kDefaultFormat).ToLong());
  });
  RefreshLayout();
}

}  // namespace orvano
