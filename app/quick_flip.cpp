// The quick flip between the two windows on top (Ctrl+F6) and back to the pair flipped last
// (Shift+Ctrl+F6).

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/frame_form.h"
#include "editor/edit_form.h"
#include "editor/update_lock.h"

namespace penwick {

namespace {

const char kQuickFlipText[] =
    "Ctrl+F6 flips between the two windows on top: press it again to flip back. When other windows have "
    "come on top since, Shift+Ctrl+F6 brings the last flipped pair back to the top. If neither of those "
    "files is open any more, nothing happens.";

}  // namespace

void TFrameForm::RequestFlip(bool next) {
  (next ? run_.flipNext : run_.flipPrev) = true;
  QMetaObject::invokeMethod(this, &TFrameForm::RunFlip, Qt::QueuedConnection);
}

void TFrameForm::RunFlip() {
  const bool next = run_.flipNext;
  const bool previous = run_.flipPrev;
  run_.flipNext = run_.flipPrev = false;
  if (next) {
    GetNext();
  } else if (previous) {
    GetPrev();
  }
}

void TFrameForm::GetNext() {
  const QList<QMdiSubWindow*> order = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
  if (EditorWindows().size() < 2 || order.size() < 2) {
    boxes_.ui().Beep();
    return;
  }
  UpdateLock lock(this);
  QMdiSubWindow* active = mdi_->activeSubWindow();
  state_.flipFirst = active ? active->windowTitle() : QString();
  if (active && active->isMaximized()) {
    wasMaximized_ = true;
    active->showNormal();
  }
  // The window that was active before the current one.
  QMdiSubWindow* target = order.at(order.size() - 2);
  if (target == active) target = order.last();
  mdi_->setActiveSubWindow(target);
  if (wasMaximized_) {
    wasMaximized_ = false;
    target->showMaximized();
  }
  state_.flipSecond = mdi_->activeSubWindow() ? mdi_->activeSubWindow()->windowTitle() : QString();
}

void TFrameForm::GetPrev() {
  if (EditorWindows().size() < 2) {
    boxes_.ui().Beep();
    return;
  }
  boxes_.Show(QStringLiteral("USING and Restoring Quick Flip"), QString::fromLatin1(kQuickFlipText),
              MsgType::kInformation, MsgButtons::kOk);
  UpdateLock lock(this);
  QMdiSubWindow* active = mdi_->activeSubWindow();
  if (active && active->isMaximized()) {
    wasMaximized_ = true;
    active->showNormal();
  }
  // Matched by caption, so a file closed and reopened in another window still counts.
  for (const QString& caption : {state_.flipFirst, state_.flipSecond}) {
    if (caption.isEmpty()) continue;
    for (TEditForm* editor : EditorWindows()) {
      if (editor->windowTitle() == caption) mdi_->setActiveSubWindow(editor);
    }
  }
  if (wasMaximized_) {
    wasMaximized_ = false;
    if (QMdiSubWindow* now = mdi_->activeSubWindow()) now->showMaximized();
  }
}

}  // namespace penwick
