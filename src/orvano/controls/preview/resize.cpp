// Placing the captions over the drawing. Every statement runs on its own: a size the caption
// refuses (negative, or a font size it cannot take) leaves the caption as it was.
#include "orvano/controls/preview/address_stack.h"
#include "orvano/controls/preview/captions.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/host/error.h"
#include "orvano/host/platform.h"
#include "orvano/model/page_format.h"

namespace orvano {

using host::Resume;
using preview_detail::ShowIf;

namespace {

float F(double v) { return static_cast<float>(v); }

}  // namespace

void Preview::UserControl_Resize() {
  ComputeLayout();
  if (previewLayout_ == ovPreviewPageLayout) {
    ResizePageLayout();
  } else if (previewLayout_ == ovPreviewAddressLayout) {
    ResizeAddressLayout();
  }
  PlaceFrame();
}

void Preview::PlaceFrame() {
  host::Label& frame = *captions_->Frame;
  Resume([&] { frame.SetLeft(0); });
  Resume([&] { frame.SetTop(0); });
  Resume([&] { frame.SetWidth(F(InnerWidth())); });
  Resume([&] { frame.SetHeight(F(InnerHeight())); });
  Resume([&] { frame.BringToFront(); });
}

void Preview::ResizePageLayout() {
  Captions& c = *captions_;
  const PixelRect& p = layout_.PageRect;
  const PixelRect& l1 = layout_.Label1Rect;
  const PixelRect& l2 = layout_.Label2Rect;
  const PixelRect& l3 = layout_.Label3Rect;
  // Sums in double: whole 32-bit values add exactly there.
  const double pTop = p.Top, pLeft = p.Left, pWidth = p.Width, pHeight = p.Height;
  const double l1Top = l1.Top, l1Left = l1.Left, l1Width = l1.Width, l1Height = l1.Height;

  // Grid rows caption, right of the sheet piece and centred on it, as wide as there is room.
  host::Label& rows = *c.lblRows;
  Resume([&] { rows.SetLeft(F(pLeft + pWidth + 1)); });
  Resume([&] { rows.SetWidth(F(InnerWidth() - pLeft - pWidth - 4)); });
  Resume([&] { rows.SetHeight(F(pHeight)); });
  Resume([&] { preview_detail::FitHeightToCaption(rows); });
  Resume([&] { rows.SetTop(F((pHeight - rows.Height()) / 2 + pTop)); });

  host::Label& cols = *c.lblCols;
  Resume([&] { cols.SetTop(F(pTop + pHeight + 1)); });
  Resume([&] { cols.SetLeft(F((pWidth - cols.Width()) / 2 + pLeft)); });

  // On the label's dimension lines.
  host::Label& width = *c.lblWidth;
  Resume([&] { width.SetTop(F(l1Height * 0.36 + l1Top - 5)); });
  Resume([&] { width.SetLeft(F((l1Width - width.Width()) * 0.3 + l1Left)); });
  host::Label& height = *c.lblHeight;
  Resume([&] { height.SetTop(F(l1Height * 0.65 + l1Top - 5)); });
  Resume([&] { height.SetLeft(F(l1Width * 0.64 + l1Left - height.Width() / 2)); });

  // Left of and above the sheet piece, at the margin and pitch dimension lines.
  host::Label& borderTop = *c.lblBorderTop;
  Resume([&] { borderTop.SetTop(F(pTop - borderTop.Height())); });
  Resume([&] { borderTop.SetLeft(F(pLeft - 44 - borderTop.Width() / 2)); });
  host::Label& spaceVertical = *c.lblSpaceVertical;
  Resume([&] { spaceVertical.SetTop(F((static_cast<double>(l3.Top) - l1Top) / 2 + l1Top - 5)); });
  Resume([&] { spaceVertical.SetLeft(F(pLeft - 38 - spaceVertical.Width() / 2)); });
  host::Label& borderLeft = *c.lblBorderLeft;
  Resume([&] { borderLeft.SetTop(F(pTop - 25)); });
  Resume([&] { borderLeft.SetLeft(F((l1Left - pLeft) / 2 + pLeft - borderLeft.Width() / 2)); });
  host::Label& spaceHorizontal = *c.lblSpaceHorizontal;
  Resume([&] { spaceHorizontal.SetTop(F(pTop - 15)); });
  Resume([&] {
    spaceHorizontal.SetLeft(
        F((static_cast<double>(l2.Left) - l1Left) / 2 + l1Left - spaceHorizontal.Width() / 2));
  });

  Resume([&] { ShowIf(spaceHorizontal, cols_ >= 2); });
  Resume([&] { ShowIf(spaceVertical, rows_ >= 2); });
  for (host::Label* shown : {&borderLeft, &borderTop, &cols, &height, &rows, &width}) {
    Resume([&] { ShowIf(*shown, true); });
  }
  for (host::Label* hidden :
       {c.lblReturnAddress.get(), c.lblLabelHeading.get(), c.lblAddress.get()}) {
    Resume([&] { ShowIf(*hidden, false); });
  }
}

void Preview::ResizeAddressLayout() {
  Captions& c = *captions_;
  const double p = layout_.PixelsPerMm;
  const preview_detail::AddressStack stack = preview_detail::ComputeAddressStack(
      {labelWidth_, labelBorderLeft_, labelBorderRight_, labelBorderTop_, labelBorderBottom_},
      layout_);
  using preview_detail::Need;

  // The label's height on screen over its real height; 0 when it cannot be computed, which
  // every caption refuses as a font size.
  double zoom = 0;
  Resume([&] {
    const double twipsPerPixel = site_.GetPlatform().TwipsPerPixelY();
    zoom = host::Div(host::Int(labelHeight_ * p) * twipsPerPixel, labelHeight_ * kTwipsPerMm);
  });
  auto fontSize = [&](double points) { return F(host::Round(host::Finite(zoom * points + 0.5))); };
  const std::int32_t senderPoints = fontSize_ > 7 ? 7 : fontSize_;

  host::Label& sender = *c.lblReturnAddress;
  Resume([&] { sender.SetFontSize(fontSize(senderPoints)); });
  Resume([&] { sender.SetLeft(F(Need(stack.x))); });
  Resume([&] { sender.SetTop(F(Need(stack.y1))); });
  Resume([&] { sender.SetWidth(F(Need(stack.width))); });
  Resume([&] { sender.SetHeight(F(layout_.ReturnAddressHeight)); });

  host::Label& heading = *c.lblLabelHeading;
  Resume([&] { heading.SetFontSize(fontSize(fontSize_)); });
  Resume([&] { heading.SetLeft(F(Need(stack.x))); });
  Resume([&] { heading.SetTop(F(Need(stack.y2))); });
  Resume([&] { heading.SetWidth(F(Need(stack.width))); });
  Resume([&] { heading.SetHeight(F(layout_.HeadingHeight)); });

  host::Label& address = *c.lblAddress;
  Resume([&] { address.SetFontSize(fontSize(fontSize_)); });
  Resume([&] { address.SetLeft(F(Need(stack.x))); });
  Resume([&] { address.SetTop(F(Need(stack.y3))); });
  Resume([&] { address.SetWidth(F(Need(stack.width))); });
  Resume([&] { address.SetHeight(F(Need(stack.bottom) - Need(stack.y3))); });

  for (host::Label* page :
       {c.lblBorderLeft.get(), c.lblBorderTop.get(), c.lblCols.get(), c.lblHeight.get(),
        c.lblRows.get(), c.lblSpaceHorizontal.get(), c.lblSpaceVertical.get(), c.lblWidth.get()}) {
    Resume([&] { ShowIf(*page, false); });
  }

  // A sample shows only when it ends within the inner area, as its caption now reads.
  for (host::Label* sample : {&sender, &heading, &address}) {
    Resume([&] {
      if (!stack.hasWidth) {
        ShowIf(*sample, false);
        return;
      }
      const double bottom = static_cast<double>(sample->Top()) + sample->Height();
      ShowIf(*sample, !(bottom > Need(stack.innerBottom)));
    });
  }
}

}  // namespace orvano
