// The frame's file commands: Open, Open Template, the recent files and the direct-open files.

#include "app/file_commands.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "app/frame_form.h"
#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "platform/file_io.h"
#include "platform/file_names.h"

namespace penwick {

namespace {

constexpr int kFilterCount = 6;
constexpr int kTemplateFilter = 6;

const char kRemovableText[] =
    "In your last session, the last file loaded was on a drive that may have removable disks. If you don't "
    "want Penwick trying to access this drive, press Cancel.";

const char kAddDirectOpenText[] =
    "You can add one to five files that open at once from the File menu (the first with Alt+F5, the "
    "second with Ctrl+F5), even when they are not among your recent files.\n\n"
    "Give the complete path and file name; the PathFinder tool on the Tools menu helps you find it.\n\n"
    "Lists are kept only when Penwick writes its settings at the end of a run in which they changed.";

const char kRemoveDirectOpenText[] =
    "Removing a direct open file frees one of the five places for another file. Select the one to delete "
    "and click OK.\n\n"
    "Lists are kept only when Penwick writes its settings at the end of a run in which they changed.";

// Hides the cover when a command ends, whatever happens inside it.
class CoverGuard {
 public:
  explicit CoverGuard(TFrameForm& frame) : frame_(frame) {}
  ~CoverGuard() { frame_.ShowCover(false); }
  CoverGuard(const CoverGuard&) = delete;
  CoverGuard& operator=(const CoverGuard&) = delete;

 private:
  TFrameForm& frame_;
};

// Cover, window number, new window, load, cover hidden. What cannot be opened is refused before a window is
// made: nullptr.
TEditForm* LoadInNewWindow(TFrameForm& frame, const QString& fileName, TEditForm::LoadKind kind) {
  if (!CheckOpenable(frame.Boxes(), fileName)) return nullptr;
  CoverGuard cover(frame);
  TEditForm* editor = frame.CreateEditorWindow();
  editor->Load(fileName, kind);
  return editor;
}

// Files that are never loaded as text when chosen on their own.
bool IsProgramFile(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  return suffix == QLatin1String("zip") || suffix == QLatin1String("exe") || suffix == QLatin1String("dll");
}

void ShowMissingFile(MessageBoxes& boxes) {
  boxes.Show(QStringLiteral("Load Failure"), QStringLiteral("File Doesn't exist!"), MsgType::kInformation,
             MsgButtons::kOk);
}

}  // namespace

bool CheckOpenable(MessageBoxes& boxes, const QString& fileName) {
  const QString refusal = RefusalToOpen(fileName);
  if (refusal.isEmpty()) return true;
  boxes.ShowError(refusal);
  return false;
}

QStringList OpenFilters() {
  return {
      QStringLiteral("Plain text files (*.txt)|*.txt"),
      QStringLiteral("All files|*.*"),
      QStringLiteral("HTML files (*.htm, *.html)|*.htm; *.html"),
      QStringLiteral("XML files (*.xml)|*.xml"),
      QStringLiteral("Rich Text Files (*.rtf)|*.rtf"),
      QStringLiteral("Penwick templates (*.tpt)|*.tpt"),
  };
}

void Open1Click(TFrameForm& f) {
  if (f.Run().removableDriveCheck && OnRemovableMedia(f.AppSettings().lastOpen)) {
    const MsgResult answer = f.Boxes().Show(
        f.AppSettings().lastOpen + QStringLiteral("\n\n") + QString::fromLatin1(kRemovableText),
        MsgType::kInformation, MsgButtons::kOkCancel);
    if (answer == MsgResult::kCancel) f.AppSettings().lastOpen.clear();
  }
  FileDialogRequest request;
  request.caption = QStringLiteral("Open");
  request.fileName = f.AppSettings().lastOpen;
  request.folder = QDir::currentPath();
  request.filters = OpenFilters();
  request.filterIndex = std::clamp(f.AppSettings().lastFilter, 1, kFilterCount);
  // A new name typed here makes a new, empty file.
  request.createPrompt = true;
  const FileDialogResult chosen = f.Boxes().ui().AskOpenFiles(request, /*multiple=*/true);
  if (chosen.fileNames.isEmpty()) return;
  QStringList names;
  for (const QString& name : chosen.fileNames) names << NormalisedPath(name);
  // As after the platform's own open dialog, the chosen files' folder is the current one.
  QDir::setCurrent(QFileInfo(names.first()).absolutePath());

  if (names.size() == 1) {
    const QString& name = names.first();
    if (IsAlreadyOpen(f, name)) {
      BringFileToFront(f, name);
      return;
    }
    if (IsProgramFile(name)) {
      // The window stays open, empty, so the user sees where the file would have gone.
      {
        CoverGuard cover(*&f);
        f.CreateEditorWindow();
      }
      f.Boxes().Show(QStringLiteral("Invalid file type"),
                     QStringLiteral("Can't load a .%1 file!").arg(QFileInfo(name).suffix()),
                     MsgType::kInformation, MsgButtons::kOk);
      return;
    }
    LoadInNewWindow(*&f, name, TEditForm::LoadKind::kNormal);
    f.AppSettings().lastFilter = FilterIndexFor(name);
    f.AppSettings().lastOpen = name;
    return;
  }
  for (const QString& name : names) {
    if (IsAlreadyOpen(f, name)) continue;
    LoadInNewWindow(*&f, name, TEditForm::LoadKind::kNormal);
    f.AppSettings().lastFilter = FilterIndexFor(name);
    f.AppSettings().lastOpen = name;
  }
}

void Template1Click(TFrameForm& f) {
  FileDialogRequest request;
  request.caption = QStringLiteral("Open a template as New File");
  request.fileName = f.ProgramFolder() + QStringLiteral("/*.tpt");
  request.folder = f.ProgramFolder();
  request.filters = OpenFilters();
  request.filterIndex = kTemplateFilter;
  const FileDialogResult chosen = f.Boxes().ui().AskOpenFiles(request, /*multiple=*/false);
  if (chosen.fileNames.isEmpty()) return;
  // Any file may serve as a template; the new document stays unnamed and enters no list.
  TEditForm* editor =
      LoadInNewWindow(*&f, NormalisedPath(chosen.fileNames.first()), TEditForm::LoadKind::kTemplate);
  if (editor) editor->setWindowTitle(QString::fromLatin1(kNewFile));
}

void File1Click(TFrameForm& f) {
  const QStringList& recent = f.AppSettings().reopens;
  for (QAction* separator : f.State().fileItems.reopenSeparators) separator->setVisible(!recent.isEmpty());
  for (size_t i = 0; i < f.State().fileItems.reopens.size(); ++i) {
    QAction* item = f.State().fileItems.reopens[i];
    if (!item) continue;
    const bool shown = static_cast<qsizetype>(i) < recent.size();
    // Only entries that exist are offered: a shortened list never leaves a stale item behind.
    if (shown) item->setText(LiteralCaption(recent.at(static_cast<qsizetype>(i))));
    item->setVisible(shown);
  }
  for (size_t i = 0; i < f.State().fileItems.directFiles.size(); ++i) {
    QAction* item = f.State().fileItems.directFiles[i];
    if (!item) continue;
    const QString& name = f.AppSettings().directOpen[i];
    if (!name.isEmpty()) item->setText(LiteralCaption(name));
    item->setVisible(!name.isEmpty());
  }
}

void ReopenClick(TFrameForm& f, int index) {
  const QStringList& recent = f.AppSettings().reopens;
  if (index < 0 || index >= recent.size()) return;
  const QString name = recent.at(index);  // a copy: opening reorders the list
  ShowFile(f, name);
}

void ShowFile(TFrameForm& f, const QString& fileName) {
  if (IsAlreadyOpen(f, fileName)) {
    BringFileToFront(f, fileName);
  } else {
    ReopenIt(f, fileName);
  }
}

void DirectFileClick(TFrameForm& f, int slot) {
  if (slot < 0 || slot >= static_cast<int>(f.AppSettings().directOpen.size())) return;
  const QString name = f.AppSettings().directOpen[static_cast<size_t>(slot)];
  if (name.isEmpty()) return;
  if (IsAlreadyOpen(f, name)) {
    BringFileToFront(f, name);
    return;
  }
  OpenDirectFile(f, name);
}

bool ReopenIt(TFrameForm& f, const QString& fileName, bool directOpen) {
  const QString name = NormalisedPath(fileName);
  if (name.isEmpty() || KindOfPath(name) == PathKind::kMissing) {
    ShowMissingFile(f.Boxes());
    return false;
  }
  if (!CheckOpenable(f.Boxes(), name)) return false;
  QDir::setCurrent(QFileInfo(name).absolutePath());
  LoadInNewWindow(*&f, name, directOpen ? TEditForm::LoadKind::kDirectOpen : TEditForm::LoadKind::kNormal);
  f.AppSettings().lastFilter = FilterIndexFor(name);
  if (!f.AppSettings().reopens.isEmpty()) f.AppSettings().lastOpen = f.AppSettings().reopens.first();
  return true;
}

void OpenDirectFile(TFrameForm& f, const QString& fileName) {
  const QString name = NormalisedPath(fileName);
  if (name.isEmpty() || KindOfPath(name) == PathKind::kMissing) {
    ShowMissingFile(f.Boxes());
    return;
  }
  if (!CheckOpenable(f.Boxes(), name)) return;
  QDir::setCurrent(QFileInfo(name).absolutePath());
  LoadInNewWindow(*&f, name, TEditForm::LoadKind::kDirectOpen);
}

bool IsAlreadyOpen(TFrameForm& f, const QString& fileName, bool quiet) {
  const bool open = std::any_of(f.Run().openFiles.cbegin(), f.Run().openFiles.cend(),
                                [&](const QString& entry) { return SameFileName(entry, fileName); });
  if (open && !quiet) {
    f.Boxes().Show(QStringLiteral("File already in Penwick"), fileName + QStringLiteral(" is already open!"),
                   MsgType::kInformation, MsgButtons::kOk);
  }
  return open;
}

bool BringFileToFront(TFrameForm& f, const QString& fileName) {
  // From the bottom of the stacking order up; an editing window before an RTF viewing copy of the file.
  const QList<QMdiSubWindow*> order = f.MdiArea()->subWindowList(QMdiArea::StackingOrder);
  for (const bool rtfView : {false, true}) {
    for (QMdiSubWindow* window : order) {
      auto* editor = qobject_cast<TEditForm*>(window);
      if (!editor || editor->IsClosed() || editor->IsUnnamed() || editor->IsRtfView() != rtfView) continue;
      if (!SameFileName(editor->FileName(), fileName)) continue;
      CoverGuard cover(*&f);
      f.ShowCover(true);
      BringEditorToFront(f, editor);
      return true;
    }
  }
  return false;
}

void AddDirectOpen1Click(TFrameForm& f) {
  f.Boxes().Show(QStringLiteral("Add \"direct open\" File"), QString::fromLatin1(kAddDirectOpenText),
                 MsgType::kInformation, MsgButtons::kOk);
  QString value;
  if (!f.Boxes().InputQuery(QStringLiteral("Add Direct open file"),
                            QStringLiteral("path%1name:").arg(QDir::separator()), value)) {
    return;
  }
  value = value.trimmed();
  if (value.isEmpty()) return;
  for (QString& slot : f.AppSettings().directOpen) {
    if (slot.isEmpty()) {
      slot = value;
      File1Click(f);
      return;
    }
  }
  f.Boxes().Show(QStringLiteral("Can't add file"), QStringLiteral("All 5 DOFile positions in use!"),
                 MsgType::kInformation, MsgButtons::kOk);
}

void RemoveDirectOpen1Click(TFrameForm& f) {
  f.Boxes().Show(QStringLiteral("Remove \"Direct Open\" File"), QString::fromLatin1(kRemoveDirectOpenText),
                 MsgType::kInformation, MsgButtons::kOk);
  QStringList entries;
  for (const QString& slot : f.AppSettings().directOpen) {
    if (!slot.isEmpty()) entries << slot;
  }
  if (entries.isEmpty()) return;
  QString value = entries.first();
  if (!f.Boxes().InputWithHistory(QStringLiteral("Delete \"Direct Open\" List item"),
                                  QStringLiteral("Select the item to Delete"), value, entries)) {
    return;
  }
  const qsizetype chosen = entries.indexOf(value);
  if (chosen < 0) return;
  entries.removeAt(chosen);
  // Used slots first, free slots last.
  for (size_t i = 0; i < f.AppSettings().directOpen.size(); ++i) {
    f.AppSettings().directOpen[i] =
        static_cast<qsizetype>(i) < entries.size() ? entries.at(static_cast<qsizetype>(i)) : QString();
  }
  File1Click(f);
}

void BringEditorToFront(TFrameForm& f, TEditForm* editor) {
  if (!editor || editor->IsClosed()) return;
  f.MdiArea()->setActiveSubWindow(editor);
}

}  // namespace penwick
