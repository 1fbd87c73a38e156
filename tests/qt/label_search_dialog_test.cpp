// The label search window: typing filters, the arrows and Enter choose, and a LabelSelectWidget
// takes the choice.
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

TEST(LabelSearchDialog, TypingFiltersEnterChoosesAndTheWidgetTakesIt) {
  const test_support::ScratchFolder app, folder;
  const QString data = QString::fromStdString(folder.Path());
  app.Write("ovAdrKit.def",
            "[Avery]\r\nL7163=Adressen;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n"
            "L7160=Adressen;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n"
            "[Herma]\r\n4677=;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n");
  host::SetAppPath(app.Path());

  LabelSearchDialog dialog(data);
  LabelSelectWidget widget;
  widget.setDataFolder(data);
  connectToLabelSelect(&dialog, &widget);
  QSignalSpy chosen(&dialog, &LabelSearchDialog::labelChosen);
  EXPECT_EQ(dialog.resultCount(), 3);
  ShowActive(dialog);

  QTest::keyClicks(dialog.filterField(), QStringLiteral("63,5 x 38,1"));
  ASSERT_EQ(dialog.resultCount(), 2);
  EXPECT_EQ(dialog.table()->model()->index(0, 2).data().toString(),
            QStringLiteral("63,5 × 38,1 mm"));
  QTest::keyClick(dialog.filterField(), Qt::Key_Down);  // the arrows move through the hits
  QTest::keyClick(dialog.filterField(), Qt::Key_Return);
  ASSERT_EQ(chosen.count(), 1);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(widget.brand(), QStringLiteral("Herma"));
  EXPECT_EQ(widget.labelName(), QStringLiteral("4677"));
  EXPECT_EQ(widget.cols(), 3);
  host::SetAppPath("");
}

}  // namespace
}  // namespace orvano::qt::testing
