// The layout of both pictures, computed without trapping errors: each value comes from a pure
// function that gives nothing where it cannot be computed (a zero extent, a size beyond 32 bits,
// a font size of 0), and such a value keeps what it held before; the values after it go on with
// that.
#include <optional>

#include "orvano/controls/preview/preview.h"
#include "orvano/host/pure_number.h"
#include "orvano/host/runtime.h"
#include "orvano/model/page_format.h"

namespace orvano {

namespace {

using host::TryCLng;
using host::TryIntL;

template <class T>
void Take(T& target, const std::optional<T>& value) {
  if (value) target = *value;
}

// LineHeightFromFontSize, nothing for 0 points (it would divide by zero).
std::optional<double> LineHeight(std::int32_t points) {
  if (points == 0) return std::nullopt;
  return LineHeightFromFontSize(points);
}

}  // namespace

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
  Take(s.AreaWidth, TryCLng((InnerWidth() - 1) * 0.65));
  Take(s.AreaHeight, TryCLng((InnerHeight() - 1) * 0.65));

  // The corner up to a quarter label past the second column and row, where there is one.
  Take(s.ExtentX, cols_ >= 2 ? TryCLng(borderLeft_ + spaceHorizontal_ + labelWidth_ * 0.25)
                             : TryCLng(borderLeft_ + labelWidth_));
  Take(s.ExtentY, rows_ >= 2 ? TryCLng(borderTop_ + spaceVertical_ + labelHeight_ * 0.25)
                             : TryCLng(borderTop_ + labelHeight_));

  Take(s.ScaleX, host::TryDiv(s.AreaWidth, s.ExtentX));
  Take(s.ScaleY, host::TryDiv(s.AreaHeight, s.ExtentY));
  s.PixelsPerMm = s.ScaleX;
  if (s.ScaleY < s.ScaleX) s.PixelsPerMm = s.ScaleY;
  const double p = s.PixelsPerMm;

  // Free space split 60 : 40, the larger share top and left where the margin captions go.
  PixelRect& page = s.PageRect;
  Take(page.Height, TryCLng(s.ExtentY * p));
  Take(page.Width, TryCLng(s.ExtentX * p));
  Take(page.Top, TryCLng((InnerHeight() - page.Height) * 0.6));
  Take(page.Left, TryCLng((InnerWidth() - page.Width) * 0.6));

  PixelRect& l1 = s.Label1Rect;
  Take(l1.Top, TryCLng(borderTop_ * p + page.Top));
  Take(l1.Left, TryCLng(borderLeft_ * p + page.Left));
  Take(l1.Width, TryCLng(labelWidth_ * p));
  Take(l1.Height, TryCLng(labelHeight_ * p));

  // What is left of the visible piece beyond the second column's and second row's edges.
  const auto cutWidth = TryCLng((static_cast<double>(page.Width) - l1.Width) - borderLeft_ * p -
                                (spaceHorizontal_ * p - l1.Width));
  const auto cutHeight = TryCLng((static_cast<double>(page.Height) - l1.Height) - borderTop_ * p -
                                 (spaceVertical_ * p - l1.Height));
  const auto secondColumn = TryCLng(spaceHorizontal_ * p + l1.Left);
  const auto secondRow = TryCLng(spaceVertical_ * p + l1.Top);

  PixelRect& l2 = s.Label2Rect;
  l2.Top = l1.Top;
  Take(l2.Left, secondColumn);
  Take(l2.Width, cutWidth);
  l2.Height = l1.Height;

  PixelRect& l3 = s.Label3Rect;
  Take(l3.Top, secondRow);
  l3.Left = l1.Left;
  l3.Width = l1.Width;
  Take(l3.Height, cutHeight);

  PixelRect& l4 = s.Label4Rect;
  Take(l4.Top, secondRow);
  Take(l4.Left, secondColumn);
  Take(l4.Width, cutWidth);
  Take(l4.Height, cutHeight);
}

void Preview::ComputeAddressLayout() {
  PreviewLayoutState& s = layout_;
  Take(s.AreaWidth, TryCLng((InnerWidth() - 1) * 0.9));
  Take(s.AreaHeight, TryCLng((InnerHeight() - 1) * 0.9));
  Take(s.ExtentX, TryCLng(labelWidth_));
  Take(s.ExtentY, TryCLng(labelHeight_));

  Take(s.ScaleX, host::TryDiv(s.AreaWidth, s.ExtentX));
  Take(s.ScaleY, host::TryDiv(s.AreaHeight, s.ExtentY));
  s.PixelsPerMm = s.ScaleX;
  if (s.ScaleY < s.ScaleX) s.PixelsPerMm = s.ScaleY;
  const double p = s.PixelsPerMm;

  // Centred by the label's size in whole millimetres.
  PixelRect& page = s.PageRect;
  Take(page.Height, TryCLng(s.ExtentY * p));
  Take(page.Width, TryCLng(s.ExtentX * p));
  Take(page.Top, TryCLng((InnerHeight() - page.Height) * 0.5));
  Take(page.Left, TryCLng((InnerWidth() - page.Width) * 0.5));

  PixelRect& l1 = s.Label1Rect;
  l1.Top = page.Top;
  l1.Left = page.Left;
  Take(l1.Width, TryCLng(labelWidth_ * p));
  Take(l1.Height, TryCLng(labelHeight_ * p));

  // The sender line is set in at most 7 points.
  const std::int32_t senderPoints = fontSize_ > 7 ? 7 : fontSize_;
  if (const auto line = LineHeight(senderPoints)) {
    const double lines = returnAddressFormat_ == ovReturnAddressDoubleLine ? 2 : 1;
    Take(s.ReturnAddressHeight, TryCLng(*line * p * lines));
  }
  if (returnAddressFormat_ == ovReturnAddressNone) s.ReturnAddressHeight = 0;

  // The heading takes one line at the address font size.
  if (host::IsExactlyTrue(withLabelHeading_)) {
    if (const auto line = LineHeight(fontSize_)) Take(s.HeadingHeight, TryCLng(*line * p));
  } else {
    s.HeadingHeight = 0;
  }

  // A gap exists only between parts that are both there.
  Take(s.HeadingGap, TryIntL(labelHeadingSpace_ * p));
  if (s.HeadingHeight == 0 || s.ReturnAddressHeight == 0) s.HeadingGap = 0;
  Take(s.AddressGap, TryIntL(addressSpace_ * p));
  if (s.HeadingHeight == 0 && s.ReturnAddressHeight == 0) s.AddressGap = 0;
}

}  // namespace orvano
