// Where the demo keeps its files: the user's data folder under the XDG data home.
#pragma once

#include <QString>

namespace orvano::demo {

// The data folder (the user's own labels and address layouts, and the saved form), created
// when missing. Empty when it cannot be created.
QString DataFolder();
// The saved form: the property bags of the window's controls.
QString StateFile(const QString& dataFolder);

}  // namespace orvano::demo
