// The settings dialog driven like a user: on the headless host with its own catalog folder (the
// component's folder, also the data folder unless a test says otherwise), and in Qt tests the
// real dialog with QTest clicks and typing.
#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "orvano/catalog/value_parse.h"
#include "orvano/dialog/label_config/label_config.h"
#include "orvano/host/app_path.h"
#include "orvano/host/headless/headless.h"
#include "support/scratch_folder.h"

#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#endif

namespace orvano::test_support {

// The shipped catalog of every dialog test: two brands, one of them with an A5 landscape sheet.
inline constexpr const char* kShippedCatalog =
    "[Avery Zweckform]\r\n"
    "L7163=Adressetiketten;9;0;2;7;4,65;15,15;99,1;38,1;2,5;0\r\n"
    "L7160=Kleine Etiketten;9;0;3;7;7,2;15,15;63,5;38,1;2,5;0\r\n"
    "[Herma]\r\n"
    "4360=Postkarten;11;1;2;2;10;10;90;60;5;2\r\n"
    "4200=;9;0;1;10;10;10;190;25;0;3\r\n";

inline constexpr const char* kCustomLabels =
    "[Benutzerdefiniert]\r\n"
    "Mein Etikett=;9;0;2;8;0;0;105;37;0;0\r\n"
    "Zweites=;9;0;1;1;10;10;100;100;0;0\r\n";

// The user's hands inside the open headless dialog.
class DialogUser {
 public:
  explicit DialogUser(host::headless::HeadlessDialog& dialog) : dialog_(dialog) {}

  host::headless::HeadlessContainer& Form() { return dialog_.Form(); }
  host::headless::HeadlessDialog& Dialog() { return dialog_; }
  host::headless::HeadlessTextBox& Box(const std::string& name) {
    return Form().Get<host::headless::HeadlessTextBox>(name);
  }
  host::headless::HeadlessComboBox& List(const std::string& name) {
    return Form().Get<host::headless::HeadlessComboBox>(name);
  }
  host::Button& Button(const std::string& name) { return Form().Get<host::Button>(name); }
  host::TabStrip& Tabs() { return Form().Get<host::TabStrip>("SSTab1"); }
  std::string Text(const std::string& name) {
    if (auto* box = dynamic_cast<host::TextBox*>(Form().Find(name))) return box->Text();
    return List(name).Text();
  }

  // Types into a field and leaves it, as a person moving on with the mouse would.
  void Enter(const std::string& field, const std::string& text) {
    if (dynamic_cast<host::TextBox*>(Form().Find(field)))
      Form().Type(Box(field), text);
    else
      Form().Type(List(field), text);
    Form().Blur();
  }
  void TypeName(const std::string& name) { Form().Type(List("cboLabels"), name); }
  void Choose(const std::string& list, std::int32_t index) { Form().Choose(List(list), index); }
  void ChooseItem(const std::string& list, const std::string& item) {
    Choose(list, List(list).FindItem(item));
  }
  void Spin(const std::string& field, bool up) {
    auto& spinner = Form().Get<host::Spinner>("UpDown" + field);
    up ? Form().SpinUp(spinner) : Form().SpinDown(spinner);
  }
  void Click(const std::string& button) { Form().Click(Button(button)); }

 private:
  host::headless::HeadlessDialog& dialog_;
};

class LabelConfigTest : public ::testing::Test {
 protected:
  LabelConfigTest() : dialog_(platform_) {
    host::SetAppPath(folder_.Path());
    folder_.Write("ovAdrKit.def", kShippedCatalog);
    folder_.Write("ovAdrKit.usr", kCustomLabels);
    dialog_.SetDataFolder(folder_.Path());
  }
  ~LabelConfigTest() override { host::SetAppPath(""); }

  // Opens the dialog on a label and plays the user while it is open; returns once it closed.
  void Open(const std::string& brand, const std::string& name,
            const std::function<void(DialogUser&)>& play, bool asAddressLabel = false) {
    dialog_.SetBrand(brand);
    dialog_.SetLabelName(name);
    dialog_.SetAsAddressLabel(asAddressLabel);
    platform_.QueueUser([&](host::headless::HeadlessDialog& window) {
      DialogUser user(window);
      play(user);
    });
    dialog_.Show();
  }

  // The value of a key in one of the folder's files, as the catalog reads it.
  std::string Stored(const std::string& file, const std::string& section,
                     const std::string& key) const {
    return catalog::ReadProfileString(folder_.File(file), section, key, "");
  }

  ScratchFolder folder_;
  host::headless::HeadlessPlatform platform_{15, 15};
  frmLabelConfig dialog_;
};

#ifdef QT_WIDGETS_LIB
// The user's hands on the real dialog: once it is the active modal window, `play` runs inside
// its loop with QTest clicks and typing. A message box that turns up is noted and answered, so a
// failing save cannot hang the test; after ten seconds the dialog is cancelled.
class QtDialogUser {
 public:
  explicit QtDialogUser(std::function<void(QtDialogUser&)> play) : play_(std::move(play)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start(50);
  }
  bool Played() const { return played_; }
  const QStringList& Messages() const { return messages_; }
  QDialog& Dialog() { return *dialog_; }
  void Click(const char* button) {
    QTest::mouseClick(dialog_->findChild<QPushButton*>(QString::fromLatin1(button)),
                      Qt::LeftButton);
  }
  // Types where the cursor is.
  void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages_ << box->text();
      box->reject();
      return;
    }
    dialog_ = qobject_cast<QDialog*>(modal);
    if (dialog_ == nullptr) return;
    if (++ticks_ > 200) return dialog_->reject();
    if (played_ || !dialog_->isVisible()) return;
    // Until it is active nothing in it has the focus (a slow build gets here first).
    QApplication::setActiveWindow(dialog_);
    dialog_->activateWindow();
    if (!dialog_->isActiveWindow()) return;
    played_ = true;
    play_(*this);
  }

  std::function<void(QtDialogUser&)> play_;
  QTimer poll_;
  QDialog* dialog_ = nullptr;
  bool played_ = false;
  int ticks_ = 0;
  QStringList messages_;
};
#endif

}  // namespace orvano::test_support
