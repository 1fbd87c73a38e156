// LabelSelect as a Qt widget: the label stock chooser with its sheet picture.
#pragma once

#include <QString>
#include <memory>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/qt/widgets/control_widget.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

// Setters let the control's errors (host::Error) reach the caller, as the control does: a
// lookup that fails in setBrand, setDirection on a grid without columns.
class ORVANO_WIDGETS_EXPORT LabelSelectWidget : public ControlWidget {
  Q_OBJECT
  Q_PROPERTY(int pageFormat READ pageFormat WRITE setPageFormat)
  Q_PROPERTY(bool landscape READ landscape WRITE setLandscape)
  Q_PROPERTY(double pageWidth READ pageWidth WRITE setPageWidth)
  Q_PROPERTY(double pageHeight READ pageHeight WRITE setPageHeight)
  Q_PROPERTY(double borderLeft READ borderLeft WRITE setBorderLeft)
  Q_PROPERTY(double borderTop READ borderTop WRITE setBorderTop)
  Q_PROPERTY(double labelWidth READ labelWidth WRITE setLabelWidth)
  Q_PROPERTY(double labelHeight READ labelHeight WRITE setLabelHeight)
  Q_PROPERTY(double spaceHeight READ spaceHeight WRITE setSpaceHeight)
  Q_PROPERTY(double spaceWidth READ spaceWidth WRITE setSpaceWidth)
  Q_PROPERTY(int cols READ cols WRITE setCols)
  Q_PROPERTY(int rows READ rows WRITE setRows)
  Q_PROPERTY(QString labelName READ labelName WRITE setLabelName)
  Q_PROPERTY(QString brand READ brand WRITE setBrand)
  Q_PROPERTY(QString description READ description WRITE setDescription)
  Q_PROPERTY(QString dataFolder READ dataFolder WRITE setDataFolder)
  Q_PROPERTY(bool allowMarquee READ allowMarquee WRITE setAllowMarquee)
  Q_PROPERTY(bool allowConfig READ allowConfig WRITE setAllowConfig)
  Q_PROPERTY(int labelID READ labelID WRITE setLabelID)
  Q_PROPERTY(int direction READ direction WRITE setDirection)
  Q_PROPERTY(bool addressLabel READ addressLabel WRITE setAddressLabel)
  Q_PROPERTY(int addressLabelReturnAddressFormat READ addressLabelReturnAddressFormat)
  Q_PROPERTY(double addressLabelHeadingSpace READ addressLabelHeadingSpace)
  Q_PROPERTY(double addressLabelAddressSpace READ addressLabelAddressSpace)
  Q_PROPERTY(double addressLabelBorderLeft READ addressLabelBorderLeft)
  Q_PROPERTY(double addressLabelBorderTop READ addressLabelBorderTop)
  Q_PROPERTY(double addressLabelBorderRight READ addressLabelBorderRight)
  Q_PROPERTY(double addressLabelBorderBottom READ addressLabelBorderBottom)
  Q_PROPERTY(bool addressLabelWithLabelHeading READ addressLabelWithLabelHeading)
  Q_PROPERTY(int addressLabelFontSize READ addressLabelFontSize)

 public:
  explicit LabelSelectWidget(QWidget* parent = nullptr);
  ~LabelSelectWidget() override;

  // The control itself, for everything a property cannot carry.
  LabelSelect& control() { return *control_; }
  const LabelSelect& control() const { return *control_; }
  // A new object on every call, owned by the caller.
  std::shared_ptr<orvano::LabelDef> labelDef() const { return control_->LabelDef(); }

  int pageFormat() const { return control_->PageFormat(); }
  void setPageFormat(int v) { control_->SetPageFormat(v); }
  bool landscape() const { return control_->Landscape() != 0; }
  void setLandscape(bool v) { control_->SetLandscape(host::ToFlag(v)); }
  double pageWidth() const { return control_->PageWidth(); }
  void setPageWidth(double v) { control_->SetPageWidth(v); }
  double pageHeight() const { return control_->PageHeight(); }
  void setPageHeight(double v) { control_->SetPageHeight(v); }
  double borderLeft() const { return control_->BorderLeft(); }
  void setBorderLeft(double v) { control_->SetBorderLeft(v); }
  double borderTop() const { return control_->BorderTop(); }
  void setBorderTop(double v) { control_->SetBorderTop(v); }
  double labelWidth() const { return control_->LabelWidth(); }
  void setLabelWidth(double v) { control_->SetLabelWidth(v); }
  double labelHeight() const { return control_->LabelHeight(); }
  void setLabelHeight(double v) { control_->SetLabelHeight(v); }
  double spaceHeight() const { return control_->SpaceHeight(); }
  void setSpaceHeight(double v) { control_->SetSpaceHeight(v); }
  double spaceWidth() const { return control_->SpaceWidth(); }
  void setSpaceWidth(double v) { control_->SetSpaceWidth(v); }
  int cols() const { return control_->Cols(); }
  void setCols(int v) { control_->SetCols(v); }
  int rows() const { return control_->Rows(); }
  void setRows(int v) { control_->SetRows(v); }
  QString labelName() const;
  void setLabelName(const QString& v);
  QString brand() const;
  void setBrand(const QString& v);
  QString description() const;
  void setDescription(const QString& v);
  QString dataFolder() const;
  void setDataFolder(const QString& v);
  bool allowMarquee() const { return control_->AllowMarquee() != 0; }
  void setAllowMarquee(bool v) { control_->SetAllowMarquee(host::ToFlag(v)); }
  bool allowConfig() const { return control_->AllowConfig() != 0; }
  void setAllowConfig(bool v) { control_->SetAllowConfig(host::ToFlag(v)); }
  int labelID() const { return control_->LabelID(); }
  void setLabelID(int v) { control_->SetLabelID(v); }
  int direction() const { return control_->Direction(); }
  void setDirection(int v) { control_->SetDirection(v); }
  bool addressLabel() const { return control_->AddressLabel() != 0; }
  void setAddressLabel(bool v) { control_->SetAddressLabel(host::ToFlag(v)); }

  int addressLabelReturnAddressFormat() const {
    return control_->AddressLabelReturnAddressFormat();
  }
  double addressLabelHeadingSpace() const { return control_->AddressLabelHeadingSpace(); }
  double addressLabelAddressSpace() const { return control_->AddressLabelAddressSpace(); }
  double addressLabelBorderLeft() const { return control_->AddressLabelBorderLeft(); }
  double addressLabelBorderTop() const { return control_->AddressLabelBorderTop(); }
  double addressLabelBorderRight() const { return control_->AddressLabelBorderRight(); }
  double addressLabelBorderBottom() const { return control_->AddressLabelBorderBottom(); }
  bool addressLabelWithLabelHeading() const {
    return control_->AddressLabelWithLabelHeading() != 0;
  }
  int addressLabelFontSize() const { return control_->AddressLabelFontSize(); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 public slots:
  // Opens the settings dialog modally; labelChanged follows, confirmed or not.
  void showConfig() { control_->ShowConfig(); }
  void marqueeLabel(int id) { control_->MarqueeLabel(id); }

 signals:
  // A click on a label of the sheet moved the start label there (0-based, in fill order).
  void labelClick(int id);
  // The settings dialog has closed; brand and label name as the control now holds them.
  void labelChanged(const QString& brand, const QString& labelName);

 private:
  std::unique_ptr<LabelSelect> control_;
};

}  // namespace orvano::qt
