// Reading files: what is refused before a read, whole-file reads and the block reader.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/file_io.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

namespace penwick {

namespace {

QString TooBigMessage(const QString& path, qint64 size, qint64 maxBytes) {
  return QStringLiteral("%1 is %2 bytes long. Penwick opens files of at most %3 bytes (%4 MiB).")
      .arg(QDir::toNativeSeparators(path))
      .arg(size)
      .arg(maxBytes)
      .arg(maxBytes >> 20);
}

QString ReadFailure(const QString& path, const QString& reason) {
  return QStringLiteral("Unable to read ") + QDir::toNativeSeparators(path) + u'\n' + reason;
}

#ifdef Q_OS_UNIX
QString ErrnoText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }
#endif

}  // namespace

PathKind KindOfPath(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return PathKind::kMissing;
  return info.isFile() ? PathKind::kRegularFile : PathKind::kOther;
}

QString NotRegularFileMessage(const QString& path) {
  return QStringLiteral("%1 is not a regular file").arg(QDir::toNativeSeparators(path));
}

QString RefusalToOpen(const QString& path, qint64 maxBytes) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  if (!info.isFile()) return NotRegularFileMessage(path);
  if (info.size() > maxBytes) return TooBigMessage(path, info.size(), maxBytes);
  return {};
}

bool ReadWholeFile(const QString& path, QByteArray* out, QString* error, qint64 maxBytes) {
  out->clear();
  FileReader reader;
  if (!reader.Open(path, error, maxBytes)) return false;
  // The size is a hint: the file may shrink or grow while it is read (the reader refuses it past maxBytes).
  qint64 capacity = std::max<qint64>(reader.Size() + 1, 4096);
  out->resize(capacity);
  qint64 done = 0;
  for (;;) {
    if (done == capacity) {
      capacity = std::min<qint64>(capacity * 2, maxBytes + 1);
      out->resize(capacity);
    }
    const qint64 got = reader.Read(out->data() + done, std::min<qint64>(capacity - done, 1 << 30), error);
    if (got < 0) {
      out->clear();
      return false;
    }
    if (got == 0) break;
    done += got;
  }
  out->truncate(done);
  return true;
}

FileReader::~FileReader() {
#ifdef Q_OS_UNIX
  if (fd_ >= 0) close(fd_);
#else
  delete static_cast<QFile*>(file_);
#endif
}

bool FileReader::Open(const QString& path, QString* error, qint64 maxBytes) {
  path_ = path;
  maxBytes_ = maxBytes;
  done_ = 0;
  const auto fail = [&](const QString& message) {
    if (error) *error = message;
    return false;
  };
#ifdef Q_OS_UNIX
  // Non-blocking, so that opening a pipe with no writer returns at once and can be refused.
  fd_ = open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return fail(ReadFailure(path, ErrnoText(errno)));
  struct stat st {};
  if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) return fail(NotRegularFileMessage(path));
  if (st.st_size > maxBytes) return fail(TooBigMessage(path, st.st_size, maxBytes));
  size_ = st.st_size;
  fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  return true;
#else
  const QString refusal = RefusalToOpen(path, maxBytes);
  if (!refusal.isEmpty()) return fail(refusal);
  auto* file = new QFile(path);
  file_ = file;
  if (!file->open(QIODevice::ReadOnly)) return fail(ReadFailure(path, file->errorString()));
  size_ = file->size();
  return true;
#endif
}

qint64 FileReader::Read(char* buffer, qint64 capacity, QString* error) {
  qint64 got = 0;
  while (got < capacity) {
#ifdef Q_OS_UNIX
    const ssize_t n = fd_ < 0 ? -1 : read(fd_, buffer + got, static_cast<size_t>(capacity - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      if (error) *error = ReadFailure(path_, ErrnoText(fd_ < 0 ? EBADF : errno));
      return -1;
    }
#else
    auto* file = static_cast<QFile*>(file_);
    const qint64 n = file ? file->read(buffer + got, capacity - got) : -1;
    if (n < 0) {
      if (error) *error = ReadFailure(path_, file ? file->errorString() : QString());
      return -1;
    }
#endif
    if (n == 0) break;
    got += n;
  }
  done_ += got;
  // The size seen at the open is a hint: the file may grow while it is read.
  if (done_ > maxBytes_) {
    if (error) *error = TooBigMessage(path_, done_, maxBytes_);
    return -1;
  }
  return got;
}

bool FileReader::Rewind(QString* error) {
  done_ = 0;
#ifdef Q_OS_UNIX
  if (fd_ >= 0 && lseek(fd_, 0, SEEK_SET) == 0) return true;
  if (error) *error = ReadFailure(path_, ErrnoText(fd_ < 0 ? EBADF : errno));
#else
  auto* file = static_cast<QFile*>(file_);
  if (file && file->seek(0)) return true;
  if (error) *error = ReadFailure(path_, file ? file->errorString() : QString());
#endif
  return false;
}

FileStamp StampOf(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  return {true, info.size(), info.lastModified()};
}

}  // namespace penwick
