// Preview as a Qt widget: the sheet corner or one address label, drawn to scale.
#pragma once

#include <memory>

#include "orvano/controls/preview/preview.h"
#include "orvano/qt/widgets/control_widget.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

class ORVANO_WIDGETS_EXPORT PreviewWidget : public ControlWidget {
  Q_OBJECT
  Q_PROPERTY(int previewLayout READ previewLayout WRITE setPreviewLayout)
  Q_PROPERTY(double borderLeft READ borderLeft WRITE setBorderLeft)
  Q_PROPERTY(double borderTop READ borderTop WRITE setBorderTop)
  Q_PROPERTY(double labelWidth READ labelWidth WRITE setLabelWidth)
  Q_PROPERTY(double labelHeight READ labelHeight WRITE setLabelHeight)
  Q_PROPERTY(double spaceVertical READ spaceVertical WRITE setSpaceVertical)
  Q_PROPERTY(double spaceHorizontal READ spaceHorizontal WRITE setSpaceHorizontal)
  Q_PROPERTY(int cols READ cols WRITE setCols)
  Q_PROPERTY(int rows READ rows WRITE setRows)
  Q_PROPERTY(int returnAddressFormat READ returnAddressFormat WRITE setReturnAddressFormat)
  Q_PROPERTY(double labelHeadingSpace READ labelHeadingSpace WRITE setLabelHeadingSpace)
  Q_PROPERTY(double addressSpace READ addressSpace WRITE setAddressSpace)
  Q_PROPERTY(double labelBorderLeft READ labelBorderLeft WRITE setLabelBorderLeft)
  Q_PROPERTY(double labelBorderTop READ labelBorderTop WRITE setLabelBorderTop)
  Q_PROPERTY(double labelBorderRight READ labelBorderRight WRITE setLabelBorderRight)
  Q_PROPERTY(double labelBorderBottom READ labelBorderBottom WRITE setLabelBorderBottom)
  Q_PROPERTY(bool withLabelHeading READ withLabelHeading WRITE setWithLabelHeading)
  Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize)

 public:
  explicit PreviewWidget(QWidget* parent = nullptr);
  ~PreviewWidget() override;

  Preview& control() { return *control_; }
  const Preview& control() const { return *control_; }

  int previewLayout() const { return control_->PreviewLayout(); }
  void setPreviewLayout(int v) {
    control_->SetPreviewLayout(static_cast<ovPreviewLayoutConstants>(v));
  }
  double borderLeft() const { return control_->BorderLeft(); }
  void setBorderLeft(double v) { control_->SetBorderLeft(v); }
  double borderTop() const { return control_->BorderTop(); }
  void setBorderTop(double v) { control_->SetBorderTop(v); }
  double labelWidth() const { return control_->LabelWidth(); }
  void setLabelWidth(double v) { control_->SetLabelWidth(v); }
  double labelHeight() const { return control_->LabelHeight(); }
  void setLabelHeight(double v) { control_->SetLabelHeight(v); }
  // Pitches: label size plus gap.
  double spaceVertical() const { return control_->SpaceVertical(); }
  void setSpaceVertical(double v) { control_->SetSpaceVertical(v); }
  double spaceHorizontal() const { return control_->SpaceHorizontal(); }
  void setSpaceHorizontal(double v) { control_->SetSpaceHorizontal(v); }
  int cols() const { return control_->Cols(); }
  void setCols(int v) { control_->SetCols(v); }
  int rows() const { return control_->Rows(); }
  void setRows(int v) { control_->SetRows(v); }
  int returnAddressFormat() const { return control_->ReturnAddressFormat(); }
  void setReturnAddressFormat(int v) {
    control_->SetReturnAddressFormat(static_cast<ovReturnAddressFormatConstants>(v));
  }
  double labelHeadingSpace() const { return control_->LabelHeadingSpace(); }
  void setLabelHeadingSpace(double v) { control_->SetLabelHeadingSpace(v); }
  double addressSpace() const { return control_->AddressSpace(); }
  void setAddressSpace(double v) { control_->SetAddressSpace(v); }
  double labelBorderLeft() const { return control_->LabelBorderLeft(); }
  void setLabelBorderLeft(double v) { control_->SetLabelBorderLeft(v); }
  double labelBorderTop() const { return control_->LabelBorderTop(); }
  void setLabelBorderTop(double v) { control_->SetLabelBorderTop(v); }
  double labelBorderRight() const { return control_->LabelBorderRight(); }
  void setLabelBorderRight(double v) { control_->SetLabelBorderRight(v); }
  double labelBorderBottom() const { return control_->LabelBorderBottom(); }
  void setLabelBorderBottom(double v) { control_->SetLabelBorderBottom(v); }
  bool withLabelHeading() const { return control_->WithLabelHeading() == host::kTrue; }
  void setWithLabelHeading(bool v) { control_->SetWithLabelHeading(host::ToFlag(v)); }
  int fontSize() const { return control_->FontSize(); }
  void setFontSize(int v) { control_->SetFontSize(v); }

  QSize sizeHint() const override { return {320, 240}; }
  QSize minimumSizeHint() const override { return {160, 120}; }

 private:
  std::unique_ptr<Preview> control_;
};

}  // namespace orvano::qt
