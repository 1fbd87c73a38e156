// The four buttons: OK checks and saves, New starts a custom label from the current values,
// Delete removes a custom label at once, Cancel and the close box leave without saving.
#include <string>
#include <vector>

#include "orvano/catalog/catalog_files.h"
#include "orvano/catalog/catalog_writer.h"
#include "orvano/catalog/value_parse.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/dialog/label_config/label_name.h"
#include "orvano/dialog/label_config/messages.h"
#include "orvano/host/error.h"
#include "orvano/host/strings.h"

namespace orvano {

using host::Resume;
using namespace label_config;

int frmLabelConfig::Message(const std::string& text, int flags) {
  return platform_.MsgBox(text, flags, kTitle);
}

void frmLabelConfig::btnOK_Click() {
  const std::string oldBrand = brand_, oldLabelName = labelName_;
  host::ResumeScope run;
  run([&] { brand_ = host::Trim(cboBrands_->Text()); });
  bool custom = false;
  run([&] { custom = BrandIsCustom(); });
  bool savedCustom = false;
  std::string name, previous;
  bool hadPrevious = false;

  if (custom) {
    bool fits = false;
    run([&] { fits = CheckFitsOnPage(); });
    if (!fits) {
      Resume([&] { Message(kGridTooLarge, kWarning); });
      return;
    }
    run([&] { name = cboLabels_->Text(); });
    if (host::Trim(name).empty()) {
      Resume([&] { Message(kNameMissing, kWarning); });
      Resume([&] { cboLabels_->SetFocus(); });
      return;
    }
    if (!IsValidLabelName(name)) {
      Resume([&] { Message(kNameInvalid, kWarning); });
      Resume([&] { cboLabels_->SetFocus(); });
      return;
    }
    // A label shown from the list (delete enabled) is overwritten without asking.
    bool isNew = true;
    run([&] { isNew = !btnDelete_->Enabled(); });
    if (isNew) {
      std::string stored;
      run([&] {
        stored = catalog::ReadProfileString(catalog::CustomLabelPath(dataFolder_),
                                            catalog::kCustomBrand, name, "");
      });
      if (!host::Trim(stored).empty()) {
        int answer = host::msgbox::kNo;
        Resume([&] { answer = Message(OverwriteQuestion(name), kQuestion); });
        if (answer != host::msgbox::kYes) {
          Resume([&] { cboLabels_->SetFocus(); });
          return;
        }
      }
    }
    if (!SaveCustomLabel(name, previous, hadPrevious)) {
      brand_ = oldBrand;
      Resume([&] { Message(WriteFailed(catalog::CustomLabelPath(dataFolder_)), kWarning); });
      return;
    }
    savedCustom = true;
    labelName_ = name;
  } else {
    // With no label selected the name stays, and the failed step keeps the layout unwritten.
    run([&] { labelName_ = SelectedEntry().Name; });
  }

  if (asAddressLabel_ && !run.Pending() && !SaveAddressLayout()) {
    // Neither file keeps half of the change: the custom label goes back to what it was.
    if (savedCustom) RestoreCustomLabel(name, previous, hadPrevious);
    brand_ = oldBrand;
    labelName_ = oldLabelName;
    Resume([&] { Message(WriteFailed(catalog::AddressLayoutPath(dataFolder_)), kWarning); });
    return;
  }

  result_ = true;
  Resume([&] { window_->Close(); });
}

bool frmLabelConfig::SaveCustomLabel(const std::string& name, std::string& previous,
                                     bool& hadPrevious) {
  bool saved = false;
  Resume([&] {
    previous = catalog::ReadProfileString(catalog::CustomLabelPath(dataFolder_),
                                          catalog::kCustomBrand, name, "");
    hadPrevious = !host::Trim(previous).empty();
    saved = catalog::SaveCustomLabel(dataFolder_, name, pageCheck_, pageCols_, pageRows_);
  });
  return saved;
}

void frmLabelConfig::RestoreCustomLabel(const std::string& name, const std::string& previous,
                                        bool hadPrevious) {
  Resume([&] {
    catalog::WriteProfileString(catalog::CustomLabelPath(dataFolder_), catalog::kCustomBrand, name,
                                hadPrevious ? std::optional(previous) : std::nullopt);
  });
}

bool frmLabelConfig::SaveAddressLayout() {
  AddressLayout v;
  Resume([&] {
    const double size = host::Int(catalog::ParseNumber(cboFontSize_->Text()));
    v.FontSize = size < 1 ? 10 : host::CLng(size);
  });
  const std::int32_t margins[] = {kLabelBorderLeft,   kLabelBorderTop,    kLabelBorderRight,
                                  kLabelBorderBottom, kLabelHeadingSpace, kAddressSpace};
  double* targets[] = {&v.BorderLeft,   &v.BorderTop,    &v.BorderRight,
                       &v.BorderBottom, &v.HeadingSpace, &v.AddressSpace};
  for (std::size_t k = 0; k < 6; ++k)
    Resume([&] { *targets[k] = catalog::ParseLength(FieldText(margins[k])); });
  Resume([&] { v.ReturnAddressFormat = cboReturnAddressFormat_->ListIndex(); });
  Resume([&] { v.WithLabelHeading = host::ToFlag(cboWithLabelHeading_->ListIndex() == 0); });
  bool saved = false;
  Resume([&] { saved = catalog::SaveAddressLayout(dataFolder_, brand_, labelName_, v); });
  return saved;
}

bool frmLabelConfig::CheckFitsOnPage() {
  try {
    const std::int32_t position = cboFormat_->ListIndex();
    SheetGeometry& v = pageCheck_;
    v.PageFormat = position >= 2 ? ovPageFormatA5 : ovPageFormatA4;
    v.Landscape = position == 1 || position == 3 ? 1 : 0;
    v.ApplyPageFormat();
    // The narrow side of A5 counts as 148 here: whole millimetres.
    const double pageWidth = v.PageWidth == 148.5 ? 148 : v.PageWidth;
    const double pageHeight = v.PageHeight == 148.5 ? 148 : v.PageHeight;

    pageCols_ = catalog::ParseNumber(FieldText(kCols));
    if (pageCols_ < 1) pageCols_ = 1;
    pageRows_ = catalog::ParseNumber(FieldText(kRows));
    if (pageRows_ < 1) pageRows_ = 1;
    v.BorderLeft = catalog::ParseLength(FieldText(kBorderLeft));
    v.BorderTop = catalog::ParseLength(FieldText(kBorderTop));
    v.LabelWidth = catalog::ParseLength(FieldText(kLabelWidth));
    v.LabelHeight = catalog::ParseLength(FieldText(kLabelHeight));
    v.SpaceWidth =
        catalog::GapFromPitch(catalog::ParseLength(FieldText(kSpaceHorizontal)), v.LabelWidth);
    v.SpaceHeight =
        catalog::GapFromPitch(catalog::ParseLength(FieldText(kSpaceVertical)), v.LabelHeight);

    // Nothing is required right of or below the grid; equality fits. The counts are checked as
    // shown, which is how they are saved.
    const double width =
        SheetGeometry::GridExtent(v.BorderLeft, pageCols_, v.LabelWidth, v.SpaceWidth);
    const double height =
        SheetGeometry::GridExtent(v.BorderTop, pageRows_, v.LabelHeight, v.SpaceHeight);
    return host::Finite(width) <= pageWidth && host::Finite(height) <= pageHeight;
  } catch (const host::Error&) {
    return false;  // an arithmetic fault does not fit
  }
}

void frmLabelConfig::btnNew_Click() {
  Resume([&] { MakeCustomLabel(); });
  Resume([&] { cboLabels_->SetText(""); });
  Resume([&] { cboLabels_->SetFocus(); });
  Resume([&] { btnDelete_->SetEnabled(false); });
}

void frmLabelConfig::btnDelete_Click() {
  Resume([&] { brand_ = host::Trim(cboBrands_->Text()); });
  if (!BrandIsCustom()) {
    Resume([&] { cboLabels_->SetFocus(); });
    Resume([&] { btnDelete_->SetEnabled(false); });
    return;
  }
  std::string name;
  Resume([&] { name = cboLabels_->Text(); });
  int answer = host::msgbox::kNo;
  Resume([&] { answer = Message(DeleteQuestion(name), kQuestion); });
  if (answer != host::msgbox::kYes) return;
  // Written at once: the deletion stays even when the dialog is then cancelled.
  Resume([&] { catalog::DeleteCustomLabel(dataFolder_, name); });
  Resume([&] { catalog_.LoadCatalog(dataFolder_, platform_); });
  Resume([&] { cboBrands_Click(); });
  Resume([&] { cboLabels_->SetFocus(); });
  Resume([&] {
    if (cboLabels_->ListCount() == 0) btnDelete_->SetEnabled(false);
  });
}

void frmLabelConfig::btnCancel_Click() {
  Resume([&] { window_->Close(); });
}

}  // namespace orvano
