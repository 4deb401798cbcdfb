// The clipboard, undo, whole-text and line commands of the editor window, the Edit-menu state they are
// enabled by, and the pop-up menu of the text.

#include "editor/clipboard_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <algorithm>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/print_commands.h"
#include "editor/text_control.h"
#include "editor/update_lock.h"
#include "platform/rtf_reader.h"

namespace penwick {

namespace {

// Checks the formats only: the data itself may be large and, on some systems, is fetched from the program
// that owns the clipboard, so it is taken only when pasting.
// The names word processors put RTF on the clipboard under.
const char* const kRtfFormats[] = {"text/rtf", "application/rtf", "text/richtext"};

QByteArray RtfOf(const QMimeData* data) {
  for (const char* format : kRtfFormats) {
    if (data->hasFormat(QLatin1String(format))) return data->data(QLatin1String(format));
  }
  return {};
}

bool HoldsText(const QMimeData* data) {
  if (!data) return false;
  if (data->hasText() || data->hasHtml()) return true;
  return std::any_of(std::begin(kRtfFormats), std::end(kRtfFormats),
                     [&](const char* format) { return data->hasFormat(QLatin1String(format)); });
}

}  // namespace

std::optional<QString> PlainTextToPaste(const QMimeData* data) {
  if (!HoldsText(data)) return std::nullopt;
  QString text;
  if (data->hasText()) {
    text = data->text();
  } else if (!data->hasHtml()) {
    // RTF only (as some word processors copy): its text, without formats.
    text = RtfPlainText(ReadRtf(RtfOf(data)));
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

bool CanPaste(TEditForm& e) { return e.Frame().Run().clipboardHasText; }

bool ClipboardHoldsText() { return HoldsText(QGuiApplication::clipboard()->mimeData()); }

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

// --- Menus

namespace {

const MenuRow kUndoRows[] = {
    {"Undo1", "Undo", "Ctrl+Shift+U", nullptr, Undo1Click, nullptr, CanUndo, Access::kWrites},
    {},
};

const MenuRow kClipboardRows[] = {
    {"Cut1", "Cu&t", "Shift+Del", nullptr, Cut1Click, nullptr, HasSelection, Access::kWrites},
    {"Copy1", "&Copy", "Ctrl+Ins", nullptr, Copy1Click, nullptr, HasSelection, Access::kEditingOnly},
    {"Copyall1", "C&opy whole text", "Ctrl+Shift+Ins", nullptr, Copyall1Click, nullptr, HasText,
     Access::kEditingOnly},
    {"Paste1", "&Paste", "Shift+Ins", nullptr, Paste1Click, nullptr, CanPaste, Access::kWrites},
    {"DeleteSelection1", "Delete Selection", "Ctrl+Del", nullptr, DeleteSelection1Click, nullptr,
     HasSelection, Access::kWrites},
    {},
};

const MenuRow kLineRows[] = {
    {"Insertline1", "&Insert line", "Ctrl+Space", nullptr, Insertline1Click, nullptr, nullptr,
     Access::kWrites},
    {"Deleteline1", "&Delete line", "Ctrl+Backspace", nullptr, Deleteline1Click, nullptr, nullptr,
     Access::kWrites},
};

const MenuRow kSelectRows[] = {
    {},
    {"Selectwholetext1", "Select &whole text", "Ctrl+Shift+Down", nullptr, Selectwholetext1Click, nullptr,
     nullptr, Access::kEditingOnly},
};

// The pop-up's own captions; its Cut, Copy and Paste are the Edit menu's items.
const MenuRow kPopupCopyAllRows[] = {
    {"PopupCopyall1", "Copy &All", "", nullptr, Copyall1Click, nullptr, HasText, Access::kEditingOnly},
};

// The items' enabled state is refreshed just before a key can run a shortcut, so that a shortcut always
// finds its item as the state is at that moment (a selection made with the keyboard enables Copy at once).
class EditStateBeforeShortcuts : public QObject {
 public:
  explicit EditStateBeforeShortcuts(MenuBuilder& menus, QObject* parent) : QObject(parent), menus_(menus) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) menus_.RefreshEditState();
    return QObject::eventFilter(watched, event);
  }

 private:
  MenuBuilder& menus_;
};

}  // namespace

void AddEditMenus(MenuBuilder& menus) {
  menus.AddRows(MenuId::kEdit, kUndoRows);
  const std::vector<QAction*> clipboard = menus.AddRows(MenuId::kEdit, kClipboardRows);
  menus.AddRows(MenuId::kEdit, kLineRows);
  // Shift+Return is a key of the text itself; the menu only tells of it.
  QAction* note =
      menus.Menu(MenuId::kEdit)->addAction(QStringLiteral("(New Line repeat indent  Shift+Return)"));
  note->setEnabled(false);
  menus.AddRows(MenuId::kEdit, kSelectRows);

  menus.AddExisting(MenuId::kPopup, clipboard[0]);  // Cut
  menus.AddExisting(MenuId::kPopup, clipboard[1]);  // Copy
  menus.AddRows(MenuId::kPopup, kPopupCopyAllRows);
  menus.AddExisting(MenuId::kPopup, clipboard[3]);  // Paste
  AddPrintPopupItems(menus);

  new EditStateBeforeShortcuts(menus, menus.Menu(MenuId::kEdit));
}

}  // namespace penwick
