#include "orvano/controls/preview/preview.h"

#include "orvano/controls/preview/captions.h"
#include "orvano/host/error.h"

namespace orvano {

Preview::Preview(host::Container& site) : site_(site) {
  site_.SetScaleMode(host::ScaleMode::Pixels);
  site_.SetFont(host::Font{.name = "Tahoma", .size = 8.25f});
  site_.SetBackColor(preview_detail::kBackground);
  CreateCaptions();
  site_.Attach(this);
  Initialize();
}

Preview::~Preview() { site_.Attach(nullptr); }

void Preview::Initialize() {
  ORVANO_PREVIEW_PROPERTIES(ORVANO_PROPERTY_START)
  RefreshPreview();
}

// Captions and colours take any value, and Paint and Resize resume their own failures, so no
// step here can fail.
void Preview::RefreshPreview() {
  Captions& c = *captions_;
  c.lblReturnAddress->SetCaption(preview_detail::ReturnAddressSample(returnAddressFormat_));
  c.lblLabelHeading->SetCaption(preview_detail::LabelHeadingSample());
  c.lblAddress->SetCaption(preview_detail::AddressSample());

  // Captions on the control's background take its colour, those on the label face white.
  for (host::Label* onBackground :
       {c.lblBorderLeft.get(), c.lblBorderTop.get(), c.lblCols.get(), c.lblRows.get(),
        c.lblSpaceHorizontal.get(), c.lblSpaceVertical.get()}) {
    onBackground->SetBackColor(preview_detail::kBackground);
  }
  c.lblHeight->SetBackColor(preview_detail::kLabelFace);
  c.lblWidth->SetBackColor(preview_detail::kLabelFace);

  UserControl_Paint();
  UserControl_Resize();
}

#define ORVANO_PREVIEW_SETTER(...) ORVANO_PROPERTY_SETTER(Preview, __VA_ARGS__)
ORVANO_PREVIEW_PROPERTIES(ORVANO_PREVIEW_SETTER)
#undef ORVANO_PREVIEW_SETTER

void Preview::ShowSheet(const SheetGeometry& sheet) {
  borderLeft_ = sheet.BorderLeft;
  borderTop_ = sheet.BorderTop;
  labelWidth_ = sheet.LabelWidth;
  labelHeight_ = sheet.LabelHeight;
  spaceHorizontal_ = sheet.PitchWidth();
  spaceVertical_ = sheet.PitchHeight();
  cols_ = sheet.Cols;
  rows_ = sheet.Rows;
  RefreshPreview();
}

void Preview::ShowAddressLayout(const AddressLayout& layout) {
  returnAddressFormat_ = static_cast<ovReturnAddressFormatConstants>(layout.ReturnAddressFormat);
  labelHeadingSpace_ = layout.HeadingSpace;
  addressSpace_ = layout.AddressSpace;
  labelBorderLeft_ = layout.BorderLeft;
  labelBorderTop_ = layout.BorderTop;
  labelBorderRight_ = layout.BorderRight;
  labelBorderBottom_ = layout.BorderBottom;
  withLabelHeading_ = layout.WithLabelHeading;
  fontSize_ = layout.FontSize;
  RefreshPreview();
}

void RegisterPreview(host::ClassFactory& factory) {
  factory.Register("Orvano.Preview", [](host::Container* site) -> std::shared_ptr<host::Object> {
    if (site == nullptr) host::Raise(host::ErrorKind::ObjectRequired);
    return std::make_shared<Preview>(*site);
  });
}

}  // namespace orvano
