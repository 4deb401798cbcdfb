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

class TFrameForm;
class TEditForm;

// File menu commands of the frame (and of the editor windows' File menus).
void Open1Click(TFrameForm& f);
void Template1Click(TFrameForm& f);
// The File menu opens: the reopen items follow the recent-files list, the direct-open items the slots.
void File1Click(TFrameForm& f);
// Reopen 1..5 (index 0..4 of the recent-files list) and the five direct-open items (slot 0..4); an already
// open file is brought to the front instead.
void ReopenClick(TFrameForm& f, int index);
void DirectFileClick(TFrameForm& f, int slot);
void AddDirectOpen1Click(TFrameForm& f);
void RemoveDirectOpen1Click(TFrameForm& f);
// Opens an existing file by name in a new window, its folder made the current directory; a missing file
// gets "File Doesn't exist!". A direct open leaves the recent-files list alone. Returns whether it opened.
bool ReopenIt(TFrameForm& f, const QString& fileName, bool directOpen = false);
// The window of a file brought to the front (after saying it is open already), or the file opened by
// ReopenIt.
void ShowFile(TFrameForm& f, const QString& fileName);
void OpenDirectFile(TFrameForm& f, const QString& fileName);
// Whether a window shows the file (names compared as the file system does); says so unless quiet.
bool IsAlreadyOpen(TFrameForm& f, const QString& fileName, bool quiet = false);
// Activates the window showing the file; false when there is none.
bool BringFileToFront(TFrameForm& f, const QString& fileName);
void BringEditorToFront(TFrameForm& f, TEditForm* editor);

// Window menu commands.
void Tile1Click(TFrameForm& f);
void Tile2ofN1Click(TFrameForm& f);
void Cascade1Click(TFrameForm& f);
void Arrangeicons1Click(TFrameForm& f);
// Alt+1..Alt+9 bring window 1..9 to the front; Alt+0 (tag 0) shows the window list.
void WinGet_1Click(TFrameForm& f, int tag);
void Altgetswindow1Click(TFrameForm& f);

// Desktops: the open files' names saved under a name, and opened again.
void SaveDesktop1Click(TFrameForm& f);
void RestoreDesktop1Click(TFrameForm& f);

}  // namespace penwick
