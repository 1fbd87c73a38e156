/// \file
/// LabelSelect: the label stock chooser. Keeps and persists the chosen stock and the address
/// layout of its label, draws the sheet with its labels in fill order and a marker on the start
/// label, raises LabelClick and LabelChanged, and hands the host a LabelDef.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "orvano/controls/label_select/label_select_properties.h"
#include "orvano/controls/label_select/sheet_grid.h"
#include "orvano/controls/label_select/sheet_sources.h"
#include "orvano/core_export.h"
#include "orvano/host/container.h"
#include "orvano/host/factory.h"
#include "orvano/host/runtime.h"
#include "orvano/model/address_layout.h"
#include "orvano/model/enums.h"
#include "orvano/model/label_def.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano {

/// What the settings dialog is opened with, and what it hands back.
///@{
struct LabelConfigRequest {
  std::string labelName;                     ///< the label chosen now
  std::string brand;                         ///< its maker
  std::string dataFolder;                    ///< the folder of the user's own labels
  host::Flag asAddressLabel = host::kFalse;  ///< whether the dialog shows the address layout
};
/// What the settings dialog hands back.
struct LabelConfigResult {
  host::Flag result = host::kFalse;  ///< exactly true when the user confirmed
  std::string brand;                 ///< the maker chosen
  std::string labelName;             ///< the label chosen
};
///@}
/// Opens the settings dialog modally on the control's site and returns once it has closed.
using LabelConfigRunner =
    std::function<LabelConfigResult(host::Container& site, const LabelConfigRequest& request)>;

/// The widget arrays of the sheet picture, indexed by label number.
enum class SheetArray {
  LabelBack,     ///< the labels' filled backs
  LabelBorder,   ///< the labels' outlines
  LabelArea,     ///< the transparent click areas
  DirectionLine  ///< the segments of the fill-order path
};

/// A rectangle of the sheet picture, in the control's pixels.
struct SheetRect {
  float left = 0,  ///< pixels from the control's left edge
      top = 0,     ///< pixels from the control's top edge
      width = 0,   ///< pixels
      height = 0;  ///< pixels
};
/// A line of the sheet picture (the fill-order path), in the control's pixels.
struct SheetLine {
  float x1 = 0,                  ///< the start, pixels
      y1 = 0,                    ///< the start, pixels
      x2 = 0,                    ///< the end, pixels
      y2 = 0;                    ///< the end, pixels
  std::int32_t borderWidth = 1;  ///< the line width in pixels
};

/// The label stock chooser (see the file comment). Lengths are millimetres, the sheet picture is
/// in the control's pixels; host::Error is what a refusal throws.
class ORVANO_CORE_EXPORT LabelSelect : public host::Object, private host::ControlEvents {
 public:
  /// Creates the sheet picture in the container (which must outlive the control), attaches to
  /// its lifecycle and starts with the default stock.
  explicit LabelSelect(host::Container& site);
  ~LabelSelect() override;
  LabelSelect(const LabelSelect&) = delete;
  LabelSelect& operator=(const LabelSelect&) = delete;

  /// A new object built from the current state on every read; address fields in address-label
  /// mode. Platform errors (a non-finite measurement) reach the caller.
  std::shared_ptr<orvano::LabelDef> LabelDef() const;

  /// The properties of label_select_properties.h. Every setter stores its value and then
  /// redraws the sheet; Brand and LabelName first look the label up in the catalog (an error of
  /// the lookup reaches the caller and leaves the control as it was). AddressLabel only stores.
  /// The AddressLabel... values are read-only: the address layout of the loaded label.
  /// Each one's meaning and unit: ORVANO_LABEL_SELECT_PROPERTIES.
  ///@{
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_PROPERTY_ACCESSORS)
  ///@}

  /// The page size follows the format and the orientation (A4, A5; other codes keep it).
  ///@{
  ovPageFormatConstants PageFormat() const noexcept {
    return static_cast<ovPageFormatConstants>(sheet_.PageFormat);
  }
  void SetPageFormat(std::int32_t code);
  host::Flag Landscape() const noexcept { return host::ToFlag(sheet_.Landscape != 0); }
  void SetLandscape(host::Flag landscape);
  ///@}

  /// The start label, or -1 while the marker is not allowed. Setting ignores numbers outside the
  /// grid and any number while the marker is not allowed.
  ///@{
  std::int32_t LabelID() const noexcept;
  void SetLabelID(std::int32_t id);
  ///@}
  /// Changing the fill order keeps the same label on the sheet chosen; DivisionByZero when the
  /// grid has no columns (from left-right) or no rows (from top-bottom), nothing changed then.
  ///@{
  ovLabelDirectionConstants Direction() const noexcept {
    return static_cast<ovLabelDirectionConstants>(direction_);
  }
  void SetDirection(std::int32_t v);
  ///@}

  /// The stock and the address layout as values, for hosts that pass them on whole.
  ///@{
  const SheetGeometry& Sheet() const noexcept { return sheet_; }
  const orvano::AddressLayout& AddressLayout() const noexcept { return address_; }
  ///@}

  /// Puts the marker on a label and makes it the start label, without raising LabelClick.
  void MarqueeLabel(std::int32_t id);
  /// Opens the settings dialog whatever AllowConfig says; afterwards reloads the label, redraws
  /// and raises LabelChanged, whether the user confirmed or not.
  void ShowConfig();

  /// LabelClick, raised synchronously: a click on a label of the sheet made it the start label
  /// (0-based, fill order).
  void OnLabelClick(std::function<void(std::int32_t id)> handler);
  /// LabelChanged, raised synchronously when the settings dialog has closed, confirmed or not.
  /// Its label name is the control's own field: a handler that assigns to it changes LabelName
  /// without a lookup or redraw.
  void OnLabelChanged(
      std::function<void(const std::string& brand, std::string& labelName)> handler);

  /// How ShowConfig opens the dialog. New controls take the process-wide default, which starts
  /// as the settings dialog frmLabelConfig; without one the dialog counts as cancelled.
  ///@{
  void SetConfigRunner(LabelConfigRunner runner);
  static void SetDefaultConfigRunner(LabelConfigRunner runner);
  ///@}

  /// The sheet picture as a host or test sees it. Indexes are label numbers; an index the arrays
  /// never held raises SubscriptOutOfRange.
  std::int32_t LoadedCount() const noexcept { return loaded_; }  ///< labels the arrays hold
  /// Whether an element of an array is shown.
  bool ElementVisible(SheetArray array, std::int32_t index) const;
  /// The rectangle of a label's clickable area, in pixels.
  SheetRect LabelRect(std::int32_t index) const;
  /// The segment of the fill-order path that leads into a label (empty for label 0), in pixels.
  SheetLine DirectionLineGeometry(std::int32_t index) const;
  /// The tooltip of a label: its column as a letter from A and its row from 1.
  std::string ToolTip(std::int32_t index) const;
  /// The label whose clickable area lies in front at a point, or -1.
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
  void Reload(std::string& field, std::string value);
  void Redraw() { RefreshSheet(); }
  void RefreshSheet();
  void LayoutSheet();
  void PlaceArrowhead();
  std::string CaptionText() const;
  std::int32_t PlacedLabels() const;
  void CheckIndex(std::int32_t index) const;
  host::VirtualArray& Array(SheetArray array) const;

  host::Container& site_;

  SheetGeometry sheet_ = SheetGeometry::DefaultStock();
  std::string labelName_;
  std::int32_t direction_ = ovLeftRight;
  std::int32_t labelId_ = 0;
  std::string brand_;
  std::string description_;
  std::string dataFolder_;
  host::Flag allowMarquee_ = host::kTrue;
  host::Flag allowConfig_ = host::kTrue;
  host::Flag addressLabel_ = host::kFalse;
  /// Unlike a label without a stored layout, a control that has loaded none reports zeros.
  orvano::AddressLayout address_{0, 0, 0, 0, 0, 0, 0, 0, host::kFalse};
  std::int32_t labelCount_ = 0;

  /// The picture: the arrays only grow; their elements come from grid_.
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

/// "Orvano.LabelSelect"; needs a container (ObjectRequired without one).
ORVANO_CORE_EXPORT void RegisterLabelSelect(host::ClassFactory& factory);

}  // namespace orvano
