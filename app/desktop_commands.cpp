// Desktops: the list of open files saved under a name in Penwick's folder and restored in a later run.

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScopeGuard>
#include <algorithm>

#include "app/desktop_file.h"
#include "app/frame_form.h"
#include "editor/edit_form.h"
#include "editor/update_lock.h"
#include "platform/document_io.h"
#include "platform/file_io.h"
#include "platform/file_names.h"

namespace penwick {

namespace {

const char kSaveDesktopText[] =
    "This will save a name.dsk file so that Restore can bring the same files into the same windows "
    "(numbers) in a later session.";

const char kNoDesktopText[] =
    "There are no open files to save as a desktop.\n\nOpen the files you want together, then choose Save "
    "Desktop again.";

const char kRestoreDesktopText[] =
    "This will bring a name.dsk file's list of files into the same windows (numbers) they occupied in a "
    "previous session. Current windows will all be closed first.";

QString CorruptedText() {
  const QChar sep = QDir::separator();
  return QStringLiteral(
             "This file may not be a desktop file. A desktop file must be a stack of path%1filename lines, "
             "one full file name per line, with no empty or labelling line at its beginning or within it. "
             "A file name without its path fails this test.\n\n"
             "Save Desktop writes full names; restoring stopped at the first line that is not one.")
      .arg(sep);
}

}  // namespace

void SaveDesktop1Click(TFrameForm& f) {
  // With no window open there is nothing to save: say so, rather than ask questions that lead nowhere.
  if (f.EditorWindows().empty()) {
    f.Boxes().Show(QStringLiteral("Save Desktop"), QString::fromLatin1(kNoDesktopText), MsgType::kInformation,
                   MsgButtons::kOk);
    return;
  }
  if (f.Boxes().Show(QStringLiteral("Save Desktop"), QString::fromLatin1(kSaveDesktopText),
                     MsgType::kConfirmation, MsgButtons::kOkCancel) != MsgResult::kOk) {
    return;
  }
  QString name;
  if (!f.Boxes().InputQuery(QStringLiteral("Save desktop in  name.dsk"), QStringLiteral("Name before .dsk:"),
                            name)) {
    return;
  }
  // Desktops live in Penwick's folder: a name may not lead anywhere else.
  if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
    f.Boxes().Show(
        QStringLiteral("Save Desktop"),
        QStringLiteral("\"%1\" holds a folder. A desktop is saved in Penwick's folder under a plain "
                       "name; nothing was written.")
            .arg(name),
        MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  const QString path = QDir(f.ProgramFolder()).filePath(name + QStringLiteral(".dsk"));
  QString error;
  if (!WriteWholeFileAtomic(path, DesktopBytes(f.Run().openFiles), &error)) f.Boxes().ShowError(error);
}

void RestoreDesktop1Click(TFrameForm& f) {
  if (f.Boxes().Show(QStringLiteral("Restore Desktop"), QString::fromLatin1(kRestoreDesktopText),
                     MsgType::kConfirmation, MsgButtons::kOkCancel) != MsgResult::kOk) {
    return;
  }
  // The files restored are remembered neither as the last opened file nor by its filter.
  const QString lastOpen = f.AppSettings().lastOpen;
  const int lastFilter = f.AppSettings().lastFilter;
  const auto putBack = qScopeGuard([&] {
    f.AppSettings().lastOpen = lastOpen;
    f.AppSettings().lastFilter = lastFilter;
  });

  FileDialogRequest request;
  request.caption = QStringLiteral("Open a saved Penwick Desktop");
  request.fileName = f.ProgramFolder() + QStringLiteral("/*.dsk");
  request.folder = f.ProgramFolder();
  request.filters = QStringList{QStringLiteral("Desktops (*.dsk)|*.dsk")};
  request.filterIndex = 1;
  const FileDialogResult chosen = f.Boxes().ui().AskOpenFiles(request, /*multiple=*/false);
  if (chosen.fileNames.isEmpty()) return;
  const QString path = NormalisedPath(chosen.fileNames.first());
  if (!path.endsWith(QStringLiteral(".dsk"), Qt::CaseInsensitive)) {
    f.Boxes().Show(QStringLiteral("Load failure!"), QStringLiteral("Can load only an Penwick .dsk file."),
                   MsgType::kInformation, MsgButtons::kOk);
    return;
  }

  // Everything that makes the file unusable is found before a single window is closed.
  if (!QFileInfo(path).isFile()) {
    // Not a plain file (a device or a pipe would never end): nothing to read.
    f.Boxes().Show(QStringLiteral("Load Failure"), QStringLiteral("File Doesn't exist!"),
                   MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  QByteArray bytes;
  QString error;
  const qint64 size = QFileInfo(path).size();
  if (size > kMaxDesktopBytes) {
    f.Boxes().Show(
        QStringLiteral("Restore Desktop"),
        QStringLiteral("%1 is %2 bytes long: far too long for a desktop file, which lists the files "
                       "of one session. Nothing was restored.")
            .arg(path)
            .arg(size),
        MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  if (!ReadWholeFile(path, &bytes, &error)) {
    f.Boxes().ShowError(error);
    return;
  }
  const DesktopFile desktop = ParseDesktop(bytes);
  if (desktop.binary) {
    f.Boxes().Show(QStringLiteral("Desktop file corrupted"), CorruptedText(), MsgType::kInformation,
                   MsgButtons::kOk);
    return;
  }
  if (desktop.lines.size() > kMaxDesktopFiles) {
    f.Boxes().Show(QStringLiteral("Restore Desktop"),
                   QStringLiteral("%1 names %2 files; a desktop restores at most %3. Nothing was restored.")
                       .arg(path)
                       .arg(desktop.lines.size())
                       .arg(kMaxDesktopFiles),
                   MsgType::kInformation, MsgButtons::kOk);
    return;
  }

  {
    UpdateLock lock(&f);
    QList<QMdiSubWindow*> order = f.MdiArea()->subWindowList(QMdiArea::StackingOrder);
    std::reverse(order.begin(), order.end());
    for (QMdiSubWindow* window : order) {
      // Each window may offer to save its document; one that refuses stays open.
      auto* editor = qobject_cast<TEditForm*>(window);
      if (editor && !editor->IsClosed()) editor->close();
    }
  }
  f.Boxes().Show(QStringLiteral("Restoring Desktop"), QStringLiteral("Restoring ") + path,
                 MsgType::kInformation, MsgButtons::kOk);
  for (const QString& line : desktop.lines) {
    if (!HasPathSeparator(line)) {
      f.Boxes().Show(QStringLiteral("Desktop file corrupted"), CorruptedText(), MsgType::kInformation,
                     MsgButtons::kOk);
      return;
    }
    // A window that refused to close keeps its file: never a second window editing the same file.
    if (IsAlreadyOpen(f, line)) continue;
    // Restored files do not enter the recent-files list.
    ReopenIt(f, line, /*directOpen=*/true);
  }
}

}  // namespace penwick
