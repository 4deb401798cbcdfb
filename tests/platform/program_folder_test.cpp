#include "platform/program_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/scoped_env.h"

namespace penwick {
namespace {

using test::ScopedEnv;

// PENWICK_HOME is cleaned and created; a folder that cannot be created is reported with the reason.
TEST(ProgramFolderTest, PenwickHomeIsCleanedAndCreatedOrTheReasonGiven) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString base = QDir(dir.path()).canonicalPath();
  QFile blocker(base + "/plain-file");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const auto unable = [](const QString& folder) {
    return "Unable to create Penwick's folder " + folder +
           " (Not a directory).\nSettings, sets files and desktops cannot be saved there.";
  };
  const struct {
    QString home;
    QString error;  // empty: created
  } cases[] = {
      {base + "/settings", ""},
      {base + "/a/b/../c/", ""},
      {base + "//double//slashes///", ""},
      {base + "/new/nested", ""},
      {base + "/new/nested", ""},  // already there
      {base + "/plain-file/penwick", unable(base + "/plain-file/penwick")},
      {base + "/plain-file/a/b/", unable(base + "/plain-file/a/b")},
      {base + "/plain-file", unable(base + "/plain-file")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.home.toStdString());
    const ScopedEnv env("PENWICK_HOME", c.home.toLocal8Bit());
    QString error = "left from before";
    const QString folder = ProgramFolder(&error);
    EXPECT_EQ(folder, QDir::cleanPath(c.home));
    EXPECT_EQ(error.toStdString(), c.error.toStdString());
    EXPECT_EQ(QFileInfo(folder).isDir(), c.error.isEmpty());
  }

  // A relative setting is taken from the current folder, never returned as it is.
  const QString savedCurrent = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(base));
  {
    const ScopedEnv env("PENWICK_HOME", QByteArray("relative/home/"));
    EXPECT_EQ(ProgramFolder(), base + "/relative/home");
  }
  QDir::setCurrent(savedCurrent);
}

TEST(ProgramFolderTest, WithoutPenwickHomeTheWritableExecutableFolderIsUsed) {
  const QString executableFolder = QCoreApplication::applicationDirPath();
  ASSERT_TRUE(QFileInfo(executableFolder).isWritable()) << "the build folder should be writable";
  for (const std::optional<QByteArray>& home : {std::optional<QByteArray>(), std::optional(QByteArray())}) {
    const ScopedEnv env("PENWICK_HOME", home);
    QString error = "left from before";
    const QString folder = ProgramFolder(&error);
    EXPECT_EQ(folder, QDir::cleanPath(executableFolder));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_TRUE(QDir::isAbsolutePath(folder));
    EXPECT_FALSE(folder.endsWith(u'/'));
  }
}

}  // namespace
}  // namespace penwick
