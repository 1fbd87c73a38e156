/// \file
/// AddressLabel: an address box drawn in the shape of one label, at real size or shrunk evenly to
/// fit the control, with an optional sender line and heading above the address. The host sets the
/// label's measurements in millimetres, reads the typed address back through Address() and learns
/// from AfterUpdate that the user changed it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "orvano/controls/address_label/address_label_properties.h"
#include "orvano/core_export.h"
#include "orvano/host/container.h"
#include "orvano/host/factory.h"
#include "orvano/host/runtime.h"
#include "orvano/host/widget_array.h"
#include "orvano/host/widgets.h"
#include "orvano/model/address_layout.h"
#include "orvano/model/enums.h"
#include "orvano/model/sheet_geometry.h"

namespace orvano {

/// The address label control (see the file comment); lengths in millimetres, the widgets in
/// twips.
class ORVANO_CORE_EXPORT AddressLabel : public host::Object, private host::ControlEvents {
 public:
  /// Creates the child widgets in the container (which must outlive the control), attaches to its
  /// lifecycle events and lays the control out once with the start values.
  explicit AddressLabel(host::Container& site);
  ~AddressLabel() override;
  AddressLabel(const AddressLabel&) = delete;
  AddressLabel& operator=(const AddressLabel&) = delete;

  /// The properties of address_label_properties.h. Every setter stores the value as given (no
  /// validation) and lays the control out again.
  /// Each one's meaning and unit: ORVANO_ADDRESS_LABEL_PROPERTIES.
  ///@{
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_PROPERTY_ACCESSORS)
  ///@}
  /// The text of the address box itself; setting it counts as a change of the address.
  ///@{
  std::string Address() const;
  void SetAddress(const std::string& value);
  ///@}

  /// The label size of a stock and the margins, spaces and sender format of an address layout at
  /// once, with one layout.
  void ShowLayout(const SheetGeometry& sheet, const AddressLayout& layout);

  /// True (-1) while the address has changed since the box last lost the focus.
  host::Flag AddressChanged() const { return addressChanged_; }

  /// AfterUpdate: raised once when the address box loses the focus after its text changed.
  ///@{
  void SetAfterUpdate(std::function<void()> handler) { afterUpdate_ = std::move(handler); }
  void OnAfterUpdate(std::function<void()> handler) { SetAfterUpdate(std::move(handler)); }
  ///@}

 private:
  /// Lifecycle, delivered by the container.
  void UserControl_Initialize();
  void UserControl_Resize() override;
  void UserControl_ReadProperties(host::PropertyBag& bag) override;
  void UserControl_WriteProperties(host::PropertyBag& bag) override;

  void txtAddress_Change();
  void txtAddress_GotFocus();
  void txtAddress_LostFocus();

  void RefreshLayout();
  void Redraw() { RefreshLayout(); }

  /// The layout, one step each (address_label_layout.cpp).
  double LayoutScale() const;
  void LayoutBack(double s);
  void LayoutOutline(double s);
  void LayoutReturnAddress(double s);
  bool LayoutHeading(double s);
  void LayoutAddressBox(double s, bool hasHeading);
  void LayoutFontSizes(double s);
  void FitToBottom(double s);

  void CreateWidgets();
  void WireHandlers();

  host::Container& site_;

  double labelWidth_ = 0;
  double labelHeight_ = 0;
  double labelBorderLeft_ = 0;
  double labelBorderRight_ = 0;
  double labelBorderTop_ = 0;
  double labelBorderBottom_ = 0;
  std::string returnAddress_;
  std::string labelHeading_;
  double labelHeadingSpace_ = 0;
  double addressSpace_ = 0;
  ovReturnAddressFormatConstants returnAddressFormat_ = ovReturnAddressNone;
  host::Flag addressChanged_ = host::kFalse;

  std::function<void()> afterUpdate_;

  /// Back to front: the white label area, its outline, the two captions, the address box.
  std::unique_ptr<host::Shape> back_;
  host::WidgetArray<host::Line> border_;
  std::unique_ptr<host::Label> lblReturnAddress_;
  std::unique_ptr<host::Label> lblLabelHeading_;
  std::unique_ptr<host::TextBox> txtAddress_;
};

/// Makes AddressLabel known as "Orvano.AddressLabel"; creating it needs a container
/// (ObjectRequired without one).
ORVANO_CORE_EXPORT void RegisterAddressLabel(host::ClassFactory& factory);

}  // namespace orvano
