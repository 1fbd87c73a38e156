// The label search window: typing filters, the table sorts, Enter and a double click choose, and
// a LabelSelectWidget takes the choice.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "orvano/host/app_path.h"
#include "orvano/qt/widgets/label_search_dialog.h"
#include "orvano/qt/widgets/label_select_widget.h"
#include "support/scratch_folder.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

QString Cell(const LabelSearchDialog& d, int row, int column) {
  return d.table()->model()->index(row, column).data().toString();
}

TEST(LabelSearchDialog, TypingFiltersEnterOrADoubleClickChoosesAndTheWidgetTakesIt) {
  const test_support::ScratchFolder app, folder;
  const QString data = QString::fromStdString(folder.Path());
  app.Write("ovAdrKit.def",
            "[Avery]\r\nL7163=Adressen;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n"
            "L7160=Adressen;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n"
            "[Herma]\r\n4677=;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n");
  folder.Write("ovAdrKit.usr", "[Benutzerdefiniert]\r\nEigen=;11;0;2;4;0;0;105;37;0;0\r\n");
  host::SetAppPath(app.Path());

  LabelSearchDialog dialog(data);
  LabelSelectWidget widget;
  widget.setDataFolder(data);
  connectToLabelSelect(&dialog, &widget);
  QSignalSpy chosen(&dialog, &LabelSearchDialog::labelChosen);
  EXPECT_EQ(dialog.resultCount(), 4);
  ShowActive(dialog);

  QTest::keyClicks(dialog.filterField(), QStringLiteral("63,5 x 38,1"));
  ASSERT_EQ(dialog.resultCount(), 2);
  EXPECT_EQ(Cell(dialog, 0, 2), QStringLiteral("63,5 × 38,1 mm"));
  dialog.table()->sortByColumn(0, Qt::DescendingOrder);
  EXPECT_EQ(Cell(dialog, 0, 0), QStringLiteral("Herma"));
  QTest::keyClick(dialog.filterField(), Qt::Key_Down);  // the arrows move through the hits
  QTest::keyClick(dialog.filterField(), Qt::Key_Return);
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(chosen.at(0).at(0).toString(), QStringLiteral("Avery"));
  EXPECT_EQ(chosen.at(0).at(1).toString(), QStringLiteral("L7160"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(widget.brand(), QStringLiteral("Avery"));
  EXPECT_EQ(widget.labelName(), QStringLiteral("L7160"));
  EXPECT_EQ(widget.cols(), 3);

  ShowActive(dialog);
  dialog.setFilterText(QStringLiteral("EIGEN"));
  ASSERT_EQ(dialog.resultCount(), 1);
  const QModelIndex row = dialog.table()->model()->index(0, 1);
  const QPoint at = dialog.table()->visualRect(row).center();
  QTest::mouseClick(dialog.table()->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(dialog.table()->viewport(), Qt::LeftButton, {}, at);
  ASSERT_EQ(chosen.count(), 2);
  EXPECT_EQ(widget.brand(), QStringLiteral("Benutzerdefiniert"));
  EXPECT_EQ(widget.labelName(), QStringLiteral("Eigen"));
  EXPECT_EQ(widget.pageFormat(), 11);
  host::SetAppPath("");
}

}  // namespace
}  // namespace orvano::qt::testing
