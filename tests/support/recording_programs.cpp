#include "tests/support/recording_programs.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace penwick::test {

RecordingPrograms::RecordingPrograms(const QStringList& names) {
  for (const QString& name : names) {
    QFile script(dir_.filePath(name));
    script.open(QIODevice::WriteOnly);
    // Written to a side file and renamed, so a reader never sees half a log.
    script.write(
        "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$0.part\"\n"
        "mv \"$0.part\" \"$0.log\"\n");
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }
  path_ = std::make_unique<ScopedEnv>("PATH", (dir_.path() + QStringLiteral(":/usr/bin:/bin")).toLocal8Bit());
}

std::optional<Launch> RecordingPrograms::WaitFor(const QString& name) const {
  QFile log(dir_.filePath(name) + QStringLiteral(".log"));
  const QDeadlineTimer deadline(5000);
  while (!log.exists() && !deadline.hasExpired()) QThread::msleep(10);
  if (!log.open(QIODevice::ReadOnly)) return std::nullopt;
  QStringList lines = QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  if (lines.isEmpty()) return std::nullopt;
  Launch launch{lines.takeFirst(), lines};
  log.remove();
  return launch;
}

bool RecordingPrograms::NeverRan(const QString& name) const {
  QThread::msleep(200);
  return !QFile::exists(dir_.filePath(name) + QStringLiteral(".log"));
}

}  // namespace penwick::test
