#include "orvano/controls/label_select/label_select.h"

#include <utility>

#include "orvano/controls/control_properties.h"

#include "orvano/catalog/lookup.h"
#include "orvano/host/color.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano {

namespace {

constexpr host::Color kPaperGrey = host::Rgb(240, 240, 240);
constexpr host::Color kPathGrey = host::Rgb(224, 224, 224);
constexpr host::Color kMarkerRed = host::Rgb(255, 0, 0);

// Empty until the library is assembled: the settings dialog lives in a higher layer.
LabelConfigRunner& DefaultRunner() {
  static LabelConfigRunner runner;
  return runner;
}

host::ShapeStyle Style(host::ShapeKind kind, bool filled, host::Color fill, bool outlined,
                       host::Color outline, std::int32_t width) {
  host::ShapeStyle s;
  s.kind = kind;
  s.filled = filled;
  s.fill = fill;
  s.outlined = outlined;
  s.outline = outline;
  s.outlineWidth = width;
  return s;
}

}  // namespace

LabelSelect::LabelSelect(host::Container& site)
    : site_(site),
      backSource_(grid_, false),
      borderSource_(grid_, false),
      areaSource_(grid_, true),
      pathSource_(grid_),
      configRunner_(DefaultRunner()) {
  using host::ShapeKind;
  site_.SetScaleMode(host::ScaleMode::Pixels);

  // Created back to front; every refresh restores this order.
  txtLabelName_ = site_.CreateLabel("txtLabelName");
  host::Font captionFont;
  captionFont.name = "Tahoma";
  captionFont.size = 6.75f;
  txtLabelName_->SetFont(captionFont);
  txtLabelName_->SetAlignment(host::Alignment::Center);
  txtLabelName_->SetWordWrap(true);
  txtLabelName_->OnClick([this] { txtLabelName_Click(); });

  shpPaper_ = site_.CreateShape(
      "shpPaper", Style(ShapeKind::Rectangle, true, kPaperGrey, true, host::kBlack, 1));
  shpLabelBack_ = site_.CreateVirtualArray(
      "shpLabelBack", host::ArrayKind::Shapes,
      Style(ShapeKind::RoundedRectangle, true, host::kWhite, false, host::kBlack, 1));
  DirectionLine_ = site_.CreateVirtualArray(
      "DirectionLine", host::ArrayKind::Lines,
      Style(ShapeKind::Rectangle, false, host::kWhite, true, kPathGrey, 1));
  Arrow1_ = site_.CreateLine("Arrow1");
  Arrow2_ = site_.CreateLine("Arrow2");
  Arrow3_ = site_.CreateLine("Arrow3");
  for (host::Line* arrow : {Arrow1_.get(), Arrow2_.get(), Arrow3_.get()}) {
    arrow->SetBorderColor(kPathGrey);
    arrow->SetVisible(false);
  }
  shpLabelBorder_ = site_.CreateVirtualArray(
      "shpLabelBorder", host::ArrayKind::Shapes,
      Style(ShapeKind::RoundedRectangle, false, host::kWhite, true, host::kBlack, 1));
  lblLabel_ = site_.CreateVirtualArray("lblLabel", host::ArrayKind::ClickAreas, host::ShapeStyle{});
  Selector_ = site_.CreateShape(
      "Selector", Style(ShapeKind::RoundedRectangle, false, host::kWhite, true, kMarkerRed, 3));
  Selector_->SetVisible(false);

  shpLabelBack_->SetSource(&backSource_);
  DirectionLine_->SetSource(&pathSource_);
  shpLabelBorder_->SetSource(&borderSource_);
  lblLabel_->SetSource(&areaSource_);
  lblLabel_->OnClick(
      [this](std::int64_t index) { lblLabel_Click(static_cast<std::int32_t>(index)); });

  site_.Attach(this);
  UserControl_Initialize();
}

LabelSelect::~LabelSelect() {
  site_.Attach(nullptr);
  // The sources go before the arrays do.
  for (auto* array :
       {shpLabelBack_.get(), DirectionLine_.get(), shpLabelBorder_.get(), lblLabel_.get()}) {
    host::Resume([&] { array->SetSource(nullptr); });
  }
}

void LabelSelect::UserControl_Initialize() {
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_PROPERTY_START)
  RefreshSheet();
}

// The stock fields, brand, label name and description; nothing else.
void LabelSelect::SetDefaults() {
  sheet_ = SheetGeometry::DefaultStock();
  brand_.clear();
  labelName_.clear();
  description_.clear();
}

// ---- properties

#define ORVANO_LABEL_SELECT_SETTER(...) ORVANO_PROPERTY_SETTER(LabelSelect, __VA_ARGS__)
ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_LABEL_SELECT_SETTER)
#undef ORVANO_LABEL_SELECT_SETTER

void LabelSelect::SetPageFormat(std::int32_t code) {
  sheet_.PageFormat = code;
  sheet_.ApplyPageFormat();
  RefreshSheet();
}

void LabelSelect::SetLandscape(host::Flag landscape) {
  sheet_.Landscape = landscape != 0 ? 1 : 0;
  sheet_.ApplyPageFormat();
  RefreshSheet();
}

// Brand and label name: stored first, then the label is looked up. A lookup that fails puts the
// old name back, so the control stays as it was.
void LabelSelect::Reload(std::string& field, std::string value) {
  std::string old = std::exchange(field, std::move(value));
  try {
    LoadLabel();
  } catch (...) {
    field = std::move(old);
    throw;
  }
  RefreshSheet();
}

// ---- start label and fill order

std::int32_t LabelSelect::LabelID() const noexcept {
  return host::IsExactlyTrue(allowMarquee_) ? labelId_ : -1;
}

void LabelSelect::SetLabelID(std::int32_t id) {
  // Negative numbers are no label: taking one would hand the host back a number it cannot use.
  if (id >= 0 && id < labelCount_ && host::IsExactlyTrue(allowMarquee_)) {
    labelId_ = id;
    RefreshSheet();
  }
}

void LabelSelect::SetDirection(std::int32_t v) {
  if (v != direction_) {
    const std::int32_t n = labelId_;
    std::int32_t renumbered = 0;
    const std::int32_t cols = sheet_.Cols, rows = sheet_.Rows;
    if (direction_ == ovLeftRight) {
      const std::int32_t row = host::IntL(host::Div(n, cols));
      const std::int32_t col = host::SubL(n, host::MulL(row, cols));
      renumbered = host::AddL(host::MulL(rows, col), row);
    } else {
      const std::int32_t col = host::IntL(host::Div(n, rows));
      const std::int32_t row = host::SubL(n, host::MulL(col, rows));
      renumbered = host::AddL(host::MulL(cols, row), col);
    }
    // No start label (-1) stays none rather than turning into some label of the sheet.
    if (n < 0) renumbered = n;
    direction_ = v;
    if (renumbered != labelId_) labelId_ = renumbered;
  }
  RefreshSheet();
}

// ---- catalog

// Works on copies and takes them over at the end: a lookup that fails changes nothing.
void LabelSelect::LoadLabel() {
  if (host::Trim(brand_).empty() || host::Trim(labelName_).empty()) return;
  SheetGeometry sheet = sheet_;
  std::string brand = brand_, labelName = labelName_, description = description_;
  const std::int32_t status = catalog::LookupLabel(
      brand, labelName, dataFolder_, description, sheet.PageFormat, sheet.Landscape, sheet.Cols,
      sheet.Rows, sheet.BorderLeft, sheet.BorderTop, sheet.LabelWidth, sheet.LabelHeight,
      sheet.SpaceWidth, sheet.SpaceHeight);
  if (status != catalog::kFound) {
    sheet = SheetGeometry::DefaultStock();
    brand.clear();
    labelName.clear();
    description.clear();
  }
  orvano::AddressLayout layout;
  catalog::LookupAddressLayout(brand, labelName, dataFolder_, layout.BorderLeft, layout.BorderTop,
                               layout.BorderBottom, layout.BorderRight, layout.HeadingSpace,
                               layout.AddressSpace, layout.FontSize, layout.ReturnAddressFormat,
                               layout.WithLabelHeading);
  sheet.ApplyPageFormat();

  if (sheet.Cols != sheet_.Cols || sheet.Rows != sheet_.Rows) labelId_ = 0;
  sheet_ = sheet;
  address_ = layout;
  brand_ = std::move(brand);
  labelName_ = std::move(labelName);
  description_ = std::move(description);
}

// ---- settings dialog

void LabelSelect::SetConfigRunner(LabelConfigRunner runner) { configRunner_ = std::move(runner); }

void LabelSelect::SetDefaultConfigRunner(LabelConfigRunner runner) {
  DefaultRunner() = std::move(runner);
}

// The dialog, the lookup and the host's handler can fail; each failure is resumed and the rest
// still runs.
void LabelSelect::ShowConfig() {
  const LabelConfigRequest request{labelName_, brand_, dataFolder_, addressLabel_};
  LabelConfigResult answer;
  host::Resume([&] {
    if (configRunner_) answer = configRunner_(site_, request);
  });
  if (host::IsExactlyTrue(answer.result)) {
    brand_ = answer.brand;
    labelName_ = answer.labelName;
  }
  host::Resume([&] { LoadLabel(); });
  RefreshSheet();
  host::Resume([&] {
    if (labelChanged_) {
      const std::string brand = brand_;
      labelChanged_(brand, labelName_);
    }
  });
}

// ---- events

void LabelSelect::OnLabelClick(std::function<void(std::int32_t)> handler) {
  labelClick_ = std::move(handler);
}

void LabelSelect::OnLabelChanged(std::function<void(const std::string&, std::string&)> handler) {
  labelChanged_ = std::move(handler);
}

void LabelSelect::txtLabelName_Click() {
  if (host::IsExactlyTrue(allowConfig_)) ShowConfig();
}

void LabelSelect::lblLabel_Click(std::int32_t index) {
  if (allowMarquee_ == host::kFalse) return;
  MarqueeLabel(index);
  host::Resume([&] {
    if (labelClick_) labelClick_(index);
  });
}

// ---- class factory

void RegisterLabelSelect(host::ClassFactory& factory) {
  factory.Register("Orvano.LabelSelect",
                   [](host::Container* site) -> std::shared_ptr<host::Object> {
                     if (site == nullptr) host::Raise(host::ErrorKind::ObjectRequired);
                     return std::make_shared<LabelSelect>(*site);
                   });
}

}  // namespace orvano
