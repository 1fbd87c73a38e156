// Opening the dialog, the brand, label and page-format lists, the tab strip and the live preview,
// and the change to the custom brand that an edited catalog label makes.
#include <cstddef>
#include <vector>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/catalog_status.h"
#include "orvano/catalog/lookup.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/dialog/label_config/messages.h"
#include "orvano/dialog/label_config/shown_text.h"
#include "orvano/host/app_path.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano {

using host::Resume;
using label_config::FieldTable;
using label_config::kFieldCount;

namespace {

constexpr const char* kCustomItem = " Benutzerdefiniert";

struct FormatItem {
  const char* text;
  std::int32_t data;
};
// The position encodes format and orientation: A4, A4 landscape, A5, A5 landscape.
constexpr FormatItem kFormats[] = {{" A4 (210 x 297 mm)", 9},
                                   {" A4 Querformat (297 x 210 mm)", -9},
                                   {" A5 (148 x 210 mm)", 11},
                                   {" A5 Querformat (210 x 148 mm)", -11}};

constexpr const char* kFontSizes[] = {"8 pt",  "9 pt",  "10 pt", "11 pt", "12 pt", "14 pt",
                                      "16 pt", "18 pt", "20 pt", "22 pt", "24 pt", "26 pt",
                                      "28 pt", "36 pt", "48 pt", "72 pt"};
constexpr const char* kReturnAddressFormats[] = {" ohne", " 1-zeilig", " 2-zeilig"};
constexpr const char* kHeadingChoices[] = {" Ja", " Nein"};

}  // namespace

void frmLabelConfig::Show() {
  Form_Load();
  window_->ShowModal();
}

void frmLabelConfig::Form_Load() {
  result_ = false;
  if (host::Trim(dataFolder_).empty()) dataFolder_ = host::AppPath();
  Resume([&] { SSTab1_->SetTabEnabled(1, asAddressLabel_); });
  Resume([&] { catalog_.LoadCatalog(dataFolder_, platform_); });
  Resume([&] {
    for (const catalog::RefusedFile& file : catalog::RefusedCatalogFiles(dataFolder_))
      Message(label_config::CatalogRefused(file.Path, file.Refusal), label_config::kWarning);
  });
  // Shown again, the dialog starts from empty lists.
  for (host::ComboBox* list : {cboFontSize_.get(), cboReturnAddressFormat_.get(),
                               cboWithLabelHeading_.get(), cboFormat_.get()})
    Resume([&] { list->Clear(); });
  if (asAddressLabel_) {
    for (const char* size : kFontSizes) Resume([&] { cboFontSize_->AddItem(size); });
    for (const char* format : kReturnAddressFormats)
      Resume([&] { cboReturnAddressFormat_->AddItem(format); });
    for (const char* choice : kHeadingChoices)
      Resume([&] { cboWithLabelHeading_->AddItem(choice); });
  }
  for (const FormatItem& item : kFormats) {
    Resume([&] {
      cboFormat_->AddItem(item.text);
      cboFormat_->SetItemData(cboFormat_->NewIndex(), item.data);
    });
  }
  // Selecting the brand cascades: its label list, then the label's fields.
  Resume([&] { FillBrandList(); });
}

bool frmLabelConfig::BrandIsCustom() const { return catalog::IsCustomBrand(cboBrands_->Text()); }

void frmLabelConfig::FillBrandList() {
  Resume([&] { cboBrands_->Clear(); });
  std::int32_t select = -1;
  for (const std::string& brand : catalog_.Brands()) {
    // The user's section is offered once, as the last item.
    if (catalog::IsCustomBrand(brand)) continue;
    Resume([&] {
      cboBrands_->AddItem(" " + brand);
      if (host::EqualsNoCase(brand, brand_)) select = cboBrands_->NewIndex();
    });
  }
  Resume([&] {
    cboBrands_->AddItem(kCustomItem);
    if (catalog::IsCustomBrand(brand_)) select = cboBrands_->NewIndex();
  });
  if (select < 0 && cboBrands_->ListCount() > 0) select = 0;
  Resume([&] { cboBrands_->SetListIndex(select); });
}

void frmLabelConfig::cboBrands_Click() {
  Resume([&] { FillLabelList(); });
}

void frmLabelConfig::FillLabelList() {
  Resume([&] { cboLabels_->Clear(); });
  std::int32_t select = -1;
  const std::string brand = host::Trim(cboBrands_->Text());
  // The brand is compared once per header, not once per entry; only the brand's entries are
  // read out of the catalog.
  std::vector<bool> chosen(catalog_.Brands().size());
  for (std::size_t b = 0; b < chosen.size(); ++b)
    chosen[b] = host::EqualsNoCase(catalog_.Brands()[b], brand);
  for (std::size_t i = 0; i < catalog_.EntryCount(); ++i) {
    if (!chosen[catalog_.BrandIndexOf(i)]) continue;
    const std::string name = catalog_.NameOf(i);
    const std::string item = host::Trim(name + " " + catalog_.DescriptionOf(i));
    Resume([&] {
      cboLabels_->AddItem(item);
      cboLabels_->SetItemData(cboLabels_->NewIndex(), static_cast<std::int32_t>(i));
      // The name the dialog was opened with, so a change of brand keeps it where it can.
      if (host::EqualsNoCase(name, labelName_)) select = cboLabels_->NewIndex();
    });
  }
  if (select < 0 && cboLabels_->ListCount() > 0) select = 0;
  if (skipListSelection_) {
    skipListSelection_ = false;
    return;
  }
  Resume([&] { cboLabels_->SetListIndex(select); });
  skipListSelection_ = false;
}

catalog::CatalogEntry frmLabelConfig::SelectedEntry() const {
  const std::int32_t e = cboLabels_->ItemData(cboLabels_->ListIndex());
  if (e < 0) host::Raise(host::ErrorKind::SubscriptOutOfRange);
  return catalog_.Entry(static_cast<std::size_t>(e));
}

void frmLabelConfig::cboLabels_Click() {
  for (std::int32_t i = 0; i < kFieldCount; ++i) {
    const auto& info = FieldTable()[static_cast<std::size_t>(i)];
    if (info.fromEntry)
      Resume([&] {
        SetFieldText(i, label_config::ShownText(info.kind, info.fromEntry(SelectedEntry())));
      });
  }
  if (asAddressLabel_) {
    AddressLayout a;
    Resume([&] {
      a = catalog::FindAddressLayout(host::Trim(cboBrands_->Text()), SelectedEntry().Name,
                                     dataFolder_, a)
              .value_or(AddressLayout{});
    });
    for (std::int32_t i = 0; i < kFieldCount; ++i) {
      const auto& info = FieldTable()[static_cast<std::size_t>(i)];
      if (info.fromLayout)
        Resume([&] { SetFieldText(i, label_config::ShownText(info.kind, info.fromLayout(a))); });
    }
    Resume([&] { cboFontSize_->SetText(host::NumberText(a.FontSize) + " pt"); });
    Resume([&] { cboReturnAddressFormat_->SetListIndex(a.ReturnAddressFormat); });
    Resume([&] { cboWithLabelHeading_->SetListIndex(a.WithLabelHeading != 0 ? 0 : 1); });
  }
  Resume([&] { UpdatePreview(); });

  // Showing the label's own format is no edit of it.
  skipListSelection_ = true;
  Resume([&] {
    const catalog::CatalogEntry e = SelectedEntry();
    const bool landscape = e.Landscape == 1;
    if (e.PageFormat == ovPageFormatA4) cboFormat_->SetListIndex(landscape ? 1 : 0);
    if (e.PageFormat == ovPageFormatA5) cboFormat_->SetListIndex(landscape ? 3 : 2);
  });
  skipListSelection_ = false;

  Resume(
      [&] { btnDelete_->SetEnabled(BrandIsCustom() && !host::Trim(cboLabels_->Text()).empty()); });
}

void frmLabelConfig::cboLabels_Change() {
  // Typing a name always means a new custom label.
  Resume([&] { MakeCustomLabel(cboLabels_->Text()); });
  Resume([&] {
    if (btnDelete_->Enabled()) btnDelete_->SetEnabled(false);
  });
}

void frmLabelConfig::cboFormat_Click() {
  if (!skipListSelection_) Resume([&] { MakeCustomLabel(); });
  skipListSelection_ = false;
}

void frmLabelConfig::cboReturnAddressFormat_Click() {
  ShowPreview(false);
  Resume([&] {
    preview_->SetReturnAddressFormat(
        static_cast<ovReturnAddressFormatConstants>(cboReturnAddressFormat_->ListIndex()));
  });
  ShowPreview(true);
}

void frmLabelConfig::cboWithLabelHeading_Click() {
  ShowPreview(false);
  Resume(
      [&] { preview_->SetWithLabelHeading(host::ToFlag(cboWithLabelHeading_->ListIndex() == 0)); });
  ShowPreview(true);
}

void frmLabelConfig::SSTab1_Change() {
  ShowPreview(false);
  Resume(
      [&] { preview_->SetPreviewLayout(static_cast<ovPreviewLayoutConstants>(SSTab1_->Tab())); });
  ShowPreview(true);
  if (SSTab1_->Tab() == 0) {
    Resume([&] { fields_[label_config::kBorderTop].text->SetFocus(); });
  } else {
    Resume([&] { cboFontSize_->SetSelStart(0); });
    Resume([&] { cboFontSize_->SetSelLength(0); });
    Resume([&] { fields_[label_config::kLabelBorderTop].text->SetFocus(); });
  }
}

void frmLabelConfig::UpdatePreview() {
  using namespace label_config;
  // Hidden while it changes, so that the many changes draw once.
  ShowPreview(false);
  // Every setter redraws, so the order is kept as the preview expects it.
  for (std::int32_t i : {kBorderLeft, kBorderTop, kSpaceHorizontal, kSpaceVertical, kLabelWidth,
                         kLabelHeight, kRows, kCols}) {
    Resume([&] {
      FieldTable()[static_cast<std::size_t>(i)].set(*preview_, catalog::ParseLength(FieldText(i)));
    });
  }
  if (asAddressLabel_) {
    for (std::int32_t i : {kLabelBorderLeft, kLabelBorderTop, kLabelBorderRight, kLabelBorderBottom,
                           kLabelHeadingSpace, kAddressSpace}) {
      Resume([&] {
        FieldTable()[static_cast<std::size_t>(i)].set(*preview_,
                                                      catalog::ParseLength(FieldText(i)));
      });
    }
    Resume([&] { preview_->SetFontSize(host::CLng(catalog::ParseNumber(cboFontSize_->Text()))); });
    Resume([&] {
      preview_->SetReturnAddressFormat(
          static_cast<ovReturnAddressFormatConstants>(cboReturnAddressFormat_->ListIndex()));
    });
    Resume([&] {
      preview_->SetWithLabelHeading(host::ToFlag(cboWithLabelHeading_->ListIndex() == 0));
    });
  }
  ShowPreview(true);
}

void frmLabelConfig::MakeCustomLabel(const std::string& name) {
  if (BrandIsCustom()) return;
  // The brand's click lists the custom labels but selects none; the fields keep their values.
  skipListSelection_ = true;
  Resume([&] { cboBrands_->SetText(kCustomItem); });
  Resume([&] { cboLabels_->SetText(name); });
  if (!host::Trim(name).empty())
    Resume([&] { cboLabels_->SetSelStart(static_cast<std::int32_t>(host::Len(name))); });
  Resume([&] { btnDelete_->SetEnabled(false); });
  skipListSelection_ = false;
}

void frmLabelConfig::SelectActiveText() {
  Resume([&] {
    host::FocusWidget* active = window_->ActiveWidget();
    if (auto* box = dynamic_cast<host::TextBox*>(active)) {
      box->SetSelStart(0);
      box->SetSelLength(static_cast<std::int32_t>(host::Len(box->Text())));
    } else if (auto* list = dynamic_cast<host::ComboBox*>(active)) {
      list->SetSelStart(0);
      list->SetSelLength(static_cast<std::int32_t>(host::Len(list->Text())));
    }
  });
}

void frmLabelConfig::ShowPreview(bool visible) {
  Resume([&] { previewSite_->AsWidget().SetVisible(visible); });
}

}  // namespace orvano
