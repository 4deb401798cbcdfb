// Loading, saving and reloading the editor window's document.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/highlighting.h"
#include "editor/rtf_view.h"
#include "editor/status_panels.h"
#include "editor/text_control.h"
#include "editor/update_lock.h"
#include "platform/codepage.h"
#include "platform/document_io.h"
#include "platform/file_io.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const QStringList kSaveFilters = {
    QStringLiteral("Plain text files (*.txt)|*.txt"),
    QStringLiteral("All files|*.*"),
    QStringLiteral("HTML files (*.htm)(*html)|*.htm; *.html"),
    QStringLiteral("XML files (*.xml)|*.xml"),
    QStringLiteral("Rich Text Files (*.rtf)|*.rtf"),
    QStringLiteral("Penwick templates (*.tpt)|*.tpt"),
};

// A file whose permission bits allow nobody to write is read-only, whoever runs Penwick: root may write it
// all the same (QFileInfo::isWritable says yes), but the mark says the file is meant to stay as it is.
bool IsReadOnlyFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return false;
  constexpr QFile::Permissions kAnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
  return !info.isWritable() || !(info.permissions() & kAnyWrite);
}

const char kLoading[] = "Loading...";
const char kHighlighting[] = "Highlighting...";

// Keeps the window usable whatever happens during a load.
class LoadFinisher {
 public:
  LoadFinisher(TEditForm& form, TextControl& text) : form_(form), text_(text) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  // A reload that could not read the file keeps the user's text as it was, modified or not.
  void KeepText() { keepText_ = true; }
  ~LoadFinisher() {
    if (!keepText_) {
      text_.SetSelStart(0);
      text_.SetModified(false);
      form_.SetModified(false);
    }
    QApplication::restoreOverrideCursor();
    const QString caption = form_.windowTitle();
    if (caption == QLatin1String(kLoading) || caption == QLatin1String(kHighlighting)) {
      form_.setWindowTitle(QString::fromLatin1(kNewFile));
    }
  }

 private:
  TEditForm& form_;
  TextControl& text_;
  bool keepText_ = false;
};

}  // namespace

bool TEditForm::LoadFileText(const QString& fileName) {
  QString error;
  if (IsRtfView()) {
    QByteArray bytes;
    if (!ReadWholeFile(fileName, &bytes, &error)) {
      frame_.Boxes().ShowError(error);
      return false;
    }
    const RtfDocument document = ReadRtf(bytes);
    if (document.isRtf) {
      bytes.clear();
      format_ = DocumentFormat();
      ShowRtfDocument(*text_, document);
      diskStamp_ = StampOf(fileName);
      return true;
    }
  }
  // Read in blocks straight into a new document: the old text stays until the file has been read.
  DocumentBuilder builder(*text_);
  DocumentScan scan;
  if (!ReadDocument(fileName, builder, &scan, &error)) {
    frame_.Boxes().ShowError(error);
    return false;
  }
  format_ = scan.format;
  text_->SetLineBreak(format_.mixedLineEnds ? LineBreakBytes(format_.lineEnd) : QByteArray("\r\n"));
  builder.Finish(scan.multiByte);
  diskStamp_ = StampOf(fileName);
  return true;
}

void TEditForm::Load(const QString& fileName, LoadKind kind) {
  RunState& run = frame_.Run();
  SetFileName(fileName);
  run.currentFile = fileName;
  SetNumber(number_);
  // A name that does not exist yet is created empty first.
  if (!QFileInfo::exists(fileName) && !Save1Click()) {
    SetFileName(kNewFile);
    return;
  }

  LoadFinisher finisher(*this, *text_);
  const QString caption = windowTitle();
  setWindowTitle(QString::fromLatin1(kLoading));
  ApplyColours();
  if (!LoadFileText(fileName)) {
    if (kind == LoadKind::kReload) {
      finisher.KeepText();
      setWindowTitle(caption);
    } else {
      // Nothing was read: the window must not later save its empty text over the file.
      fileName_ = kNewFile;
    }
    return;
  }
  text_->SetSelStart(text_->TextLength());
  text_->SetSelStart(0);
  const int length = text_->TextLength();

  if (kind != LoadKind::kTemplate) {
    if (kind != LoadKind::kReload) run.openFiles.append(fileName);
    if (kind != LoadKind::kDirectOpen) AddRecentFile(frame_.AppSettings().reopens, fileName);
  }
  if (kind == LoadKind::kTemplate) SetFileName(kNewFile);
  HighlightOnLoad(*this);
  setWindowTitle(kind == LoadKind::kTemplate ? QString::fromLatin1(kNewFile) : caption);
  run.wordCountFile = fileName_;
  if (IsRtfView()) RefreshSwitchPanels();
  statusBar_->SetText(7, QStringLiteral("%1B").arg(length));
  lastSelStart_ = 0;
  UpdateCursorPos();
  Edit1Click();
}

bool TEditForm::WriteDocument(const QString& target) {
  const QByteArrayView utf8 = text_->Utf8();
  QByteArray bytes;
  qsizetype bad = -1;
  if (!EncodeDocument(utf8.data(), utf8.size(), format_, &bytes, &bad)) {
    // Never drop or replace a character silently: the user decides.
    char32_t code = 0;
    DecodeUtf8Char(utf8.data() + bad, utf8.size() - bad, &code);
    const int line = text_->LineFromPosition(text_->ToChar(static_cast<long>(bad)));
    const MsgResult answer = frame_.Boxes().Show(
        QStringLiteral("Saving a file"),
        QStringLiteral("%1 holds characters that its Windows-1252 (ANSI) encoding cannot store, the first "
                       "\"%2\" (U+%3) in line %4.\n\nOK saves the file as UTF-8; Cancel saves nothing.")
            .arg(target, QString::fromUcs4(&code, 1),
                 QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, QLatin1Char('0')))
            .arg(line + 1),
        MsgType::kWarning, MsgButtons::kOkCancel);
    if (answer != MsgResult::kOk) return false;
    DocumentFormat utf8Format = format_;
    utf8Format.encoding = TextEncoding::kUtf8;
    if (!EncodeDocument(utf8.data(), utf8.size(), utf8Format, &bytes, &bad)) return false;
    format_ = utf8Format;
  }
  QString error;
  if (!WriteWholeFileAtomic(target, bytes, &error)) {
    frame_.Boxes().ShowError(error);
    return false;
  }
  return true;
}

bool TEditForm::MayOverwrite() {
  if (!diskStamp_) return true;
  const FileStamp now = StampOf(fileName_);
  // A file deleted meanwhile is simply written anew.
  if (!now.exists || now == *diskStamp_) return true;
  return frame_.Boxes().Show(QStringLiteral("File changed on disk"),
                             QStringLiteral("%1 has been changed by another program since Penwick opened or "
                                            "last saved it.\n\nDo you want to overwrite it with the text of "
                                            "this window? The other program's changes would be lost.")
                                 .arg(fileName_),
                             MsgType::kWarning, MsgButtons::kYesNo) == MsgResult::kYes;
}

bool TEditForm::Save1Click() {
  if (IsUnnamed()) return Saveas1Click();
  if (IsRtfView()) {
    frame_.Boxes().Show(QStringLiteral("RTF Viewing mode"),
                        QStringLiteral("This file for viewing in RTF mode only"), MsgType::kInformation,
                        MsgButtons::kOk);
    return false;
  }
  frame_.Run().wordCountFile = fileName_;
  if (!MayOverwrite() || !WriteDocument(fileName_)) return false;
  diskStamp_ = StampOf(fileName_);
  text_->SetModified(false);
  SetModified(false);
  emit Settled();
  return true;
}

bool TEditForm::Saveas1Click() {
  if (IsRtfView()) {
    frame_.Boxes().Show(QStringLiteral("RTF Viewing mode"),
                        QStringLiteral("This file for viewing in RTF mode only"), MsgType::kInformation,
                        MsgButtons::kOk);
    return false;
  }
  FileDialogRequest request;
  request.caption = QStringLiteral("Save As");
  request.fileName = fileName_;
  request.folder = QDir::currentPath();
  request.filters = kSaveFilters;
  request.filterIndex = FilterIndexFor(fileName_);
  QString newName;
  for (;;) {
    const FileDialogResult chosen = frame_.Boxes().ui().AskSaveFile(request);
    if (chosen.fileNames.isEmpty()) return false;
    newName = QDir::cleanPath(QFileInfo(chosen.fileNames.first()).absoluteFilePath());
    if (!IsReadOnlyFile(newName)) break;
    // The dialog refuses a read-only file and stays for another name (or Cancel).
    frame_.Boxes().Show(
        request.caption,
        QStringLiteral("%1 is read-only: Penwick does not replace it.\n\nChoose another name, "
                       "or Cancel.")
            .arg(QDir::toNativeSeparators(newName)),
        MsgType::kWarning, MsgButtons::kOk);
    request.fileName = newName;
    request.filterIndex = chosen.filterIndex;
  }
  const QString oldName = fileName_;
  const bool wasUnnamed = IsUnnamed();
  // The window, its lists and the recent files take the new name only once the file is really there: a
  // failed write leaves everything as it was, the document still modified.
  if (newName == oldName && !MayOverwrite()) return false;
  if (!WriteDocument(newName)) return false;
  SetFileName(newName);
  diskStamp_ = StampOf(newName);

  RunState& run = frame_.Run();
  QStringList& recent = frame_.AppSettings().reopens;
  for (QString& open : run.openFiles) {
    if (open == oldName) open = newName;
  }
  recent.prepend(newName);
  while (recent.size() > 5) recent.removeLast();
  if (wasUnnamed) {
    run.openFiles.insert(std::clamp(number_ % 100 - 1, 0, static_cast<int>(run.openFiles.size())), newName);
    run.currentFile = newName;
  }
  run.wordCountFile = newName;
  text_->SetModified(false);
  SetModified(false);
  emit Settled();
  return true;
}

void TEditForm::Reload1Click() {
  MessageBoxes& boxes = frame_.Boxes();
  if (IsRtfView()) {
    boxes.Show(QStringLiteral("Reload canceled"), QStringLiteral("You can't reload RTF viewer"),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  if (boxes.Show(QStringLiteral("Reloading a file."),
                 QStringLiteral("Reloading keeps this window and refreshes its text from the file on disk. "
                                "It is useful after Save as, or to refresh the highlighting of tags.\n\n"
                                "It is also the quick way to abandon your changes: they are lost."),
                 MsgType::kInformation, MsgButtons::kOkCancel) != MsgResult::kOk) {
    return;
  }
  // Never empty the text for a file that is gone: the text may be all that is left of it.
  if (IsUnnamed() || KindOfPath(fileName_) == PathKind::kMissing) {
    boxes.Show(QStringLiteral("Load Failure"), QStringLiteral("File Doesn't exist!"), MsgType::kInformation,
               MsgButtons::kOk);
    return;
  }
  {
    UpdateLock lock(editor_);
    Load(fileName_, LoadKind::kReload);
  }
  // A reload that could not read the file keeps the text, and its copy.
  if (!text_->Modified()) emit Settled();
}

DocumentCopy TEditForm::Describe() const {
  DocumentCopy copy;
  copy.fileName = fileName_;
  copy.format = format_;
  copy.windowNumber = number_;
  copy.caret = text_->SelStart();
  copy.diskStamp = diskStamp_;
  return copy;
}

DocumentCopy TEditForm::Snapshot() const {
  DocumentCopy copy = Describe();
  const QByteArrayView utf8 = text_->Utf8();
  copy.utf8 = QByteArray(utf8.data(), utf8.size());
  return copy;
}

void TEditForm::Restore(const DocumentCopy& copy) {
  RunState& run = frame_.Run();
  SetFileName(copy.fileName);
  run.currentFile = fileName_;
  format_ = copy.format;
  // Saving asks first when another program changed the file since the lost run read or saved it.
  diskStamp_ = copy.diskStamp;
  text_->SetLineBreak(format_.mixedLineEnds ? LineBreakBytes(format_.lineEnd) : QByteArray("\r\n"));
  text_->LoadUtf8(copy.utf8);
  if (!IsUnnamed()) run.openFiles.append(fileName_);
  run.wordCountFile = fileName_;
  text_->SetSelStart(std::clamp(copy.caret, 0, text_->TextLength()));
  text_->SetModified(true);
  SetModified(true);
  statusBar_->SetText(7, QStringLiteral("%1B").arg(text_->TextLength()));
  UpdateCursorPos();
  Edit1Click();
}

}  // namespace penwick
