// Message boxes answer with the platform's numbers; a question preselects No, so Enter alone
// never confirms a deletion. The busy pointer is set and restored once.
#include <QMessageBox>
#include <QTimer>

#include "form_fixture.h"

namespace orvano::qt::testing {
namespace {

int AnswerWithKey(QtPlatform& platform, int flags, Qt::Key key, QString* shownText = nullptr) {
  QTimer::singleShot(0, [key, shownText] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    if (shownText) {
      *shownText = box->text() + "|" + box->windowTitle();
      for (QAbstractButton* b : box->buttons()) *shownText += "|" + b->text();
    }
    QTest::keyClick(box, key);
  });
  return platform.MsgBox("Möchten Sie das Etikett löschen?", flags, "Etiketteneinstellungen");
}

TEST(MessageBox, QuestionPreselectsNo) {
  QtPlatform platform;
  QString shown;
  EXPECT_EQ(AnswerWithKey(platform, 292, Qt::Key_Return, &shown), 7);
  // German buttons whatever translation the application loaded.
  EXPECT_EQ(shown, "Möchten Sie das Etikett löschen?|Etiketteneinstellungen|&Ja|&Nein");
  EXPECT_EQ(AnswerWithKey(platform, 292, Qt::Key_Escape), 7);
  EXPECT_EQ(AnswerWithKey(platform, 292, Qt::Key_J), 6);  // "&Ja"
}

TEST(MessageBox, ExclamationAnswersOk) {
  QtPlatform platform;
  QString shown;
  EXPECT_EQ(AnswerWithKey(platform, 48, Qt::Key_Return, &shown), 1);
  EXPECT_TRUE(shown.endsWith("|OK"));
  EXPECT_EQ(AnswerWithKey(platform, 48, Qt::Key_Escape), 1);
}

TEST(MousePointer, BusyAndBackLeavesNoOverrideCursor) {
  QtPlatform platform;
  platform.SetMousePointer(host::MousePointer::Busy);
  platform.SetMousePointer(host::MousePointer::Busy);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  platform.SetMousePointer(host::MousePointer::Default);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(MousePointer, PlatformGoingAwayRestoresThePointer) {
  {
    QtPlatform platform;
    platform.SetMousePointer(host::MousePointer::Busy);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace orvano::qt::testing
