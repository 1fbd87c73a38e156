// The layout of both pictures. Every statement runs on its own: a value whose computation fails
// (a zero extent, a size beyond 32 bits, a font size of 0) keeps what it held before, and the
// statements after it go on with that.
#include "orvano/controls/preview/preview.h"
#include "orvano/host/error.h"
#include "orvano/host/runtime.h"
#include "orvano/model/page_format.h"

namespace orvano {

using host::CLng;
using host::Resume;

double Preview::InnerWidth() const { return site_.ScaleWidth(); }
double Preview::InnerHeight() const { return site_.ScaleHeight(); }

void Preview::ComputeLayout() {
  if (previewLayout_ == ovPreviewPageLayout) {
    ComputePageLayout();
  } else if (previewLayout_ == ovPreviewAddressLayout) {
    ComputeAddressLayout();
  }
}

void Preview::ComputePageLayout() {
  PreviewLayoutState& s = layout_;
  Resume([&] { s.AreaWidth = CLng((InnerWidth() - 1) * 0.65); });
  Resume([&] { s.AreaHeight = CLng((InnerHeight() - 1) * 0.65); });

  // The corner up to a quarter label past the second column and row, where there is one.
  Resume([&] {
    s.ExtentX = cols_ >= 2 ? CLng(borderLeft_ + spaceHorizontal_ + labelWidth_ * 0.25)
                           : CLng(borderLeft_ + labelWidth_);
  });
  Resume([&] {
    s.ExtentY = rows_ >= 2 ? CLng(borderTop_ + spaceVertical_ + labelHeight_ * 0.25)
                           : CLng(borderTop_ + labelHeight_);
  });

  Resume([&] { s.ScaleX = host::Div(s.AreaWidth, s.ExtentX); });
  Resume([&] { s.ScaleY = host::Div(s.AreaHeight, s.ExtentY); });
  s.PixelsPerMm = s.ScaleX;
  if (s.ScaleY < s.ScaleX) s.PixelsPerMm = s.ScaleY;

  // Free space split 60 : 40, the larger share top and left where the margin captions go.
  PixelRect& page = s.PageRect;
  Resume([&] { page.Height = CLng(s.ExtentY * s.PixelsPerMm); });
  Resume([&] { page.Width = CLng(s.ExtentX * s.PixelsPerMm); });
  Resume([&] { page.Top = CLng((InnerHeight() - page.Height) * 0.6); });
  Resume([&] { page.Left = CLng((InnerWidth() - page.Width) * 0.6); });

  PixelRect& l1 = s.Label1Rect;
  Resume([&] { l1.Top = CLng(borderTop_ * s.PixelsPerMm + page.Top); });
  Resume([&] { l1.Left = CLng(borderLeft_ * s.PixelsPerMm + page.Left); });
  Resume([&] { l1.Width = CLng(labelWidth_ * s.PixelsPerMm); });
  Resume([&] { l1.Height = CLng(labelHeight_ * s.PixelsPerMm); });

  // What is left of the visible piece beyond the second column's and second row's edges.
  auto cutWidth = [&] {
    return CLng((static_cast<double>(page.Width) - l1.Width) - borderLeft_ * s.PixelsPerMm -
                (spaceHorizontal_ * s.PixelsPerMm - l1.Width));
  };
  auto cutHeight = [&] {
    return CLng((static_cast<double>(page.Height) - l1.Height) - borderTop_ * s.PixelsPerMm -
                (spaceVertical_ * s.PixelsPerMm - l1.Height));
  };
  auto secondColumn = [&] { return CLng(spaceHorizontal_ * s.PixelsPerMm + l1.Left); };
  auto secondRow = [&] { return CLng(spaceVertical_ * s.PixelsPerMm + l1.Top); };

  PixelRect& l2 = s.Label2Rect;
  l2.Top = l1.Top;
  Resume([&] { l2.Left = secondColumn(); });
  Resume([&] { l2.Width = cutWidth(); });
  l2.Height = l1.Height;

  PixelRect& l3 = s.Label3Rect;
  Resume([&] { l3.Top = secondRow(); });
  l3.Left = l1.Left;
  l3.Width = l1.Width;
  Resume([&] { l3.Height = cutHeight(); });

  PixelRect& l4 = s.Label4Rect;
  Resume([&] { l4.Top = secondRow(); });
  Resume([&] { l4.Left = secondColumn(); });
  Resume([&] { l4.Width = cutWidth(); });
  Resume([&] { l4.Height = cutHeight(); });
}

void Preview::ComputeAddressLayout() {
  PreviewLayoutState& s = layout_;
  Resume([&] { s.AreaWidth = CLng((InnerWidth() - 1) * 0.9); });
  Resume([&] { s.AreaHeight = CLng((InnerHeight() - 1) * 0.9); });
  Resume([&] { s.ExtentX = CLng(labelWidth_); });
  Resume([&] { s.ExtentY = CLng(labelHeight_); });

  Resume([&] { s.ScaleX = host::Div(s.AreaWidth, s.ExtentX); });
  Resume([&] { s.ScaleY = host::Div(s.AreaHeight, s.ExtentY); });
  s.PixelsPerMm = s.ScaleX;
  if (s.ScaleY < s.ScaleX) s.PixelsPerMm = s.ScaleY;
  const auto p = [&] { return s.PixelsPerMm; };

  // Centred by the label's size in whole millimetres.
  PixelRect& page = s.PageRect;
  Resume([&] { page.Height = CLng(s.ExtentY * p()); });
  Resume([&] { page.Width = CLng(s.ExtentX * p()); });
  Resume([&] { page.Top = CLng((InnerHeight() - page.Height) * 0.5); });
  Resume([&] { page.Left = CLng((InnerWidth() - page.Width) * 0.5); });

  PixelRect& l1 = s.Label1Rect;
  l1.Top = page.Top;
  l1.Left = page.Left;
  Resume([&] { l1.Width = CLng(labelWidth_ * p()); });
  Resume([&] { l1.Height = CLng(labelHeight_ * p()); });

  // The sender line is set in at most 7 points.
  const std::int32_t senderPoints = fontSize_ > 7 ? 7 : fontSize_;
  Resume([&] {
    const double lines = returnAddressFormat_ == ovReturnAddressDoubleLine ? 2 : 1;
    s.ReturnAddressHeight = CLng(LineHeightFromFontSize(senderPoints) * p() * lines);
  });
  if (returnAddressFormat_ == ovReturnAddressNone) s.ReturnAddressHeight = 0;

  // The heading takes one line at the address font size.
  if (host::IsExactlyTrue(withLabelHeading_)) {
    Resume([&] { s.HeadingHeight = CLng(LineHeightFromFontSize(fontSize_) * p()); });
  } else {
    s.HeadingHeight = 0;
  }

  // A gap exists only between parts that are both there.
  Resume([&] { s.HeadingGap = host::IntL(labelHeadingSpace_ * p()); });
  if (s.HeadingHeight == 0 || s.ReturnAddressHeight == 0) s.HeadingGap = 0;
  Resume([&] { s.AddressGap = host::IntL(addressSpace_ * p()); });
  if (s.HeadingHeight == 0 && s.ReturnAddressHeight == 0) s.AddressGap = 0;
}

}  // namespace orvano
