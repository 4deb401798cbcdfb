#pragma once
// The frame's file commands and window commands: the open dialog's filters and the menu items they add to
// the frame's and the editor's File menus and to the Window menu.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QAction;

namespace penwick {

class FrameMenus;
enum class MenuId;

// The open dialog's filter list, numbered from 1 as the filter index for a file counts.
QStringList OpenFilters();

// The File-menu items that follow the recent-files list and the direct-open slots. The same actions sit in
// the frame's and the editor's File menus.
struct FileMenuItems {
  std::vector<QAction*> open;        // Open, Open Template
  std::vector<QAction*> directOpen;  // Add and Remove Direct Open File
  std::array<QAction*, 5> directFiles{};
  std::array<QAction*, 5> reopens{};
  std::vector<QAction*> reopenSeparators;  // one per File menu, above its reopen items
};

// Each adds one group of the file commands' items to a File menu (kFrameFile or kEditorFile).
void AddOpenItems(FrameMenus& menus, MenuId id);
void AddDirectOpenItems(FrameMenus& menus, MenuId id);
void AddReopenItems(FrameMenus& menus, MenuId id);
// The Window menu's commands and the Alt+digit window keys.
void AddWindowMenus(FrameMenus& menus);

class MessageBoxes;
// Shows why a document cannot be opened (not a regular file, too big) and returns false; true for a regular
// file Penwick can hold and for a name that does not exist (the callers decide what a missing name means).
bool CheckOpenable(MessageBoxes& boxes, const QString& fileName);

// A name for a menu caption: an ampersand in a file name is shown, not taken for a mnemonic.
QString MenuCaptionFor(const QString& fileName);

}  // namespace penwick
