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

TEST(ProgramFolderTest, PenwickHomeIsCreatedAndCleaned) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString base = QDir(dir.path()).canonicalPath();
  const struct {
    QString home;
    QString expected;
  } cases[] = {
      {base + "/settings", base + "/settings"},
      {base + "/a/b/../c/", base + "/a/c"},
      {base + "//double//slashes///", base + "/double/slashes"},
  };
  for (const auto& c : cases) {
    const ScopedEnv env("PENWICK_HOME", c.home.toLocal8Bit());
    EXPECT_EQ(ProgramFolder(), c.expected) << c.home.toStdString();
    EXPECT_TRUE(QFileInfo(c.expected).isDir()) << c.expected.toStdString();
  }

  // A relative setting is taken from the current folder, never returned as it is.
  const QString savedCurrent = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(base));
  {
    const ScopedEnv env("PENWICK_HOME", QByteArray("relative/home/"));
    const QString folder = ProgramFolder();
    EXPECT_EQ(folder, base + "/relative/home");
  }
  QDir::setCurrent(savedCurrent);
}

TEST(ProgramFolderTest, AFolderThatCannotBeCreatedIsReportedWithTheReason) {
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
      {base + "/plain-file/penwick", unable(base + "/plain-file/penwick")},
      {base + "/plain-file/a/b/", unable(base + "/plain-file/a/b")},
      {base + "/plain-file", unable(base + "/plain-file")},
      {base + "/new/nested", ""},
      {base + "/new/nested", ""},  // already there
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
