/// \file
/// LabelSelect as a Qt widget: the label stock chooser with its sheet picture.
#pragma once

#include <QString>
#include <memory>

#include "orvano/controls/label_select/label_select.h"
#include "orvano/qt/widgets/control_widget.h"
#include "orvano/qt/widgets/widget_properties.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

/// The properties are those of LabelSelect (label_select_properties.h), named in Qt's style
/// (pageWidth for PageWidth); errors and notification as ControlWidget describes. Setting brand
/// or labelName looks the label up in the catalog; labelID takes only numbers on the sheet while
/// the marker is allowed.
class ORVANO_WIDGETS_EXPORT LabelSelectWidget : public ControlWidget {
  Q_OBJECT
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_QT_PROPERTY)

 public:
  /// A new LabelSelect with the default stock.
  explicit LabelSelectWidget(QWidget* parent = nullptr);
  ~LabelSelectWidget() override;

  /// The control itself, for everything a property cannot carry.
  ///@{
  LabelSelect& control() { return *control_; }
  const LabelSelect& control() const { return *control_; }
  ///@}
  /// A new object on every call, owned by the caller. Unlike the properties, this plain C++ call
  /// lets the control's error (host::Error, a measurement that is not a number) reach the caller.
  std::shared_ptr<orvano::LabelDef> labelDef() const { return control_->LabelDef(); }

  /// The properties of LabelSelect in Qt's style (see ORVANO_LABEL_SELECT_PROPERTIES for each one's
  /// meaning and unit). A setter returns true when the control took the value, false when it kept
  /// the old one (then errorOccurred tells a refusal with an error); C++ callers may also pass the
  /// model's enumerations or plain numbers.
  ///@{
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_QT_ACCESSORS)
  ///@}

  /// The sheet picture's preferred and least size, pixels.
  ///@{
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  ///@}

 public Q_SLOTS:
  /// Opens the settings dialog modally; labelChanged follows, confirmed or not.
  void showConfig();
  /// Puts the marker on a label and makes it the start label, without labelClick.
  void marqueeLabel(int id);

 Q_SIGNALS:
  /// A click on a label of the sheet moved the start label there (0-based, in fill order).
  void labelClick(int id);
  /// The settings dialog has closed; brand and label name as the control now holds them.
  void labelChanged(const QString& brand, const QString& labelName);

  /// The notify signals, one per property, emitted once with the new value whenever it has
  /// really changed.
  ///@{
  ORVANO_LABEL_SELECT_PROPERTIES(ORVANO_QT_SIGNAL)
  ///@}

 protected:
  void Publish(bool signal = true) override;

 private:
  struct Published;
  std::unique_ptr<LabelSelect> control_;
  std::unique_ptr<Published> published_;
};

}  // namespace orvano::qt
