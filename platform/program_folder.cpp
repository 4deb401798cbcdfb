#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace penwick {

namespace {

// Creates folder and any missing parents; returns the folder, with what went wrong in *error.
QString MadeFolder(const QString& folder, QString* error) {
  std::error_code code;
  std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), code);
  if (!code && QFileInfo(folder).isDir()) return folder;
  if (error) {
    const QString reason = code ? QString::fromLocal8Bit(code.message()) : QStringLiteral("Not a directory");
    *error = QStringLiteral(
                 "Unable to create Penwick's folder %1 (%2).\nSettings, sets files and desktops "
                 "cannot be saved there.")
                 .arg(QDir::toNativeSeparators(folder), reason);
  }
  return folder;
}

}  // namespace

QString ProgramFolder(QString* error) {
  if (error) error->clear();
  const QString home = qEnvironmentVariable("PENWICK_HOME");
  if (!home.isEmpty()) return MadeFolder(QDir::cleanPath(QDir(home).absolutePath()), error);
  // Empty when there is no application object yet; then the per-user folder is used.
  const QString executableFolder = QCoreApplication::applicationDirPath();
  if (!executableFolder.isEmpty() && QFileInfo(executableFolder).isWritable()) {
    return QDir::cleanPath(QDir(executableFolder).absolutePath());
  }
  return MadeFolder(QDir::cleanPath(QDir::homePath() + QStringLiteral("/.config/penwick")), error);
}

}  // namespace penwick
