#pragma once
// Reads penwick.ini and superbp.ini from the program's folder once at start and writes them once at close.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <vector>

#include "settings/settings.h"

namespace penwick {

class MessageBoxes;

class SettingsStore {
 public:
  explicit SettingsStore(QString folder) : folder_(std::move(folder)) {}

  QString PenwickIniPath() const;  // <folder>/penwick.ini
  QString SuperBpIniPath() const;  // <folder>/superbp.ini

  // Fills settings and switches from both files (superbp.ini first). A missing file reads as defaults. A list
  // count that is not an integer is reported through boxes.ShowError("'<text>' is not a valid integer
  // value"); that list reads as empty and loading goes on. A count larger than the number of lines of its
  // file is cut to that number.
  void Load(Settings& settings, EditorSwitches& switches, MessageBoxes& boxes) const;

  // Writes superbp.ini and penwick.ini with their backups (sbp_ini.bak, pw_ini.bak: the files as they were
  // before). Everything is written completely and checked before anything is replaced. On failure shows
  // "Unable to write to <path>" and the reason through boxes.ShowError, leaves both files and both backups
  // untouched, and returns false.
  bool Save(const Settings& settings, const EditorSwitches& switches, MessageBoxes& boxes) const;

  // The in-memory state as the two files would hold it, named "superbp.ini" and "penwick.ini": what a
  // recovery copy keeps of the settings.
  QMap<QByteArray, QByteArray> Snapshot(const Settings& settings, const EditorSwitches& switches) const;
  // Puts a snapshot back into memory: every stored value from it, the frame's bounds kept as they are.
  void Restore(const QMap<QByteArray, QByteArray>& snapshot, Settings& settings, EditorSwitches& switches,
               MessageBoxes& boxes) const;

  // Fault injection for tests: the save stops dead after this step (1-based), leaving what a crash there
  // would leave. 0: never.
  void CrashAfterStepForTest(int step) { crashAfterStep_ = step; }

 private:
  struct SettingsFile {
    QString path;
    QString backupPath;
    QByteArray bytes;
  };
  bool ReplaceFiles(const std::vector<SettingsFile>& files, MessageBoxes& boxes) const;

  QString folder_;
  int crashAfterStep_ = 0;
};

}  // namespace penwick
