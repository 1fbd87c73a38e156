#include "demo_paths.h"

#include <QDir>
#include <QStandardPaths>

namespace orvano::demo {

QString DataFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
  return folder;
}

QString StateFile(const QString& dataFolder) {
  return QDir(dataFolder).filePath(QStringLiteral("formular.json"));
}

}  // namespace orvano::demo
