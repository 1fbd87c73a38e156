#include "orvano/controls/label_select/label_select.h"

#include <utility>

#include "orvano/catalog/lookup.h"
#include "orvano/host/color.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"
#include "orvano/model/page_format.h"

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
  host::Resume([&] { SetDefaults(); });
  host::Resume([&] { allowMarquee_ = host::kTrue; });
  host::Resume([&] { allowConfig_ = host::kTrue; });
  host::Resume([&] { RefreshSheet(); });
}

void LabelSelect::SetDefaults() {
  pageWidth_ = 210;
  pageHeight_ = 297;
  borderLeft_ = 12.29;
  borderTop_ = 8.8;
  labelWidth_ = 88.9;
  labelHeight_ = 46.56;
  spaceHeight_ = 0;
  spaceWidth_ = 7.62;
  cols_ = 2;
  rows_ = 6;
  pageFormat_ = ovPageFormatA4;
  landscape_ = 0;
  brand_.clear();
  labelName_.clear();
  description_.clear();
}

// ---- stock properties

void LabelSelect::SetPageFormat(std::int32_t code) {
  pageFormat_ = code;
  GetPageSize(pageFormat_, landscape_, pageWidth_, pageHeight_);
  RefreshSheet();
}

void LabelSelect::SetLandscape(host::Flag landscape) {
  landscape_ = landscape != 0 ? 1 : 0;
  GetPageSize(pageFormat_, landscape_, pageWidth_, pageHeight_);
  RefreshSheet();
}

void LabelSelect::SetPageWidth(double v) {
  pageWidth_ = v;
  RefreshSheet();
}
void LabelSelect::SetPageHeight(double v) {
  pageHeight_ = v;
  RefreshSheet();
}
void LabelSelect::SetBorderLeft(double v) {
  borderLeft_ = v;
  RefreshSheet();
}
void LabelSelect::SetBorderTop(double v) {
  borderTop_ = v;
  RefreshSheet();
}
void LabelSelect::SetLabelWidth(double v) {
  labelWidth_ = v;
  RefreshSheet();
}
void LabelSelect::SetLabelHeight(double v) {
  labelHeight_ = v;
  RefreshSheet();
}
void LabelSelect::SetSpaceHeight(double v) {
  spaceHeight_ = v;
  RefreshSheet();
}
void LabelSelect::SetSpaceWidth(double v) {
  spaceWidth_ = v;
  RefreshSheet();
}
void LabelSelect::SetCols(std::int32_t v) {
  cols_ = v;
  RefreshSheet();
}
void LabelSelect::SetRows(std::int32_t v) {
  rows_ = v;
  RefreshSheet();
}

void LabelSelect::SetLabelName(std::string v) {
  labelName_ = std::move(v);
  LoadLabel();
  RefreshSheet();
}
void LabelSelect::SetBrand(std::string v) {
  brand_ = std::move(v);
  LoadLabel();
  RefreshSheet();
}
void LabelSelect::SetDescription(std::string v) {
  description_ = std::move(v);
  RefreshSheet();
}
void LabelSelect::SetDataFolder(std::string v) {
  dataFolder_ = std::move(v);
  RefreshSheet();
}

void LabelSelect::SetAllowMarquee(host::Flag v) {
  allowMarquee_ = v;
  RefreshSheet();
}
void LabelSelect::SetAllowConfig(host::Flag v) {
  allowConfig_ = v;
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
    if (direction_ == ovLeftRight) {
      const std::int32_t row = host::IntL(host::Div(n, cols_));
      const std::int32_t col = host::SubL(n, host::MulL(row, cols_));
      renumbered = host::AddL(host::MulL(rows_, col), row);
    } else {
      const std::int32_t col = host::IntL(host::Div(n, rows_));
      const std::int32_t row = host::SubL(n, host::MulL(col, rows_));
      renumbered = host::AddL(host::MulL(cols_, row), col);
    }
    // No start label (-1) stays none rather than turning into some label of the sheet.
    if (n < 0) renumbered = n;
    direction_ = v;
    if (renumbered != labelId_) labelId_ = renumbered;
  }
  RefreshSheet();
}

// ---- catalog

void LabelSelect::LoadLabel() {
  if (host::Trim(brand_).empty() || host::Trim(labelName_).empty()) return;
  const std::int32_t oldCols = cols_;
  const std::int32_t oldRows = rows_;
  const std::int32_t status = catalog::LookupLabel(
      brand_, labelName_, dataFolder_, description_, pageFormat_, landscape_, cols_, rows_,
      borderLeft_, borderTop_, labelWidth_, labelHeight_, spaceWidth_, spaceHeight_);
  if (status != catalog::kFound) SetDefaults();
  if (cols_ != oldCols || rows_ != oldRows) labelId_ = 0;
  const std::string folder = dataFolder_;
  catalog::LookupAddressLayout(brand_, labelName_, folder, addrBorderLeft_, addrBorderTop_,
                               addrBorderBottom_, addrBorderRight_, addrHeadingSpace_,
                               addrAddressSpace_, addrFontSize_, addrReturnAddressFormat_,
                               addrWithHeading_);
  GetPageSize(pageFormat_, landscape_, pageWidth_, pageHeight_);
}

// ---- settings dialog

void LabelSelect::SetConfigRunner(LabelConfigRunner runner) { configRunner_ = std::move(runner); }

void LabelSelect::SetDefaultConfigRunner(LabelConfigRunner runner) {
  DefaultRunner() = std::move(runner);
}

void LabelSelect::ShowConfig() {
  LabelConfigRequest request;
  host::Resume([&] {
    request.labelName = labelName_;
    request.brand = brand_;
    request.dataFolder = dataFolder_;
    request.asAddressLabel = addressLabel_;
  });
  LabelConfigResult answer;
  host::Resume([&] {
    if (configRunner_) answer = configRunner_(site_, request);
  });
  host::Resume([&] {
    if (host::IsExactlyTrue(answer.result)) {
      brand_ = answer.brand;
      labelName_ = answer.labelName;
    }
  });
  host::Resume([&] { LoadLabel(); });
  host::Resume([&] { RefreshSheet(); });
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
  host::Resume([&] {
    if (host::IsExactlyTrue(allowConfig_)) ShowConfig();
  });
}

void LabelSelect::lblLabel_Click(std::int32_t index) {
  if (allowMarquee_ == host::kFalse) return;
  host::Resume([&] { MarqueeLabel(index); });
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
