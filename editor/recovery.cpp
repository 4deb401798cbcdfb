#include "editor/recovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>

#include "editor/edit_form.h"
#include "editor/recovery_copy.h"
#include "editor/text_control.h"
#include "platform/file_io.h"
#include "platform/recovery_file.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace penwick {

namespace {

// A piece of text copied between two keys: well under a millisecond.
constexpr long kPieceBytes = 4L << 20;

// Writes bytes with the checked atomic write (a copy is whole or absent), reporting back on the GUI thread.
void WriteCopy(Recovery* recovery, const QString& path, const QString& folder, const QByteArray& bytes,
               std::function<void(bool, QString)> report) {
  QString error;
  const bool ok = WriteWholeFileAtomic(path, bytes, &error, folder);
  QMetaObject::invokeMethod(
      recovery, [report = std::move(report), ok, error] { report(ok, error); }, Qt::QueuedConnection);
}

}  // namespace

Recovery::Recovery(QObject* parent) : QObject(parent) {
  // One writer: copies and deletions happen in the order they were asked for.
  pool_.setMaxThreadCount(1);
  tick_.setInterval(timings_.tickMs);
  connect(&tick_, &QTimer::timeout, this, &Recovery::Tick);
  copyStep_.setInterval(0);
  connect(&copyStep_, &QTimer::timeout, this, &Recovery::CopyStep);
#ifdef Q_OS_LINUX
  // The writer yields to the GUI thread: on Linux the nice value belongs to each thread.
  workerNice_ = std::min(19, getpriority(PRIO_PROCESS, 0) + 10);
#endif
}

Recovery::~Recovery() { pool_.waitForDone(); }

bool Recovery::Begin(const QString& programFolder) { return run_.Begin(programFolder, &beginError_); }

void Recovery::SetTimings(const Timings& timings) {
  timings_ = timings;
  tick_.setInterval(timings_.tickMs);
}

QString Recovery::CopyPath(const TEditForm& form) const {
  const auto it = watched_.find(const_cast<TEditForm*>(&form));
  if (it == watched_.end() || !run_.Started()) return {};
  return QDir(run_.Folder()).filePath(QStringLiteral("doc-%1.pwr").arg(it->second.serial));
}

QString Recovery::SettingsPath() const {
  return run_.Started() ? QDir(run_.Folder()).filePath(QStringLiteral("settings.pwr")) : QString();
}

void Recovery::Watch(TEditForm& form) {
  Watched& entry = watched_[&form];
  entry.serial = nextSerial_++;
  TEditForm* key = &form;
  // Per key only two clock readings: the snapshot waits for the next look.
  connect(&form, &TEditForm::Edited, this, [this, key] {
    const auto it = watched_.find(key);
    if (it != watched_.end()) OnEdited(it->second);
  });
  connect(&form, &TEditForm::Settled, this, [this, key] { OnSettled(*key); });
  connect(&form, &QObject::destroyed, this, [this, key] {
    const auto it = watched_.find(key);
    if (it == watched_.end()) return;
    DeleteCopy(it->second);
    watched_.erase(it);
  });
}

void Recovery::OnEdited(Watched& entry) {
  entry.lastChange.start();
  if (!entry.dirty) {
    entry.dirty = true;
    entry.firstChange.start();
  }
  StartTicking();
}

void Recovery::OnSettled(TEditForm& form) {
  const auto it = watched_.find(&form);
  if (it == watched_.end()) return;
  it->second.dirty = false;
  it->second.copying = false;
  DeleteCopy(it->second);
}

void Recovery::StartTicking() {
  if (!tick_.isActive()) tick_.start();
}

void Recovery::Tick() {
  bool pending = false;
  for (auto& [form, entry] : watched_) {
    if (!entry.dirty) continue;
    const bool due =
        entry.lastChange.elapsed() >= timings_.pauseMs || entry.firstChange.elapsed() >= timings_.longestMs;
    if (due && !entry.inFlight && !entry.copying && active_) {
      Snapshot(*form, entry);
    } else {
      pending = true;
    }
  }
  if (settingsDirty_) CheckSettings();
  if (!pending) tick_.stop();
}

void Recovery::Snapshot(TEditForm& form, Watched& entry) {
  entry.dirty = false;
  if (!run_.Started()) {
    ReportFailure(beginError_);
    return;
  }
  if (form.IsRtfView() || form.IsClosed()) return;
  if (!form.Text().Modified()) {
    DeleteCopy(entry);
    return;
  }
  entry.copying = true;
  entry.copied = 0;
  form.Text().ResetLowestChange();
  CopyPiece(form, entry);
  if (entry.copying && !copyStep_.isActive()) copyStep_.start();
}

void Recovery::CopyStep() {
  bool copying = false;
  for (auto& [form, entry] : watched_) {
    if (!entry.copying) continue;
    CopyPiece(*form, entry);
    copying = copying || entry.copying;
  }
  if (!copying) copyStep_.stop();
}

void Recovery::CopyPiece(TEditForm& form, Watched& entry) {
  TextControl& text = form.Text();
  // Bytes at and after an edit are copied again.
  entry.copied = std::min(entry.copied, text.LowestChange());
  text.ResetLowestChange();
  const long length = text.ByteLength();
  entry.copied = std::min(entry.copied, length);
  if (entry.buffer.capacity() <= length) entry.buffer.reserve(length + length / 8 + (1 << 20));
  entry.buffer.resize(length + 1);
  const long to = std::min(length, entry.copied + kPieceBytes);
  text.CopyBytes(entry.copied, to, entry.buffer.data() + entry.copied);
  entry.copied = to;
  if (entry.copied < length) return;

  // Whole: the copy is the document as it is at this moment.
  entry.copying = false;
  entry.buffer.resize(length);
  DocumentCopy copy = form.Describe();
  copy.utf8 = entry.buffer;
  copy.savedAt = QDateTime::currentMSecsSinceEpoch();
  entry.inFlight = true;
  entry.hasCopy = true;
  const int serial = entry.serial;
  const QString path = CopyPath(form);
  const QString folder = run_.Folder();
  const int nice = workerNice_;
  pool_.start([this, serial, path, folder, nice, copy = std::move(copy)]() mutable {
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, 0, nice);
#else
    Q_UNUSED(nice);
#endif
    const QByteArray bytes = EncodeDocumentCopy(copy);
    // The GUI thread takes its next copy into the same memory.
    copy.utf8 = QByteArray();
    WriteCopy(this, path, folder, bytes,
              [this, serial](bool ok, const QString& error) { Written(serial, ok, error); });
  });
}

void Recovery::CopyAllNow() {
  if (settingsSnapshot_) CheckSettings();
  for (auto& [form, entry] : watched_) {
    if (!form->Text().Modified()) continue;
    if (entry.inFlight || entry.copying) {
      entry.dirty = true;
      entry.firstChange.start();
      entry.lastChange.start();
      StartTicking();
    } else {
      Snapshot(*form, entry);
    }
  }
}

void Recovery::Written(int serial, bool ok, const QString& error) {
  for (auto& [form, entry] : watched_) {
    if (entry.serial != serial) continue;
    entry.inFlight = false;
    if (entry.dirty) StartTicking();
  }
  if (ok) {
    ++copiesWritten_;
  } else {
    ReportFailure(error);
  }
}

void Recovery::ReportFailure(const QString& error) {
  if (failureReported_) return;
  failureReported_ = true;
  emit WriteFailed(error + QStringLiteral("\nUnsaved text is not kept against a crash until this is put "
                                          "right; save your documents."));
}

void Recovery::DeleteCopy(Watched& entry) {
  if (!entry.hasCopy || !run_.Started()) return;
  entry.hasCopy = false;
  // Queued behind a write of the same copy that may still be running.
  const QString path = QDir(run_.Folder()).filePath(QStringLiteral("doc-%1.pwr").arg(entry.serial));
  pool_.start([path] { QFile::remove(path); });
}

void Recovery::WatchSettings(SettingsSnapshot snapshot) {
  settingsSnapshot_ = std::move(snapshot);
  settingsBaseline_ = settingsSnapshot_();
  settingsCopied_ = settingsBaseline_;
}

void Recovery::SettingsMayHaveChanged() {
  if (!settingsSnapshot_ || !active_) return;
  settingsDirty_ = true;
  StartTicking();
}

void Recovery::CheckSettings() {
  settingsDirty_ = false;
  if (!run_.Started()) return;
  QMap<QByteArray, QByteArray> now = settingsSnapshot_();
  if (now == settingsCopied_) return;
  settingsCopied_ = now;
  const QString path = SettingsPath();
  if (now == settingsBaseline_) {
    pool_.start([path] { QFile::remove(path); });
    return;
  }
  now["kind"] = "settings";
  now["saved"] = QByteArray::number(QDateTime::currentMSecsSinceEpoch());
  const QString folder = run_.Folder();
  pool_.start([this, path, folder, now = std::move(now)] {
    WriteCopy(this, path, folder, EncodeRecoveryFile(now, {}),
              [this](bool ok, const QString& error) { Written(0, ok, error); });
  });
}

void Recovery::AfterWrites(std::function<void()> work) { pool_.start(std::move(work)); }

void Recovery::WaitForWrites() {
  while (copyStep_.isActive()) CopyStep();
  pool_.waitForDone();
  QCoreApplication::sendPostedEvents(this);
}

void Recovery::End() {
  tick_.stop();
  copyStep_.stop();
  pool_.waitForDone();
  run_.End();
}

}  // namespace penwick
