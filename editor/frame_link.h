#pragma once
// What an editor window needs from the frame that holds it: the program-wide state and a few services.
// The frame implements FrameLink; tests may use the real frame.

#include <QString>
#include <QStringList>
#include <vector>

#include "app/settings.h"

class QMenu;

namespace penwick {

class LinePrinter;
class MessageBoxes;
class TEditForm;

// Program-wide state held by the frame for one run and never stored.
struct RunState {
  QStringList openFiles;  // full names in window-number order
  QString currentFile;
  QString wordCountFile;
  int nextWindowNumber = 0;
  bool directOpenLoad = false;  // the next load comes from a direct-open slot or a desktop: not recent
  bool templateLoad = false;    // the next load comes from a template: the document stays unnamed
  // Set at the first activation; the first editor window reads and clears them.
  bool firstEditorOfRun = false;
  bool removableDriveCheck = false;
  int saveFilterIndex = 2;
  // Quick flip between the two top windows.
  bool flipNext = false;
  bool flipPrev = false;
  // Ctrl+Tab in the text arrives as a Tab with this request set.
  bool tabInsertRequest = false;
  bool ctrlRestore = false;
  // Go to line: the last entry and its history, for this run only. The bookmark notes hand Go to line a
  // line number to take without asking.
  QString gotoLine = QStringLiteral("1");
  QStringList gotoHistory;
  QString bookmarkGoto;
};

class FrameLink {
 public:
  virtual ~FrameLink() = default;
  virtual MessageBoxes& Boxes() = 0;
  virtual Settings& AppSettings() = 0;
  virtual EditorSwitches& Switches() = 0;
  virtual RunState& Run() = 0;
  // Open editor windows in window-number order.
  virtual std::vector<TEditForm*> EditorWindows() const = 0;
  // The white cover panel over the client area while a window is created, loaded or arranged.
  virtual void ShowCover(bool shown) = 0;
  // Asks for the quick flip (next or previous) once the current key has been handled.
  virtual void RequestFlip(bool next) = 0;
  // Opens a new, empty editor window (the New command).
  virtual void NewFile() = 0;

  // --- Edit menu, pop-up menu and printing ---
  // Enables the items that depend on the active window's text, selection, undo and the clipboard.
  virtual void RefreshEditState() = 0;
  // The pop-up menu of the text.
  virtual QMenu* PopupMenu() = 0;
  // The printer every window prints on.
  virtual LinePrinter& Printer() = 0;
  // --- Keys of the text that run the collections' commands (boilerplates, superboilerplates).
  // Ctrl+N types boilerplate N or asks for it; with change set (Ctrl+Shift+N) it always asks.
  virtual void BoilerplateKey(TEditForm& editor, int number, bool change) = 0;
  // Superboilerplate N in its dialog, typed into editor when the dialog asks.
  virtual void ShowSuperBoilerplates(TEditForm& editor, int number) = 0;
  // Ctrl+numeric pad 1..9: the HTML-menu item of that key.
  virtual void NumpadKey(TEditForm& editor, int number) = 0;
};

// Puts name at the head of the recent-files list: the list is cut to 5 entries unless one of entries 1..4
// already equals the name, and then the first later entry equal to the head is removed.
void AddRecentFile(QStringList& recent, const QString& name);

}  // namespace penwick
