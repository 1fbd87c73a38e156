#include "orvano/controls/preview/preview.h"

#include "orvano/controls/preview/captions.h"
#include "orvano/host/error.h"

namespace orvano {

using host::Resume;

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
  borderLeft_ = 12.29;
  borderTop_ = 8.8;
  labelWidth_ = 88.9;
  labelHeight_ = 46.56;
  // Pitches equal to the label size: labels that touch.
  spaceVertical_ = 46.56;
  spaceHorizontal_ = 88.9;
  cols_ = 2;
  rows_ = 6;
  labelBorderLeft_ = 2;
  labelBorderRight_ = 2;
  labelBorderTop_ = 2;
  labelBorderBottom_ = 2;
  labelHeadingSpace_ = 1;
  addressSpace_ = 1;
  returnAddressFormat_ = ovReturnAddressDoubleLine;
  fontSize_ = 10;
  withLabelHeading_ = host::kTrue;
  RefreshPreview();
}

void Preview::RefreshPreview() {
  Captions& c = *captions_;
  Resume([&] {
    c.lblReturnAddress->SetCaption(preview_detail::ReturnAddressSample(returnAddressFormat_));
  });
  Resume([&] { c.lblLabelHeading->SetCaption(preview_detail::LabelHeadingSample()); });
  Resume([&] { c.lblAddress->SetCaption(preview_detail::AddressSample()); });

  // Captions on the control's background take its colour, those on the label face white.
  for (host::Label* onBackground :
       {c.lblBorderLeft.get(), c.lblBorderTop.get(), c.lblCols.get(), c.lblRows.get(),
        c.lblSpaceHorizontal.get(), c.lblSpaceVertical.get()}) {
    Resume([&] { onBackground->SetBackColor(preview_detail::kBackground); });
  }
  Resume([&] { c.lblHeight->SetBackColor(preview_detail::kLabelFace); });
  Resume([&] { c.lblWidth->SetBackColor(preview_detail::kLabelFace); });

  Resume([&] { UserControl_Paint(); });
  Resume([&] { UserControl_Resize(); });
}

void Preview::SetBorderLeft(double v) {
  borderLeft_ = v;
  RefreshPreview();
}
void Preview::SetBorderTop(double v) {
  borderTop_ = v;
  RefreshPreview();
}
void Preview::SetLabelWidth(double v) {
  labelWidth_ = v;
  RefreshPreview();
}
void Preview::SetLabelHeight(double v) {
  labelHeight_ = v;
  RefreshPreview();
}
void Preview::SetSpaceVertical(double v) {
  spaceVertical_ = v;
  RefreshPreview();
}
void Preview::SetSpaceHorizontal(double v) {
  spaceHorizontal_ = v;
  RefreshPreview();
}
void Preview::SetCols(std::int32_t v) {
  cols_ = v;
  RefreshPreview();
}
void Preview::SetRows(std::int32_t v) {
  rows_ = v;
  RefreshPreview();
}
void Preview::SetPreviewLayout(ovPreviewLayoutConstants v) {
  previewLayout_ = v;
  RefreshPreview();
}
void Preview::SetReturnAddressFormat(ovReturnAddressFormatConstants v) {
  returnAddressFormat_ = v;
  RefreshPreview();
}
void Preview::SetLabelHeadingSpace(double v) {
  labelHeadingSpace_ = v;
  RefreshPreview();
}
void Preview::SetAddressSpace(double v) {
  addressSpace_ = v;
  RefreshPreview();
}
void Preview::SetLabelBorderLeft(double v) {
  labelBorderLeft_ = v;
  RefreshPreview();
}
void Preview::SetLabelBorderTop(double v) {
  labelBorderTop_ = v;
  RefreshPreview();
}
void Preview::SetLabelBorderRight(double v) {
  labelBorderRight_ = v;
  RefreshPreview();
}
void Preview::SetLabelBorderBottom(double v) {
  labelBorderBottom_ = v;
  RefreshPreview();
}
void Preview::SetWithLabelHeading(host::Flag v) {
  withLabelHeading_ = v;
  RefreshPreview();
}
void Preview::SetFontSize(std::int32_t v) {
  fontSize_ = v;
  RefreshPreview();
}

void RegisterPreview(host::ClassFactory& factory) {
  factory.Register("Orvano.Preview", [](host::Container* site) -> std::shared_ptr<host::Object> {
    if (site == nullptr) host::Raise(host::ErrorKind::ObjectRequired);
    return std::make_shared<Preview>(*site);
  });
}

}  // namespace orvano
