// The start label by keyboard: Tab gives the sheet picture the focus, the arrow keys, Home and
// End move the frame in grid terms, and Space or Enter choose the framed label with exactly the
// events and the picture of a click on it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "orvano/qt/widgets/label_select_widget.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

// The marker's 3-pixel red outline runs down the left edge of the label it sits on.
bool MarkerOn(const QImage& image, const SheetRect& r) {
  const int top = static_cast<int>(r.top + r.height / 4),
            bottom = static_cast<int>(r.top + 3 * r.height / 4);
  return ColumnShare(image, static_cast<int>(r.left) + 1, top, bottom, IsRed) > 0.9;
}

// A field, then the chooser: Tab from the field reaches the sheet picture.
struct Form {
  QWidget window;
  QLineEdit* field = new QLineEdit(&window);
  LabelSelectWidget* select = new LabelSelectWidget(&window);
  explicit Form(int direction) {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(field);
    layout->addWidget(select);
    select->setFixedSize(322, 417);
    select->setDirection(direction);
    ShowActive(window);
  }
  QWidget* Sheet() const { return select->container().Widget(); }
  void TabIn() {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
  }
};

TEST(SheetKeys, ArrowsHomeAndEndMoveInGridTerms) {
  struct Case {
    int direction;
    std::vector<Qt::Key> keys;
    int framed;  // the label Space then chooses
  };
  // 2 columns, 6 rows; the right column holds 1, 3, ... by rows and 6 .. 11 by columns.
  const Case cases[] = {
      {ovLeftRight, {Qt::Key_Right, Qt::Key_Down}, 3},
      {ovTopBottom, {Qt::Key_Right, Qt::Key_Down}, 7},
      {ovLeftRight, {Qt::Key_End, Qt::Key_Left}, 10},
      {ovLeftRight, {Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right}, 1},  // stops at edges
      {ovTopBottom, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Home}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.framed);
    Form form(c.direction);
    form.TabIn();
    ASSERT_TRUE(form.Sheet()->hasFocus());
    QSignalSpy clicks(form.select, &LabelSelectWidget::labelClick);
    for (Qt::Key key : c.keys) QTest::keyClick(form.Sheet(), key);
    EXPECT_EQ(clicks.count(), 0);  // moving the frame chooses nothing
    QTest::keyClick(form.Sheet(), Qt::Key_Space);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), c.framed);
    EXPECT_EQ(form.select->labelID(), c.framed);
  }
}

// Enter (Space in the table above) chooses with the events and the picture of a click.
TEST(SheetKeys, EnterChoosesExactlyAsAClickDoes) {
  Form byKeys(ovLeftRight), byMouse(ovLeftRight);
  QSignalSpy keyClicks(byKeys.select, &LabelSelectWidget::labelClick);
  QSignalSpy mouseClicks(byMouse.select, &LabelSelectWidget::labelClick);
  const SheetRect first = byMouse.select->control().LabelRect(0),
                  fourth = byMouse.select->control().LabelRect(3);  // row 2, right column
  ASSERT_TRUE(MarkerOn(Grab(*byMouse.select), first));

  byKeys.TabIn();
  QTest::keyClick(byKeys.Sheet(), Qt::Key_Down);
  QTest::keyClick(byKeys.Sheet(), Qt::Key_Right);
  QTest::keyClick(byKeys.Sheet(), Qt::Key_Return);
  QTest::mouseClick(byMouse.Sheet(), Qt::LeftButton, {},
                    QPoint(static_cast<int>(fourth.left + 10), static_cast<int>(fourth.top + 10)));
  ASSERT_EQ(mouseClicks.count(), 1);
  EXPECT_EQ(mouseClicks.at(0).at(0).toInt(), 3);
  EXPECT_TRUE(keyClicks == mouseClicks);
  EXPECT_EQ(byKeys.Sheet()->accessibleDescription(), "Etikett 4, Zeile 2, Spalte 2, Startetikett");
  // Without the focus frame, the two pictures are the same: the marker moved alike.
  byKeys.field->setFocus();
  byMouse.field->setFocus();
  const QImage picture = Grab(*byMouse.select);
  EXPECT_TRUE(MarkerOn(picture, fourth));
  EXPECT_FALSE(MarkerOn(picture, first));
  EXPECT_EQ(Grab(*byKeys.select), picture);
}

}  // namespace
}  // namespace orvano::qt::testing
