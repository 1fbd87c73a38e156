// Placing the captions over the drawing.
#include "orvano/controls/preview/address_stack.h"
#include "orvano/controls/preview/captions.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/host/error.h"
#include "orvano/host/platform.h"
#include "orvano/host/pure_number.h"
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

// Positions are whole pixels and never fail; a size the caption refuses (negative, or a font size
// it cannot take) leaves it as it was, so only those are resumed.
void Preview::PlaceFrame() {
  host::Label& frame = *captions_->Frame;
  frame.SetLeft(0);
  frame.SetTop(0);
  Resume([&] { frame.SetWidth(F(InnerWidth())); });
  Resume([&] { frame.SetHeight(F(InnerHeight())); });
  frame.BringToFront();
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
  rows.SetLeft(F(pLeft + pWidth + 1));
  Resume([&] { rows.SetWidth(F(InnerWidth() - pLeft - pWidth - 4)); });
  Resume([&] { rows.SetHeight(F(pHeight)); });
  preview_detail::FitHeightToCaption(rows);
  rows.SetTop(F((pHeight - rows.Height()) / 2 + pTop));

  host::Label& cols = *c.lblCols;
  cols.SetTop(F(pTop + pHeight + 1));
  cols.SetLeft(F((pWidth - cols.Width()) / 2 + pLeft));

  // On the label's dimension lines.
  host::Label& width = *c.lblWidth;
  width.SetTop(F(l1Height * 0.36 + l1Top - 5));
  width.SetLeft(F((l1Width - width.Width()) * 0.3 + l1Left));
  host::Label& height = *c.lblHeight;
  height.SetTop(F(l1Height * 0.65 + l1Top - 5));
  height.SetLeft(F(l1Width * 0.64 + l1Left - height.Width() / 2));

  // Left of and above the sheet piece, at the margin and pitch dimension lines.
  host::Label& borderTop = *c.lblBorderTop;
  borderTop.SetTop(F(pTop - borderTop.Height()));
  borderTop.SetLeft(F(pLeft - 44 - borderTop.Width() / 2));
  host::Label& spaceVertical = *c.lblSpaceVertical;
  spaceVertical.SetTop(F((static_cast<double>(l3.Top) - l1Top) / 2 + l1Top - 5));
  spaceVertical.SetLeft(F(pLeft - 38 - spaceVertical.Width() / 2));
  host::Label& borderLeft = *c.lblBorderLeft;
  borderLeft.SetTop(F(pTop - 25));
  borderLeft.SetLeft(F((l1Left - pLeft) / 2 + pLeft - borderLeft.Width() / 2));
  host::Label& spaceHorizontal = *c.lblSpaceHorizontal;
  spaceHorizontal.SetTop(F(pTop - 15));
  spaceHorizontal.SetLeft(
      F((static_cast<double>(l2.Left) - l1Left) / 2 + l1Left - spaceHorizontal.Width() / 2));

  ShowIf(spaceHorizontal, cols_ >= 2);
  ShowIf(spaceVertical, rows_ >= 2);
  for (host::Label* shown : {&borderLeft, &borderTop, &cols, &height, &rows, &width}) {
    ShowIf(*shown, true);
  }
  for (host::Label* hidden :
       {c.lblReturnAddress.get(), c.lblLabelHeading.get(), c.lblAddress.get()}) {
    ShowIf(*hidden, false);
  }
}

void Preview::ResizeAddressLayout() {
  Captions& c = *captions_;
  const double p = layout_.PixelsPerMm;
  const preview_detail::AddressStack stack = preview_detail::ComputeAddressStack(
      {labelWidth_, labelBorderLeft_, labelBorderRight_, labelBorderTop_, labelBorderBottom_},
      layout_);

  // The label's height on screen over its real height; 0 when it cannot be computed, which
  // every caption refuses as a font size.
  const double twipsPerPixel = site_.GetPlatform().TwipsPerPixelY();
  const double zoom =
      host::TryDiv(host::Int(labelHeight_ * p) * twipsPerPixel, labelHeight_ * kTwipsPerMm)
          .value_or(0);
  auto fontSize = [&](double points) { return F(host::Round(host::Finite(zoom * points + 0.5))); };
  const std::int32_t senderPoints = fontSize_ > 7 ? 7 : fontSize_;

  // A part whose place could not be computed stays where it was.
  auto place = [&](host::Label& label, double points, std::optional<std::int32_t> top,
                   std::optional<double> height) {
    Resume([&] { label.SetFontSize(fontSize(points)); });
    if (stack.x) label.SetLeft(F(*stack.x));
    if (top) label.SetTop(F(*top));
    if (stack.width) Resume([&] { label.SetWidth(F(*stack.width)); });
    if (height) Resume([&] { label.SetHeight(F(*height)); });
  };
  host::Label& sender = *c.lblReturnAddress;
  place(sender, senderPoints, stack.y1, layout_.ReturnAddressHeight);
  host::Label& heading = *c.lblLabelHeading;
  place(heading, fontSize_, stack.y2, layout_.HeadingHeight);
  host::Label& address = *c.lblAddress;
  std::optional<double> addressHeight;
  if (stack.bottom && stack.y3) addressHeight = *stack.bottom - *stack.y3;
  place(address, fontSize_, stack.y3, addressHeight);

  for (host::Label* page :
       {c.lblBorderLeft.get(), c.lblBorderTop.get(), c.lblCols.get(), c.lblHeight.get(),
        c.lblRows.get(), c.lblSpaceHorizontal.get(), c.lblSpaceVertical.get(), c.lblWidth.get()}) {
    ShowIf(*page, false);
  }

  // A sample shows only when it ends within the inner area, as its caption now reads.
  for (host::Label* sample : {&sender, &heading, &address}) {
    if (!stack.hasWidth) {
      ShowIf(*sample, false);
    } else if (stack.innerBottom) {
      const double bottom = static_cast<double>(sample->Top()) + sample->Height();
      ShowIf(*sample, !(bottom > *stack.innerBottom));
    }
  }
}

}  // namespace orvano
