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

class FrameMenus : public QObject, public MenuBuilder {
  Q_OBJECT
 public:
  explicit FrameMenus(TFrameForm& frame);

  QMenu* Menu(MenuId id) const override { return menus_.at(id); }
  using MenuBuilder::AddRows;
  std::vector<QAction*> AddRows(QMenu* menu, std::span<const MenuRow> rows) override;
  QMenu* AddSubmenu(QMenu* parent, const QString& caption) override;
  void AddExisting(MenuId id, QAction* action) override;

  // Every item made from a row, with its row.
  const std::vector<std::pair<QAction*, const MenuRow*>>& Rows() const { return rows_; }
  // The action of an item by its design name; nullptr when there is none.
  QAction* Find(const QString& name) const;

  // Shows the menus that belong with an active editor window, or the frame's own.
  void ShowMenusFor(bool editorActive);
  // Editor commands are enabled only while an editor window is active; check marks follow the switches.
  void Refresh();
  void RefreshEditState() override;
  void FollowLists(std::function<void(FrameLink&)> update) override;

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
// The Help menu's own items.
void AddHelpMenu(FrameMenus& menus);
void AboutPenwick1(TFrameForm& frame);
// The Srch menu's bookmark notes item.
void AddBookmarkMenus(FrameMenus& menus);
// The superboilerplate items of the pop-up and Tools menus.
void AddSuperboilerplateMenus(FrameMenus& menus);
// The Tools menu items of the boilerplates, the boilerplate and tagset sets and the lists editor.
void AddCollectionMenus(FrameMenus& menus);

}  // namespace penwick
