#pragma once
// The Help menu's commands: Penwick's help pages in its help window, the e-manual's pages in a browser from
// the user's list, the user's lists of web sites, WinHelp and HTMLHelp files opened in their viewers, and
// About. Every launch goes through ShellLaunch, each name and address passed as one argument.

#include <QString>

class QWidget;

namespace penwick {

class FrameLink;
class TEditForm;

// The e-manual's pages, shipped in the program folder.
inline constexpr char kEManualPage[] = "pw_read.htm";
inline constexpr char kReferenceShelfPage[] = "pw_ref.htm";
inline constexpr char kKnownProblemsPage[] = "kprobs.htm";
inline constexpr char kSpecialOpsPage[] = "speclops.htm";

// The editor window whose F1 shows the special help context (help_viewer.h) instead of the editor's.
inline constexpr int kSpecialWindowNumber = 300;

// F1: the help contents while no editor window is open, else the help of the active editor window.
void OnLineHelp1Click(FrameLink& frame, QWidget& owner, const TEditForm* active);
// The e-manual's pages, each in a browser picked from the list (the e-manual and the reference shelf say
// what they are first).
void eManual1Click(FrameLink& frame);
void SpecialOps1Click(FrameLink& frame);
void KnownProblems1Click(FrameLink& frame);
void eReferenceShelf1Click(FrameLink& frame);
// A web site from the user's list, in a browser from the list.
void HelpfulWebsites1Click(FrameLink& frame);
// A .hlp file from the list, in a WinHelp viewer on the PATH or else the desktop's program for it.
void UsefulWinHelpFiles1Click(FrameLink& frame);
// A .chm file from the list, through the desktop's opener.
void UsefulHTMLHelpFiles1Click(FrameLink& frame);
void AboutPenwick1Click(FrameLink& frame);

// A parameter line holding text as one argument, blanks, quotes and shell characters included.
QString QuotedArgument(const QString& text);

}  // namespace penwick
