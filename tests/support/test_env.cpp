#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace penwick::test {

TestEnv::TestEnv()
    : oldCwd_(QDir::currentPath()),
      home_("PENWICK_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("home")))),
      xdg_("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("xdg")))) {
  if (!dir_.isValid())
    ADD_FAILURE() << "Cannot create a temporary folder: " << dir_.errorString().toStdString();
  const QDir root(dir_.path());
  for (const char* folder : {"home", "work", "xdg"}) {
    if (!root.mkpath(QLatin1String(folder))) ADD_FAILURE() << "Cannot create " << folder;
  }
}

// Leave the temporary folder before it is removed; the variables are put back after.
TestEnv::~TestEnv() { QDir::setCurrent(oldCwd_); }

QString TestEnv::ProgramFolder() const { return dir_.filePath(QStringLiteral("home")); }

QString TestEnv::WorkFolder() const { return dir_.filePath(QStringLiteral("work")); }

QString TestEnv::WriteFile(const QString& name, const QByteArray& bytes) const {
  const QString path = QFileInfo(QDir(WorkFolder()).filePath(name)).absoluteFilePath();
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    ADD_FAILURE() << "Cannot write " << path.toStdString();
  }
  return path;
}

QByteArray TestEnv::ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace penwick::test
