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
  def->SetBorderLeft(sheet_.BorderLeft);
  def->SetBorderTop(sheet_.BorderTop);
  def->SetBrand(brand_);
  def->SetCols(sheet_.Cols);
  def->SetDataFolder(dataFolder_);
  def->SetDescription(description_);
  def->SetLabelHeight(sheet_.LabelHeight);
  def->SetLabelName(labelName_);
  def->SetLabelWidth(sheet_.LabelWidth);
  def->SetLandscape(host::ToFlag(sheet_.Landscape != 0));
  def->SetPageFormat(sheet_.PageFormat);
  def->SetPageHeight(sheet_.PageHeight);
  def->SetPageWidth(sheet_.PageWidth);
  def->SetRows(sheet_.Rows);
  def->SetSpaceHeight(sheet_.SpaceHeight);
  def->SetSpaceWidth(sheet_.SpaceWidth);

  if (!host::IsExactlyTrue(addressLabel_)) return def;

  AddAddressFields(*def, address_);
  return def;
}

}  // namespace orvano
