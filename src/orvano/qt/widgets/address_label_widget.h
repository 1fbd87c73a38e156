// AddressLabel as a Qt widget: an address box in the shape of the label.
#pragma once

#include <QString>
#include <memory>

#include "orvano/controls/address_label/address_label.h"
#include "orvano/qt/widgets/control_widget.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

// Texts use Qt's "\n" line ends; the control's own "\r\n" are converted both ways.
class ORVANO_WIDGETS_EXPORT AddressLabelWidget : public ControlWidget {
  Q_OBJECT
  Q_PROPERTY(int returnAddressFormat READ returnAddressFormat WRITE setReturnAddressFormat)
  Q_PROPERTY(double labelHeadingSpace READ labelHeadingSpace WRITE setLabelHeadingSpace)
  Q_PROPERTY(double addressSpace READ addressSpace WRITE setAddressSpace)
  Q_PROPERTY(double labelWidth READ labelWidth WRITE setLabelWidth)
  Q_PROPERTY(double labelHeight READ labelHeight WRITE setLabelHeight)
  Q_PROPERTY(double labelBorderLeft READ labelBorderLeft WRITE setLabelBorderLeft)
  Q_PROPERTY(double labelBorderTop READ labelBorderTop WRITE setLabelBorderTop)
  Q_PROPERTY(double labelBorderRight READ labelBorderRight WRITE setLabelBorderRight)
  Q_PROPERTY(double labelBorderBottom READ labelBorderBottom WRITE setLabelBorderBottom)
  Q_PROPERTY(QString address READ address WRITE setAddress)
  Q_PROPERTY(QString returnAddress READ returnAddress WRITE setReturnAddress)
  Q_PROPERTY(QString labelHeading READ labelHeading WRITE setLabelHeading)
  Q_PROPERTY(bool addressChanged READ addressChanged)

 public:
  explicit AddressLabelWidget(QWidget* parent = nullptr);
  ~AddressLabelWidget() override;

  AddressLabel& control() { return *control_; }
  const AddressLabel& control() const { return *control_; }

  int returnAddressFormat() const { return control_->ReturnAddressFormat(); }
  void setReturnAddressFormat(int v) {
    control_->SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(v));
  }
  double labelHeadingSpace() const { return control_->LabelHeadingSpace(); }
  void setLabelHeadingSpace(double v) { control_->SetLabelHeadingSpace(v); }
  double addressSpace() const { return control_->AddressSpace(); }
  void setAddressSpace(double v) { control_->SetAddressSpace(v); }
  double labelWidth() const { return control_->LabelWidth(); }
  void setLabelWidth(double v);
  double labelHeight() const { return control_->LabelHeight(); }
  void setLabelHeight(double v);
  double labelBorderLeft() const { return control_->LabelBorderLeft(); }
  void setLabelBorderLeft(double v) { control_->SetLabelBorderLeft(v); }
  double labelBorderTop() const { return control_->LabelBorderTop(); }
  void setLabelBorderTop(double v) { control_->SetLabelBorderTop(v); }
  double labelBorderRight() const { return control_->LabelBorderRight(); }
  void setLabelBorderRight(double v) { control_->SetLabelBorderRight(v); }
  double labelBorderBottom() const { return control_->LabelBorderBottom(); }
  void setLabelBorderBottom(double v) { control_->SetLabelBorderBottom(v); }
  QString address() const;
  void setAddress(const QString& v);
  QString returnAddress() const;
  void setReturnAddress(const QString& v);
  QString labelHeading() const;
  void setLabelHeading(const QString& v);
  bool addressChanged() const { return control_->AddressChanged() != 0; }

  // The label at real size (the control shrinks it evenly when given less room).
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {120, 70}; }

 signals:
  // The user changed the address and left the box.
  void afterUpdate();

 private:
  std::unique_ptr<AddressLabel> control_;
};

}  // namespace orvano::qt
