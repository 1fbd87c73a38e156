// Building the dialog's window: every widget with its caption, list items that never change, place
// and size in twips, and the wiring of the platform events to the handlers.
#include "orvano/dialog/label_config/label_config.h"

#include "orvano/host/error.h"

namespace orvano {

using label_config::FieldTable;
using label_config::kFieldCount;

namespace {

// Places in twips. The tab strip holds two columns, caption and field, one row per field; the
// preview fills the right side; the buttons stand in one row below.
constexpr float kFormWidth = 10920;
constexpr float kFormHeight = 5955;
constexpr float kMargin = 120;
constexpr float kTopCaptionWidth = 1500;
constexpr float kTopListLeft = 1680;
constexpr float kTopListWidth = 3000;
constexpr float kListHeight = 315;
constexpr float kTabLeft = kMargin;
constexpr float kTabTop = 1020;
constexpr float kTabWidth = 5040;
constexpr float kTabHeight = 4260;
constexpr float kRowTop = 1500;
constexpr float kRowStep = 405;
constexpr float kCaptionLeft = 240;
constexpr float kCaptionWidth = 2400;
constexpr float kCaptionHeight = 255;
constexpr float kCaptionDrop = 45;  // lines the caption's text up with the field's
constexpr float kFieldLeft = 2700;
constexpr float kFieldWidth = 1440;
constexpr float kFieldHeight = 300;
constexpr float kSpinnerWidth = 255;
constexpr float kTabListWidth = kFieldWidth + 840;
constexpr float kPreviewLeft = 5280;
constexpr float kPreviewWidth = 5520;  // room for the margin captions left of the sheet
constexpr float kPreviewHeight = 5160;
constexpr float kButtonTop = 5460;
constexpr float kButtonHeight = 375;

float RowTop(int row) { return kRowTop + kRowStep * static_cast<float>(row); }

}  // namespace

frmLabelConfig::frmLabelConfig(host::Platform& platform)
    : platform_(platform), window_(platform.CreateDialog("frmLabelConfig")) {
  window_->SetCaption("Etiketteneinstellungen");
  window_->SetFont(host::Font{});
  window_->SetClientSize(kFormWidth, kFormHeight);
  CreateWidgets();
  WireEvents();
}

frmLabelConfig::~frmLabelConfig() = default;

std::unique_ptr<host::Label> frmLabelConfig::CreateCaption(const std::string& name,
                                                           const std::string& text, float left,
                                                           float top, float width) {
  // Created right before its field, so that its access key leads there.
  auto label = window_->CreateLabel(name);
  label->SetCaption(text);
  label->Move(left, top + kCaptionDrop, width, kCaptionHeight);
  return label;
}

void frmLabelConfig::CreateField(std::int32_t index, float top) {
  const label_config::FieldInfo& info = FieldTable()[static_cast<std::size_t>(index)];
  const std::string name = info.name;
  Field& f = fields_[static_cast<std::size_t>(index)];
  f.caption = CreateCaption("lbl" + name, info.caption, kCaptionLeft, top, kCaptionWidth);
  f.text = window_->CreateTextBox("txt" + name);
  f.text->Move(kFieldLeft, top, kFieldWidth, kFieldHeight);
  f.spinner = window_->CreateSpinner("UpDown" + name);
  f.spinner->Move(kFieldLeft + kFieldWidth, top, kSpinnerWidth, kFieldHeight);
  SSTab1_->PlaceOnTab(*f.caption, info.tab);
  SSTab1_->PlaceOnTab(*f.text, info.tab);
  SSTab1_->PlaceOnTab(*f.spinner, info.tab);
}

void frmLabelConfig::CreateWidgets() {
  lblBrands_ = CreateCaption("lblBrands", "Etiketten&marke:", kMargin, 120, kTopCaptionWidth);
  cboBrands_ = window_->CreateComboBox("cboBrands", false);
  cboBrands_->Move(kTopListLeft, 120, kTopListWidth, kListHeight);
  lblLabels_ = CreateCaption("lblLabels", "Etiketten&name:", kMargin, 540, kTopCaptionWidth);
  cboLabels_ = window_->CreateComboBox("cboLabels", true);
  cboLabels_->Move(kTopListLeft, 540, kTopListWidth, kListHeight);

  SSTab1_ = window_->CreateTabStrip("SSTab1");
  SSTab1_->Move(kTabLeft, kTabTop, kTabWidth, kTabHeight);
  SSTab1_->AddTab("Sei&tenlayout");
  SSTab1_->AddTab("A&dresslayout");

  // Page layout: the format first, then its eight fields.
  lblFormat_ = CreateCaption("lblFormat", "Seiten&format:", kCaptionLeft, RowTop(0), kCaptionWidth);
  cboFormat_ = window_->CreateComboBox("cboFormat", false);
  cboFormat_->Move(kFieldLeft, RowTop(0), kTabListWidth, kListHeight);
  SSTab1_->PlaceOnTab(*lblFormat_, 0);
  SSTab1_->PlaceOnTab(*cboFormat_, 0);
  int pageRow = 1, addressRow = 0;
  for (std::int32_t i = 0; i < kFieldCount; ++i) {
    const bool onPage = FieldTable()[static_cast<std::size_t>(i)].tab == 0;
    CreateField(i, RowTop(onPage ? pageRow++ : addressRow++));
  }

  // Address layout: below its six fields the font size and the two choices.
  auto tabList = [&](std::unique_ptr<host::Label>& caption, const char* captionName,
                     const char* text, std::unique_ptr<host::ComboBox>& list, const char* listName,
                     bool editable) {
    const float top = RowTop(addressRow++);
    caption = CreateCaption(captionName, text, kCaptionLeft, top, kCaptionWidth);
    list = window_->CreateComboBox(listName, editable);
    list->Move(kFieldLeft, top, editable ? kFieldWidth : kTabListWidth, kListHeight);
    SSTab1_->PlaceOnTab(*caption, 1);
    SSTab1_->PlaceOnTab(*list, 1);
  };
  tabList(lblFontSize_, "lblFontSize", "&Schriftgrad:", cboFontSize_, "cboFontSize", true);
  tabList(lblReturnAddressFormat_, "lblReturnAddressFormat",
          "Absenderzeile:", cboReturnAddressFormat_, "cboReturnAddressFormat", false);
  tabList(lblWithLabelHeading_, "lblWithLabelHeading", "Versandanweisung:", cboWithLabelHeading_,
          "cboWithLabelHeading", false);

  auto button = [&](const char* name, const char* caption, float left, float width) {
    auto b = window_->CreateButton(name);
    b->SetCaption(caption);
    b->Move(left, kButtonTop, width, kButtonHeight);
    return b;
  };
  btnNew_ = button("btnNew", "Neues &Etikett", kMargin, 1560);
  btnDelete_ = button("btnDelete", "Löschen", 1800, 1200);
  btnOK_ = button("btnOK", "OK", kFormWidth - kMargin - 2520, 1200);
  btnCancel_ = button("btnCancel", "Abbrechen", kFormWidth - kMargin - 1200, 1200);
  btnOK_->SetDefault(true);
  btnCancel_->SetCancel(true);
  btnDelete_->SetEnabled(false);

  previewSite_ = window_->CreateChildControl("Preview1");
  previewSite_->AsWidget().Move(kPreviewLeft, kMargin, kPreviewWidth, kPreviewHeight);
  preview_ = std::make_unique<orvano::Preview>(*previewSite_);

  // The keyboard walks the dialog in the order the widgets were made.
  int tabIndex = 0;
  using Focusable = host::FocusWidget*;
  for (Focusable w :
       {Focusable(cboBrands_.get()), Focusable(cboLabels_.get()), Focusable(cboFormat_.get())})
    w->SetTabIndex(tabIndex++);
  for (Field& f : fields_) f.text->SetTabIndex(tabIndex++);
  for (Focusable w :
       {Focusable(cboFontSize_.get()), Focusable(cboReturnAddressFormat_.get()),
        Focusable(cboWithLabelHeading_.get()), Focusable(btnNew_.get()),
        Focusable(btnDelete_.get()), Focusable(btnOK_.get()), Focusable(btnCancel_.get())})
    w->SetTabIndex(tabIndex++);
}

void frmLabelConfig::WireEvents() {
  cboBrands_->OnClick([this] { cboBrands_Click(); });
  cboLabels_->OnClick([this] { cboLabels_Click(); });
  cboLabels_->OnChange([this] { cboLabels_Change(); });
  cboLabels_->OnGotFocus([this] { SelectActiveText(); });
  cboFormat_->OnClick([this] { cboFormat_Click(); });
  cboReturnAddressFormat_->OnClick([this] { cboReturnAddressFormat_Click(); });
  cboWithLabelHeading_->OnClick([this] { cboWithLabelHeading_Click(); });
  cboFontSize_->OnGotFocus([this] { SelectActiveText(); });
  cboFontSize_->OnLostFocus([this] { cboFontSize_LostFocus(); });
  // Choosing a size from the list accepts it as leaving the field would.
  cboFontSize_->OnClick([this] { cboFontSize_LostFocus(); });
  SSTab1_->OnTabChange([this] { SSTab1_Change(); });

  for (std::int32_t i = 0; i < kFieldCount; ++i) {
    Field& f = fields_[static_cast<std::size_t>(i)];
    f.text->OnGotFocus([this] { Field_GotFocus(); });
    f.text->OnLostFocus([this, i] { Field_LostFocus(i); });
    f.spinner->OnUpClick([this, i] { UpDown_Click(i, +1); });
    f.spinner->OnDownClick([this, i] { UpDown_Click(i, -1); });
  }

  btnOK_->OnClick([this] { btnOK_Click(); });
  btnNew_->OnClick([this] { btnNew_Click(); });
  btnDelete_->OnClick([this] { btnDelete_Click(); });
  btnCancel_->OnClick([this] { btnCancel_Click(); });
  // The close box is Cancel.
  window_->OnCloseBox([this] { btnCancel_Click(); });
}

}  // namespace orvano
