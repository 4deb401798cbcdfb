// The Edit menu's clipboard, undo and line items, the pop-up menu's clipboard and print items, and Print and
// Printer setup on the editor's File menu.

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

#include "app/frame_menus.h"
#include "editor/edit_form.h"

namespace penwick {

namespace {


const MenuRow kUndoRows[] = {
    {"Undo1", "Undo", "Ctrl+Shift+U", nullptr, Undo1Click, nullptr, CanUndo,
     Access::kWrites},
    {},
};

const MenuRow kClipboardRows[] = {
    {"Cut1", "Cu&t", "Shift+Del", nullptr, Cut1Click, nullptr, HasSelection,
     Access::kWrites},
    {"Copy1", "&Copy", "Ctrl+Ins", nullptr, Copy1Click, nullptr, HasSelection,
     Access::kEditingOnly},
    {"Copyall1", "C&opy whole text", "Ctrl+Shift+Ins", nullptr, Copyall1Click,
     nullptr, HasText, Access::kEditingOnly},
    {"Paste1", "&Paste", "Shift+Ins", nullptr, Paste1Click, nullptr, CanPaste,
     Access::kWrites},
    {"DeleteSelection1", "Delete Selection", "Ctrl+Del", nullptr,
     DeleteSelection1Click, nullptr, HasSelection, Access::kWrites},
    {},
};

const MenuRow kLineRows[] = {
    {"Insertline1", "&Insert line", "Ctrl+Space", nullptr, Insertline1Click,
     nullptr, nullptr, Access::kWrites},
    {"Deleteline1", "&Delete line", "Ctrl+Backspace", nullptr, Deleteline1Click,
     nullptr, nullptr, Access::kWrites},
};

const MenuRow kSelectRows[] = {
    {},
    {"Selectwholetext1", "Select &whole text", "Ctrl+Shift+Down", nullptr,
     Selectwholetext1Click, nullptr, nullptr, Access::kEditingOnly},
};

// The pop-up's own captions; its Cut, Copy and Paste are the Edit menu's items.
const MenuRow kPopupCopyAllRows[] = {
    {"PopupCopyall1", "Copy &All", "", nullptr, Copyall1Click, nullptr, HasText,
     Access::kEditingOnly},
};

const MenuRow kPopupPrintRows[] = {
    {},
    {"PopupPrint1", "Pri&nt", "", nullptr, Print1Click, nullptr, HasText},
    {},
};

const MenuRow kPrintRows[] = {
    {"Print1", "&Print", "Ctrl+F2", nullptr, Print1Click, nullptr, HasText},
    {"Printersetup1", "Printer setup...", "", nullptr, Printersetup1Click},
};

// The items' enabled state is refreshed just before a key can run a shortcut, so that a shortcut always
// finds its item as the state is at that moment (a selection made with the keyboard enables Copy at once).
class EditStateBeforeShortcuts : public QObject {
 public:
  explicit EditStateBeforeShortcuts(FrameMenus& menus) : QObject(&menus), menus_(menus) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) menus_.RefreshEditState();
    return QObject::eventFilter(watched, event);
  }

 private:
  FrameMenus& menus_;
};

}  // namespace

void AddEditMenus(FrameMenus& menus) {
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
  menus.AddRows(MenuId::kPopup, kPopupPrintRows);

  new EditStateBeforeShortcuts(menus);
}

void AddPrintItems(FrameMenus& menus) { menus.AddRows(MenuId::kEditorFile, kPrintRows); }

}  // namespace penwick
