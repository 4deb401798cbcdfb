// The clipboard, undo, whole-text and line commands of the editor window, the Edit-menu state they are
// enabled by, and the pop-up menu of the text.

#include "editor/clipboard_commands.h"

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

bool CanUndo(TEditForm& e) { return e.Text().CanUndo(); }

bool HasText(TEditForm& e) { return !e.Text().IsEmpty(); }

bool HasSelection(TEditForm& e) { return e.Text().HasSelection(); }

bool CanPaste(TEditForm& e) { return HoldsText(QGuiApplication::clipboard()->mimeData()); }

void Undo1Click(TEditForm& e) { e.Text().Undo(); }

void Cut1Click(TEditForm& e) {
  if (!e.Text().HasSelection()) return;
  e.Text().Cut();
}

void Copy1Click(TEditForm& e) {
  if (!e.Text().HasSelection()) return;
  e.Text().Copy();
}

void Copyall1Click(TEditForm& e) {
  if (e.Text().IsEmpty()) return;
  e.Text().SelectAll();
  e.Text().Copy();
  e.Text().SetSelStart(0);
}

void Paste1Click(TEditForm& e) {
  const std::optional<QString> pasted = PlainTextToPaste(QGuiApplication::clipboard()->mimeData());
  if (!pasted) return;
  if (e.MaxLength() - e.Text().TextLength() < kMaxLengthStep) e.SetMaxLength(e.MaxLength() + kMaxLengthStep);
  const int start = e.Text().SelStart();
  e.Text().SetSelText(*pasted);
  const int end = e.Text().SelStart();
  {
    UpdateLock lock(e.Editor());
    // Pasted text takes the editor's own font and colour, whatever it lands next to.
    e.Text().SetStyle(start, end - start, 0);
    e.Text().SetSelStart(end);
  }
  e.Edit1Click();
}

void DeleteSelection1Click(TEditForm& e) {
  if (!e.Text().HasSelection()) return;
  e.Text().ClearSelection();
}

void Insertline1Click(TEditForm& e) {
  e.Text().SetSelStart(e.Text().LineIndex(e.Text().LineFromPosition(e.Text().SelStart())));
  e.Text().SetSelText(QStringLiteral("\r\n"));
  // Up as if pressed, so the key handlers see it too: the caret goes onto the new empty line.
  e.Editor()->SendKey(Qt::Key_Up, Qt::NoModifier);
}

void Deleteline1Click(TEditForm& e) {
  const int line = e.Text().LineFromPosition(e.Text().SelStart());
  const int start = e.Text().LineIndex(line);
  e.Text().DeleteLine(line);
  // After the last line the caret stays at the end of the text.
  e.Text().SetSelStart(std::min(start, e.Text().TextLength()));
}

void Selectwholetext1Click(TEditForm& e) { e.Text().SelectAll(); }

void TEditForm::EditorContextMenu(const QPoint& globalPos) {
  // The pop-up's commands run on the active window: the one clicked.
  if (QMdiArea* area = mdiArea()) area->setActiveSubWindow(this);
  QMenu* popup = frame_.PopupMenu();
  if (popup && !popup->isEmpty()) popup->popup(globalPos);
}

}  // namespace penwick
