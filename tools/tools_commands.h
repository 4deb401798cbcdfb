#pragma once
// The Tools menu's programs: browsers with the page to test, mail programs, the toolbox, the two user tools,
// calendar, calculator, the clipboard viewer and PathFinder. Every start goes through ShellLaunch; a start
// that fails says so.

#include <QString>
#include <QStringList>

class QAction;
class QWidget;

namespace penwick {

class FrameLink;
class TEditForm;

// The user-tool items at the bottom of the Tools menu and the separator above them.
struct UserToolItems {
  QAction* separator = nullptr;
  QAction* tool1 = nullptr;  // F7
  QAction* tool2 = nullptr;  // Shift+F7
};

// The user-tool items follow the settings: each shows its tool's path and is there only while its tool is
// set; the separator shows while either is. Runs whenever the menus are refreshed, so the keys work from
// start-up.
void Tools1Click(FrameLink& frame, const UserToolItems& items);

// Puts the full name of a file chosen in the open dialog on the clipboard. `openFilters` are the frame's
// open-dialog filters; the second one, all files, is in force.
void PathFinder1Click(FrameLink& frame, const QStringList& openFilters);
void Toolbox1Click(FrameLink& frame);
void AddTool1Click(FrameLink& frame);
void RemoveTool1Click(FrameLink& frame);
// Starts user tool 1 (F7) or 2 (Shift+F7).
void UserToolClick(FrameLink& frame, int tool);
// Starts the current browser on the page to test, proposing the active window's file when it is a page.
void Browsers1Click(FrameLink& frame, TEditForm* active);
void Mailers1Click(FrameLink& frame);
// Shows the clipboard's text in Penwick's own viewer.
void Clipboard1Click(FrameLink& frame, QWidget* owner);
// Calendar and Calculator: the program is asked for (a classic default name this system lacks is offered
// as an installed equivalent), kept, and started.
void Calendar1Click(FrameLink& frame);
void Calculator1Click(FrameLink& frame);

}  // namespace penwick
