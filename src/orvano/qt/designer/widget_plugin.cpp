#include "widget_plugin.h"

#include <QIcon>
#include <utility>

namespace orvano::qt::designer {

WidgetPlugin::WidgetPlugin(WidgetDescription description, QObject* parent)
    : QObject(parent), description_(std::move(description)) {}

QString WidgetPlugin::group() const { return QStringLiteral("Orvano"); }

QIcon WidgetPlugin::icon() const { return {}; }

QString WidgetPlugin::domXml() const {
  return QStringLiteral(
             "<ui language=\"c++\">\n"
             " <widget class=\"%1\" name=\"%2\"/>\n"
             " <customwidgets>\n"
             "  <customwidget>\n"
             "   <class>%1</class>\n"
             "   <extends>QWidget</extends>\n"
             "   <header>%3</header>\n"
             "  </customwidget>\n"
             " </customwidgets>\n"
             "</ui>\n")
      .arg(description_.className, description_.objectName, description_.includeFile);
}

}  // namespace orvano::qt::designer
