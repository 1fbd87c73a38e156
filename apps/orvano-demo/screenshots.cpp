#include "screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include "demo_window.h"
#include "orvano/qt/widgets/label_search_dialog.h"
#include "orvano/qt/widgets/label_select_widget.h"

namespace orvano::demo {

namespace {

// Lets layouts, resizes and paints settle before a grab.
void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Grab(QWidget* widget, const QString& path, QStringList& written, QStringList& errors) {
  Settle();
  if (widget->grab().save(path)) {
    written << path;
    return true;
  }
  errors << QStringLiteral("%1 kann nicht geschrieben werden.").arg(path);
  return false;
}

}  // namespace

QStringList WriteScreenshots(DemoWindow& window, const QString& folder, QStringList& errors) {
  QStringList written;
  const QDir dir(folder);
  if (!QDir().mkpath(folder)) {
    errors << QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(folder);
    return written;
  }
  Grab(&window, dir.filePath(QStringLiteral("hauptfenster.png")), written, errors);

  // The dialog runs its own modal loop; a timer started before it grabs from inside that loop.
  bool seen = false;
  int attempts = 0;
  QTimer poll;
  poll.setInterval(50);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) {
      if (++attempts > 100) poll.stop();  // five seconds: the dialog never came
      return;
    }
    poll.stop();
    seen = true;
    QTabBar* tabs = dialog->findChild<QTabBar*>();
    const int count = tabs ? tabs->count() : 1;
    for (int i = 0; i < count; ++i) {
      if (tabs) tabs->setCurrentIndex(i);
      Grab(dialog, dir.filePath(QStringLiteral("einstellungen-%1.png").arg(i + 1)), written,
           errors);
    }
    if (tabs) tabs->setCurrentIndex(0);
    dialog->close();  // the close box: Cancel
  });
  poll.start();
  window.settingsButton()->click();
  poll.stop();
  if (!seen) errors << QStringLiteral("Der Einstellungsdialog hat sich nicht geöffnet.");
  Settle();

  // The search window with a size typed, as a user holding a box of unknown labels would.
  qt::LabelSearchDialog search(window.labelSelect()->dataFolder(), &window);
  search.setFilterText(QStringLiteral("63,5 x 38,1"));
  search.show();
  Grab(&search, dir.filePath(QStringLiteral("etikettensuche.png")), written, errors);
  search.close();
  Settle();
  return written;
}

}  // namespace orvano::demo
