/// \file
/// AddressLabel as a Qt widget: an address box in the shape of the label.
#pragma once

#include <QString>
#include <memory>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/qt/widgets/control_widget.h"
#include "orvano/qt/widgets/widget_properties.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

/// The properties are those of AddressLabel (address_label_properties.h), named in Qt's style;
/// errors and notification as ControlWidget describes (addressChanged follows every edit of the
/// box). Texts use Qt's "\n" line ends; the control's own "\r\n" are converted both ways.
class ORVANO_WIDGETS_EXPORT AddressLabelWidget : public ControlWidget {
  Q_OBJECT
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_QT_PROPERTY)
  /// The address has changed since the box last lost the focus.
  Q_PROPERTY(bool modified READ isModified NOTIFY modifiedChanged)

 public:
  /// A new AddressLabel with its start values.
  explicit AddressLabelWidget(QWidget* parent = nullptr);
  ~AddressLabelWidget() override;

  /// The control itself, for everything a property cannot carry.
  ///@{
  AddressLabel& control() { return *control_; }
  const AddressLabel& control() const { return *control_; }
  ///@}

  /// The properties of AddressLabel in Qt's style (see ORVANO_ADDRESS_LABEL_PROPERTIES for each
  /// one's meaning and unit). A setter returns true when the control took the value, false when it
  /// kept the old one (then errorOccurred tells a refusal with an error); C++ callers may also pass
  /// the model's enumerations or plain numbers.
  ///@{
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_QT_ACCESSORS)
  ///@}
  /// The modified property: the address has changed since the box last lost the focus.
  bool isModified() const { return control_->AddressChanged() != 0; }
  /// The label size of a stock and the margins, spaces and sender format of an address layout.
  void showLayout(const SheetGeometry& sheet, const AddressLayout& layout);

  /// The label at real size (the control shrinks it evenly when given less room).
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {120, 70}; }  ///< 120 x 70 pixels

 Q_SIGNALS:
  /// The user changed the address and left the box.
  void afterUpdate();
  /// The notify signals, one per property, emitted once with the new value whenever it has
  /// really changed.
  ///@{
  ORVANO_ADDRESS_LABEL_PROPERTIES(ORVANO_QT_SIGNAL)
  ///@}
  void modifiedChanged(bool modified);  ///< the notify signal of modified

 protected:
  void Publish(bool signal = true) override;

 private:
  struct Published;
  std::unique_ptr<AddressLabel> control_;
  std::unique_ptr<Published> published_;
};

}  // namespace orvano::qt
