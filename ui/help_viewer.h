#pragma once
// Penwick's own help: HTML pages shipped beside the program, read in a small window inside it. Pages are
// looked for in the program folder first (where the user may keep edited copies), then in the executable's
// own folder, so a program folder of its own (PENWICK_HOME, ~/.config/penwick) still finds them.

#include <QDialog>
#include <QString>
#include <QStringList>

class QPushButton;
class QTextBrowser;

namespace penwick {

class MessageBoxes;

// The help contexts: the contents, the editor windows', the special one, the boilerplate list's, the
// tagset list's and the bookmark notes pad's.
inline constexpr int kHelpContents = 0;
inline constexpr int kEditorHelpContext = 2;
inline constexpr int kSpecialHelpContext = 20;
inline constexpr int kBoilerplateHelpContext = 25;
inline constexpr int kTagsetSetsHelpContext = 40;
inline constexpr int kBookmarkHelpContext = 35;
// The page of a help context.
QString HelpContextPage(int context);

// The folders help pages are looked for in, in order: the program folder, the executable's folder.
QStringList HelpFolders();
// The full path of the first readable file called name in folders; empty when none holds it.
QString FindShippedFile(const QString& name, const QStringList& folders);

// The help window: a page, its links followed inside the window (links to the web go to the desktop's
// browser), Back, Contents and Close.
class HelpViewer : public QDialog {
  Q_OBJECT
 public:
  explicit HelpViewer(QWidget* parent);

  void ShowPage(const QString& path);
  QTextBrowser* Browser() const { return browser_; }
  QPushButton* BackButton() const { return back_; }
  QPushButton* ContentsButton() const { return contents_; }

 private:
  void ShowContents();

  QTextBrowser* browser_;
  QPushButton* back_;
  QPushButton* contents_;
};

// The full path of a help page; when it is nowhere to be found, a message names the file and the folders
// looked in, and the path is empty.
QString FindHelpPage(MessageBoxes& boxes, const QString& pageName);
// Shows a help page in the owner's help window (made on first use, then reused). Returns the window, or
// nullptr when the page is missing.
HelpViewer* ShowHelpPage(MessageBoxes& boxes, QWidget& owner, const QString& pageName);

}  // namespace penwick
