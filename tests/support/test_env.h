#pragma once
// A temporary program folder and working folder for one test; PENWICK_HOME and XDG_CONFIG_HOME point into it
// while the object lives.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

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
  QByteArray oldHome_;
  QByteArray oldXdg_;
  bool hadHome_ = false;  // unset and set-but-empty are restored differently
  bool hadXdg_ = false;
  QString oldCwd_;
};

}  // namespace penwick::test
