// The sheet picture is cached and, on dense grids, painted by pattern: a click repaints only
// the marker's old and new place yet leaves the screen as a full repaint would, and a grid
// painted by pattern looks like the same grid painted label by label.
#include <gtest/gtest.h>

#include <QScreen>

#include "orvano/qt/virtual_array.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

void ShowGrid(LabelSelectWidget& w, int cols, int rows) {
  w.resize(322, 417);
  w.setBorderLeft(5);
  w.setBorderTop(5);
  w.setLabelWidth(180.0 / cols);
  w.setSpaceWidth(20.0 / cols);
  w.setLabelHeight(260.0 / rows);
  w.setSpaceHeight(27.0 / rows);
  w.setCols(cols);
  w.setRows(rows);
  ShowActive(w);
}

// What the window shows now, as the last repaints left it.
QImage Screen(QWidget& w) {
  QApplication::processEvents();
  return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint Centre(const LabelSelectWidget& w, int id) {
  const SheetRect r = w.control().LabelRect(id);
  return {static_cast<int>(r.left + r.width / 2), static_cast<int>(r.top + r.height / 2)};
}

TEST(SheetRepaint, AfterClicksTheScreenShowsWhatAFreshPictureShows) {
  for (const auto& [cols, rows] : {std::pair{2, 6}, std::pair{60, 80}}) {
    SCOPED_TRACE(cols);
    LabelSelectWidget clicked;
    ShowGrid(clicked, cols, rows);
    QWidget* sheet = clicked.container().Widget();
    // The first click also gives the focus, which repaints everything; the next ones do not.
    QTest::mouseClick(sheet, Qt::LeftButton, {}, Centre(clicked, 0));
    Screen(clicked);
    QTest::mouseClick(sheet, Qt::LeftButton, {}, Centre(clicked, cols * rows - 1));
    Screen(clicked);
    QTest::mouseClick(sheet, Qt::LeftButton, {}, Centre(clicked, 1));
    ASSERT_EQ(clicked.labelID(), 1);
    const QImage screen = Screen(clicked);  // before another window takes the focus

    LabelSelectWidget fresh;
    ShowGrid(fresh, cols, rows);
    fresh.setLabelID(1);
    EXPECT_EQ(screen, Grab(fresh));
  }
}

TEST(SheetRepaint, PatternPaintingMatchesLabelByLabel) {
  for (const auto& [cols, rows] : {std::pair{2, 6}, std::pair{7, 9}, std::pair{24, 30}}) {
    SCOPED_TRACE(cols);
    LabelSelectWidget w;
    ShowGrid(w, cols, rows);
    const QImage exact = Grab(w);
    for (SceneItem* item : w.container().Widget()->Items()) {
      if (auto* array = dynamic_cast<QtVirtualArray*>(item)) array->SetExactLimit(0);
    }
    const QImage pattern = Grab(w);
    int differ = 0, worst = 0;
    for (int y = 0; y < exact.height(); ++y) {
      for (int x = 0; x < exact.width(); ++x) {
        const QRgb a = exact.pixel(x, y), b = pattern.pixel(x, y);
        const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b))});
        differ += d > 0;
        worst = std::max(worst, d);
      }
    }
    // Each label is composed once over a clear tile, then over the page: antialiased edges
    // round a few levels apart, nothing more.
    EXPECT_LE(worst, 8) << differ << " pixels differ";
  }
}

}  // namespace
}  // namespace orvano::qt::testing
