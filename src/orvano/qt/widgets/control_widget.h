/// \file
/// The common part of the Qt-style wrappers: a QWidget whose whole area is the ControlHost of one
/// control instance, with state saving through the property bag.
///
/// Errors: no exception leaves a wrapper's public functions or a call through the meta-object
/// system. A setter the control refuses keeps the old value and returns false; when the refusal is
/// an error of the control (a failing catalog lookup, a fill order on a grid without columns) the
/// wrapper also emits errorOccurred with its message. A value the control ignores without an error
/// (a start label outside the sheet, a label the catalog does not hold) only returns false.
///
/// Notification: every property has a notify signal, emitted once whenever its value has really
/// changed: through a setter, through another property (a new label changes the measurements), a
/// click, the settings dialog or restoreState.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "orvano/host/property_bag.h"
#include "orvano/qt/property_file.h"
#include "orvano/qt/qt_container.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

/// The base of LabelSelectWidget, PreviewWidget and AddressLabelWidget (see the file comment).
class ORVANO_WIDGETS_EXPORT ControlWidget : public QWidget {
  Q_OBJECT

 public:
  ~ControlWidget() override;

  /// The control's own WriteProperties / ReadProperties: what a form saves and loads.
  ///@{
  void saveState(host::PropertyBag& bag);
  void restoreState(host::PropertyBag& bag);
  ///@}
  /// The same through a property file, under the widget's objectName (which must be set and
  /// unique on the form). restoreState leaves the control as it is when the file has no bag
  /// for it and returns false then. saveState of a widget without a name saves nothing, emits
  /// errorOccurred and returns false: saving nothing must not pass unnoticed.
  ///@{
  bool saveState(PropertyFile& file);
  bool restoreState(PropertyFile& file);
  ///@}

  /// The container the control lives in: for hosts that need the lower-level view.
  QtContainer& container() { return *container_; }

 Q_SIGNALS:
  /// The control refused a change with an error; the text says why (German, as the platform's).
  void errorOccurred(const QString& message);

 protected:
  /// A widget whose container the derived class's control then fills.
  explicit ControlWidget(QWidget* parent);

  /// Runs a change of the control, then publishes the properties. An exception of the change is
  /// caught: errorOccurred tells it and the result is false.
  bool Apply(const std::function<void()>& change) noexcept;
  /// Emits the notify signal of every property whose value differs from the one last published
  /// (with signal false: only records them, as a constructor does).
  virtual void Publish(bool signal = true) = 0;

 private:
  std::unique_ptr<QtContainer> container_;
};

}  // namespace orvano::qt
