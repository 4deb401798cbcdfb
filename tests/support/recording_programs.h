#pragma once
// Stand-in programs for launch tests: each named program, put first on PATH, writes its working folder and
// its arguments (one per line) to <name>.log in the stand-ins' folder. No real browser or opener ever runs.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "tests/support/scoped_env.h"

namespace penwick::test {

struct Launch {
  QString directory;
  QStringList arguments;
};

class RecordingPrograms {
 public:
  // `names` are bare program names ("firefox", "xdg-open"); PATH holds only the stand-ins' folder and
  // /usr/bin:/bin, so the stand-ins win.
  explicit RecordingPrograms(const QStringList& names);
  QString Folder() const { return dir_.path(); }
  QString PathOf(const QString& name) const { return dir_.filePath(name); }
  // Waits up to five seconds for `name` to have run, and returns what it was given; nothing when it never
  // ran.
  std::optional<Launch> WaitFor(const QString& name) const;
  // True when `name` has not run by now (after a short grace for a detached start).
  bool NeverRan(const QString& name) const;

 private:
  QTemporaryDir dir_;
  std::unique_ptr<ScopedEnv> path_;
};

}  // namespace penwick::test
