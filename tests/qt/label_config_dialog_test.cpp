// The settings dialog on screen, opened from LabelSelectWidget and driven like a user with
// QTest mouse clicks and typing: a new label of one's own is saved to the data folder and
// becomes the chosen label.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "orvano/qt/widgets/label_select_widget.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

// Runs `play` on the dialog once it is up, from inside its modal loop. A message box that
// turns up is noted and answered, so a failing save cannot hang the test; after ten seconds
// the dialog is cancelled. It plays only once the dialog is the active window.
class DialogPlayer {
 public:
  explicit DialogPlayer(std::function<void(QDialog&)> play) : play_(std::move(play)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start(50);
  }
  ~DialogPlayer() { poll_.stop(); }
  bool Played() const { return played_; }
  const QStringList& Messages() const { return messages_; }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages_ << box->text();
      box->reject();
      return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog && dialog->isVisible() && !played_ && !dialog->isActiveWindow()) {
      // Visible is not yet active: until it is, nothing in it has the focus (a slow build
      // reaches this point first), so activate it and play on a later tick.
      QApplication::setActiveWindow(dialog);
      dialog->activateWindow();
      if (++ticks_ > 200) dialog->reject();
    } else if (dialog && dialog->isVisible() && !played_) {
      played_ = true;
      play_(*dialog);
    } else if (dialog && ++ticks_ > 200) {
      dialog->reject();
    }
  }

  std::function<void(QDialog&)> play_;
  QTimer poll_;
  bool played_ = false;
  int ticks_ = 0;
  QStringList messages_;
};

TEST(LabelConfigDialog, NewLabelTypedAndConfirmedIsSavedAndChosen) {
  QTemporaryDir data;
  ASSERT_TRUE(data.isValid());
  LabelSelectWidget widget;
  widget.setDataFolder(data.path());
  widget.setAddressLabel(true);
  widget.resize(widget.sizeHint());
  ShowActive(widget);
  QSignalSpy changed(&widget, &LabelSelectWidget::labelChanged);

  DialogPlayer player([](QDialog& dialog) {
    auto* btnNew = dialog.findChild<QPushButton*>(QStringLiteral("btnNew"));
    auto* btnOK = dialog.findChild<QPushButton*>(QStringLiteral("btnOK"));
    auto* labels = dialog.findChild<QComboBox*>(QStringLiteral("cboLabels"));
    ASSERT_TRUE(btnNew && btnOK && labels);
    QTest::mouseClick(btnNew, Qt::LeftButton);
    // "Neues Etikett" empties the name and puts the cursor there.
    ASSERT_TRUE(labels->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == labels);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Meine Adressen"));
    QTest::mouseClick(btnOK, Qt::LeftButton);
  });
  widget.showConfig();

  EXPECT_TRUE(player.Played());
  EXPECT_TRUE(player.Messages().isEmpty())
      << player.Messages().join(QStringLiteral(" | ")).toStdString();
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toString().toUpper(), QStringLiteral("BENUTZERDEFINIERT"));
  EXPECT_EQ(changed.at(0).at(1).toString(), QStringLiteral("Meine Adressen"));
  EXPECT_EQ(widget.labelName(), QStringLiteral("Meine Adressen"));

  QFile user(data.filePath(QStringLiteral("ovAdrKit.usr")));
  ASSERT_TRUE(user.open(QIODevice::ReadOnly));
  EXPECT_TRUE(user.readAll().contains("Meine Adressen="));
  // The saved label comes back through the catalog lookup: a fresh control finds it.
  LabelSelectWidget other;
  other.setDataFolder(data.path());
  other.setBrand(widget.brand());
  other.setLabelName(QStringLiteral("Meine Adressen"));
  EXPECT_EQ(other.labelName(), QStringLiteral("Meine Adressen"));
  EXPECT_EQ(other.cols(), widget.cols());
  EXPECT_DOUBLE_EQ(other.labelWidth(), widget.labelWidth());
}

}  // namespace
}  // namespace orvano::qt::testing
