// The file commands' items of the File menus, the Window menu and the Alt+digit window keys.

#include <QAction>
#include <QMenu>

#include "app/file_commands.h"
#include "app/frame_form.h"
#include "app/frame_menus.h"

namespace penwick {

namespace {

const MenuRow kOpenRows[] = {
    {"Open1", "&Open ...", "F5", [](TFrameForm& f) { Open1Click(f); }},
    {"Template1", "Open &Template...", "Shift+F5", [](TFrameForm& f) { Template1Click(f); }},
};

const MenuRow kDirectOpenRows[] = {
    {"AddDirectOpen1", "&Add Direct Open File (5)", "", [](TFrameForm& f) { AddDirectOpen1Click(f); }},
    {"RemoveDirectOpen1", "&Remove Direct Open File", "", [](TFrameForm& f) { RemoveDirectOpen1Click(f); }},
};

// Captioned with their slot's file name when the File menu opens.
const MenuRow kDirectFileRows[] = {
    {"FirstDirectFile", "First direct open file", "Alt+F5", [](TFrameForm& f) { DirectFileClick(f, 0); }},
    {"SecondDirectFile", "Second direct open file", "Ctrl+F5", [](TFrameForm& f) { DirectFileClick(f, 1); }},
    {"ThirdDirectFile", "Third direct open file", "", [](TFrameForm& f) { DirectFileClick(f, 2); }},
    {"FourthDirectFile", "Fourth direct open file", "", [](TFrameForm& f) { DirectFileClick(f, 3); }},
    {"FifthDirectfile", "Fifth direct open file", "", [](TFrameForm& f) { DirectFileClick(f, 4); }},
};

// Captioned with the recent files when the File menu opens.
const MenuRow kReopenRows[] = {
    {"Reopen1", "Reopen 1", "Shift+F4", [](TFrameForm& f) { ReopenClick(f, 0); }},
    {"Reopen2", "Reopen 2", "", [](TFrameForm& f) { ReopenClick(f, 1); }},
    {"Reopen3", "Reopen 3", "", [](TFrameForm& f) { ReopenClick(f, 2); }},
    {"Reopen4", "Reopen 4", "", [](TFrameForm& f) { ReopenClick(f, 3); }},
    {"Reopen5", "Reopen 5", "", [](TFrameForm& f) { ReopenClick(f, 4); }},
};

const MenuRow kWindowRows[] = {
    {"Tile1", "&Tile open Windows", "", [](TFrameForm& f) { Tile1Click(f); }},
    {"Tile2ofN1", "Tile Top &2 of N Windows", "", [](TFrameForm& f) { Tile2ofN1Click(f); }, nullptr,
     [](FrameLink& f) { return static_cast<TFrameForm&>(f).State().tile2ofN; }},
    {"Cascade1", "&Cascade open Windows", "", [](TFrameForm& f) { Cascade1Click(f); }},
    {"Arrangeicons1", "&Arrange icons", "", [](TFrameForm& f) { Arrangeicons1Click(f); }},
    {},
    {"SaveDesktop1", "Save Desktop", "", [](TFrameForm& f) { SaveDesktop1Click(f); }},
    {"RestoreDesktop1", "Restore Desktop", "", [](TFrameForm& f) { RestoreDesktop1Click(f); }},
    {},
    {"Altgetswindow1", "Alt+1..9 for window 1..9; Alt+0 or", "",
     [](TFrameForm& f) { Altgetswindow1Click(f); }},
    {"Altgetswindow2", "click for full-path WINDOW LIST", "", [](TFrameForm& f) { Altgetswindow1Click(f); }},
};

// Items that only carry the Alt+digit keys; they work whichever window is active.
const MenuRow kWinGetRows[] = {
    {"WinGet_1", "WinGet_1", "Alt+1", [](TFrameForm& f) { WinGet_1Click(f, 1); }},
    {"WinGet_2", "WinGet_2", "Alt+2", [](TFrameForm& f) { WinGet_1Click(f, 2); }},
    {"WinGet_3", "WinGet_3", "Alt+3", [](TFrameForm& f) { WinGet_1Click(f, 3); }},
    {"WinGet_4", "WinGet_4", "Alt+4", [](TFrameForm& f) { WinGet_1Click(f, 4); }},
    {"WinGet_5", "WinGet_5", "Alt+5", [](TFrameForm& f) { WinGet_1Click(f, 5); }},
    {"WinGet_6", "WinGet_6", "Alt+6", [](TFrameForm& f) { WinGet_1Click(f, 6); }},
    {"WinGet_7", "WinGet_7", "Alt+7", [](TFrameForm& f) { WinGet_1Click(f, 7); }},
    {"WinGet_8", "WinGet_8", "Alt+8", [](TFrameForm& f) { WinGet_1Click(f, 8); }},
    {"WinGet_9", "WinGet_9", "Alt+9", [](TFrameForm& f) { WinGet_1Click(f, 9); }},
    {"WinGet_0", "WinGet_0", "Alt+0", [](TFrameForm& f) { WinGet_1Click(f, 0); }},
};

// Makes actions that belong to no menu yet (one action per command, shared by both File menus).
std::vector<QAction*> MakeActions(FrameMenus& menus, std::span<const MenuRow> rows) {
  QMenu* scratch = menus.Menu(MenuId::kHidden);
  std::vector<QAction*> actions = menus.AddRows(scratch, rows);
  for (QAction* action : actions) scratch->removeAction(action);
  return actions;
}

// The actions are made once, on the first File menu that asks for them.
FileMenuItems& ItemsOf(FrameMenus& menus) {
  TFrameForm& frame = menus.Frame();
  FileMenuItems& items = frame.State().fileItems;
  if (items.open.empty()) {
    items.open = MakeActions(menus, kOpenRows);
    items.directOpen = MakeActions(menus, kDirectOpenRows);
    const std::vector<QAction*> directFiles = MakeActions(menus, kDirectFileRows);
    const std::vector<QAction*> reopens = MakeActions(menus, kReopenRows);
    for (size_t i = 0; i < items.reopens.size(); ++i) {
      items.directFiles[i] = directFiles[i];
      items.reopens[i] = reopens[i];
      items.directFiles[i]->setVisible(false);
      items.reopens[i]->setVisible(false);
    }
    // Lists change outside the File menu too (a load, Save As, the lists editor): the items follow them
    // after every command, so their keys always match what the menu would show.
    QObject::connect(&menus, &FrameMenus::Refreshed, &frame, [&frame] { File1Click(frame); });
  }
  return items;
}

}  // namespace

void AddOpenItems(FrameMenus& menus, MenuId id) {
  for (QAction* action : ItemsOf(menus).open) menus.AddExisting(id, action);
}

void AddDirectOpenItems(FrameMenus& menus, MenuId id) {
  FileMenuItems& items = ItemsOf(menus);
  for (QAction* action : items.directOpen) menus.AddExisting(id, action);
  for (QAction* action : items.directFiles) menus.AddExisting(id, action);
}

void AddReopenItems(FrameMenus& menus, MenuId id) {
  FileMenuItems& items = ItemsOf(menus);
  QAction* separator = menus.Menu(id)->addSeparator();
  separator->setVisible(false);
  items.reopenSeparators.push_back(separator);
  for (QAction* action : items.reopens) menus.AddExisting(id, action);
}

void AddWindowMenus(FrameMenus& menus) {
  menus.AddRows(MenuId::kWindow, kWindowRows);
  menus.AddRows(MenuId::kHidden, kWinGetRows);
}

}  // namespace penwick
