#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>

#include "platform/profile.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"

namespace penwick {
namespace {

using test::FileSizeLimit;

using test::ReadFile;
using test::WriteFile;

struct stat StatOf(const QString& path) {
  struct stat st {};
  stat(QFile::encodeName(path).constData(), &st);
  return st;
}

// Every way Penwick writes a file, each under the same promise.
const struct Writer {
  const char* name;
  std::function<bool(const QString&, const QByteArray&, QString*)> write;
} kWriters[] = {
    {"whole file", [](const QString& path, const QByteArray& bytes,
                      QString* error) { return WriteWholeFileAtomic(path, bytes, error); }},
    {"staged file",
     [](const QString& path, const QByteArray& bytes, QString* error) {
       StagedFile staged;
       return staged.Stage(path, bytes, error) && staged.Commit(error);
     }},
    {"profile",
     [](const QString& path, const QByteArray& bytes, QString* error) {
       Profile profile;
       profile.WriteString("Section", "Key", QString::fromLatin1(bytes));
       return profile.Save(path, error);
     }},
};

QStringList FilesIn(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

TEST(FileIoTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString target = dir.filePath("doc.html");
  const QByteArray old = "old document\r\n";
  // A small payload fits the stream buffers that once hid the failure until after the rename.
  for (const qsizetype size : {qsizetype(2000), qsizetype(15000), qsizetype(64 * 1024)}) {
    for (const Writer& writer : kWriters) {
      WriteFile(target, old);
      QString error;
      bool written;
      {
        FileSizeLimit limit(1024);
        written = writer.write(target, QByteArray(size, 'x'), &error);
      }
      EXPECT_FALSE(written) << writer.name << " " << size;
      EXPECT_TRUE(error.startsWith("Unable to write to " + target + "\n")) << error.toStdString();
      EXPECT_GT(error.size(), QString("Unable to write to " + target + "\n").size()) << "no reason given";
      EXPECT_EQ(ReadFile(target), old) << writer.name << " " << size;
      EXPECT_EQ(FilesIn(dir.path()), QStringList{"doc.html"}) << writer.name << ": temporary file left";
    }
  }
}

TEST(FileIoTest, FailedWritesNameTheReason) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString plainFile = dir.filePath("plain.txt");
  WriteFile(plainFile, "old contents\r\n");
  const QString fifo = dir.filePath("pipe");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  // Nothing is ever written over a pipe, a folder or a device (root could replace /dev/null by a file).
  for (const QString& path : {dir.filePath("missing/doc.html"), plainFile + "/doc.html", dir.path(), fifo,
                              QStringLiteral("/dev/null")}) {
    QString error;
    EXPECT_FALSE(WriteWholeFileAtomic(path, "new", &error)) << path.toStdString();
    EXPECT_TRUE(error.startsWith("Unable to write to " + path + "\n")) << error.toStdString();
    EXPECT_GT(error.size(), QString("Unable to write to " + path + "\n").size()) << "no reason given";
  }
  EXPECT_EQ(ReadFile(plainFile), "old contents\r\n");
  EXPECT_FALSE(QFileInfo("/dev/null").isFile());
  EXPECT_EQ(FilesIn(dir.path()), QStringList({"pipe", "plain.txt"}));
}

// A real full disk, where the test may mount one.
TEST(FileIoTest, AFullFilesystemNeverEmptiesAFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray mountPoint = QFile::encodeName(dir.path());
  if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0) {
    GTEST_SKIP() << "a small tmpfs cannot be mounted here (" << std::strerror(errno)
                 << "); the file-size limit test stands in for it";
  }
  const auto unmount = qScopeGuard([&] { umount2(mountPoint.constData(), MNT_DETACH); });
  const QString target = dir.filePath("doc.html");
  const QByteArray old(3000, 'o');
  WriteFile(target, old);
  {
    QFile filler(dir.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(512, 'f');
    while (filler.write(block) == block.size()) {
    }
  }
  for (const qsizetype size : {qsizetype(100), qsizetype(2000), qsizetype(15000), qsizetype(64 * 1024)}) {
    for (const Writer& writer : kWriters) {
      QString error;
      EXPECT_FALSE(writer.write(target, QByteArray(size, 'x'), &error)) << writer.name << " " << size;
      EXPECT_TRUE(error.contains("No space left on device")) << error.toStdString();
      EXPECT_EQ(ReadFile(target), old) << writer.name << " " << size;
    }
  }
  EXPECT_EQ(FilesIn(dir.path()), QStringList({"doc.html", "filler"}));
}

TEST(FileIoTest, WhatIsNotARegularFileIsRefusedWithoutBlocking) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString fifo = dir.filePath("pipe");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  // Opening a pipe with no writer would wait forever; reading /dev/zero would never end.
  for (const QString& path : {fifo, QStringLiteral("/dev/zero"), QStringLiteral("/dev/null"), dir.path()}) {
    QByteArray out = "stale";
    QString error;
    EXPECT_FALSE(ReadWholeFile(path, &out, &error)) << path.toStdString();
    EXPECT_EQ(error, path + " is not a regular file");
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(KindOfPath(path), PathKind::kOther) << path.toStdString();
    EXPECT_EQ(RefusalToOpen(path), path + " is not a regular file");
  }
  EXPECT_EQ(KindOfPath(dir.filePath("missing")), PathKind::kMissing);
  EXPECT_EQ(RefusalToOpen(dir.filePath("missing")), "");
  QByteArray out;
  QString error;
  EXPECT_FALSE(ReadWholeFile(dir.filePath("missing"), &out, &error));
  EXPECT_TRUE(error.startsWith("Unable to read " + dir.filePath("missing") + "\n")) << error.toStdString();
}

TEST(FileIoTest, AFileTooBigForTheEditorIsRefusedBeforeReading) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString sparse = dir.filePath("huge.html");
  {
    QFile file(sparse);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxDocumentBytes + 1));  // sparse: costs no disk
  }
  const QString expected =
      QStringLiteral("%1 is %2 bytes long. Penwick opens files of at most %3 bytes (512 MiB).")
          .arg(sparse)
          .arg(kMaxDocumentBytes + 1)
          .arg(kMaxDocumentBytes);
  EXPECT_EQ(RefusalToOpen(sparse), expected);
  QByteArray out;
  QString error;
  EXPECT_FALSE(ReadWholeFile(sparse, &out, &error));
  EXPECT_EQ(error, expected);

  const QString small = dir.filePath("small.txt");
  WriteFile(small, "0123456789");
  EXPECT_TRUE(ReadWholeFile(small, &out, &error, 10));
  EXPECT_EQ(out, "0123456789");
  EXPECT_FALSE(ReadWholeFile(small, &out, &error, 9));
  EXPECT_TRUE(error.startsWith(small + " is 10 bytes long.")) << error.toStdString();
}

TEST(FileIoTest, SavingKeepsLinksModeAndOwner) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString target = dir.filePath("page.html");
  WriteFile(target, "old");
  ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0640), 0);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(QFile::encodeName(target).constData(), 65534, 65534), 0);
  }

  // A symbolic link is written through and stays a link.
  const QString link = dir.filePath("link.html");
  ASSERT_TRUE(QFile::link(target, link));
  // A second hard link must keep sharing the file.
  const QString hardLink = dir.filePath("hard.html");
  ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(hardLink).constData()), 0);

  QString error;
  ASSERT_TRUE(WriteWholeFileAtomic(link, "through the link", &error)) << error.toStdString();
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(ReadFile(target), "through the link");
  EXPECT_EQ(ReadFile(hardLink), "through the link");
  EXPECT_EQ(StatOf(target).st_nlink, 2u);

  ASSERT_EQ(unlink(QFile::encodeName(hardLink).constData()), 0);
  ASSERT_TRUE(WriteWholeFileAtomic(target, "renamed into place", &error)) << error.toStdString();
  const struct stat after = StatOf(target);
  EXPECT_EQ(ReadFile(target), "renamed into place");
  EXPECT_EQ(after.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(after.st_uid, 65534u);
    EXPECT_EQ(after.st_gid, 65534u);
  }
  EXPECT_EQ(FilesIn(dir.path()), QStringList({"link.html", "page.html"}));
}

TEST(FileIoTest, AFailedInPlaceWritePutsTheOldBytesBack) {
  QTemporaryDir dir;
  QTemporaryDir keep;
  ASSERT_TRUE(dir.isValid() && keep.isValid());
  const QString target = dir.filePath("shared.txt");
  const QByteArray old(500, 'o');
  WriteFile(target, old);
  ASSERT_EQ(
      ::link(QFile::encodeName(target).constData(), QFile::encodeName(dir.filePath("other")).constData()), 0);
  QString error;
  bool written;
  {
    FileSizeLimit limit(1024);
    written = WriteWholeFileAtomic(target, QByteArray(2000, 'n'), &error, keep.path());
  }
  EXPECT_FALSE(written);
  EXPECT_TRUE(error.startsWith("Unable to write to " + target + "\n")) << error.toStdString();
  EXPECT_TRUE(error.endsWith("The file was put back as it was.")) << error.toStdString();
  EXPECT_EQ(ReadFile(target), old);
  EXPECT_EQ(ReadFile(dir.filePath("other")), old);
  EXPECT_TRUE(FilesIn(keep.path()).isEmpty()) << "the copy of the old bytes was left behind";
}

// Root may write anywhere, so the read-only folder is tried as another user in a child process.
TEST(FileIoTest, AWritableFileInAReadOnlyFolderIsSavedInPlace) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  QTemporaryDir dir;
  QTemporaryDir keep;
  ASSERT_TRUE(dir.isValid() && keep.isValid());
  const QString target = dir.filePath("notes.txt");
  WriteFile(target, "old notes");
  ASSERT_EQ(chown(QFile::encodeName(target).constData(), 65534, 65534), 0);
  ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
  ASSERT_EQ(chmod(QFile::encodeName(keep.path()).constData(), 0777), 0);
  const auto writeAsNobody = [&](const QByteArray& bytes, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
      if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
      FileSizeLimit sizeLimit(limit);
      QString error;
      _exit(WriteWholeFileAtomic(target, bytes, &error, keep.path()) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  EXPECT_EQ(writeAsNobody("new notes, longer than before", RLIM_INFINITY), 0);
  EXPECT_EQ(ReadFile(target), "new notes, longer than before");
  EXPECT_EQ(writeAsNobody(QByteArray(4000, 'x'), 1024), 1);
  EXPECT_EQ(ReadFile(target), "new notes, longer than before");
  EXPECT_TRUE(FilesIn(keep.path()).isEmpty());
  chmod(QFile::encodeName(dir.path()).constData(), 0755);
}

TEST(FileIoTest, StagedFilesReplaceTheirTargetsOnlyWhenCommitted) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString target = dir.filePath("penwick.ini");
  WriteFile(target, "old");
  QString error;
  {
    StagedFile staged;
    ASSERT_TRUE(staged.Stage(target, "new", &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(FilesIn(dir.path()).size(), 2);
  }
  EXPECT_EQ(FilesIn(dir.path()), QStringList{"penwick.ini"}) << "an uncommitted stage was left behind";
  StagedFile staged;
  ASSERT_TRUE(staged.Stage(target, "new", &error));
  ASSERT_TRUE(staged.Commit(&error)) << error.toStdString();
  EXPECT_EQ(ReadFile(target), "new");
  EXPECT_EQ(FilesIn(dir.path()), QStringList{"penwick.ini"});
}

}  // namespace
}  // namespace penwick
