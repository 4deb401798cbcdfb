#pragma once
// Program-wide state held by the frame for one run and never stored.

#include <QString>
#include <QStringList>

namespace penwick {

struct RunState {
  QStringList openFiles;  // full names in window-number order
  QString currentFile;
  QString wordCountFile;
  int nextWindowNumber = 0;
  // Set at the first activation; the first editor window reads and clears them.
  bool firstEditorOfRun = false;
  bool removableDriveCheck = false;
  // Quick flip between the two top windows.
  bool flipNext = false;
  bool flipPrev = false;
  // Ctrl+Tab in the text arrives as a Tab with this request set.
  bool tabInsertRequest = false;
  // The clipboard holds text to paste: kept up to date from the clipboard's change notice, because asking
  // the clipboard is a round trip to another program on some systems and Paste's state is checked on
  // every key.
  bool clipboardHasText = false;
  // Go to line: the last entry and its history, for this run only. The bookmark notes hand Go to line a
  // line number to take without asking.
  QString gotoLine = QStringLiteral("1");
  QStringList gotoHistory;
  QString bookmarkGoto;
  // The code picker's row chosen last (a code 0..255), for this run only.
  int codePickerRow = 0;
};

// Puts name at the head of the recent-files list: the list is cut to 5 entries unless one of entries 1..4
// already equals the name, and then the first later entry equal to the head is removed.
void AddRecentFile(QStringList& recent, const QString& name);

}  // namespace penwick
