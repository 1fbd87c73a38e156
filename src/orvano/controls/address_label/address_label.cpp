#include "orvano/controls/address_label/address_label.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

#include "orvano/host/color.h"
#include "orvano/host/error.h"
#include "orvano/host/font.h"
#include "orvano/host/strings.h"

namespace orvano {

namespace {

constexpr std::int32_t kBorderLines = 12;

host::Font Arial(float points, bool bold) {
  host::Font f;
  f.name = "Arial";
  f.size = points;
  f.bold = bold;
  return f;
}

}  // namespace

AddressLabel::AddressLabel(host::Container& site) : site_(site) {
  site_.SetScaleMode(host::ScaleMode::Twips);
  CreateWidgets();
  WireHandlers();
  site_.Attach(this);
  try {
    UserControl_Initialize();
  } catch (...) {
    // The destructor will not run: the container must not keep a pointer to a half-built control.
    site_.Attach(nullptr);
    throw;
  }
}

AddressLabel::~AddressLabel() {
  site_.Attach(nullptr);
  // A backend may report a last loss of focus while it takes the box down; by then there is no
  // control left to handle it.
  txtAddress_->OnChange([] {});
  txtAddress_->OnGotFocus([] {});
  txtAddress_->OnLostFocus([] {});
}

void AddressLabel::CreateWidgets() {
  host::ShapeStyle backStyle;
  backStyle.kind = host::ShapeKind::Rectangle;
  backStyle.filled = true;
  backStyle.fill = host::kWhite;
  backStyle.outlined = false;
  back_ = site_.CreateShape("Back", backStyle);

  border_ = host::WidgetArray<host::Line>([this](std::int32_t index) {
    auto line = site_.CreateLine("Border(" + std::to_string(index) + ")");
    line->SetBorderColor(host::kBlack);
    line->SetBorderWidth(1);
    return line;
  });
  for (std::int32_t i = 0; i < kBorderLines; ++i) border_.Load(i);

  // Captions wrap at blanks within their width, so a long sender fills the two-line sender line.
  lblReturnAddress_ = site_.CreateLabel("lblReturnAddress");
  lblReturnAddress_->SetBackColor(host::kWhite);
  lblReturnAddress_->SetFont(Arial(6.0f, false));
  lblReturnAddress_->SetWordWrap(true);

  lblLabelHeading_ = site_.CreateLabel("lblLabelHeading");
  lblLabelHeading_->SetBackColor(host::kWhite);
  lblLabelHeading_->SetFont(Arial(9.75f, true));
  lblLabelHeading_->SetWordWrap(true);

  // An address has several lines.
  txtAddress_ = site_.CreateTextBox("txtAddress");
  txtAddress_->SetMultiLine(true);
  txtAddress_->SetBackColor(host::kWhite);
  txtAddress_->SetFont(Arial(9.75f, false));
  txtAddress_->SetTabIndex(0);
}

void AddressLabel::WireHandlers() {
  txtAddress_->OnChange([this] { txtAddress_Change(); });
  txtAddress_->OnGotFocus([this] { txtAddress_GotFocus(); });
  txtAddress_->OnLostFocus([this] { txtAddress_LostFocus(); });
}

void AddressLabel::UserControl_Initialize() {
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_PROPERTY_START)
  addressChanged_ = host::kFalse;
  RefreshLayout();
}

// Captions take any text and the layout resumes its own failures: nothing here can fail.
void AddressLabel::RefreshLayout() {
  lblReturnAddress_->SetCaption(returnAddress_);
  lblLabelHeading_->SetCaption(labelHeading_);
  UserControl_Resize();
}

// --- Properties -----------------------------------------------------------------------------

#define ORVANO_ADDRESS_LABEL_SETTER(...) ORVANO_PROPERTY_SETTER(AddressLabel, __VA_ARGS__)
ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_ADDRESS_LABEL_SETTER)
#undef ORVANO_ADDRESS_LABEL_SETTER

void AddressLabel::ShowLayout(const SheetGeometry& sheet, const AddressLayout& layout) {
  labelWidth_ = sheet.LabelWidth;
  labelHeight_ = sheet.LabelHeight;
  labelBorderLeft_ = layout.BorderLeft;
  labelBorderTop_ = layout.BorderTop;
  labelBorderRight_ = layout.BorderRight;
  labelBorderBottom_ = layout.BorderBottom;
  returnAddressFormat_ = static_cast<ovReturnAddressFormatConstants>(layout.ReturnAddressFormat);
  labelHeadingSpace_ = layout.HeadingSpace;
  addressSpace_ = layout.AddressSpace;
  RefreshLayout();
}

std::string AddressLabel::Address() const { return txtAddress_->Text(); }

void AddressLabel::SetAddress(const std::string& value) {
  txtAddress_->SetText(value);
  RefreshLayout();
}

// --- The address box ------------------------------------------------------------------------

void AddressLabel::txtAddress_Change() {
  if (!host::IsExactlyTrue(addressChanged_)) addressChanged_ = host::kTrue;
}

void AddressLabel::txtAddress_GotFocus() {
  host::Resume([&] { txtAddress_->SetSelStart(0); });
  host::Resume([&] {
    const auto chars = host::Len(txtAddress_->Text());
    const auto limit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    txtAddress_->SetSelLength(static_cast<std::int32_t>(std::min(chars, limit)));
  });
}

void AddressLabel::txtAddress_LostFocus() {
  if (!host::IsExactlyTrue(addressChanged_)) return;
  // The flag goes back only after the host's handler has run, and also when that handler failed.
  host::Resume([&] {
    if (afterUpdate_) afterUpdate_();
  });
  addressChanged_ = host::kFalse;
}

// --- Registration ---------------------------------------------------------------------------

void RegisterAddressLabel(host::ClassFactory& factory) {
  factory.Register("Orvano.AddressLabel",
                   [](host::Container* site) -> std::shared_ptr<host::Object> {
                     if (site == nullptr) host::Raise(host::ErrorKind::ObjectRequired);
                     return std::make_shared<AddressLabel>(*site);
                   });
}

}  // namespace orvano
