#include "app/recovery_offer.h"

#include <QDirIterator>
#include <algorithm>
#include <optional>
#include <vector>

#include "app/file_commands.h"
#include "app/frame_form.h"
#include "editor/edit_form.h"
#include "editor/recovery.h"
#include "editor/recovery_copy.h"
#include "platform/file_io.h"
#include "platform/recovery_file.h"
#include "platform/recovery_runs.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

struct Found {
  std::vector<DocumentCopy> documents;
  std::optional<RecoveryFile> settings;
};

qint64 SavedAt(const RecoveryFile& file) { return file.fields.value("saved").toLongLong(); }

// Every whole copy in the folders (and in folders a lost run had itself taken over). A copy cut short or
// damaged is passed over: it would give back wrong text. Of two copies of one file the newer wins; two
// copies of one unnamed text (a restore that was itself cut short) come back once.
Found ReadCopies(const QStringList& folders) {
  Found found;
  for (const QString& folder : folders) {
    QDirIterator it(folder, {QStringLiteral("*.pwr")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QByteArray bytes;
      if (!ReadWholeFile(it.next(), &bytes, nullptr, kMaxDocumentBytes * 3)) continue;
      if (std::optional<DocumentCopy> copy = DecodeDocumentCopy(bytes)) {
        found.documents.push_back(std::move(*copy));
        continue;
      }
      std::optional<RecoveryFile> file = DecodeRecoveryFile(bytes);
      if (file && file->fields.value("kind") == "settings" &&
          (!found.settings || SavedAt(*file) > SavedAt(*found.settings))) {
        found.settings = std::move(file);
      }
    }
  }
  std::vector<DocumentCopy>& docs = found.documents;
  std::stable_sort(docs.begin(), docs.end(),
                   [](const DocumentCopy& a, const DocumentCopy& b) { return a.savedAt > b.savedAt; });
  std::vector<DocumentCopy> kept;
  for (DocumentCopy& doc : docs) {
    const bool unnamed = NamePart(doc.fileName) == QLatin1String(kNewFile);
    const bool seen = std::any_of(kept.begin(), kept.end(), [&](const DocumentCopy& k) {
      return k.fileName == doc.fileName && (!unnamed || k.utf8 == doc.utf8);
    });
    if (!seen) kept.push_back(std::move(doc));
  }
  std::stable_sort(kept.begin(), kept.end(), [](const DocumentCopy& a, const DocumentCopy& b) {
    return a.windowNumber % 100 < b.windowNumber % 100;
  });
  docs = std::move(kept);
  return found;
}

const char kSettingsNames[] = "boilerplates, superboilerplates, lists and bookmark notes";

QString Question(const Found& found) {
  const qsizetype n = static_cast<qsizetype>(found.documents.size());
  if (n == 0) {
    return QStringLiteral("Penwick did not close normally. Restore the %1 changed in that run?")
        .arg(kSettingsNames);
  }
  QString text = n == 1
                     ? QStringLiteral("Penwick did not close normally. Restore 1 unsaved document?")
                     : QStringLiteral("Penwick did not close normally. Restore %1 unsaved documents?").arg(n);
  if (found.settings) {
    text += QStringLiteral("\n\nThe %1 changed in that run come back too.").arg(kSettingsNames);
  }
  return text;
}

QString WhatIsLost(const Found& found) {
  const qsizetype n = static_cast<qsizetype>(found.documents.size());
  QString what;
  if (n > 0)
    what = n == 1 ? QStringLiteral("1 unsaved document") : QStringLiteral("%1 unsaved documents").arg(n);
  if (found.settings) {
    if (!what.isEmpty()) what += QStringLiteral(" and ");
    what += QStringLiteral("the changed %1").arg(kSettingsNames);
  }
  return what;
}

void RestoreAll(TFrameForm& frame, const Found& found, const QStringList& adopted) {
  Recovery& recovery = frame.RecoveryCopies();
  if (found.settings) {
    frame.Store().Restore(found.settings->fields, frame.AppSettings(), frame.Switches(), frame.Boxes());
    File1Click(frame);
  }
  for (const DocumentCopy& copy : found.documents) {
    TEditForm* editor = frame.CreateEditorWindow();
    editor->Restore(copy);
  }
  frame.ShowCover(false);
  // The old copies go only once this run keeps copies of its own.
  recovery.SettingsMayHaveChanged();
  recovery.CopyAllNow();
  recovery.AfterWrites([adopted] { RecoveryRun::Discard(adopted); });
}

}  // namespace

void OfferRecovery(TFrameForm& frame) {
  RecoveryRun& run = frame.RecoveryCopies().Run();
  const QStringList adopted = run.AdoptAbandoned();
  if (adopted.isEmpty()) return;
  Found found = ReadCopies(adopted);
  if (found.settings) {
    // Settings the lost run changed the way this run already has them (saved since) are nothing to offer.
    QMap<QByteArray, QByteArray> parts = found.settings->fields;
    parts.remove("kind");
    parts.remove("saved");
    if (parts == frame.Store().Snapshot(frame.AppSettings(), frame.Switches())) found.settings.reset();
  }
  if (found.documents.empty() && !found.settings) {
    RecoveryRun::Discard(adopted);
    return;
  }
  MessageBoxes& boxes = frame.Boxes();
  if (boxes.Show(QStringLiteral("Unsaved work"), Question(found), MsgType::kConfirmation,
                 MsgButtons::kYesNo) == MsgResult::kYes) {
    RestoreAll(frame, found, adopted);
    return;
  }
  if (boxes.Show(QStringLiteral("Unsaved work"),
                 QStringLiteral("Delete %1 for good?\n\nNo keeps them: Penwick asks again at its next start.")
                     .arg(WhatIsLost(found)),
                 MsgType::kWarning, MsgButtons::kYesNo) == MsgResult::kYes) {
    RecoveryRun::Discard(adopted);
  }
  // Otherwise they stay adopted until this run ends, which puts them back.
}

}  // namespace penwick
