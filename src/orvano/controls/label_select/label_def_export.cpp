// The LabelDef a host prints from: the stock and, in address-label mode, the sender line, the
// heading and the address placed on one label. Nothing is trapped: an error ends the read.
#include <memory>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/model/address_fields.h"

namespace orvano {

std::shared_ptr<orvano::LabelDef> LabelSelect::LabelDef() const {
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

  AddressFieldLayout layout;
  layout.BorderLeft = addrBorderLeft_;
  layout.BorderTop = addrBorderTop_;
  layout.BorderRight = addrBorderRight_;
  layout.BorderBottom = addrBorderBottom_;
  layout.HeadingSpace = addrHeadingSpace_;
  layout.AddressSpace = addrAddressSpace_;
  layout.FontSize = addrFontSize_;
  layout.ReturnAddressFormat = addrReturnAddressFormat_;
  layout.WithLabelHeading = addrWithHeading_;
  AddAddressFields(*def, layout);
  return def;
}

}  // namespace orvano
