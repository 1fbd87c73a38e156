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

TEST(WidgetProperties, EveryPropertyNotifiesOnceOnARealChangeEnumerationsAreQtEnums) {
  LabelSelectWidget select;
  PreviewWidget preview;
  AddressLabelWidget address;
  for (const ControlWidget* widget :
       std::vector<const ControlWidget*>{&select, &preview, &address}) {
    const QMetaObject* mo = widget->metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i)
      EXPECT_TRUE(mo->property(i).hasNotifySignal())
          << mo->className() << "::" << mo->property(i).name();
  }
  const QMetaProperty direction =
      select.metaObject()->property(select.metaObject()->indexOfProperty("direction"));
  ASSERT_TRUE(direction.isEnumType());
  EXPECT_STREQ(direction.enumerator().valueToKey(1), "ovTopBottom");
  ASSERT_TRUE(select.setProperty("direction", QStringLiteral("ovTopBottom")));
  EXPECT_EQ(select.control().Direction(), ovTopBottom);

  QSignalSpy cols(&select, &LabelSelectWidget::colsChanged);
  QSignalSpy width(&select, &LabelSelectWidget::pageWidthChanged);
  QSignalSpy layout(&preview, &PreviewWidget::previewLayoutChanged);
  QSignalSpy text(&address, &AddressLabelWidget::addressChanged);
  for (int twice = 0; twice < 2; ++twice) {
    select.setProperty("cols", 3);
    preview.setProperty("previewLayout", 1);
    address.setProperty("address", QStringLiteral("Erika\nMustermann"));
  }
  EXPECT_EQ((std::vector<int>{int(cols.count()), int(width.count()), int(layout.count()),
                              int(text.count())}),
            (std::vector<int>{1, 0, 1, 1}));
  EXPECT_EQ(address.address(), QStringLiteral("Erika\nMustermann"));
  // A change of format moves the page size with it, and says so.
  EXPECT_TRUE(select.setPageFormat(Enums::ovPageFormatA5));
  EXPECT_EQ(width.count(), 1);
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
