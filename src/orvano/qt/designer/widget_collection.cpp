// The plugin's entry point: Designer loads it and finds Orvano's three widgets.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"
#include "widget_plugin.h"

namespace orvano::qt::designer {

class WidgetCollection : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

 public:
  explicit WidgetCollection(QObject* parent = nullptr) : QObject(parent) {
    widgets_ = {
        new WidgetPlugin(
            {QStringLiteral("orvano::qt::LabelSelectWidget"), QStringLiteral("labelSelect"),
             QStringLiteral("orvano/qt/widgets/label_select_widget.h"),
             tr("Etikettenauswahl: Marke, Etikett und Startetikett auf dem Bogen"),
             [](QWidget* parent) { return new LabelSelectWidget(parent); }},
            this),
        new WidgetPlugin({QStringLiteral("orvano::qt::PreviewWidget"), QStringLiteral("preview"),
                          QStringLiteral("orvano/qt/widgets/preview_widget.h"),
                          tr("Maßstäbliche Vorschau der Seite oder eines Etiketts"),
                          [](QWidget* parent) { return new PreviewWidget(parent); }},
                         this),
        new WidgetPlugin(
            {QStringLiteral("orvano::qt::AddressLabelWidget"), QStringLiteral("addressLabel"),
             QStringLiteral("orvano/qt/widgets/address_label_widget.h"),
             tr("Adressfeld in der Form des Etiketts"),
             [](QWidget* parent) { return new AddressLabelWidget(parent); }},
            this),
    };
  }

  QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

 private:
  QList<QDesignerCustomWidgetInterface*> widgets_;
};

}  // namespace orvano::qt::designer

#include "widget_collection.moc"
