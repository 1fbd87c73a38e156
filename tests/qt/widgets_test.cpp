// The three widgets on screen: what a property set through Qt does to the picture, the size, the
// text and the saved state; where the sheet picture puts the page; typing into the address label;
// and the end of the settings dialog signalled.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

#include "orvano/host/widgets.h"
#include "orvano/model/page_format.h"
#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "orvano/qt/widgets/preview_widget.h"
#include "orvano/qt/widgets/shared_platform.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

bool IsWhite(QRgb c) { return qRed(c) > 250 && qGreen(c) > 250 && qBlue(c) > 250; }

// The preview's first label has a black left edge where the layout puts it, and white inside.
void ExpectFirstLabelDrawn(QWidget& widget) {
  auto& preview = dynamic_cast<PreviewWidget&>(widget);
  const QImage image = Grab(preview);
  const PixelRect& label = preview.control().Layout().Label1Rect;
  ASSERT_GT(label.Height, 20);
  const int top = label.Top + 8, bottom = label.Top + label.Height - 9;
  EXPECT_GT(ColumnShare(image, label.Left, top, bottom, IsBlack), 0.8);
  EXPECT_LT(ColumnShare(image, label.Left + 2, top, bottom, IsBlack), 0.5);
}

int RealWidth(double mm) {
  return static_cast<int>(mm * kTwipsPerMm / SharedPlatform().TwipsPerPixelX());
}

TEST(Widgets, APropertySetThroughQtTakesEffect) {
  struct Row {
    std::function<ControlWidget*()> make;
    const char* property;
    QVariant value;
    std::function<void(QWidget&)> effect;
  };
  const Row rows[] = {
      {[] { return new PreviewWidget; }, "previewLayout", 0, ExpectFirstLabelDrawn},
      // The label is drawn at real size: the outline's right edge is the right-most dark pixel
      // through its middle, with white label face beside the address box.
      {[] { return new AddressLabelWidget; }, "labelWidth", 88.9,
       [](QWidget& w) {
         EXPECT_NEAR(w.sizeHint().width(), RealWidth(88.9), 3);
         const QImage image = Grab(w);
         int right = -1;
         for (int x = 0; x < image.width(); ++x)
           right = IsBlack(image.pixel(x, image.height() / 2)) ? x : right;
         EXPECT_NEAR(right, RealWidth(88.9), 4);
         EXPECT_EQ(image.pixel(RealWidth(88.9) / 2, 4) & 0xFFFFFF, 0xFFFFFFu);
       }},
      // An address far above any real one (from a host or a saved form) is cut with a note, not
      // laid out whole: 200 KB took seconds in the box, 5 MB minutes.
      {[] { return new AddressLabelWidget; }, "address", QString(200 * 1024, QLatin1Char('x')),
       [](QWidget& w) {
         const QString shown = dynamic_cast<AddressLabelWidget&>(w).address();
         EXPECT_TRUE(shown.toUtf8().endsWith(host::kTextCutNote));
         EXPECT_EQ(w.findChild<QPlainTextEdit*>(QStringLiteral("txtAddress"))->toPlainText(),
                   shown);
       }},
  };
  for (const Row& row : rows) {
    std::unique_ptr<QWidget> widget(row.make());
    SCOPED_TRACE(::testing::Message() << widget->metaObject()->className() << "." << row.property);
    widget->resize(widget->sizeHint());
    ShowActive(*widget);
    ASSERT_TRUE(widget->setProperty(row.property, row.value));
    row.effect(*widget);
  }
}

// The default A4 sheet of 2 x 6 labels in 322 x 417 pixels: the page is 269 x 381 pixels at
// left 26, top 0; labels 115 x 60 pixels from 41, 11, the columns 9 pixels apart.
TEST(Widgets, SheetPictureShowsThePageWhereTheLayoutPutsIt) {
  LabelSelectWidget widget;
  widget.resize(322, 417);
  ShowActive(widget);
  const QImage image = Grab(widget);
  ASSERT_EQ(image.size(), QSize(322, 417));
  EXPECT_TRUE(IsWhite(image.pixel(41 + 8, 11 + 45)));    // face of label 0, below the path
  EXPECT_TRUE(IsWhite(image.pixel(164 + 100, 330)));     // face of the last label, right column
  EXPECT_FALSE(IsWhite(image.pixel(41 + 114 + 4, 30)));  // the gap between the columns
  EXPECT_FALSE(IsWhite(image.pixel(12, 200)));           // beside the page
  EXPECT_FALSE(IsWhite(image.pixel(28, 5)));             // the page's top margin
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
