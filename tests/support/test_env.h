#pragma once
// A temporary program folder and working folder for one test; PENWICK_HOME and XDG_CONFIG_HOME point into it
// while the object lives.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "tests/support/scoped_env.h"

namespace penwick::test {

class TestEnv {
 public:
  TestEnv();
  ~TestEnv();
  TestEnv(const TestEnv&) = delete;
  TestEnv& operator=(const TestEnv&) = delete;

  QString ProgramFolder() const;  // $PENWICK_HOME
  QString WorkFolder() const;     // a separate folder for documents
  // Writes bytes to WorkFolder()/name (creating sub-folders) and returns the absolute path.
  QString WriteFile(const QString& name, const QByteArray& bytes) const;
  static QByteArray ReadFile(const QString& path);

 private:
  QTemporaryDir dir_;
  QString oldCwd_;
  ScopedEnv home_;
  ScopedEnv xdg_;
};

}  // namespace penwick::test
