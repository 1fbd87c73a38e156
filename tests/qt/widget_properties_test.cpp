// The wrappers' properties as Qt code uses them: each one notifies, and only on a real change; a
// value the control refuses changes nothing and throws nothing; enumerations carry their keys.
#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QSignalSpy>
#include <memory>
#include <vector>

#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"

namespace orvano::qt::testing {
namespace {

std::vector<std::unique_ptr<ControlWidget>> AllWidgets() {
  std::vector<std::unique_ptr<ControlWidget>> all;
  all.push_back(std::make_unique<LabelSelectWidget>());
  all.push_back(std::make_unique<PreviewWidget>());
  all.push_back(std::make_unique<AddressLabelWidget>());
  return all;
}

TEST(WidgetProperties, EveryPropertyNotifiesAndEnumerationsAreQtEnums) {
  for (const auto& widget : AllWidgets()) {
    const QMetaObject* mo = widget->metaObject();
    int own = 0;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i, ++own) {
      const QMetaProperty p = mo->property(i);
      EXPECT_TRUE(p.hasNotifySignal()) << mo->className() << "::" << p.name();
    }
    EXPECT_GE(own, 12) << mo->className();
  }
  LabelSelectWidget select;
  const QMetaObject* mo = select.metaObject();
  const QMetaProperty direction = mo->property(mo->indexOfProperty("direction"));
  ASSERT_TRUE(direction.isEnumType());
  EXPECT_STREQ(direction.enumerator().valueToKey(1), "ovTopBottom");
  ASSERT_TRUE(select.setProperty("direction", QStringLiteral("ovTopBottom")));
  EXPECT_EQ(select.control().Direction(), ovTopBottom);
}

TEST(WidgetProperties, ARealChangeNotifiesOnceAndAnUnchangedSetNotAtAll) {
  LabelSelectWidget select;
  QSignalSpy cols(&select, &LabelSelectWidget::colsChanged);
  QSignalSpy width(&select, &LabelSelectWidget::pageWidthChanged);
  ASSERT_TRUE(select.setProperty("cols", 3));
  ASSERT_TRUE(select.setProperty("cols", 3));
  EXPECT_EQ(cols.count(), 1);
  EXPECT_EQ(cols.at(0).at(0).toInt(), 3);
  EXPECT_EQ(width.count(), 0);
  // A change of format moves the page size with it, and says so.
  EXPECT_TRUE(select.setPageFormat(Enums::ovPageFormatA5));
  EXPECT_EQ(width.count(), 1);

  PreviewWidget preview;
  QSignalSpy layout(&preview, &PreviewWidget::previewLayoutChanged);
  preview.setProperty("previewLayout", 1);
  preview.setProperty("previewLayout", 1);
  EXPECT_EQ(layout.count(), 1);

  AddressLabelWidget address;
  QSignalSpy text(&address, &AddressLabelWidget::addressChanged);
  address.setProperty("address", QStringLiteral("Erika\nMustermann"));
  address.setProperty("address", QStringLiteral("Erika\nMustermann"));
  EXPECT_EQ(text.count(), 1);
  EXPECT_EQ(address.address(), QStringLiteral("Erika\nMustermann"));
}

TEST(WidgetProperties, ARefusedValueChangesNothingAndThrowsNothing) {
  LabelSelectWidget select;
  QSignalSpy errors(&select, &LabelSelectWidget::errorOccurred);
  QSignalSpy direction(&select, &LabelSelectWidget::directionChanged);
  ASSERT_TRUE(select.setCols(0));
  // Renumbering the start label divides by the columns.
  EXPECT_NO_THROW(select.setProperty("direction", 1));
  EXPECT_EQ(select.property("direction").toInt(), 0);
  EXPECT_EQ(direction.count(), 0);
  ASSERT_EQ(errors.count(), 1);
  EXPECT_FALSE(errors.at(0).at(0).toString().isEmpty());
  EXPECT_FALSE(select.setDirection(Enums::ovTopBottom));
  EXPECT_EQ(errors.count(), 2);

  // Numbers off the sheet are ignored without an error.
  ASSERT_TRUE(select.setCols(2));
  EXPECT_NO_THROW(select.setProperty("labelID", 99));
  EXPECT_EQ(select.labelID(), 0);
  EXPECT_FALSE(select.setLabelID(99));
  EXPECT_EQ(errors.count(), 2);
}

}  // namespace
}  // namespace orvano::qt::testing
