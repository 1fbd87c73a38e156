// The sheet picture: refresh, layout pass, start-label marker and the accessors of the label
// arrays. The geometry comes from pure functions (sheet_grid.h) that give 0 for what they cannot
// compute, so bad measurements leave a partial picture but never stop the control; only a widget
// that can refuse a value has its error resumed.
#include <algorithm>
#include <limits>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/host/error.h"
#include "orvano/host/pure_number.h"
#include "orvano/host/strings.h"

namespace orvano {

namespace {

constexpr double kCaptionHeight = 36;
constexpr const char* kCreateHint =
    "Klicken Sie hier, um ein neues Etikett zu erstellen oder aus der Herstellerliste "
    "auszuwählen.";

}  // namespace

std::string LabelSelect::CaptionText() const {
  if (host::Trim(labelName_).empty()) {
    return host::IsExactlyTrue(allowConfig_) ? kCreateHint : "";
  }
  std::string caption = host::Trim(brand_ + " " + labelName_);
  if (!host::Trim(description_).empty()) caption += "\r\n" + description_;
  return caption;
}

// Labels that the current grid places: none when a grid dimension is not positive.
std::int32_t LabelSelect::PlacedLabels() const {
  if (sheet_.Cols <= 0 || sheet_.Rows <= 0) return 0;
  return std::max(labelCount_, 0);
}

// Showing, hiding and raising the picture's parts cannot fail: none of them takes the focus.
void LabelSelect::RefreshSheet() {
  Selector_->SetVisible(false);
  for (host::Line* arrow : {Arrow1_.get(), Arrow2_.get(), Arrow3_.get()}) arrow->SetVisible(false);
  for (host::VirtualArray* array :
       {lblLabel_.get(), DirectionLine_.get(), shpLabelBack_.get(), shpLabelBorder_.get()}) {
    array->SetVisible(false);
  }

  // A grid past 32 bits counts as before.
  if (const auto count = sheet::LabelCount(sheet_.Cols, sheet_.Rows)) labelCount_ = *count;
  // The last number, unless it is past 32 bits.
  if (labelCount_ > std::numeric_limits<std::int32_t>::min() && labelId_ > labelCount_ - 1) {
    labelId_ = 0;
  }
  // The arrays only grow; their elements are computed, so growing costs nothing.
  loaded_ = std::max(loaded_, labelCount_);

  LayoutSheet();

  const std::int32_t placed = PlacedLabels();
  auto show = [](auto& part) {
    part.SetVisible(true);
    part.BringToFront();
  };
  if (placed > 0) show(*shpLabelBack_);
  if (sheet_.Rows >= 2 && sheet_.Cols >= 2) {
    if (placed > 1) show(*DirectionLine_);
    if (labelCount_ > 1) {
      for (host::Line* arrow : {Arrow1_.get(), Arrow2_.get(), Arrow3_.get()}) show(*arrow);
    }
  }
  if (placed > 0) {
    show(*shpLabelBorder_);
    show(*lblLabel_);
  }
  MarqueeLabel(labelId_);
}

void LabelSelect::UserControl_Resize() { LayoutSheet(); }

void LabelSelect::LayoutSheet() {
  const double innerWidth = site_.ScaleWidth();
  const double innerHeight = site_.ScaleHeight();

  const std::string caption = CaptionText();
  txtLabelName_->SetCaption(caption);
  const double captionHeight = host::Trim(caption).empty() ? 0 : kCaptionHeight;
  // The container's inner size is never negative; the caption takes what it is given.
  host::Resume([&] { txtLabelName_->SetWidth(static_cast<float>(innerWidth)); });
  host::Resume([&] { txtLabelName_->SetHeight(static_cast<float>(captionHeight)); });

  const sheet::Picture pic = sheet::LayOut(sheet_, innerWidth, innerHeight, captionHeight);
  shpPaper_->Move(static_cast<float>(pic.pageLeft), static_cast<float>(pic.pageTop),
                  static_cast<float>(pic.pageWidth), static_cast<float>(pic.pageHeight));
  txtLabelName_->SetTop(static_cast<float>(pic.pageTop) + pic.pageHeight + 5);

  // The label areas, faces and outlines, path and tooltips all follow from these values.
  grid_.cols = sheet_.Cols;
  grid_.rows = sheet_.Rows;
  grid_.direction = direction_;
  grid_.placed = PlacedLabels();
  grid_.originX = static_cast<double>(pic.pageLeft) + pic.borderLeft;
  grid_.originY = static_cast<double>(pic.pageTop) + pic.borderTop;
  grid_.pitchX = static_cast<std::int64_t>(pic.labelWidth) + pic.gapWidth;
  grid_.pitchY = static_cast<std::int64_t>(pic.labelHeight) + pic.gapHeight;
  grid_.stroke = pic.stroke;
  // A widget refuses a negative size or a line width below 1 and keeps what it had.
  if (pic.labelWidth + 1.0 >= 0) grid_.width = pic.labelWidth + 1.0;
  if (pic.labelHeight + 1.0 >= 0) grid_.height = pic.labelHeight + 1.0;
  if (pic.stroke >= 1) grid_.straightWidth = pic.stroke;
  if (pic.diagonal >= 1) grid_.diagonalWidth = pic.diagonal;
  for (auto* array :
       {shpLabelBack_.get(), shpLabelBorder_.get(), lblLabel_.get(), DirectionLine_.get()}) {
    array->Invalidate();
  }

  PlaceArrowhead();

  if (labelId_ >= 0 && labelId_ < grid_.placed) {
    const sheet::Rect r = grid_.LabelRect(labelId_);
    Selector_->Move(static_cast<float>(r.left), static_cast<float>(r.top),
                    static_cast<float>(r.width), static_cast<float>(r.height));
  }
}

// The arrowhead on the last path segment: pointing right when filling row by row, down when
// filling column by column. Its coordinates come from whole pixels, so every one is finite.
void LabelSelect::PlaceArrowhead() {
  const std::int64_t last = static_cast<std::int64_t>(labelCount_) - 1;
  if (last < 1 || last >= grid_.placed) return;
  const sheet::Segment L = grid_.PathSegment(last);
  const double s = grid_.stroke;
  const double d = s / 4.7;
  const double t = 1.8 * s;
  const auto f = [](double v) { return static_cast<float>(v); };
  host::Line& a1 = *Arrow1_;
  host::Line& a2 = *Arrow2_;
  host::Line& a3 = *Arrow3_;
  // Later ends are measured from the ones already placed, as the lines hold them.
  if (grid_.direction == ovLeftRight) {
    a1.SetX1(f(L.x2 - s / 2));
    a1.SetX2(a1.X1());
    a1.SetY1(f(L.y1 - s / 2));
    a1.SetY2(f(L.y1 + s / 2));
    a2.SetX1(f(a1.X1() + d));
    a2.SetX2(f(a2.X1() + t));
    a2.SetY1(a1.Y1());
    a2.SetY2(f(L.y1));
    a3.SetX1(f(a1.X1() + d));
    a3.SetX2(f(a2.X1() + t));
    a3.SetY1(a1.Y2());
    a3.SetY2(f(L.y1));
  } else {
    a1.SetX1(f(L.x2 - s / 2));
    a1.SetX2(f(L.x2 + s / 2));
    a1.SetY1(f(L.y2 - s / 2));
    a1.SetY2(a1.Y1());
    a2.SetX1(a1.X1());
    a2.SetX2(f(L.x2));
    a2.SetY1(f(a1.Y1() + d));
    a2.SetY2(f(a1.Y1() + t));
    a3.SetX1(a1.X2());
    a3.SetX2(f(L.x2));
    a3.SetY1(f(a1.Y1() + d));
    a3.SetY2(f(a1.Y1() + t));
  }
  const std::int32_t width = host::TryCLng(s / 1.3).value_or(0);
  for (host::Line* arrow : {Arrow1_.get(), Arrow2_.get(), Arrow3_.get()}) {
    // Too thin a stroke gives a width the line refuses; it keeps the one it had.
    host::Resume([&] { arrow->SetBorderWidth(width); });
  }
}

void LabelSelect::MarqueeLabel(std::int32_t id) {
  Selector_->SetVisible(false);
  if (!host::IsExactlyTrue(allowMarquee_)) {
    labelId_ = -1;
    return;
  }
  labelId_ = id;
  // A number without a label on the sheet (outside the grid, or -1) keeps the marker hidden
  // instead of showing it somewhere no label is.
  if (id < 0 || id >= grid_.placed) return;
  const sheet::Rect r = grid_.LabelRect(id);
  Selector_->Move(static_cast<float>(r.left), static_cast<float>(r.top),
                  static_cast<float>(r.width), static_cast<float>(r.height));
  Selector_->BringToFront();
  Selector_->SetVisible(true);
}

// ---- the label arrays as hosts and tests see them

host::VirtualArray& LabelSelect::Array(SheetArray array) const {
  switch (array) {
    case SheetArray::LabelBack: return *shpLabelBack_;
    case SheetArray::LabelBorder: return *shpLabelBorder_;
    case SheetArray::DirectionLine: return *DirectionLine_;
    case SheetArray::LabelArea: break;
  }
  return *lblLabel_;
}

void LabelSelect::CheckIndex(std::int32_t index) const {
  if (index < 0 || index >= loaded_) host::Raise(host::ErrorKind::SubscriptOutOfRange);
}

bool LabelSelect::ElementVisible(SheetArray array, std::int32_t index) const {
  CheckIndex(index);
  if (!Array(array).Visible() || index >= grid_.placed) return false;
  return array != SheetArray::DirectionLine || index >= 1;
}

SheetRect LabelSelect::LabelRect(std::int32_t index) const {
  CheckIndex(index);
  const sheet::Rect r = grid_.LabelRect(index);
  return {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.width),
          static_cast<float>(r.height)};
}

SheetLine LabelSelect::DirectionLineGeometry(std::int32_t index) const {
  CheckIndex(index);
  if (index == 0) return {};  // label 0 has no segment leading into it
  const sheet::Segment s = grid_.PathSegment(index);
  return {static_cast<float>(s.x1), static_cast<float>(s.y1), static_cast<float>(s.x2),
          static_cast<float>(s.y2), s.width};
}

std::string LabelSelect::ToolTip(std::int32_t index) const {
  CheckIndex(index);
  return grid_.ToolTip(index);
}

std::int32_t LabelSelect::HitTest(float x, float y) const {
  if (!lblLabel_->Visible()) return -1;
  return static_cast<std::int32_t>(grid_.HitTest(x, y));
}

}  // namespace orvano
