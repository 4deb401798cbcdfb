#include "tests/support/test_env.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace penwick::test {

namespace {

constexpr char kHomeVar[] = "PENWICK_HOME";
constexpr char kXdgVar[] = "XDG_CONFIG_HOME";

void Restore(const char* name, bool wasSet, const QByteArray& value) {
  if (wasSet) {
    qputenv(name, value);
  } else {
    qunsetenv(name);
  }
}

}  // namespace

TestEnv::TestEnv()
    : oldHome_(qgetenv(kHomeVar)),
      oldXdg_(qgetenv(kXdgVar)),
      hadHome_(qEnvironmentVariableIsSet(kHomeVar)),
      hadXdg_(qEnvironmentVariableIsSet(kXdgVar)),
      oldCwd_(QDir::currentPath()) {
  if (!dir_.isValid())
    ADD_FAILURE() << "Cannot create a temporary folder: " << dir_.errorString().toStdString();
  const QDir root(dir_.path());
  for (const char* folder : {"home", "work", "xdg"}) {
    if (!root.mkpath(QLatin1String(folder))) ADD_FAILURE() << "Cannot create " << folder;
  }
  qputenv(kHomeVar, QFile::encodeName(ProgramFolder()));
  qputenv(kXdgVar, QFile::encodeName(dir_.filePath(QStringLiteral("xdg"))));
}

TestEnv::~TestEnv() {
  Restore(kHomeVar, hadHome_, oldHome_);
  Restore(kXdgVar, hadXdg_, oldXdg_);
  // Leave the temporary folder before it is removed.
  QDir::setCurrent(oldCwd_);
}

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
