// The settings dialog on screen, opened from LabelSelectWidget and driven like a user with
// QTest mouse clicks and typing: a new label of one's own is saved to the data folder and
// becomes the chosen label.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "orvano/qt/widgets/label_select_widget.h"
#include "support/dialog_user.h"
#include "widget_test_support.h"

namespace orvano::qt::testing {
namespace {

TEST(LabelConfigDialog, NewLabelTypedAndConfirmedIsSavedAndChosen) {
  const test_support::ScratchFolder data;
  const QString folder = QString::fromStdString(data.Path());
  LabelSelectWidget widget;
  widget.setDataFolder(folder);
  widget.setAddressLabel(true);
  widget.resize(widget.sizeHint());
  ShowActive(widget);
  QSignalSpy changed(&widget, &LabelSelectWidget::labelChanged);

  test_support::QtDialogUser player([](test_support::QtDialogUser& u) {
    u.Click("btnNew");
    // "Neues Etikett" empties the name and puts the cursor there.
    u.Type(QStringLiteral("Meine Adressen"));
    u.Click("btnOK");
  });
  widget.showConfig();

  EXPECT_TRUE(player.Played());
  EXPECT_TRUE(player.Messages().isEmpty())
      << player.Messages().join(QStringLiteral(" | ")).toStdString();
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toString().toUpper(), QStringLiteral("BENUTZERDEFINIERT"));
  EXPECT_EQ(changed.at(0).at(1).toString(), QStringLiteral("Meine Adressen"));
  EXPECT_EQ(widget.labelName(), QStringLiteral("Meine Adressen"));

  EXPECT_NE(data.Read("ovAdrKit.usr").find("Meine Adressen="), std::string::npos);
}

}  // namespace
}  // namespace orvano::qt::testing
