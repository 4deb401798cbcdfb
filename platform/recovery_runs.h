#pragma once
// Runs of Penwick and the recovery copies each keeps. The folder "recovery" in Penwick's folder holds one
// folder per run, run-<process id>-<tag>, with a lock file naming the process that owns it. A run that ends
// normally removes its folder; one whose folder is still there after its process is gone ended abnormally,
// and the copies in it are offered back at the next start. Two Penwick processes at once never take each
// other's folders: a folder is taken only from a dead process, and taken by a rename, which only one
// process can win.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace penwick {

// <programFolder>/recovery
QString RecoveryFolder(const QString& programFolder);

// What tells one process from any other, even one that later gets the same id: the id, the moment the
// process started and the boot it started in. Empty when no process has that id.
QByteArray ProcessMark(qint64 pid);
// True when the process a mark was taken from is still running.
bool MarkIsLive(const QByteArray& mark);

class RecoveryRun {
 public:
  // Makes this run's folder with its lock (the lock is complete before the folder appears under its
  // name). False, with the reason in *error, when it cannot be made.
  bool Begin(const QString& programFolder, QString* error);
  bool Started() const { return !folder_.isEmpty(); }
  const QString& Folder() const { return folder_; }

  // The folders of runs whose process is gone, each moved into this run's folder (adopted/<name>) so that
  // this process alone answers for them. Returns their new paths.
  QStringList AdoptAbandoned();
  // Puts adopted folders back where the next start finds them.
  void Release(const QStringList& adopted);
  // Deletes adopted folders with everything in them.
  static void Discard(const QStringList& adopted);

  // A normal end: adopted folders that are still here go back for the next start; this run's folder goes
  // with its lock.
  void End();

 private:
  QString recovery_;
  QString folder_;
};

}  // namespace penwick
