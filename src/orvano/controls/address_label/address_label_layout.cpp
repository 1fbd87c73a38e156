// The layout of AddressLabel: the label at real size (56.69 twips per mm) or shrunk evenly to fit
// the control, its cut-corner outline, and the sender line, heading and address box at the
// label's inner margins, cut off just inside the label's lower edge.
//
// Every assignment to a widget is a statement of its own with errors resumed: a widget that
// refuses a value keeps its old one and the rest of the layout still happens.
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/host/error.h"
#include "orvano/host/platform.h"
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
// all, from NaN or infinite measurements) fails as the platform's conversion does, so the widget
// never sees it.
float Single(double twips) {
  if (!std::isfinite(twips) || std::fabs(twips) > std::numeric_limits<float>::max()) {
    host::Raise(host::ErrorKind::Overflow);
  }
  return static_cast<float>(twips);
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
  Resume([&] {
    if (caption.Top() > bottom) {
      caption.SetVisible(false);
    } else if (static_cast<double>(caption.Top()) + caption.Height() > bottom) {
      caption.SetHeight(Single(bottom - static_cast<double>(caption.Top())));
    }
  });
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
  Resume([&] {
    const double sx =
        host::Div(site_.ScaleWidth() - 4.0 * platform.TwipsPerPixelX(), labelWidth_ * k);
    if (sx < s) s = sx;
  });
  Resume([&] {
    const double sy =
        host::Div(site_.ScaleHeight() - 4.0 * platform.TwipsPerPixelY(), labelHeight_ * k);
    if (sy < s) s = sy;
  });
  return s;
}

void AddressLabel::LayoutBack(double s) {
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  Resume([&] { back_->SetTop(Single(1 * py)); });
  Resume([&] { back_->SetLeft(Single(1 * px)); });
  Resume([&] { back_->SetWidth(Single(labelWidth_ * k * s + 2 * px)); });
  Resume([&] { back_->SetHeight(Single(labelHeight_ * k * s + 2 * py)); });
}

void AddressLabel::LayoutOutline(double s) {
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  const double right = 4 * px + labelWidth_ * k * s;
  const double bottom = 4 * py + labelHeight_ * k * s;
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(std::size(kOutline)); ++i) {
    const Piece& p = kOutline[i];
    Resume([&] { border_[i].SetX1(Single(Coordinate(p.x1, right, px))); });
    Resume([&] { border_[i].SetY1(Single(Coordinate(p.y1, bottom, py))); });
    Resume([&] { border_[i].SetX2(Single(Coordinate(p.x2, right, px))); });
    Resume([&] { border_[i].SetY2(Single(Coordinate(p.y2, bottom, py))); });
  }
}

void AddressLabel::LayoutReturnAddress(double s) {
  host::Label& sender = *lblReturnAddress_;
  if (returnAddressFormat_ == ovReturnAddressNone) {
    Resume([&] {
      if (sender.Visible()) sender.SetVisible(false);
    });
    return;
  }
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  // Every format but the single line, codes outside the enumeration too, takes two lines.
  const double lines = returnAddressFormat_ == ovReturnAddressSingleLine ? 4 : 7;
  Resume([&] {
    if (!sender.Visible()) sender.SetVisible(true);
  });
  Resume([&] { sender.SetLeft(Single(2 * px + labelBorderLeft_ * k * s)); });
  Resume([&] { sender.SetTop(Single(2 * py + labelBorderTop_ * k * s)); });
  Resume([&] {
    sender.SetWidth(Single((labelWidth_ - labelBorderLeft_ - labelBorderRight_) * k * s));
  });
  Resume([&] { sender.SetHeight(Single(lines * k * s)); });
}

bool AddressLabel::LayoutHeading(double s) {
  host::Label& heading = *lblLabelHeading_;
  const host::Label& sender = *lblReturnAddress_;
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  Resume([&] {
    if (returnAddressFormat_ == ovReturnAddressNone) {
      heading.SetTop(Single(2 * py + labelBorderTop_ * k * s));
    } else {
      heading.SetTop(
          Single(static_cast<double>(sender.Top()) + sender.Height() + labelHeadingSpace_ * k * s));
    }
  });
  Resume([&] { heading.SetLeft(Single(2 * px + labelBorderLeft_ * k * s)); });
  Resume([&] {
    heading.SetWidth(Single((labelWidth_ - labelBorderLeft_ - labelBorderRight_) * k * s));
  });
  // A heading of blanks only is no heading.
  const bool hasHeading = !host::Trim(labelHeading_).empty();
  if (hasHeading) {
    Resume([&] { heading.SetHeight(Single(5 * k * s)); });
    Resume([&] {
      if (!heading.Visible()) heading.SetVisible(true);
    });
  } else {
    Resume([&] { heading.SetHeight(0); });
    Resume([&] {
      if (heading.Visible()) heading.SetVisible(false);
    });
  }
  return hasHeading;
}

void AddressLabel::LayoutAddressBox(double s, bool hasHeading) {
  host::TextBox& box = *txtAddress_;
  const host::Label& above = hasHeading ? *lblLabelHeading_ : *lblReturnAddress_;
  host::Platform& platform = site_.GetPlatform();
  const double px = platform.TwipsPerPixelX();
  const double py = platform.TwipsPerPixelY();
  Resume([&] {
    if (!hasHeading && returnAddressFormat_ == ovReturnAddressNone) {
      box.SetTop(Single(2 * py + labelBorderTop_ * k * s));
    } else {
      box.SetTop(Single(static_cast<double>(above.Top()) + above.Height() + addressSpace_ * k * s));
    }
  });
  Resume([&] { box.SetLeft(Single(2 * px + labelBorderLeft_ * k * s)); });
  Resume(
      [&] { box.SetWidth(Single((labelWidth_ - labelBorderLeft_ - labelBorderRight_) * k * s)); });
  Resume([&] {
    box.SetHeight(Single((labelHeight_ - labelBorderBottom_) * k * s - box.Top() + 1 * py));
  });
}

// Real size and a little below it keep the full sizes; smaller labels get smaller type. A size
// that comes out as 0 is offered anyway; a widget that cannot take it keeps its old size.
void AddressLabel::LayoutFontSizes(double s) {
  double f = 1.2 * s;
  if (f > 1) f = 1;
  Resume([&] { lblReturnAddress_->SetFontSize(Single(host::Int(7 * f))); });
  Resume([&] { lblLabelHeading_->SetFontSize(Single(host::Int(10 * f))); });
  Resume([&] { txtAddress_->SetFontSize(Single(host::Int(10 * f))); });
}

void AddressLabel::FitToBottom(double s) {
  const double py = site_.GetPlatform().TwipsPerPixelY();
  // When the label's height cannot be measured, nothing counts as fitting.
  std::int32_t bottom = 0;
  Resume([&] { bottom = host::CLng(labelHeight_ * k * s - 2 * py); });

  FitCaption(*lblReturnAddress_, bottom);
  FitCaption(*lblLabelHeading_, bottom);

  host::TextBox& box = *txtAddress_;
  Resume([&] {
    if (box.Top() + kMinAddressRoom > bottom) {
      box.SetVisible(false);
      return;
    }
    Resume([&] {
      if (static_cast<double>(box.Top()) + box.Height() > bottom) {
        box.SetHeight(Single(bottom - static_cast<double>(box.Top())));
      }
    });
    box.SetVisible(true);
  });
}

}  // namespace orvano
