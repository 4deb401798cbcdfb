// Writing files whole and safely: a staged copy that replaces the file in one step, or a write in place that
// keeps the old bytes until it has succeeded.

#include "platform/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <filesystem>
#include <limits>
#include <utility>

#include "platform/program_folder.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace penwick {

namespace {

// The file a write really replaces: a symbolic link is written through to what it points at.
QString ResolvedTarget(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink()) {
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty()) return canonical;
    return QFileInfo(info.symLinkTarget()).absoluteFilePath();  // a dangling link: create what it names
  }
  return info.absoluteFilePath();
}

QString RandomTag() {
  return QString::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFFFULL, 36);
}

#ifdef Q_OS_UNIX

QString ErrnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool WriteAll(int fd, const char* data, qint64 size, qint64 offset, int* error) {
  while (size > 0) {
    const ssize_t written = pwrite(fd, data, static_cast<size_t>(std::min<qint64>(size, 1 << 30)), offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      *error = errno;
      return false;
    }
    if (written == 0) {
      *error = ENOSPC;
      return false;
    }
    data += written;
    size -= written;
    offset += written;
  }
  return true;
}

void SyncFolder(const QString& folder) {
  const int fd = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

enum class StageResult { kOk, kNoTempFile, kFailed };

// Writes bytes to a fresh temporary file in folder; *tempPath names it on success.
StageResult WriteTempFile(const QString& resolved, QByteArrayView bytes, QString* tempPath, QString* reason) {
  struct stat old {};
  const QByteArray target = QFile::encodeName(resolved);
  const bool hadOld = stat(target.constData(), &old) == 0;
  // A device or a pipe is never replaced by a file (as root, /dev/null could be).
  if (hadOld && !S_ISREG(old.st_mode)) {
    *reason = QStringLiteral("It is not a regular file.");
    return StageResult::kFailed;
  }
  const QString folder = QFileInfo(resolved).absolutePath();
  int fd = -1;
  QString temp;
  for (int attempt = 0; attempt < 64 && fd < 0; ++attempt) {
    temp = folder + QStringLiteral("/.penwick-") + RandomTag() + QStringLiteral(".tmp");
    fd = open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      *reason = ErrnoText(errno);
      return StageResult::kNoTempFile;
    }
  }
  if (fd < 0) {
    *reason = ErrnoText(EEXIST);
    return StageResult::kNoTempFile;
  }
  int error = 0;
  bool ok = WriteAll(fd, bytes.data(), bytes.size(), 0, &error);
  if (ok && fsync(fd) != 0) {
    error = errno;
    ok = false;
  }
  if (ok && hadOld) {
    // Keep the owner and group where the system lets us; a user who may not give the file away still keeps
    // its group when they belong to it. The mode goes last: a change of owner clears set-id bits.
    if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // The new file stays the saver's: nothing better is allowed.
    }
    fchmod(fd, old.st_mode & 07777);
  }
  if (close(fd) != 0 && ok) {
    error = errno;
    ok = false;
  }
  if (!ok) {
    unlink(QFile::encodeName(temp).constData());
    *reason = ErrnoText(error);
    return StageResult::kFailed;
  }
  *tempPath = temp;
  return StageResult::kOk;
}

bool RenameOver(const QString& from, const QString& to, QString* reason) {
  if (rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
    *reason = ErrnoText(errno);
    return false;
  }
  SyncFolder(QFileInfo(to).absolutePath());
  return true;
}

// Writes bytes over the file itself, keeping a copy of the old bytes in backupFolder until the write has
// succeeded; a failed write puts the old bytes back.
bool WriteInPlace(const QString& path, const QString& resolved, QByteArrayView bytes,
                  const QString& backupFolder, QString* error) {
  QByteArray old;
  QString readError;
  if (!ReadWholeFile(resolved, &old, &readError, std::numeric_limits<qint64>::max())) {
    *error = WriteFailure(path, readError);
    return false;
  }
  const QString copy = QDir(backupFolder.isEmpty() ? ProgramFolder() : backupFolder)
                           .filePath(QStringLiteral(".saving-") + QFileInfo(resolved).fileName() + u'-' +
                                     RandomTag() + QStringLiteral(".old"));
  QString copyError;
  StagedFile staged;
  if (!staged.Stage(copy, old, &copyError) || !staged.Commit(&copyError)) {
    *error = WriteFailure(path, QStringLiteral("No copy of its old contents could be kept, so it was not "
                                               "touched.\n") +
                                    copyError);
    return false;
  }
  const int fd = open(QFile::encodeName(resolved).constData(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) {
    const int openError = errno;
    QFile::remove(copy);
    *error = WriteFailure(path, ErrnoText(openError));
    return false;
  }
  int writeError = 0;
  bool ok = WriteAll(fd, bytes.data(), bytes.size(), 0, &writeError);
  if (ok && ftruncate(fd, bytes.size()) != 0) writeError = errno, ok = false;
  if (ok && fsync(fd) != 0) writeError = errno, ok = false;
  bool restored = true;
  if (!ok) {
    int ignored = 0;
    restored = WriteAll(fd, old.constData(), old.size(), 0, &ignored) && ftruncate(fd, old.size()) == 0 &&
               fsync(fd) == 0;
  }
  if (close(fd) != 0 && ok) writeError = errno, ok = false;
  if (ok) {
    QFile::remove(copy);
    return true;
  }
  if (restored) {
    QFile::remove(copy);
    *error = WriteFailure(path, ErrnoText(writeError) + QStringLiteral("\nThe file was put back as it was."));
  } else {
    *error = WriteFailure(path, ErrnoText(writeError) + QStringLiteral("\nIts old contents are kept in ") +
                                    QDir::toNativeSeparators(copy));
  }
  return false;
}

#endif

}  // namespace

QString WriteFailure(const QString& path, const QString& reason) {
  QString message = QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path);
  if (!reason.isEmpty()) message += u'\n' + reason;
  return message;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      resolved_(std::move(other.resolved_)),
      tempPath_(std::exchange(other.tempPath_, {})) {}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
  if (this != &other) {
    Discard();
    target_ = std::move(other.target_);
    resolved_ = std::move(other.resolved_);
    tempPath_ = std::exchange(other.tempPath_, {});
  }
  return *this;
}

StagedFile::~StagedFile() { Discard(); }

void StagedFile::Discard() {
  if (!tempPath_.isEmpty()) QFile::remove(tempPath_);
  tempPath_.clear();
}

#ifdef Q_OS_UNIX

bool StagedFile::Stage(const QString& path, QByteArrayView bytes, QString* error) {
  Discard();
  target_ = path;
  resolved_ = ResolvedTarget(path);
  QString reason;
  if (WriteTempFile(resolved_, bytes, &tempPath_, &reason) == StageResult::kOk) return true;
  if (error) *error = WriteFailure(path, reason);
  return false;
}

bool StagedFile::Commit(QString* error) {
  QString reason;
  if (tempPath_.isEmpty()) {
    reason = QStringLiteral("Nothing was staged.");
  } else if (RenameOver(tempPath_, resolved_, &reason)) {
    tempPath_.clear();
    return true;
  }
  if (error) *error = WriteFailure(target_, reason);
  return false;
}

bool WriteWholeFileAtomic(const QString& path, QByteArrayView bytes, QString* error,
                          const QString& backupFolder) {
  const QString resolved = ResolvedTarget(path);
  struct stat old {};
  const bool hadOld = stat(QFile::encodeName(resolved).constData(), &old) == 0;
  QString message;
  if (hadOld && S_ISREG(old.st_mode) && old.st_nlink > 1) {
    // Renaming would split the file from its other names.
    if (WriteInPlace(path, resolved, bytes, backupFolder, &message)) return true;
    if (error) *error = message;
    return false;
  }
  QString tempPath;
  QString reason;
  switch (WriteTempFile(resolved, bytes, &tempPath, &reason)) {
    case StageResult::kOk:
      if (RenameOver(tempPath, resolved, &reason)) return true;
      QFile::remove(tempPath);
      break;
    case StageResult::kNoTempFile:
      // A writable file in a folder that takes no new files can still be saved over itself.
      if (hadOld && S_ISREG(old.st_mode) && access(QFile::encodeName(resolved).constData(), W_OK) == 0) {
        if (WriteInPlace(path, resolved, bytes, backupFolder, &message)) return true;
        if (error) *error = message;
        return false;
      }
      break;
    case StageResult::kFailed:
      break;
  }
  if (error) *error = WriteFailure(path, reason);
  return false;
}

#else

// Elsewhere Qt's own atomic writer does the work, unbuffered so that every write reports its own error.
bool StagedFile::Stage(const QString& path, QByteArrayView bytes, QString* error) {
  Discard();
  target_ = path;
  resolved_ = ResolvedTarget(path);
  if (KindOfPath(resolved_) == PathKind::kOther) {
    if (error) *error = WriteFailure(path, QStringLiteral("It is not a regular file."));
    return false;
  }
  tempPath_ = resolved_ + QStringLiteral(".penwick-") + RandomTag() + QStringLiteral(".tmp");
  QFile file(tempPath_);
  if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
      file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush()) {
    file.close();
    if (file.error() == QFileDevice::NoError) return true;
  }
  if (error) *error = WriteFailure(path, file.errorString());
  file.close();
  Discard();
  return false;
}

bool StagedFile::Commit(QString* error) {
  std::error_code failure;
  if (!tempPath_.isEmpty()) {
    // Replaces the target in one step, as a rename does on Unix.
    std::filesystem::rename(tempPath_.toStdWString(), resolved_.toStdWString(), failure);
    if (!failure) {
      tempPath_.clear();
      return true;
    }
  }
  if (error) *error = WriteFailure(target_, QString::fromStdString(failure.message()));
  return false;
}

bool WriteWholeFileAtomic(const QString& path, QByteArrayView bytes, QString* error, const QString&) {
  if (KindOfPath(ResolvedTarget(path)) == PathKind::kOther) {
    if (error) *error = WriteFailure(path, QStringLiteral("It is not a regular file."));
    return false;
  }
  QSaveFile file(ResolvedTarget(path));
  if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
      file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush() && file.commit()) {
    return true;
  }
  if (error) *error = WriteFailure(path, file.errorString());
  return false;
}

#endif

}  // namespace penwick
