// The sheet picture: refresh, layout pass, start-label marker and the accessors of the label
// arrays. Every step resumes after a platform error, so bad measurements leave a partial picture
// but never stop the control.
#include <algorithm>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/host/error.h"
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
  if (cols_ <= 0 || rows_ <= 0) return 0;
  return std::max(labelCount_, 0);
}

void LabelSelect::RefreshSheet() {
  using host::Resume;
  Resume([&] { Selector_->SetVisible(false); });
  Resume([&] { Arrow1_->SetVisible(false); });
  Resume([&] { Arrow2_->SetVisible(false); });
  Resume([&] { Arrow3_->SetVisible(false); });
  Resume([&] { lblLabel_->SetVisible(false); });
  Resume([&] { DirectionLine_->SetVisible(false); });
  Resume([&] { shpLabelBack_->SetVisible(false); });
  Resume([&] { shpLabelBorder_->SetVisible(false); });

  Resume([&] { labelCount_ = host::MulL(cols_, rows_); });
  Resume([&] {
    if (labelId_ > host::SubL(labelCount_, 1)) labelId_ = 0;
  });
  // The arrays only grow; their elements are computed, so growing costs nothing.
  loaded_ = std::max(loaded_, labelCount_);

  LayoutSheet();

  const std::int32_t placed = PlacedLabels();
  if (placed > 0) {
    Resume([&] { shpLabelBack_->SetVisible(true); });
    Resume([&] { shpLabelBack_->BringToFront(); });
  }
  if (rows_ >= 2 && cols_ >= 2) {
    if (placed > 1) {
      Resume([&] { DirectionLine_->SetVisible(true); });
      Resume([&] { DirectionLine_->BringToFront(); });
    }
    if (labelCount_ > 1) {
      for (host::Line* arrow : {Arrow1_.get(), Arrow2_.get(), Arrow3_.get()}) {
        Resume([&] { arrow->SetVisible(true); });
        Resume([&] { arrow->BringToFront(); });
      }
    }
  }
  if (placed > 0) {
    Resume([&] { shpLabelBorder_->SetVisible(true); });
    Resume([&] { shpLabelBorder_->BringToFront(); });
    Resume([&] { lblLabel_->SetVisible(true); });
    Resume([&] { lblLabel_->BringToFront(); });
  }
  MarqueeLabel(labelId_);
}

void LabelSelect::UserControl_Resize() { LayoutSheet(); }

void LabelSelect::LayoutSheet() {
  using host::IntL;
  using host::Resume;
  const double innerWidth = site_.ScaleWidth();
  const double innerHeight = site_.ScaleHeight();

  std::string caption;
  Resume([&] {
    caption = CaptionText();
    txtLabelName_->SetCaption(caption);
  });
  const double captionHeight = host::Trim(caption).empty() ? 0 : kCaptionHeight;
  Resume([&] { txtLabelName_->SetWidth(static_cast<float>(innerWidth)); });
  Resume([&] { txtLabelName_->SetHeight(static_cast<float>(captionHeight)); });

  double scale = 0;
  std::int32_t pageW = 0, pageH = 0, pageLeft = 0, pageTop = 0;
  Resume([&] {
    scale = std::min(host::Div(innerWidth, pageWidth_),
                     host::Div(innerHeight - captionHeight, pageHeight_));
  });
  Resume([&] { pageW = IntL(scale * pageWidth_); });
  Resume([&] { pageH = IntL(scale * pageHeight_); });
  Resume([&] { pageLeft = IntL((innerWidth - pageW) / 2); });
  Resume([&] { pageTop = IntL((innerHeight - pageH - captionHeight) / 2); });
  shpPaper_->Move(static_cast<float>(pageLeft), static_cast<float>(pageTop),
                  static_cast<float>(pageW), static_cast<float>(pageH));
  Resume([&] { txtLabelName_->SetTop(static_cast<float>(pageTop) + pageH + 5); });

  std::int32_t bl = 0, bt = 0, gw = 0, gh = 0, lw = 0, lh = 0, stroke = 0;
  Resume([&] { bl = IntL(scale * borderLeft_); });
  Resume([&] { bt = IntL(scale * borderTop_); });
  Resume([&] { gw = IntL(scale * spaceWidth_); });
  Resume([&] { gh = IntL(scale * spaceHeight_); });
  Resume([&] { lw = IntL(scale * labelWidth_); });
  Resume([&] { lh = IntL(scale * labelHeight_); });
  Resume([&] { stroke = host::CLng(std::min(lw, lh) / 5.0); });

  // The label areas, faces and outlines, path and tooltips all follow from these values.
  grid_.cols = cols_;
  grid_.rows = rows_;
  grid_.byColumns = direction_ != ovLeftRight;
  grid_.placed = PlacedLabels();
  grid_.originX = static_cast<double>(pageLeft) + bl;
  grid_.originY = static_cast<double>(pageTop) + bt;
  grid_.pitchX = static_cast<std::int64_t>(lw) + gw;
  grid_.pitchY = static_cast<std::int64_t>(lh) + gh;
  grid_.stroke = stroke;
  // A widget refuses a negative size or a line width below 1 and keeps what it had.
  if (lw + 1.0 >= 0) grid_.width = lw + 1.0;
  if (lh + 1.0 >= 0) grid_.height = lh + 1.0;
  if (stroke >= 1) grid_.straightWidth = stroke;
  std::int32_t diagonal = 0;
  Resume([&] { diagonal = host::CLng(stroke / 3.0); });
  if (diagonal >= 1) grid_.diagonalWidth = diagonal;
  for (auto* array :
       {shpLabelBack_.get(), shpLabelBorder_.get(), lblLabel_.get(), DirectionLine_.get()}) {
    Resume([&] { array->Invalidate(); });
  }

  PlaceArrowhead();

  if (labelId_ >= 0 && labelId_ < grid_.placed) {
    const sheet::Rect r = grid_.LabelRect(labelId_);
    Selector_->Move(static_cast<float>(r.left), static_cast<float>(r.top),
                    static_cast<float>(r.width), static_cast<float>(r.height));
  }
}

// The arrowhead on the last path segment: pointing right when filling row by row, down when
// filling column by column.
void LabelSelect::PlaceArrowhead() {
  using host::Resume;
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
  if (!grid_.byColumns) {
    Resume([&] { a1.SetX1(f(L.x2 - s / 2)); });
    Resume([&] { a1.SetX2(a1.X1()); });
    Resume([&] { a1.SetY1(f(L.y1 - s / 2)); });
    Resume([&] { a1.SetY2(f(L.y1 + s / 2)); });
    Resume([&] { a2.SetX1(f(a1.X1() + d)); });
    Resume([&] { a2.SetX2(f(a2.X1() + t)); });
    Resume([&] { a2.SetY1(a1.Y1()); });
    Resume([&] { a2.SetY2(f(L.y1)); });
    Resume([&] { a3.SetX1(f(a1.X1() + d)); });
    Resume([&] { a3.SetX2(f(a2.X1() + t)); });
    Resume([&] { a3.SetY1(a1.Y2()); });
    Resume([&] { a3.SetY2(f(L.y1)); });
  } else {
    Resume([&] { a1.SetX1(f(L.x2 - s / 2)); });
    Resume([&] { a1.SetX2(f(L.x2 + s / 2)); });
    Resume([&] { a1.SetY1(f(L.y2 - s / 2)); });
    Resume([&] { a1.SetY2(a1.Y1()); });
    Resume([&] { a2.SetX1(a1.X1()); });
    Resume([&] { a2.SetX2(f(L.x2)); });
    Resume([&] { a2.SetY1(f(a1.Y1() + d)); });
    Resume([&] { a2.SetY2(f(a1.Y1() + t)); });
    Resume([&] { a3.SetX1(a1.X2()); });
    Resume([&] { a3.SetX2(f(L.x2)); });
    Resume([&] { a3.SetY1(f(a1.Y1() + d)); });
    Resume([&] { a3.SetY2(f(a1.Y1() + t)); });
  }
  std::int32_t width = 0;
  Resume([&] { width = host::CLng(s / 1.3); });
  for (host::Line* arrow : {&a1, &a2, &a3}) {
    Resume([&] { arrow->SetBorderWidth(width); });
  }
}

void LabelSelect::MarqueeLabel(std::int32_t id) {
  using host::Resume;
  Resume([&] { Selector_->SetVisible(false); });
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
  Resume([&] { Selector_->BringToFront(); });
  Resume([&] { Selector_->SetVisible(true); });
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
