// The Designer plugin: its widgets in one group of the widget box, and a form that uses all
// three loaded at run time with their properties.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPluginLoader>
#include <QUiLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <memory>

#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"

namespace orvano::qt {
namespace {

TEST(DesignerPlugin, OffersTheThreeWidgetsInOneGroup) {
  QPluginLoader plugin(QStringLiteral(ORVANO_DESIGNER_PLUGIN));
  auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(plugin.instance());
  ASSERT_NE(collection, nullptr) << plugin.errorString().toStdString();
  QStringList names;
  for (QDesignerCustomWidgetInterface* w : collection->customWidgets()) {
    names << w->name();
    EXPECT_EQ(w->group(), QStringLiteral("Orvano"));
    // The widget box makes a new instance from the XML: it must name the class.
    EXPECT_TRUE(w->domXml().contains(QStringLiteral("class=\"%1\"").arg(w->name())));
    std::unique_ptr<QWidget> made(w->createWidget(nullptr));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->metaObject()->className(), w->name());
  }
  EXPECT_EQ(names, (QStringList{"orvano::qt::LabelSelectWidget", "orvano::qt::PreviewWidget",
                                "orvano::qt::AddressLabelWidget"}));
}

TEST(DesignerPlugin, AFormLoadsWithTheRealClassesAndTheirProperties) {
  QUiLoader loader;
  loader.addPluginPath(QFileInfo(QStringLiteral(ORVANO_DESIGNER_PLUGIN)).absolutePath());
  QFile file(QStringLiteral(ORVANO_TEST_FORM));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::unique_ptr<QWidget> form(loader.load(&file));
  ASSERT_NE(form, nullptr) << loader.errorString().toStdString();

  auto* labelSelect = form->findChild<LabelSelectWidget*>(QStringLiteral("labelSelect"));
  auto* preview = form->findChild<PreviewWidget*>(QStringLiteral("preview"));
  auto* addressLabel = form->findChild<AddressLabelWidget*>(QStringLiteral("addressLabel"));
  ASSERT_NE(labelSelect, nullptr);
  ASSERT_NE(preview, nullptr);
  ASSERT_NE(addressLabel, nullptr);

  EXPECT_EQ(labelSelect->cols(), 3);
  EXPECT_EQ(labelSelect->labelWidth(), 63.5);
  EXPECT_FALSE(labelSelect->allowMarquee());
  EXPECT_EQ(labelSelect->control().Cols(), 3);  // the control underneath took it too
  EXPECT_EQ(preview->previewLayout(), 1);
  EXPECT_EQ(addressLabel->address(),
            QStringLiteral("Erika Mustermann\nHeidestraße 17\n51147 Köln"));
}

}  // namespace
}  // namespace orvano::qt
