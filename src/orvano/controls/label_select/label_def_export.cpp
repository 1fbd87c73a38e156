// The LabelDef a host prints from: the stock and, in address-label mode, the sender line, the
// heading and the address placed on one label. Nothing is trapped: an error ends the read.
#include <memory>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/model/page_format.h"

namespace orvano {

namespace {

constexpr std::int32_t kSenderFontSize = 7;
constexpr std::int32_t kDefaultFontSize = 10;

}  // namespace

std::shared_ptr<orvano::LabelDef> LabelSelect::LabelDef() const {
  using host::Finite;
  auto def = std::make_shared<orvano::LabelDef>();
  // This order matters: setting LabelName runs the object's own catalog lookup, which replaces
  // what was set before it and is overridden by what follows.
  def->SetBorderLeft(borderLeft_);
  def->SetBorderTop(borderTop_);
  def->SetBrand(brand_);
  def->SetCols(cols_);
  def->SetDataFolder(dataFolder_);
  def->SetDescription(description_);
  def->SetLabelHeight(labelHeight_);
  def->SetLabelName(labelName_);
  def->SetLabelWidth(labelWidth_);
  def->SetLandscape(host::ToFlag(landscape_ != 0));
  def->SetPageFormat(pageFormat_);
  def->SetPageHeight(pageHeight_);
  def->SetPageWidth(pageWidth_);
  def->SetRows(rows_);
  def->SetSpaceHeight(spaceHeight_);
  def->SetSpaceWidth(spaceWidth_);

  if (!host::IsExactlyTrue(addressLabel_)) return def;

  FieldDefs& fields = *def->Fields();
  const double width = Finite(def->LabelWidth() - addrBorderLeft_ - addrBorderRight_);
  double top = addrBorderTop_;
  const auto place = [&](const char* name) -> FieldDef& {
    fields.Add(ovFieldTypeDataField, name, name);
    FieldDef& field = *fields.Item(name);
    field.SetFieldLeft(addrBorderLeft_);
    field.SetFieldTop(top);
    field.SetFieldWidth(width);
    field.SetFontName("Arial");
    return field;
  };
  const std::int32_t mainSize = addrFontSize_ < 1 ? kDefaultFontSize : addrFontSize_;
  const bool withHeading = host::IsExactlyTrue(addrWithHeading_);

  if (addrReturnAddressFormat_ != ovReturnAddressNone) {
    FieldDef& sender = place("ReturnAddress");
    const std::int32_t size =
        addrFontSize_ >= 1 && addrFontSize_ < kSenderFontSize ? addrFontSize_ : kSenderFontSize;
    sender.SetFontSize(size);
    double height = LineHeightFromFontSize(size);
    if (addrReturnAddressFormat_ != ovReturnAddressSingleLine) height = 2 * height;
    height = Finite(height + (withHeading ? addrHeadingSpace_ : addrAddressSpace_));
    sender.SetFieldHeight(height);
    sender.SetCanShrink(host::kTrue);
    sender.SetCanGrow(host::kFalse);
    top = Finite(height + top);
  }

  if (withHeading) {
    FieldDef& heading = place("LabelHeading");
    heading.SetFontBold(host::kTrue);
    heading.SetFontSize(mainSize);
    const double height = Finite(LineHeightFromFontSize(mainSize) + addrAddressSpace_);
    heading.SetFieldHeight(height);
    heading.SetCanShrink(host::kTrue);
    heading.SetCanGrow(host::kFalse);
    top = Finite(height + top);
  }

  FieldDef& address = place("Address");
  address.SetFontSize(mainSize);
  address.SetFieldHeight(Finite(def->LabelHeight() - top - addrBorderBottom_));
  address.SetCanShrink(host::kFalse);
  address.SetCanGrow(host::kTrue);
  return def;
}

}  // namespace orvano
