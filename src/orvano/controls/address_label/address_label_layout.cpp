// The layout of AddressLabel: the label at real size (56.69 twips per mm) or shrunk evenly to fit
// the control, its cut-corner outline, and the sender line, heading and address box at the
// label's inner margins, cut off just inside the label's lower edge.
//
// Every value comes from a pure computation; one that cannot be computed (from measurements that
// are no numbers, or too large) is not assigned and the rest of the layout still happens. Only a
// size or font size that the widget may refuse has its error resumed: the widget keeps its old
// value.
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/host/error.h"
#include "orvano/host/platform.h"
#include "orvano/host/pure_number.h"
#include "orvano/host/runtime.h"
#include "orvano/host/strings.h"
#include "orvano/model/page_format.h"

namespace orvano {

namespace {

using host::Resume;

constexpr double k = kTwipsPerMm;

// The address box is hidden unless this much room (twips, not scaled) is left above the bottom.
constexpr double kMinAddressRoom = 225;

// Twips handed to a widget are single precision. A value that type cannot hold (or no number at
// all, from NaN or infinite measurements) is nothing, so the widget never sees it.
std::optional<float> Single(double twips) {
  if (!std::isfinite(twips) || std::fabs(twips) > std::numeric_limits<float>::max()) {
    return std::nullopt;
  }
  return static_cast<float>(twips);
}

// A position: any finite value is taken.
template <class W>
void Put(W& widget, void (W::*set)(float), double twips) {
  if (const auto v = Single(twips)) (widget.*set)(*v);
}

// A size: a negative one is refused and the widget keeps what it had.
void Size(host::Widget& widget, void (host::Widget::*set)(float), double twips) {
  if (const auto v = Single(twips)) Resume([&] { (widget.*set)(*v); });
}

// One end of an outline line: measured from the near edge (0) or the far one (R or B), plus a
// number of pixels.
struct End {
  bool far;
  int pixels;
};
struct Piece {
  End x1, y1, x2, y2;
};

// The outline: four edges, and at each corner a level and an upright step two pixels long.
constexpr Piece kOutline[12] = {
    {{false, 4}, {false, 0}, {true, -4}, {false, 0}},  // top edge
    {{false, 2}, {false, 1}, {false, 4}, {false, 1}},  // top left, level
    {{true, -4}, {false, 1}, {true, -2}, {false, 1}},  // top right, level
    {{false, 1}, {false, 2}, {false, 1}, {false, 4}},  // top left, upright
    {{true, -2}, {false, 2}, {true, -2}, {false, 4}},  // top right, upright
    {{false, 0}, {false, 4}, {false, 0}, {true, -4}},  // left edge
    {{true, -1}, {false, 4}, {true, -1}, {true, -4}},  // right edge
    {{false, 1}, {true, -4}, {false, 1}, {true, -2}},  // bottom left, upright
    {{true, -2}, {true, -4}, {true, -2}, {true, -2}},  // bottom right, upright
    {{false, 2}, {true, -2}, {false, 4}, {true, -2}},  // bottom left, level
    {{true, -4}, {true, -2}, {true, -2}, {true, -2}},  // bottom right, level
    {{false, 4}, {true, -1}, {true, -4}, {true, -1}},  // bottom edge
};

double Coordinate(End end, double farEdge, double perPixel) {
  return (end.far ? farEdge : 0.0) + end.pixels * perPixel;
}

// Sender line and heading: hidden when they start below the bottom, else cut to end there.
void FitCaption(host::Label& caption, std::int32_t bottom) {
  if (caption.Top() > bottom) {
    caption.SetVisible(false);
  } else if (static_cast<double>(caption.Top()) + caption.Height() > bottom) {
    Size(caption, &host::Widget::SetHeight, bottom - static_cast<double>(caption.Top()));
  }
}

}  // namespace

void AddressLabel::UserControl_Resize() {
  const double s = LayoutScale();
  LayoutBack(s);
  LayoutOutline(s);
  LayoutReturnAddress(s);
  const bool hasHeading = LayoutHeading(s);
  LayoutAddressBox(s, hasHeading);
  LayoutFontSizes(s);
  FitToBottom(s);
}

// Four pixels of the control's width and height go to the outline; the label keeps its
// proportions and is never enlarged. A side whose factor cannot be worked out (a label width or
// height of 0, not a number, or too small to divide by) sets no limit: the label is then fitted
// by the other side alone, or shown at real size. A zero side needs no room, and this keeps every
// later step on a defined scale.
double AddressLabel::LayoutScale() const {
  host::Platform& platform = site_.GetPlatform();
  double s = 1;
  const auto sx =
      host::TryDiv(site_.ScaleWidth() - 4.0 * platform.TwipsPerPixelX(), labelWidth_ * k);
  if (sx && *sx < s) s = *sx;
  const auto sy =
      host::TryDiv(site_.ScaleHeight() - 4.0 * platform.TwipsPerPixelY(), labelHeight_ * k);
  if (sy && *sy < s) s = *sy;
  return s;
}

void AddressLabel::LayoutBack(double s) {
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  Put<host::Widget>(*back_, &host::Widget::SetTop, 1 * py);
  Put<host::Widget>(*back_, &host::Widget::SetLeft, 1 * px);
  Size(*back_, &host::Widget::SetWidth, labelWidth_ * k * s + 2 * px);
  Size(*back_, &host::Widget::SetHeight, labelHeight_ * k * s + 2 * py);
}

void AddressLabel::LayoutOutline(double s) {
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  const double right = 4 * px + labelWidth_ * k * s;
  const double bottom = 4 * py + labelHeight_ * k * s;
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(std::size(kOutline)); ++i) {
    const Piece& p = kOutline[i];
    host::Line& line = border_[i];
    Put(line, &host::Line::SetX1, Coordinate(p.x1, right, px));
    Put(line, &host::Line::SetY1, Coordinate(p.y1, bottom, py));
    Put(line, &host::Line::SetX2, Coordinate(p.x2, right, px));
    Put(line, &host::Line::SetY2, Coordinate(p.y2, bottom, py));
  }
}

void AddressLabel::LayoutReturnAddress(double s) {
  host::Label& sender = *lblReturnAddress_;
  if (returnAddressFormat_ == ovReturnAddressNone) {
    if (sender.Visible()) sender.SetVisible(false);
    return;
  }
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  // Every format but the single line, codes outside the enumeration too, takes two lines.
  const double lines = returnAddressFormat_ == ovReturnAddressSingleLine ? 4 : 7;
  if (!sender.Visible()) sender.SetVisible(true);
  Put<host::Widget>(sender, &host::Widget::SetLeft, 2 * px + labelBorderLeft_ * k * s);
  Put<host::Widget>(sender, &host::Widget::SetTop, 2 * py + labelBorderTop_ * k * s);
  Size(sender, &host::Widget::SetWidth,
       (labelWidth_ - labelBorderLeft_ - labelBorderRight_) * k * s);
  Size(sender, &host::Widget::SetHeight, lines * k * s);
}

bool AddressLabel::LayoutHeading(double s) {
  host::Label& heading = *lblLabelHeading_;
  const host::Label& sender = *lblReturnAddress_;
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  Put<host::Widget>(
      heading, &host::Widget::SetTop,
      returnAddressFormat_ == ovReturnAddressNone
          ? 2 * py + labelBorderTop_ * k * s
          : static_cast<double>(sender.Top()) + sender.Height() + labelHeadingSpace_ * k * s);
  Put<host::Widget>(heading, &host::Widget::SetLeft, 2 * px + labelBorderLeft_ * k * s);
  Size(heading, &host::Widget::SetWidth,
       (labelWidth_ - labelBorderLeft_ - labelBorderRight_) * k * s);
  // A heading of blanks only is no heading.
  const bool hasHeading = !host::Trim(labelHeading_).empty();
  if (hasHeading) {
    Size(heading, &host::Widget::SetHeight, 5 * k * s);
    if (!heading.Visible()) heading.SetVisible(true);
  } else {
    heading.SetHeight(0);
    if (heading.Visible()) heading.SetVisible(false);
  }
  return hasHeading;
}

void AddressLabel::LayoutAddressBox(double s, bool hasHeading) {
  host::TextBox& box = *txtAddress_;
  const host::Label& above = hasHeading ? *lblLabelHeading_ : *lblReturnAddress_;
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  Put<host::Widget>(
      box, &host::Widget::SetTop,
      !hasHeading && returnAddressFormat_ == ovReturnAddressNone
          ? 2 * py + labelBorderTop_ * k * s
          : static_cast<double>(above.Top()) + above.Height() + addressSpace_ * k * s);
  Put<host::Widget>(box, &host::Widget::SetLeft, 2 * px + labelBorderLeft_ * k * s);
  Size(box, &host::Widget::SetWidth, (labelWidth_ - labelBorderLeft_ - labelBorderRight_) * k * s);
  Size(box, &host::Widget::SetHeight,
       (labelHeight_ - labelBorderBottom_) * k * s - box.Top() + 1 * py);
}

// Real size and a little below it keep the full sizes; smaller labels get smaller type. A size
// that comes out as 0 is offered anyway; a widget that cannot take it keeps its old size.
void AddressLabel::LayoutFontSizes(double s) {
  double f = 1.2 * s;
  if (f > 1) f = 1;
  const auto small = Single(host::Int(7 * f));
  const auto large = Single(host::Int(10 * f));
  if (small) Resume([&] { lblReturnAddress_->SetFontSize(*small); });
  if (large) Resume([&] { lblLabelHeading_->SetFontSize(*large); });
  if (large) Resume([&] { txtAddress_->SetFontSize(*large); });
}

void AddressLabel::FitToBottom(double s) {
  const double py = site_.GetPlatform().TwipsPerPixelY();
  // When the label's height cannot be measured, nothing counts as fitting.
  const std::int32_t bottom = host::TryCLng(labelHeight_ * k * s - 2 * py).value_or(0);

  FitCaption(*lblReturnAddress_, bottom);
  FitCaption(*lblLabelHeading_, bottom);

  host::TextBox& box = *txtAddress_;
  // The box takes the focus, so hiding it may run the host's handlers.
  Resume([&] {
    if (box.Top() + kMinAddressRoom > bottom) {
      box.SetVisible(false);
      return;
    }
    if (static_cast<double>(box.Top()) + box.Height() > bottom) {
      Size(box, &host::Widget::SetHeight, bottom - static_cast<double>(box.Top()));
    }
    box.SetVisible(true);
  });
}

}  // namespace orvano
