#pragma once
// What the collection dialogs reach through the frame beyond FrameLink: the program's folder, the owner of
// the dialogs, and commands of the File and Tools menus that live above collections.

#include <QString>
#include <functional>

class QWidget;

namespace penwick {

class FrameLink;

struct CollectionLinks {
  FrameLink& frame;
  QWidget* owner = nullptr;
  QString programFolder;
  // Shows a file in an editor window: brings the window that shows it to the front (saying it is open),
  // or opens it as the File menu does.
  std::function<void(const QString& path)> showFile;
  // Opens the help file at a context number.
  std::function<void(int context)> openHelp;
  // The File menu's Add and Remove Direct Open File, the Tools menu's Add and Remove User Tool, the Meta
  // menu's Add User Defined (which needs no editor window).
  std::function<void()> addDirectOpen;
  std::function<void()> removeDirectOpen;
  std::function<void()> addUserTool;
  std::function<void()> removeUserTool;
  std::function<void()> addUserMeta;
};

}  // namespace penwick
