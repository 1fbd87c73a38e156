#include "orvano/qt/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <vector>

#include "orvano/qt/convert.h"
#include "orvano/qt/fonts.h"
#include "orvano/qt/qt_dialog.h"

namespace orvano::qt {

namespace {

float TwipsPerPixel(double dotsPerInch) {
  return dotsPerInch > 0 ? static_cast<float>(1440.0 / dotsPerInch) : 15.0f;
}

struct Choice {
  QMessageBox::StandardButton button;
  int answer;
  const char* caption;
};

// The buttons of a flag value, left to right, with the platform's answer numbers. The captions
// are German like every text of the controls; Qt's own would follow whatever translation the
// host application happens to load, mostly none.
std::vector<Choice> ButtonsOf(int flags) {
  using B = QMessageBox;
  switch (flags & 7) {
    case 1: return {{B::Ok, 1, "OK"}, {B::Cancel, 2, "Abbrechen"}};
    case 2:
      return {{B::Abort, 3, "&Abbrechen"},
              {B::Retry, 4, "&Wiederholen"},
              {B::Ignore, 5, "&Ignorieren"}};
    case 3: return {{B::Yes, 6, "&Ja"}, {B::No, 7, "&Nein"}, {B::Cancel, 2, "Abbrechen"}};
    case 4: return {{B::Yes, 6, "&Ja"}, {B::No, 7, "&Nein"}};
    case 5: return {{B::Retry, 4, "&Wiederholen"}, {B::Cancel, 2, "Abbrechen"}};
    default: return {{B::Ok, 1, "OK"}};
  }
}

QMessageBox::Icon IconOf(int flags) {
  switch (flags & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

}  // namespace

QtPlatform::QtPlatform() {
  InstallFontSubstitutions();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    tppX_ = TwipsPerPixel(screen->logicalDotsPerInchX());
    tppY_ = TwipsPerPixel(screen->logicalDotsPerInchY());
  }
}

QtPlatform::~QtPlatform() {
  // Never leave the application with a busy pointer of ours.
  SetMousePointer(host::MousePointer::Default);
}

void QtPlatform::SetMousePointer(host::MousePointer pointer) {
  if (pointer == pointer_) return;
  if (pointer == host::MousePointer::Busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
  pointer_ = pointer;
}

int QtPlatform::MsgBox(const std::string& text, int flags, const std::string& title) {
  QMessageBox box(IconOf(flags), ToQString(title), ToQString(text), QMessageBox::NoButton,
                  QApplication::activeWindow());
  const std::vector<Choice> choices = ButtonsOf(flags);
  std::vector<QAbstractButton*> buttons;
  for (const Choice& c : choices) {
    QPushButton* button = box.addButton(c.button);
    button->setText(QString::fromUtf8(c.caption));
    buttons.push_back(button);
  }
  const std::size_t preselected = static_cast<std::size_t>((flags >> 8) & 3);
  box.setDefaultButton(
      qobject_cast<QPushButton*>(buttons[preselected < buttons.size() ? preselected : 0]));
  // Escape answers as Cancel, No or OK, whichever the box has.
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (choices[i].button == QMessageBox::Cancel || choices[i].button == QMessageBox::No ||
        choices.size() == 1) {
      box.setEscapeButton(buttons[i]);
    }
  }
  // A busy pointer must not hide the arrow while the user reads the box.
  const bool busy = pointer_ == host::MousePointer::Busy;
  if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
  box.exec();
  if (busy) QApplication::restoreOverrideCursor();
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (box.clickedButton() == buttons[i]) return choices[i].answer;
  }
  // Closed without a button: the answer of the escape button.
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (box.escapeButton() == buttons[i]) return choices[i].answer;
  }
  return choices.back().answer;
}

std::unique_ptr<host::DialogWindow> QtPlatform::CreateDialog(const std::string& name) {
  return std::make_unique<QtDialog>(*this, name);
}

}  // namespace orvano::qt
