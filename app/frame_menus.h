#pragma once
// The menus of the frame and of the editor windows. One set of actions, built from a table at start; each
// calls its handler on the frame or on the active editor window. The menu bar shows the frame's File menu
// while no editor window is open and the editor's menus while one is, followed by Window, Tools and Help.

#include <QObject>
#include <map>

class QAction;
class QMenu;

namespace penwick {

class TFrameForm;

enum class Command {
  kNew,
  kExit,
  kSave,
  kSaveAs,
  kReload,
  kClose,
  kFlipNext,
  kFlipPrevious,
};

class FrameMenus : public QObject {
  Q_OBJECT
 public:
  explicit FrameMenus(TFrameForm& frame);

  QAction* Action(Command command) const { return actions_.at(command); }
  // Shows the menus that belong with an active editor window, or the frame's own.
  void ShowMenusFor(bool editorActive);
  // Enables the editor commands only while an editor window is active.
  void RefreshEnabled();

  QMenu* FrameFileMenu() const { return frameFile_; }
  QMenu* EditorFileMenu() const { return editorFile_; }
  QMenu* WindowMenu() const { return window_; }
  QMenu* ToolsMenu() const { return tools_; }
  QMenu* HelpMenu() const { return help_; }

 private:
  void BuildActions();
  void FillWindowList();

  TFrameForm& frame_;
  std::map<Command, QAction*> actions_;
  QMenu* frameFile_ = nullptr;
  QMenu* editorFile_ = nullptr;
  QMenu* window_ = nullptr;
  QMenu* tools_ = nullptr;
  QMenu* help_ = nullptr;
  bool editorMenusShown_ = false;
  bool shownOnce_ = false;
};

}  // namespace penwick
