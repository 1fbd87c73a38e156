// Drawing both pictures. Paint never fails the host: a primitive whose coordinates cannot be
// computed in 32 bits is left out and the rest is drawn.
#include <cmath>

#include "orvano/controls/preview/address_stack.h"
#include "orvano/controls/preview/captions.h"
#include "orvano/controls/preview/drawing.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/host/error.h"

namespace orvano {

using host::CLng;
using host::DrawMode;
using host::kFalse;
using host::kTrue;
using host::Resume;
using preview_detail::CutSide;
using preview_detail::DrawBy;
using preview_detail::DrawDimensionLine;
using preview_detail::DrawLabelFace;
using preview_detail::Long;

void Preview::UserControl_Paint() {
  ComputeLayout();
  if (previewLayout_ == ovPreviewPageLayout) {
    PaintPageLayout();
  } else if (previewLayout_ == ovPreviewAddressLayout) {
    PaintAddressLayout();
  }
}

namespace {

// Background and a black frame round the whole control.
void PaintBackground(host::Surface& surface, double innerWidth, double innerHeight) {
  const float right = static_cast<float>(innerWidth - 1);
  const float bottom = static_cast<float>(innerHeight - 1);
  Resume(
      [&] { surface.Draw(0, 0, right, bottom, preview_detail::kBackground, DrawMode::FilledBox); });
  Resume([&] { surface.Draw(0, 0, right, bottom, host::kBlack, DrawMode::Box); });
}

}  // namespace

void Preview::PaintPageLayout() {
  host::Surface& surface = site_.GetSurface();
  const PixelRect& p = layout_.PageRect;
  const PixelRect& l1 = layout_.Label1Rect;
  const PixelRect& l2 = layout_.Label2Rect;
  const PixelRect& l3 = layout_.Label3Rect;
  // Wide enough that no sum below can wrap; Long() brings each argument back to 32 bits.
  const std::int64_t pTop = p.Top, pLeft = p.Left, pWidth = p.Width, pHeight = p.Height;
  const std::int64_t l1Top = l1.Top, l1Left = l1.Left;
  const std::int64_t l2Left = l2.Left, l3Top = l3.Top;
  auto line = [&](std::int64_t x, std::int64_t y, std::int64_t dx, std::int64_t dy) {
    DrawBy(surface, x, y, dx, dy, host::kBlack, DrawMode::Line);
  };
  auto dimension = [&](auto x, auto y, auto length, host::Flag vertical, host::Flag atStart,
                       host::Flag atEnd) {
    Resume([&] {
      DrawDimensionLine(surface, x(), y(), length(), vertical, host::kBlack, atStart, atEnd);
    });
  };
  auto value = [](std::int64_t v) { return [v] { return Long(v); }; };

  PaintBackground(surface, InnerWidth(), InnerHeight());
  DrawBy(surface, pLeft, pTop, pWidth - 1, pHeight - 1, preview_detail::kSheet,
         DrawMode::FilledBox);
  // The sheet's top and left edges; its right and bottom are open.
  line(pLeft, pTop, pWidth, 0);
  line(pLeft, pTop, 0, pHeight);

  DrawLabelFace(surface, l1, CutSide::None);
  if (cols_ > 1) DrawLabelFace(surface, l2, CutSide::Right);
  if (rows_ > 1) DrawLabelFace(surface, l3, CutSide::Bottom);
  if (cols_ > 1 && rows_ > 1) DrawLabelFace(surface, layout_.Label4Rect, CutSide::RightAndBottom);

  // Visible width under the sheet piece and visible height right of it, open at the start.
  dimension(value(pLeft), value(pTop + pHeight + 6), value(pWidth), kFalse, kFalse, kTrue);
  dimension(value(pLeft + pWidth + 18), value(pTop), value(pHeight), kTrue, kFalse, kTrue);
  // Label width and height, inside the first label.
  dimension(
      value(l1Left), [&] { return CLng(l1.Height * 0.36 + l1.Top); }, value(l1.Width), kFalse,
      kTrue, kTrue);
  dimension([&] { return CLng(l1.Width * 0.64 + l1.Left); }, value(l1Top), value(l1.Height), kTrue,
            kTrue, kTrue);

  // Top edges of the sheet and of the first label, extended to the left.
  line(pLeft - 38, pTop, 36, 0);
  line(pLeft - 38, l1Top, l1Left - pLeft + 36, 0);
  if (rows_ > 1) {
    line(pLeft - 38, l3Top - 1, l1Left - pLeft + 36, 0);
    dimension(value(pLeft - 32), value(l1Top), value(l3Top - l1Top), kTrue, kTrue, kTrue);
  }
  // A bent pointer into the top margin.
  dimension(
      value(pLeft - 44), [&] { return CLng(static_cast<double>(l1Top - pTop) / 2 + pTop); },
      value(21), kFalse, kFalse, kTrue);
  line(pLeft - 44, pTop, 0,
       static_cast<std::int64_t>(std::floor(static_cast<double>(l1Top - pTop) / 2)) + 1);

  // Left edges of the sheet and of the first label, extended upwards.
  line(pLeft, pTop - 14, 0, 12);
  line(l1Left, pTop - 14, 0, l1Top - pTop + 12);
  if (cols_ > 1) {
    line(l2Left - 1, pTop - 14, 0, l1Top - pTop + 12);
    dimension(value(l1Left), value(pTop - 10), value(l2Left - l1Left), kFalse, kTrue, kTrue);
  }
  // A pointer down into the left margin.
  dimension([&] { return CLng(static_cast<double>(l1Left - pLeft) / 2 + pLeft); }, value(pTop - 17),
            value(10), kTrue, kFalse, kTrue);
}

void Preview::PaintAddressLayout() {
  host::Surface& surface = site_.GetSurface();
  const PixelRect& l1 = layout_.Label1Rect;

  PaintBackground(surface, InnerWidth(), InnerHeight());
  DrawLabelFace(surface, l1, CutSide::None);

  const preview_detail::AddressStack stack = preview_detail::ComputeAddressStack(
      {labelWidth_, labelBorderLeft_, labelBorderRight_, labelBorderTop_, labelBorderBottom_},
      layout_);
  if (!stack.hasWidth) return;

  // Each part is tested on its own; a part of height 0 still shows as a dotted line. A part
  // whose place could not be computed is left out.
  if (!stack.x || !stack.width || !stack.innerBottom) return;
  const std::int64_t x = *stack.x, width = *stack.width, bottom = *stack.innerBottom;
  auto part = [&](const std::optional<std::int32_t>& top, std::int64_t height) {
    if (top && *top + height < bottom) {
      preview_detail::DrawDottedBox(surface, x, *top, width, height);
    }
  };
  part(stack.y1, layout_.ReturnAddressHeight);
  part(stack.y2, layout_.HeadingHeight);
  if (stack.y3 && *stack.y3 < bottom) {
    preview_detail::DrawDottedBox(surface, x, *stack.y3, width, bottom - *stack.y3);
  }
}

}  // namespace orvano
