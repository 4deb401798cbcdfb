#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace penwick {

QString ProgramFolder() {
  const QString home = qEnvironmentVariable("PENWICK_HOME");
  if (!home.isEmpty()) {
    const QString path = QDir::cleanPath(QDir(home).absolutePath());
    QDir().mkpath(path);
    return path;
  }
  // Empty when there is no application object yet; then the per-user folder is used.
  const QString executableFolder = QCoreApplication::applicationDirPath();
  if (!executableFolder.isEmpty() && QFileInfo(executableFolder).isWritable()) {
    return QDir::cleanPath(QDir(executableFolder).absolutePath());
  }
  const QString userFolder = QDir::cleanPath(QDir::homePath() + QStringLiteral("/.config/penwick"));
  QDir().mkpath(userFolder);
  return userFolder;
}

}  // namespace penwick
