// Starting other programs, documents and web addresses: programs directly, the rest through the desktop's
// opener. No shell ever sees a name or a parameter.

#include "tools/shell_launch.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace penwick {

namespace {

bool LooksLikeAddress(const QString& file) {
  static const QRegularExpression kScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  return file.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
         (kScheme.match(file).hasMatch() && !QFileInfo(file).isAbsolute());
}

bool StartDetached(const QString& program, const QStringList& arguments, const QString& directory) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  if (!directory.isEmpty()) process.setWorkingDirectory(directory);
  return process.startDetached();
}

// The desktop's opener: xdg-open where there is one (so nothing depends on the window system), else Qt's.
int OpenWithDesktop(const QString& target, bool is_address) {
#ifndef Q_OS_WIN
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty())
    return StartDetached(opener, {target}, QString()) ? kLaunchStarted : kLaunchOutOfResources;
#endif
  const QUrl url = is_address ? QUrl::fromUserInput(target) : QUrl::fromLocalFile(target);
  return QDesktopServices::openUrl(url) ? kLaunchStarted : kLaunchNoAssociation;
}

}  // namespace

QStringList SplitParameters(const QString& line) {
  QStringList arguments;
  QString current;
  bool in_argument = false;
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line.at(i);
    if (c == QLatin1Char('"')) {
      in_argument = true;
      if (quoted && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
        current += c;  // "" inside quotes is one quote
        ++i;
      } else {
        quoted = !quoted;
      }
    } else if (!quoted && c.isSpace()) {
      if (in_argument) arguments << current;
      current.clear();
      in_argument = false;
    } else {
      current += c;
      in_argument = true;
    }
  }
  if (in_argument) arguments << current;
  return arguments;
}

QString QuoteParameter(const QString& argument) {
  QString quoted = argument;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString FolderOf(const QString& program_path) {
  const qsizetype slash =
      std::max(program_path.lastIndexOf(QLatin1Char('/')), program_path.lastIndexOf(QLatin1Char('\\')));
  if (slash < 0) return QString();
  if (slash == 0) return QStringLiteral("/");
  return program_path.left(slash);
}

int ShellLaunch(const QString& file, const QString& parameters, const QString& directory) {
  if (file.trimmed().isEmpty()) return kLaunchFileNotFound;
  if (!directory.isEmpty() && !QFileInfo(directory).isDir()) return kLaunchPathNotFound;

  const bool has_folder = file.contains(QLatin1Char('/')) || file.contains(QLatin1Char('\\'));
  QFileInfo info(file);
  if (!has_folder && !info.exists() && !directory.isEmpty()) info = QFileInfo(QDir(directory), file);
  if (info.exists()) {
    if (info.isFile() && info.isExecutable()) {
      return StartDetached(info.absoluteFilePath(), SplitParameters(parameters), directory)
                 ? kLaunchStarted
                 : kLaunchAccessDenied;
    }
    if (!info.isReadable()) return kLaunchAccessDenied;
    return OpenWithDesktop(info.absoluteFilePath(), false);
  }
  if (!has_folder) {
    const QString found = QStandardPaths::findExecutable(file);
    if (!found.isEmpty())
      return StartDetached(found, SplitParameters(parameters), directory) ? kLaunchStarted
                                                                          : kLaunchAccessDenied;
  }
  if (LooksLikeAddress(file)) return OpenWithDesktop(file, true);
  return kLaunchFileNotFound;
}

}  // namespace penwick
