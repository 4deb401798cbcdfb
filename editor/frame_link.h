#pragma once
// What an editor window needs from the frame that holds it: the program-wide state and a few services.
// The frame implements FrameLink; tests may use the real frame.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "settings/run_state.h"
#include "settings/settings.h"

class QMenu;

namespace penwick {

class KeyTable;
class LinePrinter;
class MessageBoxes;
class TEditForm;

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
  // Opens the read-only viewing copy of an .rtf file in a new window.
  virtual void OpenRtfView(const QString& fileName) = 0;

  // --- Edit menu, pop-up menu and printing ---
  // Enables the items that depend on the active window's text, selection, undo and the clipboard.
  virtual void RefreshEditState() = 0;
  // The pop-up menu of the text.
  virtual QMenu* PopupMenu() = 0;
  // The printer every window prints on.
  virtual LinePrinter& Printer() = 0;
  // The key chords of the text, each group's rows together.
  virtual const KeyTable& Keys() const = 0;
  // Runs a command inside the error boundary: a failure (a platform error, memory running out) is shown in
  // the error box and the program goes on. Every entry point of a command goes through it: menu items, key
  // chords, dialog buttons, the status-bar click.
  virtual void RunCommand(const std::function<void()>& command) = 0;
};

}  // namespace penwick
