// One of Orvano's widgets as Designer sees it: its name, its header, its place in the widget box
// and how to make one.
#pragma once

#include <QObject>
#include <QString>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

namespace orvano::qt::designer {

struct WidgetDescription {
  QString className;   // with its namespace, as uic writes it into generated code
  QString objectName;  // the name a new instance gets on a form
  QString includeFile;
  QString toolTip;
  std::function<QWidget*(QWidget* parent)> create;
};

class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  WidgetPlugin(WidgetDescription description, QObject* parent);

  QString name() const override { return description_.className; }
  QString group() const override;
  QString toolTip() const override { return description_.toolTip; }
  QString whatsThis() const override { return description_.toolTip; }
  QString includeFile() const override { return description_.includeFile; }
  QIcon icon() const override;
  bool isContainer() const override { return false; }
  QWidget* createWidget(QWidget* parent) override { return description_.create(parent); }
  QString domXml() const override;
  bool isInitialized() const override { return initialized_; }
  void initialize(QDesignerFormEditorInterface*) override { initialized_ = true; }

 private:
  WidgetDescription description_;
  bool initialized_ = false;
};

}  // namespace orvano::qt::designer
