// The three widgets through Qt: a property set through Qt notifies once on a real change and
// shows; a value the control refuses changes nothing and throws nothing; typing into the address
// label signals once the user leaves it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "orvano/model/page_format.h"
#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"
#include "orvano/qt/widgets/shared_platform.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

TEST(Widgets, EveryPropertyNotifiesOnceOnARealChangeAndTakesEffect) {
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
  ASSERT_TRUE(select.setProperty("direction", QStringLiteral("ovTopBottom")));  // by its key
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
  // A change of format moves the page size with it, and says so.
  EXPECT_TRUE(select.setPageFormat(Enums::ovPageFormatA5));
  EXPECT_EQ(width.count(), 1);

  // The preview's first label has a black left edge where the layout puts it, white inside.
  preview.setProperty("previewLayout", 0);
  preview.resize(preview.sizeHint());
  ShowActive(preview);
  const QImage image = Grab(preview);
  const PixelRect& label = preview.control().Layout().Label1Rect;
  ASSERT_GT(label.Height, 20);
  const int top = label.Top + 8, bottom = label.Top + label.Height - 9;
  EXPECT_GT(ColumnShare(image, label.Left, top, bottom, IsBlack), 0.8);
  EXPECT_LT(ColumnShare(image, label.Left + 2, top, bottom, IsBlack), 0.5);
  // The address label is drawn at real size.
  ASSERT_TRUE(address.setProperty("labelWidth", 88.9));
  EXPECT_NEAR(address.sizeHint().width(), 88.9 * kTwipsPerMm / SharedPlatform().TwipsPerPixelX(),
              3);
}

TEST(Widgets, ARefusedValueChangesNothingAndThrowsNothing) {
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
}

TEST(Widgets, TypingAndLeavingTheAddressSignalsAfterUpdateOnce) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* other = new QLineEdit(&window);
  auto* address = new AddressLabelWidget(&window);
  layout->addWidget(other);
  layout->addWidget(address);
  ShowActive(window);
  auto* box = address->findChild<QPlainTextEdit*>(QStringLiteral("txtAddress"));
  ASSERT_NE(box, nullptr);
  QSignalSpy updates(address, &AddressLabelWidget::afterUpdate);
  auto focus = [](QWidget* w) {
    w->setFocus();
    QApplication::processEvents();
  };
  focus(box);
  QTest::keyClicks(box, QStringLiteral("Erika"));
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, QStringLiteral("Mustermann"));
  EXPECT_EQ(updates.count(), 0);  // not while the user is still typing
  EXPECT_TRUE(address->isModified());
  focus(other);
  EXPECT_EQ(updates.count(), 1);
  EXPECT_FALSE(address->isModified());
  EXPECT_EQ(address->address(), QStringLiteral("Erika\nMustermann"));
}

}  // namespace
}  // namespace orvano::qt::testing
