#include "platform/file_names.h"

#include <QDir>
#include <QFileInfo>

namespace penwick {

namespace {

Qt::CaseSensitivity FileNameCase() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
  return Qt::CaseInsensitive;
#else
  return Qt::CaseSensitive;
#endif
}

}  // namespace

QString NormalisedPath(const QString& fileName) {
  if (fileName.isEmpty()) return fileName;
  return QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(fileName)).absoluteFilePath());
}

bool SameFileName(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return a.isEmpty() && b.isEmpty();
  return NormalisedPath(a).compare(NormalisedPath(b), FileNameCase()) == 0;
}

bool HasPathSeparator(const QString& fileName) {
#ifdef Q_OS_WIN
  return fileName.contains(QLatin1Char('\\')) || fileName.contains(QLatin1Char('/'));
#else
  return fileName.contains(QLatin1Char('/'));
#endif
}

bool OnRemovableMedia(const QString& fileName) {
#ifdef Q_OS_WIN
  return fileName.size() >= 2 && fileName.at(1) == QLatin1Char(':') && fileName.at(0).isLetter() &&
         fileName.at(0).toUpper() != QLatin1Char('C');
#else
  if (!fileName.startsWith(QLatin1Char('/'))) return false;
  const QString path = QDir::cleanPath(fileName) + QLatin1Char('/');
  for (const char* root : {"/media/", "/run/media/", "/mnt/"}) {
    if (path.startsWith(QLatin1String(root))) return true;
  }
  return false;
#endif
}

}  // namespace penwick
