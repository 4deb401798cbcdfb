#pragma once
// Reading and writing whole files so that nothing is ever lost: reads refuse what is not a regular file or is
// too big before anything can block; writes check that every byte reached the disk and replace the old file
// only then.

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

namespace penwick {

// The largest document the editor opens. Inside the editor a document is UTF-8 with CR LF line breaks and
// positions are int: a line feed doubles and a code page byte can take three bytes, so a file of this size
// needs at most 1.5 GiB inside, leaving room to edit below 2 GiB.
inline constexpr qint64 kMaxDocumentBytes = qint64(512) << 20;

// What a path names, for the commands that open documents.
enum class PathKind { kMissing, kRegularFile, kOther };
PathKind KindOfPath(const QString& path);
// "<path> is not a regular file"
QString NotRegularFileMessage(const QString& path);
// Empty when path is a regular file of at most maxBytes; otherwise the message that says why it cannot be
// opened (missing files give "" too: callers decide what a missing name means).
QString RefusalToOpen(const QString& path, qint64 maxBytes = kMaxDocumentBytes);

// Reads a whole regular file of at most maxBytes. Devices, pipes, sockets and folders are refused before
// anything is read (a pipe never blocks the open). On failure returns false with a message naming the file in
// *error.
bool ReadWholeFile(const QString& path, QByteArray* out, QString* error, qint64 maxBytes = kMaxDocumentBytes);

// A regular file read from its start in blocks; opening it makes the refusals ReadWholeFile makes.
class FileReader {
 public:
  FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;
  ~FileReader();

  bool Open(const QString& path, QString* error, qint64 maxBytes = kMaxDocumentBytes);
  // The size when it was opened.
  qint64 Size() const { return size_; }
  // Reads up to capacity bytes into buffer, fewer only at the end of the file. Returns the count, 0 at the
  // end, -1 on failure (also when the file grew past the size allowed).
  qint64 Read(char* buffer, qint64 capacity, QString* error);
  // Back to the start of the file.
  bool Rewind(QString* error);

 private:
  QString path_;
  qint64 maxBytes_ = 0;
  qint64 done_ = 0;
  qint64 size_ = 0;
  int fd_ = -1;
  void* file_ = nullptr;  // the QFile where there are no file descriptors
};

// Writes a whole file so that a failure leaves the old file byte-identical:
// - normally to a temporary file beside the target (every byte checked, synced, owner, group and mode of the
//   old file kept), renamed over the target only then;
// - a file with several hard links, or in a folder where no temporary file can be made, is written in place
//   after a copy of its old bytes is kept in backupFolder (default: Penwick's folder); a failed write puts
//   the old bytes back and says so.
// A symbolic link is written through: its target is replaced, the link stays. On failure *error is
// "Unable to write to <path>" and the reason on a second line.
bool WriteWholeFileAtomic(const QString& path, QByteArrayView bytes, QString* error,
                          const QString& backupFolder = {});

// A file written completely beside its target but not yet in place: several files can be staged first and
// then all put in place by renames, which never leave a target missing or half written. An uncommitted stage
// is removed when the object goes.
class StagedFile {
 public:
  StagedFile() = default;
  StagedFile(StagedFile&& other) noexcept;
  StagedFile& operator=(StagedFile&& other) noexcept;
  ~StagedFile();

  // Writes bytes to a new temporary file beside path (symbolic links followed), checked and synced, with the
  // owner, group and mode of the existing file.
  bool Stage(const QString& path, QByteArrayView bytes, QString* error);
  // Renames the staged file over its target.
  bool Commit(QString* error);
  // Removes the staged file.
  void Discard();
  // Forgets the staged file without removing it: what a crash would leave behind (fault-injection tests).
  void Abandon() { tempPath_.clear(); }
  const QString& Target() const { return target_; }

 private:
  QString target_;    // as the caller named it, for messages
  QString resolved_;  // the file really replaced
  QString tempPath_;
};

// What is known of a file on disk, to tell whether another program changed it.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;
  QDateTime modified;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const QString& path);

// "Unable to write to <path>\n<reason>"
QString WriteFailure(const QString& path, const QString& reason);

}  // namespace penwick
