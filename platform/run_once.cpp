#include "platform/run_once.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/file_io.h"

namespace penwick {
namespace {

constexpr char kVariable[] = "PENWICK_RUN_ONCE";

// One argument of an Exec line: quoted whole, escaping the characters that quotes do not protect.
QString QuoteExecArgument(const QString& argument) {
  QString quoted = QStringLiteral("\"");
  for (QChar c : argument) {
    if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
    quoted += c;
  }
  return quoted + u'"';
}

// Escapes a desktop entry string value, so backslashes and line breaks survive the file format.
QString EscapeStringValue(const QString& value) {
  QString escaped;
  escaped.reserve(value.size() + 8);
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar c = value[i];
    if (c == u'\\') {
      escaped += u"\\\\";
    } else if (c == u'\n') {
      escaped += u"\\n";
    } else if (c == u'\r') {
      escaped += u"\\r";
    } else if (c == u'\t') {
      escaped += u"\\t";
    } else if (c == u' ' && i == 0) {
      escaped += u"\\s";  // a leading blank would be taken for the space around '='
    } else {
      escaped += c;
    }
  }
  return escaped;
}

QString EntryPath(const QString& name) {
  return AutostartFolder() + u'/' + name + QStringLiteral(".desktop");
}

}  // namespace

QString AutostartFolder() {
  const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
  const QString base = !configHome.isEmpty() && QDir::isAbsolutePath(configHome)
                           ? configHome
                           : QDir::homePath() + QStringLiteral("/.config");
  return QDir::cleanPath(base + QStringLiteral("/autostart"));
}

bool RegisterRunOnce(const QString& name, const QString& program, const QString& argument, QString* error) {
  const QString path = EntryPath(name);
  // A name that is empty or holds a separator would put the entry somewhere else than the autostart folder.
  const bool validName = !name.isEmpty() && !name.contains(u'/') && name != u"." && name != u"..";
  QString command = QStringLiteral("env ") + QuoteExecArgument(QString::fromLatin1(kVariable) + u'=' + path) +
                    u' ' + QuoteExecArgument(program);
  if (!argument.isEmpty()) command += u' ' + QuoteExecArgument(argument);
  command.replace(u'%', QStringLiteral("%%"));  // '%' starts a field code
  const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + EscapeStringValue(name) +
                        QStringLiteral("\nExec=") + EscapeStringValue(command) +
                        QStringLiteral("\nX-GNOME-Autostart-enabled=true\nNoDisplay=true\n");
  const QByteArray bytes = entry.toUtf8();

  if (!validName) {
    if (error) *error = WriteFailure(path, QStringLiteral("The name is not a plain file name."));
    return false;
  }
  if (!QDir().mkpath(AutostartFolder())) {
    if (error) *error = WriteFailure(path, QStringLiteral("The folder could not be made."));
    return false;
  }
  return WriteWholeFileAtomic(path, bytes, error);
}

bool ConsumeRunOnce() {
  if (!qEnvironmentVariableIsSet(kVariable)) return false;
  const QString entry = qEnvironmentVariable(kVariable);
  // Programs this one starts must not see the variable and remove the entry a second time.
  qunsetenv(kVariable);
  if (!QDir::isAbsolutePath(entry)) return false;
  const QFileInfo info(QDir::cleanPath(entry));
  if (info.path() != AutostartFolder() || !info.fileName().endsWith(QStringLiteral(".desktop"))) return false;
  return QFile::remove(info.filePath());
}

}  // namespace penwick
