// LabelSelectWidget on screen: a click on a label moves the marker and signals, the picture
// shows the sheet where the layout puts it, and the dialog's end is signalled.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "orvano/qt/widgets/label_select_widget.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

bool IsWhite(QRgb c) { return qRed(c) > 250 && qGreen(c) > 250 && qBlue(c) > 250; }

// The marker's 3-pixel red outline runs down the left edge of the label it sits on.
bool MarkerOn(const QImage& image, const SheetRect& r) {
  const int x = static_cast<int>(r.left) + 1;
  const int top = static_cast<int>(r.top + r.height / 4),
            bottom = static_cast<int>(r.top + 3 * r.height / 4);
  return ColumnShare(image, x, top, bottom, IsRed) > 0.9;
}

class LabelSelectWidgetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    widget_.resize(322, 417);
    ShowActive(widget_);
  }
  LabelSelectWidget widget_;
};

TEST_F(LabelSelectWidgetTest, ClickOnALabelMovesTheMarkerAndSignalsItsNumber) {
  QSignalSpy clicks(&widget_, &LabelSelectWidget::labelClick);
  const SheetRect first = widget_.control().LabelRect(0);
  const SheetRect fourth = widget_.control().LabelRect(3);  // second row, right column
  QImage image = Grab(widget_);
  ASSERT_TRUE(MarkerOn(image, first));
  ASSERT_FALSE(MarkerOn(image, fourth));

  QTest::mouseClick(widget_.container().Widget(), Qt::LeftButton, {},
                    QPoint(static_cast<int>(fourth.left + fourth.width / 2),
                           static_cast<int>(fourth.top + fourth.height / 3)));

  ASSERT_EQ(clicks.count(), 1);
  EXPECT_EQ(clicks.at(0).at(0).toInt(), 3);
  EXPECT_EQ(widget_.labelID(), 3);
  image = Grab(widget_);
  EXPECT_TRUE(MarkerOn(image, fourth));
  EXPECT_FALSE(MarkerOn(image, first));
}

TEST_F(LabelSelectWidgetTest, WithoutTheMarkerAClickNeitherMovesNorSignals) {
  widget_.setAllowMarquee(false);
  QSignalSpy clicks(&widget_, &LabelSelectWidget::labelClick);
  const SheetRect second = widget_.control().LabelRect(1);
  QTest::mouseClick(widget_.container().Widget(), Qt::LeftButton, {},
                    QPoint(static_cast<int>(second.left + 10), static_cast<int>(second.top + 10)));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(widget_.labelID(), -1);
  EXPECT_FALSE(MarkerOn(Grab(widget_), second));
}

// The default A4 sheet of 2 x 6 labels in 322 x 417 pixels: the page is 269 x 381 pixels at
// left 26, top 0; labels 115 x 60 pixels from 41, 11, the columns 9 pixels apart.
TEST_F(LabelSelectWidgetTest, PictureShowsTheSheetWhereTheLayoutPutsIt) {
  const QImage image = Grab(widget_);
  ASSERT_EQ(image.size(), QSize(322, 417));
  EXPECT_GT(DistinctColours(image), 4);
  const SheetRect first = widget_.control().LabelRect(0);
  EXPECT_EQ(first.left, 41);
  EXPECT_EQ(first.top, 11);
  EXPECT_TRUE(IsWhite(image.pixel(41 + 8, 11 + 45)));    // face of label 0, below the path
  EXPECT_TRUE(IsWhite(image.pixel(164 + 100, 330)));     // face of the last label, right column
  EXPECT_FALSE(IsWhite(image.pixel(41 + 114 + 4, 30)));  // the gap between the columns
  EXPECT_FALSE(IsWhite(image.pixel(12, 200)));           // beside the page
  EXPECT_FALSE(IsWhite(image.pixel(28, 5)));             // the page's top margin
}

TEST_F(LabelSelectWidgetTest, ClosingTheDialogSignalsBrandAndLabelName) {
  widget_.control().SetConfigRunner([](host::Container&, const LabelConfigRequest& request) {
    LabelConfigResult cancelled;
    cancelled.brand = request.brand + " anders";
    cancelled.labelName = "anders";
    return cancelled;
  });
  QSignalSpy changed(&widget_, &LabelSelectWidget::labelChanged);
  widget_.showConfig();
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toString(), widget_.brand());
  EXPECT_EQ(changed.at(0).at(1).toString(), widget_.labelName());
  EXPECT_TRUE(widget_.labelName().isEmpty());
}

TEST_F(LabelSelectWidgetTest, PropertiesReachTheControlAndComeBackThroughTheBag) {
  ASSERT_TRUE(widget_.setProperty("cols", 3));
  ASSERT_TRUE(widget_.setProperty("direction", 1));
  EXPECT_EQ(widget_.control().Cols(), 3);
  EXPECT_EQ(widget_.property("direction").toInt(), 1);

  QtPropertyBag bag;
  widget_.saveState(bag);
  LabelSelectWidget other;
  other.restoreState(bag);
  EXPECT_EQ(other.cols(), 3);
  EXPECT_EQ(other.direction(), 1);
  EXPECT_DOUBLE_EQ(other.spaceWidth(), 7.62);
}

}  // namespace
}  // namespace orvano::qt::testing
