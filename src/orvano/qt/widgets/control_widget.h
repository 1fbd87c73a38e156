// The common part of the Qt-style wrappers: a QWidget whose whole area is the ControlHost of one
// control instance, with state saving through the property bag.
#pragma once

#include <QWidget>
#include <memory>

#include "orvano/host/property_bag.h"
#include "orvano/qt/property_file.h"
#include "orvano/qt/qt_container.h"
#include "orvano/widgets_export.h"

namespace orvano::qt {

class ORVANO_WIDGETS_EXPORT ControlWidget : public QWidget {
  Q_OBJECT

 public:
  ~ControlWidget() override;

  // The control's own WriteProperties / ReadProperties: what a form saves and loads.
  void saveState(host::PropertyBag& bag);
  void restoreState(host::PropertyBag& bag);
  // The same through a property file, under the widget's objectName (which must be set and
  // unique on the form). restoreState leaves the control as it is when the file has no bag
  // for it and returns false then.
  void saveState(PropertyFile& file);
  bool restoreState(PropertyFile& file);

  // The container the control lives in: for hosts that need the lower-level view.
  QtContainer& container() { return *container_; }

 protected:
  explicit ControlWidget(QWidget* parent);

 private:
  std::unique_ptr<QtContainer> container_;
};

}  // namespace orvano::qt
