#pragma once
// Recovery copies of unsaved work, so that a crash, a killed process or a power cut loses nothing. While a
// document has unsaved changes, its text is copied into this run's recovery folder a moment after typing
// pauses, and at least every half minute while typing goes on; the settings' in-memory state is copied when
// it differs from what was read at start. The text is copied on the GUI thread in pieces of a few MB between
// keys (an edit below the part copied so far sends the copy back to it), so no key waits for a 50 MB copy;
// encoding and writing happen on a worker thread at a lower priority, one file after the other, with the
// same checked atomic write as saving. A document's copy goes when the document is saved, reloaded or
// closed.

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <map>

#include "platform/recovery_runs.h"

namespace penwick {

class TEditForm;

class Recovery : public QObject {
  Q_OBJECT
 public:
  struct Timings {
    int pauseMs = 2000;     // a copy is made once typing has paused this long
    int longestMs = 30000;  // ... and at the latest this long after the first unsaved change since the last
    int tickMs = 500;       // how often the pending copies are looked at
  };
  using SettingsSnapshot = std::function<QMap<QByteArray, QByteArray>()>;

  explicit Recovery(QObject* parent = nullptr);
  // Waits for the writes in flight; leaves the run's folder as it is (only End removes it).
  ~Recovery() override;

  // Marks this run in programFolder/recovery. Without it nothing is copied, and the first copy that is due
  // reports why.
  bool Begin(const QString& programFolder);
  RecoveryRun& Run() { return run_; }
  void SetTimings(const Timings& timings);
  // Copies are made only while active (always, in Penwick; a benchmark measures typing without them).
  void SetActive(bool active) { active_ = active; }

  // Keeps copies of the window's document from now on.
  void Watch(TEditForm& form);
  // The settings' state as named parts; what it gives now is what a later state is compared with.
  void WatchSettings(SettingsSnapshot snapshot);
  // A command ran: the settings are compared at the next look.
  void SettingsMayHaveChanged();
  // Copies every modified document and the settings at once, without waiting for a pause.
  void CopyAllNow();
  // Runs work on the worker thread once every write asked for so far is done.
  void AfterWrites(std::function<void()> work);
  // Finishes the copies being taken, waits until the worker is idle and delivers its reports.
  void WaitForWrites();
  int CopiesWritten() const { return copiesWritten_; }
  // The document copy's file of a watched window (empty when not watched).
  QString CopyPath(const TEditForm& form) const;
  QString SettingsPath() const;

  // A normal end: every write finished, the run's folder and its lock removed.
  void End();

 signals:
  // A copy could not be written (once per run): the text is not protected until the cause goes.
  void WriteFailed(const QString& error);

 private:
  struct Watched {
    int serial = 0;
    bool dirty = false;     // changed since the last snapshot
    bool copying = false;   // the text is being copied into buffer, piece by piece
    long copied = 0;        // bytes of buffer that equal the document's
    QByteArray buffer;      // kept from one snapshot to the next, so copying never waits for new memory
    bool inFlight = false;  // a snapshot is being written
    bool hasCopy = false;   // a copy was asked for and not deleted since
    QElapsedTimer firstChange;
    QElapsedTimer lastChange;
  };
  void OnEdited(Watched& entry);
  void OnSettled(TEditForm& form);
  void Tick();
  void Snapshot(TEditForm& form, Watched& entry);
  // Copies the next piece of each text being copied; a whole copy goes to the worker.
  void CopyStep();
  void CopyPiece(TEditForm& form, Watched& entry);
  void DeleteCopy(Watched& entry);
  void CheckSettings();
  void Written(int serial, bool ok, const QString& error);
  void StartTicking();
  void ReportFailure(const QString& error);

  RecoveryRun run_;
  Timings timings_;
  bool active_ = true;
  QTimer tick_;
  QTimer copyStep_;  // runs whenever the event loop is free while texts are being copied
  int workerNice_ = 10;
  QThreadPool pool_;
  std::map<TEditForm*, Watched> watched_;
  int nextSerial_ = 1;
  int copiesWritten_ = 0;
  bool failureReported_ = false;
  QString beginError_;
  SettingsSnapshot settingsSnapshot_;
  QMap<QByteArray, QByteArray> settingsBaseline_;
  QMap<QByteArray, QByteArray> settingsCopied_;
  bool settingsDirty_ = false;
};

}  // namespace penwick
