// The clipboard, undo, whole-text and line commands of the editor window, the Edit-menu state they are
// enabled by, and the pop-up menu of the text.

#include "editor/edit_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <algorithm>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "editor/update_lock.h"

namespace penwick {

namespace {

constexpr int kMaxLengthStep = 65536;

// Checks the formats only: the data itself may be large and, on some systems, is fetched from the program
// that owns the clipboard, so it is taken only when pasting.
bool HoldsText(const QMimeData* data) { return data && (data->hasText() || data->hasHtml()); }

}  // namespace

std::optional<QString> PlainTextToPaste(const QMimeData* data) {
  if (!HoldsText(data)) return std::nullopt;
  QString text;
  if (data->hasText()) {
    text = data->text();
  } else {
    // Rich content without a plain-text form: its text, without tags, styles or pictures.
    text = QTextDocumentFragment::fromHtml(data->html()).toPlainText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::Nbsp, QLatin1Char(' '));
  }
  if (text.isEmpty()) return std::nullopt;
  // Every line break in the control is CR LF.
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text;
}

void TEditForm::Edit1Click() { frame_.RefreshEditState(); }

bool TEditForm::CanUndo() const { return text_->CanUndo(); }

bool TEditForm::HasText() const { return !text_->IsEmpty(); }

bool TEditForm::HasSelection() const { return text_->HasSelection(); }

bool TEditForm::CanPaste() const { return HoldsText(QGuiApplication::clipboard()->mimeData()); }

void TEditForm::Undo1Click() { text_->Undo(); }

void TEditForm::Cut1Click() {
  if (!text_->HasSelection()) return;
  text_->Cut();
}

void TEditForm::Copy1Click() {
  if (!text_->HasSelection()) return;
  text_->Copy();
}

void TEditForm::Copyall1Click() {
  if (text_->IsEmpty()) return;
  text_->SelectAll();
  text_->Copy();
  text_->SetSelStart(0);
}

void TEditForm::Paste1Click() {
  const std::optional<QString> pasted = PlainTextToPaste(QGuiApplication::clipboard()->mimeData());
  if (!pasted) return;
  if (maxLength_ - text_->TextLength() < kMaxLengthStep) maxLength_ += kMaxLengthStep;
  const int start = text_->SelStart();
  text_->SetSelText(*pasted);
  const int end = text_->SelStart();
  {
    UpdateLock lock(editor_);
    // Pasted text takes the editor's own font and colour, whatever it lands next to.
    text_->SetStyle(start, end - start, 0);
    text_->SetSelStart(end);
  }
  Edit1Click();
}

void TEditForm::DeleteSelection1Click() {
  if (!text_->HasSelection()) return;
  text_->ClearSelection();
}

void TEditForm::Insertline1Click() {
  text_->SetSelStart(text_->LineIndex(text_->LineFromPosition(text_->SelStart())));
  text_->SetSelText(QStringLiteral("\r\n"));
  // Up as if pressed, so the key handlers see it too: the caret goes onto the new empty line.
  editor_->SendKey(Qt::Key_Up, Qt::NoModifier);
}

void TEditForm::Deleteline1Click() {
  const int line = text_->LineFromPosition(text_->SelStart());
  const int start = text_->LineIndex(line);
  text_->DeleteLine(line);
  // After the last line the caret stays at the end of the text.
  text_->SetSelStart(std::min(start, text_->TextLength()));
}

void TEditForm::Selectwholetext1Click() { text_->SelectAll(); }

void TEditForm::EditorContextMenu(const QPoint& globalPos) {
  // The pop-up's commands run on the active window: the one clicked.
  if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
  QMenu* popup = frame_.PopupMenu();
  if (popup && !popup->isEmpty()) popup->popup(globalPos);
}

}  // namespace penwick
