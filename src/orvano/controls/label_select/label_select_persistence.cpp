// Saving and loading through the host's property bag. The start label and the address layout are
// not stored; loading consults no catalog and ends with one redraw.
#include "orvano/controls/label_select/label_select.h"

#include "orvano/host/error.h"

namespace orvano {

void LabelSelect::UserControl_WriteProperties(host::PropertyBag& bag) {
  using host::Resume;
  using host::Variant;
  Resume([&] { bag.WriteProperty("PageWidth", pageWidth_, 210.0); });
  Resume([&] { bag.WriteProperty("PageHeight", pageHeight_, 297.0); });
  Resume([&] { bag.WriteProperty("BorderLeft", borderLeft_, 12.29); });
  Resume([&] { bag.WriteProperty("BorderTop", borderTop_, 8.8); });
  Resume([&] { bag.WriteProperty("LabelWidth", labelWidth_, 88.9); });
  Resume([&] { bag.WriteProperty("LabelHeight", labelHeight_, 46.56); });
  Resume([&] { bag.WriteProperty("SpaceHeight", spaceHeight_, 0.0); });
  // Its default differs from a new control's 7.62, so a new control's gap is always written.
  Resume([&] { bag.WriteProperty("SpaceWidth", spaceWidth_, 0.0); });
  Resume([&] { bag.WriteProperty("Cols", cols_, std::int32_t{2}); });
  Resume([&] { bag.WriteProperty("Rows", rows_, std::int32_t{6}); });
  Resume([&] { bag.WriteProperty("Brand", brand_, Variant("")); });
  Resume([&] { bag.WriteProperty("LabelName", labelName_, Variant("")); });
  Resume([&] { bag.WriteProperty("Description", description_, Variant("")); });
  Resume([&] { bag.WriteProperty("DataFolder", dataFolder_, Variant("")); });
  Resume([&] { bag.WriteProperty("AllowMarquee", allowMarquee_, host::kTrue); });
  Resume([&] { bag.WriteProperty("AllowConfig", allowConfig_, host::kTrue); });
  Resume([&] { bag.WriteProperty("Direction", direction_, std::int32_t{0}); });
  Resume([&] { bag.WriteProperty("Landscape", landscape_, std::int32_t{0}); });
  Resume([&] { bag.WriteProperty("PageFormat", pageFormat_, std::int32_t{9}); });
  Resume([&] { bag.WriteProperty("AddressLabel", addressLabel_, host::kFalse); });
}

void LabelSelect::UserControl_ReadProperties(host::PropertyBag& bag) {
  using host::Resume;
  using host::Variant;
  Resume([&] { pageWidth_ = bag.ReadProperty("PageWidth", 210.0).ToDouble(); });
  Resume([&] { pageHeight_ = bag.ReadProperty("PageHeight", 297.0).ToDouble(); });
  Resume([&] { borderLeft_ = bag.ReadProperty("BorderLeft", 12.29).ToDouble(); });
  Resume([&] { borderTop_ = bag.ReadProperty("BorderTop", 8.8).ToDouble(); });
  Resume([&] { labelWidth_ = bag.ReadProperty("LabelWidth", 88.9).ToDouble(); });
  Resume([&] { labelHeight_ = bag.ReadProperty("LabelHeight", 46.56).ToDouble(); });
  Resume([&] { spaceHeight_ = bag.ReadProperty("SpaceHeight", 0.0).ToDouble(); });
  Resume([&] { spaceWidth_ = bag.ReadProperty("SpaceWidth", 0.0).ToDouble(); });
  Resume([&] { cols_ = bag.ReadProperty("Cols", std::int32_t{2}).ToLong(); });
  Resume([&] { rows_ = bag.ReadProperty("Rows", std::int32_t{6}).ToLong(); });
  Resume([&] { brand_ = bag.ReadProperty("Brand", Variant("")).ToString(); });
  Resume([&] { labelName_ = bag.ReadProperty("LabelName", Variant("")).ToString(); });
  Resume([&] { description_ = bag.ReadProperty("Description", Variant("")).ToString(); });
  // "DataFolder" is written but deliberately not read: the host sets it again after loading.
  Resume([&] { allowMarquee_ = bag.ReadProperty("AllowMarquee", host::kTrue).ToFlag(); });
  Resume([&] { allowConfig_ = bag.ReadProperty("AllowConfig", host::kTrue).ToFlag(); });
  Resume([&] { direction_ = bag.ReadProperty("Direction", std::int32_t{0}).ToLong(); });
  Resume([&] { landscape_ = bag.ReadProperty("Landscape", std::int32_t{0}).ToLong(); });
  Resume([&] { pageFormat_ = bag.ReadProperty("PageFormat", std::int32_t{9}).ToLong(); });
  Resume([&] { addressLabel_ = bag.ReadProperty("AddressLabel", host::kFalse).ToFlag(); });
  Resume([&] { RefreshSheet(); });
}

}  // namespace orvano
