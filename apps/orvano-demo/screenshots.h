// What a user would have seen, as PNG files: the main window, the settings dialog on each of
// its tabs and the label search.
#pragma once

#include <QString>
#include <QStringList>

namespace orvano::demo {

class DemoWindow;

// Writes the PNGs into folder (created when missing) and returns the files written. The dialogs
// are opened through the window's buttons, grabbed (the settings on every tab, the search with a
// size typed) and closed with the close box, which cancels them. Problems are added to errors.
QStringList WriteScreenshots(DemoWindow& window, const QString& folder, QStringList& errors);

}  // namespace orvano::demo
