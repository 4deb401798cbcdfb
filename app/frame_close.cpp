// Closing the frame and the session's log-off: the editor windows are asked, then whether to write the
// settings; a log-off may leave a one-time start for the next log-on.

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSessionManager>
#include <algorithm>

#include "app/frame_form.h"
#include "collections/bookmark_notes.h"
#include "editor/edit_form.h"
#include "editor/recovery.h"
#include "platform/run_once.h"

namespace penwick {

namespace {

const char kSavingSettingsText[] =
    "Penwick will now write to Penwick.ini. If you have edited the ini file and saved it ...you might want "
    "to "
    "cancel this writing over of it. Or, you might not have new settings and prefer to preserve your recent "
    "opens list from last time. You might even want to get rid of settings useful only temporarily.\n\n"
    "If anything should go wrong while writing penwick.ini, pw_ini.bak is your previous penwick.ini.";

}  // namespace

bool TFrameForm::AskToClose() {
  // Top of the stacking order first.
  QList<QMdiSubWindow*> order = mdi_->subWindowList(QMdiArea::StackingOrder);
  std::reverse(order.begin(), order.end());
  for (QMdiSubWindow* window : order) {
    auto* editor = qobject_cast<TEditForm*>(window);
    if (editor && !editor->IsClosed() && !editor->FormCloseQuery()) return false;
  }
  const MsgResult answer =
      boxes_.Show(QStringLiteral("Saving settings"), QString::fromLatin1(kSavingSettingsText),
                  MsgType::kWarning, MsgButtons::kYesNoCancel);
  if (answer == MsgResult::kCancel) return false;
  writeSettings_ = answer == MsgResult::kYes;
  return true;
}

bool TFrameForm::FormCloseQuery() { return AskToClose(); }

bool TFrameForm::WriteSettings() {
  // Notes typed into a pad that is still open are kept too.
  if (bookmarkPad_) bookmarkPad_->KeepNotes();
  const QRect bounds = geometry();
  settings_.top = bounds.top();
  settings_.left = bounds.left();
  settings_.height = bounds.height();
  settings_.width = bounds.width();
  return store_.Save(settings_, switches_, boxes_);
}

bool TFrameForm::FormClose() {
  if (writeSettings_ && !WriteSettings()) return false;
  closing_ = true;
  if (bookmarkPad_) bookmarkPad_->close();
  for (TEditForm* editor : EditorWindows()) editor->CloseApproved();
  // A normal end: the run's recovery copies and its lock go.
  recovery_->End();
  return true;
}

void TFrameForm::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
    return;
  }
  bool accepted = false;
  RunCommand([&] { accepted = FormCloseQuery() && FormClose(); });
  if (accepted) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TFrameForm::LogOffQuery() {
  if (!AskToClose()) return false;
  return !writeSettings_ || WriteSettings();
}

void TFrameForm::LogOffProceed() {
  const bool hasFile = !EditorWindows().empty();
  const QString file = hasFile ? run_.currentFile : QStringLiteral("no file");
  const MsgResult answer = boxes_.Show(
      QStringLiteral("Win 95 closing -- \"Yes\" quick or auto-\"No\"!"),
      QStringLiteral(
          "Windows95 is shutting down; When it is started, do you want Penwick to be open at startup "
          "with %1 loaded? (Sorry, only one.)")
          .arg(file),
      MsgType::kConfirmation, MsgButtons::kYesNo);
  if (answer != MsgResult::kYes) return;
  QString error;
  if (!RegisterRunOnce(QStringLiteral("Penwick"), QCoreApplication::applicationFilePath(),
                       hasFile ? run_.currentFile : QString(), &error)) {
    boxes_.ShowError(error);
  }
}

void TFrameForm::OnCommitData(QSessionManager& manager) {
  if (!manager.allowsInteraction()) return;
  const bool mayGo = LogOffQuery();
  if (!mayGo) {
    manager.cancel();
    manager.release();
    return;
  }
  LogOffProceed();
  manager.release();
}

}  // namespace penwick
