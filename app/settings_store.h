#pragma once
// Reads penwick.ini and superbp.ini from the program's folder once at start and writes them once at close.

#include <QString>

#include "app/settings.h"

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

  // Writes superbp.ini and then penwick.ini. Each file is written completely to a temporary file first; only
  // then does the old file become the backup (sbp_ini.bak, pw_ini.bak) and the new one take its place.
  // On failure shows "Unable to write to <path>" through boxes.ShowError, leaves that file and its backup
  // untouched, skips the rest, and returns false.
  bool Save(const Settings& settings, const EditorSwitches& switches, MessageBoxes& boxes) const;

 private:
  QString folder_;
};

}  // namespace penwick
