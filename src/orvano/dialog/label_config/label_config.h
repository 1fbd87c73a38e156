// frmLabelConfig: the modal settings dialog "Etiketteneinstellungen". The user picks a label stock
// from the catalog, edits its measurements, creates, overwrites or deletes labels of their own and,
// for an address-label control, sets the address layout inside one label. The measurements travel
// back to the caller through the catalog files; the dialog returns only brand and label name.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "orvano/catalog/label_catalog.h"
#include "orvano/controls/preview/preview.h"
#include "orvano/dialog/label_config/field_table.h"
#include "orvano/host/factory.h"
#include "orvano/host/platform.h"

namespace orvano {

class frmLabelConfig : public host::Object {
 public:
  // Creates the window through the platform and builds its widgets; nothing is read yet.
  explicit frmLabelConfig(host::Platform& platform);
  ~frmLabelConfig() override;
  frmLabelConfig(const frmLabelConfig&) = delete;
  frmLabelConfig& operator=(const frmLabelConfig&) = delete;

  // The caller's interface. Result is true only after OK saved everything.
  bool Result() const noexcept { return result_; }
  const std::string& LabelName() const noexcept { return labelName_; }
  void SetLabelName(std::string v) { labelName_ = std::move(v); }
  const std::string& Brand() const noexcept { return brand_; }
  void SetBrand(std::string v) { brand_ = std::move(v); }
  // A blank folder becomes the component's folder when the dialog opens.
  const std::string& DataFolder() const noexcept { return dataFolder_; }
  void SetDataFolder(std::string v) { dataFolder_ = std::move(v); }
  bool AsAddressLabel() const noexcept { return asAddressLabel_; }
  void SetAsAddressLabel(bool v) noexcept { asAddressLabel_ = v; }

  // Loads the catalog, fills the lists and shows the dialog modally; returns once it has closed.
  void Show();

  // For hosts and tests that look inside.
  host::DialogWindow& Window() noexcept { return *window_; }
  const orvano::Preview& Preview1() const noexcept { return *preview_; }
  const catalog::LabelCatalog& Catalog() const noexcept { return catalog_; }

 private:
  struct Field {
    std::unique_ptr<host::Label> caption;
    std::unique_ptr<host::TextBox> text;
    std::unique_ptr<host::Spinner> spinner;
  };

  // Building the window (label_config_layout.cpp).
  void CreateWidgets();
  void CreateField(std::int32_t index, float top);
  std::unique_ptr<host::Label> CreateCaption(const std::string& name, const std::string& text,
                                             float left, float top, float width);
  void WireEvents();

  // Opening and the lists (label_config_lists.cpp).
  void Form_Load();
  void FillBrandList();
  void FillLabelList();
  void UpdatePreview();
  void MakeCustomLabel(const std::string& name = std::string());
  void SelectActiveText();
  void cboBrands_Click();
  void cboLabels_Click();
  void cboLabels_Change();
  void cboFormat_Click();
  void cboReturnAddressFormat_Click();
  void cboWithLabelHeading_Click();
  void SSTab1_Change();
  catalog::CatalogEntry SelectedEntry() const;
  bool BrandIsCustom() const;

  // The measurement fields and spinners (label_config_fields.cpp).
  void Field_GotFocus();
  void Field_LostFocus(std::int32_t index);
  void UpDown_Click(std::int32_t index, double step);
  void AcceptLength(std::int32_t index);
  void AcceptCount(std::int32_t index);
  void MatchPartner(std::int32_t index);
  void PreviewField(std::int32_t index);
  void cboFontSize_LostFocus();
  double FieldValue(std::int32_t index) const;
  std::string FieldText(std::int32_t index) const;
  void SetFieldText(std::int32_t index, const std::string& text);
  void ShowPreview(bool visible);

  // The buttons (label_config_buttons.cpp).
  void btnOK_Click();
  void btnNew_Click();
  void btnDelete_Click();
  void btnCancel_Click();
  bool CheckFitsOnPage();
  bool SaveCustomLabel(const std::string& name, std::string& previous, bool& hadPrevious);
  void RestoreCustomLabel(const std::string& name, const std::string& previous, bool hadPrevious);
  bool SaveAddressLayout();
  int Message(const std::string& text, int flags);

  host::Platform& platform_;
  std::unique_ptr<host::DialogWindow> window_;

  bool result_ = false;
  std::string labelName_;
  std::string brand_;
  std::string dataFolder_;
  bool asAddressLabel_ = false;

  catalog::LabelCatalog catalog_;
  bool skipListSelection_ = false;

  // Page check values of the last CheckFitsOnPage, the custom-label record's source. The counts
  // are kept as the fields show them, which is how they are saved.
  SheetGeometry pageCheck_;
  double pageCols_ = 0;
  double pageRows_ = 0;

  std::unique_ptr<host::Label> lblBrands_;
  std::unique_ptr<host::ComboBox> cboBrands_;
  std::unique_ptr<host::Label> lblLabels_;
  std::unique_ptr<host::ComboBox> cboLabels_;
  std::unique_ptr<host::TabStrip> SSTab1_;
  std::unique_ptr<host::Label> lblFormat_;
  std::unique_ptr<host::ComboBox> cboFormat_;
  std::array<Field, label_config::kFieldCount> fields_;
  std::unique_ptr<host::Label> lblFontSize_;
  std::unique_ptr<host::ComboBox> cboFontSize_;
  std::unique_ptr<host::Label> lblReturnAddressFormat_;
  std::unique_ptr<host::ComboBox> cboReturnAddressFormat_;
  std::unique_ptr<host::Label> lblWithLabelHeading_;
  std::unique_ptr<host::ComboBox> cboWithLabelHeading_;
  std::unique_ptr<host::Button> btnNew_;
  std::unique_ptr<host::Button> btnDelete_;
  std::unique_ptr<host::Button> btnOK_;
  std::unique_ptr<host::Button> btnCancel_;
  // The preview lives in its own nested control; it goes before its site.
  std::unique_ptr<host::Container> previewSite_;
  std::unique_ptr<orvano::Preview> preview_;
};

}  // namespace orvano
