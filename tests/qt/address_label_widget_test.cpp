// AddressLabelWidget on screen: typing and leaving the box signals once, the text comes back
// with Qt's line ends, and the label is drawn at real size.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "orvano/host/widgets.h"
#include "orvano/model/page_format.h"
#include "orvano/qt/widgets/address_label_widget.h"
#include "orvano/qt/widgets/shared_platform.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

class AddressLabelWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window_);
    other_ = new QLineEdit(&window_);
    address_ = new AddressLabelWidget(&window_);
    layout->addWidget(other_);
    layout->addWidget(address_);
    ShowActive(window_);
    box_ = address_->findChild<QPlainTextEdit*>(QStringLiteral("txtAddress"));
    ASSERT_NE(box_, nullptr);
  }
  QWidget window_;
  QLineEdit* other_ = nullptr;
  AddressLabelWidget* address_ = nullptr;
  QPlainTextEdit* box_ = nullptr;
};

// An address far above any real one (from a host or a saved form) is cut with a note, not laid
// out whole: 200 KB took seconds in the box, 5 MB minutes.
TEST_F(AddressLabelWidgetTest, OverlongAddressIsCutWithANote) {
  address_->setAddress(QString(200 * 1024, QLatin1Char('x')));
  const QByteArray shown = address_->address().toUtf8();
  EXPECT_LE(static_cast<std::size_t>(shown.size()), host::kMaxTextBoxBytes);
  EXPECT_TRUE(shown.endsWith(host::kTextCutNote));
  EXPECT_EQ(box_->toPlainText(), address_->address());
}

TEST_F(AddressLabelWidgetTest, TypingAndLeavingTheBoxSignalsAfterUpdateOnce) {
  QSignalSpy updates(address_, &AddressLabelWidget::afterUpdate);
  box_->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(box_, QStringLiteral("Erika"));
  QTest::keyClick(box_, Qt::Key_Return);
  QTest::keyClicks(box_, QStringLiteral("Mustermann"));
  EXPECT_EQ(updates.count(), 0);  // not while the user is still typing
  EXPECT_TRUE(address_->isModified());

  other_->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(updates.count(), 1);
  EXPECT_FALSE(address_->isModified());
  EXPECT_EQ(address_->address(), QStringLiteral("Erika\nMustermann"));

  // Entering and leaving again without typing is no update.
  box_->setFocus();
  QApplication::processEvents();
  other_->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(updates.count(), 1);
}

TEST_F(AddressLabelWidgetTest, LabelIsDrawnAtRealSizeAndTheHintFollowsIt) {
  const double tpp = SharedPlatform().TwipsPerPixelX();
  const int realWidth = static_cast<int>(88.9 * kTwipsPerMm / tpp);
  EXPECT_NEAR(address_->sizeHint().width(), realWidth, 3);
  address_->setLabelWidth(70);
  EXPECT_NEAR(address_->sizeHint().width(), 70 * kTwipsPerMm / tpp, 3);
  address_->setLabelWidth(88.9);
  address_->resize(address_->sizeHint());
  QApplication::processEvents();

  const QImage image = Grab(*address_);
  EXPECT_GT(DistinctColours(image), 2);
  // The outline's right edge: the right-most dark pixel of the row through the label's middle.
  const int y = image.height() / 2;
  int right = -1;
  for (int x = 0; x < image.width(); ++x) {
    if (IsBlack(image.pixel(x, y))) right = x;
  }
  EXPECT_NEAR(right, realWidth, 4);
  // White label face between the outline and the address box.
  EXPECT_EQ(image.pixel(realWidth / 2, 4) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
}  // namespace orvano::qt::testing
