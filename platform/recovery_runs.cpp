#include "platform/recovery_runs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "platform/file_io.h"

#ifdef Q_OS_UNIX
#include <signal.h>

#include <cerrno>
#endif

namespace penwick {

namespace {

const char kLockName[] = "lock";
const char kAdopted[] = "adopted";

// A lock or a /proc file: small, and never a pipe or a device (which could block the start).
QByteArray ReadSmallFile(const QString& path) {
  QByteArray bytes;
  ReadWholeFile(path, &bytes, nullptr, 4096);
  return bytes;
}

qint64 PidOf(const QByteArray& mark) {
  for (const QByteArray& line : mark.split('\n')) {
    if (line.startsWith("pid=")) return line.mid(4).toLongLong();
  }
  return 0;
}

#ifdef Q_OS_LINUX
// Field 22 of /proc/<pid>/stat: when the process started, in clock ticks after boot; empty for a process that
// has ended but not yet been reaped (state Z or X in field 3), which holds no run any more. The name in
// field 2 may hold blanks and brackets, so fields are counted after its last ')'.
QByteArray StartTime(qint64 pid) {
  const QByteArray stat = ReadSmallFile(QStringLiteral("/proc/%1/stat").arg(pid));
  const qsizetype close = stat.lastIndexOf(')');
  if (close < 0) return {};
  const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
  if (fields.size() <= 19 || fields[0] == "Z" || fields[0] == "X") return {};
  return fields[19];
}
#endif

}  // namespace

QString RecoveryFolder(const QString& programFolder) {
  return QDir(programFolder).filePath(QStringLiteral("recovery"));
}

QByteArray ProcessMark(qint64 pid) {
  if (pid <= 0) return {};
#ifdef Q_OS_LINUX
  const QByteArray start = StartTime(pid);
  if (start.isEmpty()) return {};
  const QByteArray boot = ReadSmallFile(QStringLiteral("/proc/sys/kernel/random/boot_id")).trimmed();
  return "pid=" + QByteArray::number(pid) + "\nstart=" + start + "\nboot=" + boot + '\n';
#elif defined(Q_OS_UNIX)
  if (kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return {};
  return "pid=" + QByteArray::number(pid) + '\n';
#else
  return pid == QCoreApplication::applicationPid() ? "pid=" + QByteArray::number(pid) + '\n' : QByteArray();
#endif
}

bool MarkIsLive(const QByteArray& mark) {
  const QByteArray now = ProcessMark(PidOf(mark));
  return !now.isEmpty() && now == mark;
}

bool RecoveryRun::Begin(const QString& programFolder, QString* error) {
  recovery_ = RecoveryFolder(programFolder);
  const qint64 pid = QCoreApplication::applicationPid();
  const QString tag = QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFULL, 36);
  const QDir recovery(recovery_);
  const QString fresh = recovery.filePath(QStringLiteral(".new-") + tag);
  const QString named = recovery.filePath(QStringLiteral("run-%1-%2").arg(pid).arg(tag));
  QFile lock(QDir(fresh).filePath(kLockName));
  const bool ok = QDir().mkpath(fresh) && lock.open(QIODevice::WriteOnly) &&
                  lock.write(ProcessMark(pid)) > 0 && lock.flush() && (lock.close(), true) &&
                  QDir().rename(fresh, named);
  if (!ok) {
    if (error) {
      *error = QStringLiteral("Unable to make the recovery folder %1\n%2")
                   .arg(QDir::toNativeSeparators(named), lock.errorString());
    }
    QDir(fresh).removeRecursively();
    return false;
  }
  folder_ = named;
  return true;
}

QStringList RecoveryRun::AdoptAbandoned() {
  QStringList adopted;
  if (!Started()) return adopted;
  const QDir recovery(recovery_);
  const QString ownName = QDir(folder_).dirName();
  const QDir into(QDir(folder_).filePath(kAdopted));
  for (const QString& name : recovery.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
    const QString path = recovery.filePath(name);
    const QByteArray mark = ReadSmallFile(QDir(path).filePath(kLockName));
    if (name == ownName || MarkIsLive(mark)) continue;
    if (name.startsWith(QLatin1String(".new-"))) {
      // A start that died before its folder got its name: nothing was ever kept in it.
      if (!mark.isEmpty()) QDir(path).removeRecursively();
      continue;
    }
    if (!name.startsWith(QLatin1String("run-"))) continue;
    // The rename fails when another starting Penwick took the folder first.
    if (QDir().mkpath(into.path()) && QDir().rename(path, into.filePath(name))) {
      adopted << into.filePath(name);
    }
  }
  return adopted;
}

void RecoveryRun::Release(const QStringList& adopted) {
  for (const QString& path : adopted) QDir().rename(path, QDir(recovery_).filePath(QDir(path).dirName()));
}

void RecoveryRun::Discard(const QStringList& adopted) {
  for (const QString& path : adopted) QDir(path).removeRecursively();
}

void RecoveryRun::End() {
  if (!Started()) return;
  // Adopted folders still here were kept for the next start.
  const QDir adopted(QDir(folder_).filePath(kAdopted));
  QStringList kept;
  for (const QString& name : adopted.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    kept << adopted.filePath(name);
  Release(kept);
  QDir(folder_).removeRecursively();
  folder_.clear();
}

}  // namespace penwick
