// LabelSelect: the label stock chooser. Keeps and persists the chosen stock and the address
// layout of its label, draws the sheet with its labels in fill order and a marker on the start
// label, raises LabelClick and LabelChanged, and hands the host a LabelDef.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "orvano/controls/label_select/sheet_grid.h"
#include "orvano/controls/label_select/sheet_sources.h"
#include "orvano/core_export.h"
#include "orvano/host/container.h"
#include "orvano/host/factory.h"
#include "orvano/host/runtime.h"
#include "orvano/model/enums.h"
#include "orvano/model/label_def.h"

namespace orvano {

// What the settings dialog is opened with, and what it hands back.
struct LabelConfigRequest {
  std::string labelName;
  std::string brand;
  std::string dataFolder;
  host::Flag asAddressLabel = host::kFalse;
};
struct LabelConfigResult {
  host::Flag result = host::kFalse;  // exactly true when the user confirmed
  std::string brand;
  std::string labelName;
};
// Opens the settings dialog modally on the control's site and returns once it has closed.
using LabelConfigRunner =
    std::function<LabelConfigResult(host::Container& site, const LabelConfigRequest& request)>;

// The widget arrays of the sheet picture, indexed by label number.
enum class SheetArray { LabelBack, LabelBorder, LabelArea, DirectionLine };

struct SheetRect {
  float left = 0, top = 0, width = 0, height = 0;
};
struct SheetLine {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::int32_t borderWidth = 1;
};

class ORVANO_CORE_EXPORT LabelSelect : public host::Object, private host::ControlEvents {
 public:
  explicit LabelSelect(host::Container& site);
  ~LabelSelect() override;
  LabelSelect(const LabelSelect&) = delete;
  LabelSelect& operator=(const LabelSelect&) = delete;

  // A new object built from the current state on every read; address fields in address-label
  // mode. Platform errors (a non-finite measurement) reach the caller.
  std::shared_ptr<orvano::LabelDef> LabelDef() const;

  ovPageFormatConstants PageFormat() const noexcept {
    return static_cast<ovPageFormatConstants>(pageFormat_);
  }
  void SetPageFormat(std::int32_t code);
  host::Flag Landscape() const noexcept { return host::ToFlag(landscape_ != 0); }
  void SetLandscape(host::Flag landscape);

  double PageWidth() const noexcept { return pageWidth_; }
  void SetPageWidth(double v);
  double PageHeight() const noexcept { return pageHeight_; }
  void SetPageHeight(double v);
  double BorderLeft() const noexcept { return borderLeft_; }
  void SetBorderLeft(double v);
  double BorderTop() const noexcept { return borderTop_; }
  void SetBorderTop(double v);
  double LabelWidth() const noexcept { return labelWidth_; }
  void SetLabelWidth(double v);
  double LabelHeight() const noexcept { return labelHeight_; }
  void SetLabelHeight(double v);
  // Gaps between neighbouring labels, not pitches.
  double SpaceHeight() const noexcept { return spaceHeight_; }
  void SetSpaceHeight(double v);
  double SpaceWidth() const noexcept { return spaceWidth_; }
  void SetSpaceWidth(double v);
  std::int32_t Cols() const noexcept { return cols_; }
  void SetCols(std::int32_t v);
  std::int32_t Rows() const noexcept { return rows_; }
  void SetRows(std::int32_t v);

  // Both look the label up in the catalog; errors of the lookup reach the caller.
  const std::string& LabelName() const noexcept { return labelName_; }
  void SetLabelName(std::string v);
  const std::string& Brand() const noexcept { return brand_; }
  void SetBrand(std::string v);
  const std::string& Description() const noexcept { return description_; }
  void SetDescription(std::string v);
  // Where the user's own labels and address layouts live; empty means the component's folder.
  const std::string& DataFolder() const noexcept { return dataFolder_; }
  void SetDataFolder(std::string v);

  host::Flag AllowMarquee() const noexcept { return allowMarquee_; }
  void SetAllowMarquee(host::Flag v);
  host::Flag AllowConfig() const noexcept { return allowConfig_; }
  void SetAllowConfig(host::Flag v);

  // The start label, or -1 while the marker is not allowed. Setting ignores numbers outside the
  // grid and any number while the marker is not allowed.
  std::int32_t LabelID() const noexcept;
  void SetLabelID(std::int32_t id);
  // Changing the fill order keeps the same label on the sheet chosen; DivisionByZero when the
  // grid has no columns (from left-right) or no rows (from top-bottom), nothing changed then.
  ovLabelDirectionConstants Direction() const noexcept {
    return static_cast<ovLabelDirectionConstants>(direction_);
  }
  void SetDirection(std::int32_t v);

  host::Flag AddressLabel() const noexcept { return addressLabel_; }
  void SetAddressLabel(host::Flag v) noexcept { addressLabel_ = v; }

  // The address layout of the loaded label (read-only, set by the catalog lookup).
  ovReturnAddressFormatConstants AddressLabelReturnAddressFormat() const noexcept {
    return static_cast<ovReturnAddressFormatConstants>(addrReturnAddressFormat_);
  }
  double AddressLabelHeadingSpace() const noexcept { return addrHeadingSpace_; }
  double AddressLabelAddressSpace() const noexcept { return addrAddressSpace_; }
  double AddressLabelBorderLeft() const noexcept { return addrBorderLeft_; }
  double AddressLabelBorderTop() const noexcept { return addrBorderTop_; }
  double AddressLabelBorderRight() const noexcept { return addrBorderRight_; }
  double AddressLabelBorderBottom() const noexcept { return addrBorderBottom_; }
  host::Flag AddressLabelWithLabelHeading() const noexcept { return addrWithHeading_; }
  std::int32_t AddressLabelFontSize() const noexcept { return addrFontSize_; }

  // Puts the marker on a label and makes it the start label, without raising LabelClick.
  void MarqueeLabel(std::int32_t id);
  // Opens the settings dialog whatever AllowConfig says; afterwards reloads the label, redraws
  // and raises LabelChanged, whether the user confirmed or not.
  void ShowConfig();

  // Events, raised synchronously. LabelChanged's label name is the control's own field: a
  // handler that assigns to it changes LabelName without a lookup or redraw.
  void OnLabelClick(std::function<void(std::int32_t id)> handler);
  void OnLabelChanged(
      std::function<void(const std::string& brand, std::string& labelName)> handler);

  // How ShowConfig opens the dialog. New controls take the process-wide default, which starts
  // as the settings dialog frmLabelConfig; without one the dialog counts as cancelled.
  void SetConfigRunner(LabelConfigRunner runner);
  static void SetDefaultConfigRunner(LabelConfigRunner runner);

  // The sheet picture as a host or test sees it. Indexes are label numbers; an index the arrays
  // never held raises SubscriptOutOfRange.
  std::int32_t LoadedCount() const noexcept { return loaded_; }
  bool ElementVisible(SheetArray array, std::int32_t index) const;
  SheetRect LabelRect(std::int32_t index) const;
  SheetLine DirectionLineGeometry(std::int32_t index) const;
  std::string ToolTip(std::int32_t index) const;
  // The label whose clickable area lies in front at a point, or -1.
  std::int32_t HitTest(float x, float y) const;

 private:
  // Lifecycle from the container.
  void UserControl_Initialize();
  void UserControl_Resize() override;
  void UserControl_ReadProperties(host::PropertyBag& bag) override;
  void UserControl_WriteProperties(host::PropertyBag& bag) override;

  void txtLabelName_Click();
  void lblLabel_Click(std::int32_t index);

  void SetDefaults();
  void LoadLabel();
  void RefreshSheet();
  void LayoutSheet();
  void PlaceArrowhead();
  std::string CaptionText() const;
  std::int32_t PlacedLabels() const;
  void CheckIndex(std::int32_t index) const;
  host::VirtualArray& Array(SheetArray array) const;

  host::Container& site_;

  double pageWidth_ = 210;
  double pageHeight_ = 297;
  double borderLeft_ = 12.29;
  double borderTop_ = 8.8;
  double labelWidth_ = 88.9;
  double labelHeight_ = 46.56;
  double spaceHeight_ = 0;
  double spaceWidth_ = 7.62;
  std::int32_t cols_ = 2;
  std::int32_t rows_ = 6;
  std::string labelName_;
  std::int32_t direction_ = ovLeftRight;
  std::int32_t labelId_ = 0;
  std::string brand_;
  std::string description_;
  std::string dataFolder_;
  host::Flag allowMarquee_ = host::kTrue;
  host::Flag allowConfig_ = host::kTrue;
  std::int32_t pageFormat_ = ovPageFormatA4;
  std::int32_t landscape_ = 0;
  host::Flag addressLabel_ = host::kFalse;
  double addrBorderLeft_ = 0;
  double addrBorderRight_ = 0;
  double addrBorderTop_ = 0;
  double addrBorderBottom_ = 0;
  double addrHeadingSpace_ = 0;
  double addrAddressSpace_ = 0;
  std::int32_t addrReturnAddressFormat_ = 0;
  std::int32_t addrFontSize_ = 0;
  host::Flag addrWithHeading_ = host::kFalse;
  std::int32_t labelCount_ = 0;

  // The picture: the arrays only grow; their elements come from grid_.
  std::int32_t loaded_ = 0;
  sheet::Grid grid_;
  std::unique_ptr<host::Label> txtLabelName_;
  std::unique_ptr<host::Shape> shpPaper_;
  std::unique_ptr<host::VirtualArray> shpLabelBack_;
  std::unique_ptr<host::VirtualArray> DirectionLine_;
  std::unique_ptr<host::Line> Arrow1_;
  std::unique_ptr<host::Line> Arrow2_;
  std::unique_ptr<host::Line> Arrow3_;
  std::unique_ptr<host::VirtualArray> shpLabelBorder_;
  std::unique_ptr<host::VirtualArray> lblLabel_;
  std::unique_ptr<host::Shape> Selector_;
  sheet::LabelSource backSource_;
  sheet::LabelSource borderSource_;
  sheet::LabelSource areaSource_;
  sheet::PathSource pathSource_;

  std::function<void(std::int32_t)> labelClick_;
  std::function<void(const std::string&, std::string&)> labelChanged_;
  LabelConfigRunner configRunner_;
};

// "Orvano.LabelSelect"; needs a container (ObjectRequired without one).
ORVANO_CORE_EXPORT void RegisterLabelSelect(host::ClassFactory& factory);

}  // namespace orvano
