// What a user would have seen, as PNG files: the main window and the settings dialog on each of
// its tabs.
#pragma once

#include <QString>
#include <QStringList>

namespace orvano::demo {

class DemoWindow;

// Writes the PNGs into folder (created when missing) and returns the files written. The dialog
// is opened through the window's settings button, grabbed on every tab and closed with the
// close box, which cancels it. Problems are added to errors.
QStringList WriteScreenshots(DemoWindow& window, const QString& folder, QStringList& errors);

}  // namespace orvano::demo
