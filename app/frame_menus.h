#pragma once
// The menus of the frame and of the editor windows. One set of actions, built from tables at start; each
// calls its handler on the frame or on the active editor window. The menu bar shows the frame's File menu
// while no editor window is active and the editor's menus while one is, followed by Window, Tools and Help.
//
// Each group of commands adds its own table of rows (see AddRows) from its own file, so menus grow without
// a central switch.

#include <QObject>
#include <QString>
#include <map>
#include <span>
#include <vector>

#include "editor/command_row.h"

class QAction;
class QMenu;

namespace penwick {

class TFrameForm;
class TEditForm;

class FrameMenus : public QObject {
  Q_OBJECT
 public:
  explicit FrameMenus(TFrameForm& frame);

  QMenu* Menu(MenuId id) const { return menus_.at(id); }
  // Adds the rows to a menu (or a submenu made with AddSubmenu); returns the actions, nullptr for separators.
  std::vector<QAction*> AddRows(QMenu* menu, std::span<const MenuRow> rows);
  std::vector<QAction*> AddRows(MenuId id, std::span<const MenuRow> rows) { return AddRows(Menu(id), rows); }
  QMenu* AddSubmenu(QMenu* parent, const QString& caption);
  // Puts an action that already exists into another menu too (one action, one shortcut).
  void AddExisting(MenuId id, QAction* action);

  // Every item made from a row, with its row.
  const std::vector<std::pair<QAction*, const MenuRow*>>& Rows() const { return rows_; }
  // The action of an item by its design name; nullptr when there is none.
  QAction* Find(const QString& name) const;

  // Shows the menus that belong with an active editor window, or the frame's own.
  void ShowMenusFor(bool editorActive);
  // Editor commands are enabled only while an editor window is active; check marks follow the switches.
  void Refresh();
  // Only the items whose enabled state depends on the active window (cheap: runs before every shortcut).
  void RefreshEditState();

  TFrameForm& Frame() const { return frame_; }

 signals:
  // After every refresh (a menu opens, a command ran, the menus were switched): items that follow
  // program-wide lists bring themselves up to date.
  void Refreshed();

 private:
  QAction* MakeAction(const MenuRow& row);
  // Whether an editor command may run on the window now: never a writing one on a viewing copy.
  static bool Allowed(const MenuRow& row, TEditForm& editor);
  void FillWindowList();

  TFrameForm& frame_;
  std::map<MenuId, QMenu*> menus_;
  std::vector<std::pair<QAction*, const MenuRow*>> rows_;
  bool editorMenusShown_ = false;
  bool shownOnce_ = false;
};

// The File-menu items of the editor window and the frame's own File menu.
void AddFileMenus(FrameMenus& menus);
// Print and Printer setup on the editor's File menu (menus_edit.cpp).
void AddPrintItems(FrameMenus& menus);
// The Help menu's own items.
void AddHelpMenu(FrameMenus& menus);
void AboutPenwick1(TFrameForm& frame);
// The HTML menu with its submenus, and the pop-up menu's comment item (app/menus_html.cpp).
void AddHtmlMenus(FrameMenus& menus);
// The Edit menu's clipboard and line items, their pop-up items, and Print and Printer setup.
void AddEditMenus(FrameMenus& menus);
// The Srch menu, its pop-up items and the find/replace paste warning of the Text menu.
void AddSearchMenus(FrameMenus& menus);
// Typing: word-wrap, tab stops, dirty spaces, RTF setup, typing warnings, superboilerplates.
void AddTypingMenus(FrameMenus& menus);

}  // namespace penwick
