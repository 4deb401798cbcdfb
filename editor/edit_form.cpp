#include "editor/edit_form.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMdiArea>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "editor/frame_link.h"
#include "editor/status_panels.h"
#include "editor/text_control.h"
#include "platform/file_io.h"
#include "platform/memory_return.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

QFont EditorFont() {
  QFont font = QFontDatabase::families().contains(QStringLiteral("Courier New"))
                   ? QFont(QStringLiteral("Courier New"))
                   : QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(10);
  return font;
}

}  // namespace

QString NamePart(const QString& fileName) { return QFileInfo(fileName).fileName(); }

int FilterIndexFor(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("txt")) return 1;
  if (suffix == QLatin1String("htm") || suffix == QLatin1String("html")) return 3;
  if (suffix == QLatin1String("xml")) return 4;
  if (suffix == QLatin1String("rtf")) return 5;
  if (suffix == QLatin1String("tpt")) return 6;
  return 2;
}

TEditForm::TEditForm(FrameLink& frame, QWidget* parent) : QMdiSubWindow(parent), frame_(frame) {
  setAttribute(Qt::WA_DeleteOnClose);
  auto* body = new QWidget(this);
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  editor_ = new ScintillaWidget(body);
  editor_->setObjectName(QStringLiteral("Editor"));
  text_ = new TextControl(editor_);
  statusBar_ = new StatusPanels(body);
  statusBar_->setObjectName(QStringLiteral("StatusBar"));
  statusBar_->setToolTip(QStringLiteral("Click Statusbar to rotate windows"));
  layout->addWidget(editor_, 1);
  layout->addWidget(statusBar_);
  setWidget(body);
  InstallCheapAccessibility();

  number_ = frame_.Run().nextWindowNumber;
  editor_->setFont(EditorFont());
  // A viewing copy wraps its lines at the window's edge and scrolls only up and down.
  if (IsRtfView()) text_->SetSoftWrap(true);
  editor_->SetKeyHandler(this);
  ApplyColours();
  SetFileName(kNewFile);

  EditorSwitches& switches = frame_.Switches();
  RunState& run = frame_.Run();
  if (run.firstEditorOfRun) {
    // Switches that last for one run are reset by the first window of the run.
    switches.rtfSetup = false;
    switches.dirtySpaces = false;
    if (frame_.EditorWindows().empty()) switches.highChars = HighCharMode::kOff;
    run.firstEditorOfRun = false;
    run.removableDriveCheck = false;
  }
  switches.insertMode = true;
  editor_->setOverwriteMode(false);

  connect(text_, &TextControl::Changed, this, &TEditForm::EditorChange);
  connect(text_, &TextControl::SelectionChanged, this, &TEditForm::EditorSelectionChange);
  connect(statusBar_, &StatusPanels::Clicked, this, [this] { emit StatusBarClicked(number_); });
  connect(editor_, &ScintillaWidget::ContextMenuRequested, this, &TEditForm::EditorContextMenu);

  SetNumber(number_);
  RefreshSwitchPanels();
  SetModified(false);
  statusBar_->SetText(7, QStringLiteral("0B"));
  UpdateCursorPos();
}

// The window's document goes with its widgets, after this; its memory is handed back then.
TEditForm::~TEditForm() { ReturnFreeMemorySoon(); }

bool TEditForm::IsUnnamed() const { return NamePart(fileName_) == QLatin1String(kNewFile); }

void TEditForm::SetFileName(const QString& fileName) {
  if (fileName != fileName_) diskStamp_.reset();
  fileName_ = fileName;
  setWindowTitle(NamePart(fileName));
}

void TEditForm::SetNumber(int number) {
  number_ = number;
  statusBar_->SetText(6, QStringLiteral("Window: %1").arg(number_ % 100));
}

void TEditForm::ApplyColours() {
  const EditorSwitches& switches = frame_.Switches();
  const bool dark = switches.whiteOnBlack && !IsRtfView();
  editor_->setPaper(dark ? Qt::black : Qt::white);
  editor_->setColor(dark ? Qt::white : Qt::black);
  editor_->setCaretForegroundColor(dark ? Qt::white : Qt::black);
  if (switches.largerPrint && switches.printSize > 10 && !IsRtfView()) {
    QFont font = editor_->font();
    font.setPointSize(switches.printSize);
    editor_->setFont(font);
  }
  text_->DefineColourStyles();
}

void TEditForm::RefreshSwitchPanels() {
  const EditorSwitches& switches = frame_.Switches();
  statusBar_->SetText(2, QStringLiteral("Tab Intvl: %1").arg(switches.tabInterval));
  if (IsRtfView()) {
    statusBar_->SetText(3, QStringLiteral("WrdWrp: WIN"));
    statusBar_->SetText(5, QStringLiteral("Dirty Sp: NA"));
  } else {
    statusBar_->SetText(3, switches.wordWrap ? QStringLiteral("WrdWrp: Col %1").arg(switches.wrapColumn)
                                             : QStringLiteral("WrdWrp: OFF"));
    statusBar_->SetText(
        5, switches.dirtySpaces ? QStringLiteral("Dirty Sp: ON") : QStringLiteral("Dirty Sp: OFF"));
  }
  statusBar_->SetText(4, switches.insertMode ? QStringLiteral(" INS") : QStringLiteral("OVR"));
  editor_->setOverwriteMode(!switches.insertMode);  // insert mode is the same in every window
}

void TEditForm::SetModified(bool modified) {
  statusBar_->SetText(1, modified ? QStringLiteral("Modified") : QString());
}

void TEditForm::EditorChange() {
  SetModified(text_->Modified());
  statusBar_->SetText(7, QStringLiteral("%1B").arg(text_->TextLength()));
  Edit1Click();
  emit Edited();
}

void TEditForm::EditorSelectionChange() { UpdateCursorPos(); }

void TEditForm::UpdateCursorPos() {
  const int start = text_->SelStart();
  // Extending a selection forward shows its moving end; moving the start shows the start.
  const int pos = start != lastSelStart_ ? start : start + text_->SelLength();
  lastSelStart_ = start;
  const int line = text_->LineFromPosition(pos);
  const int column = pos - text_->LineIndex(line);
  statusBar_->SetText(0, QString::asprintf("Line: %3d   Col: %3d", line + 1, column + 1));
}

void TEditForm::FormActivate() {
  frame_.Run().currentFile = fileName_;
  RefreshSwitchPanels();
  Edit1Click();
}

bool TEditForm::FormCloseQuery() {
  MsgResult answer = MsgResult::kNo;
  if (text_->Modified()) {
    answer = frame_.Boxes().Show(QStringLiteral("Closing with modified text"),
                                 QStringLiteral("Save changes to %1?").arg(fileName_), MsgType::kConfirmation,
                                 MsgButtons::kYesNoCancel);
  } else if (diskStamp_ && !IsRtfView() && KindOfPath(fileName_) == PathKind::kMissing) {
    // Another program deleted or moved the file: this window holds the only copy of the text.
    answer = frame_.Boxes().Show(
        QStringLiteral("File deleted from disk"),
        QStringLiteral("%1 is no longer on disk: another program deleted or moved it. This window holds the "
                       "only copy of its text.\n\nSave the text to it again?")
            .arg(fileName_),
        MsgType::kConfirmation, MsgButtons::kYesNoCancel);
  } else {
    return true;
  }
  if (answer == MsgResult::kCancel) return false;
  // A save that was cancelled or failed keeps the window open: closing would lose the text.
  if (answer == MsgResult::kYes) return Save1Click();
  return true;
}

void TEditForm::CloseApproved() {
  closeApproved_ = true;
  close();
}

void TEditForm::Close1Click() { close(); }

void TEditForm::closeEvent(QCloseEvent* event) {
  if (closed_) {
    event->accept();
    return;
  }
  if (!closeApproved_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  closeApproved_ = false;
  FormClose();
  QMdiSubWindow::closeEvent(event);
}

void TEditForm::mouseDoubleClickEvent(QMouseEvent* event) {
  // A double-click on the caption always maximises (and clears a cover left visible by a failed load).
  if (widget() && !widget()->geometry().contains(event->position().toPoint())) {
    showMaximized();
    frame_.ShowCover(false);
    event->accept();
    return;
  }
  QMdiSubWindow::mouseDoubleClickEvent(event);
}

void TEditForm::FormClose() {
  FormDeactivate();
  closed_ = true;
  const int mine = number_ % 100;
  for (TEditForm* other : frame_.EditorWindows()) {
    if (other != this && other->Number() % 100 > mine) other->SetNumber(other->Number() - 1);
  }
  frame_.Run().openFiles.removeOne(fileName_);
  emit Settled();
}

}  // namespace penwick
