#include "tools/help_commands.h"

#include <QFileInfo>
#include <QStandardPaths>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "settings/settings.h"
#include "tools/shell_launch.h"
#include "ui/help_viewer.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

struct Notice {
  const char* caption;
  const char* text;
};

const Notice kEManualNotice = {
    "Penwick's \"on line\" (locally) eManual",
    "Penwick's eManual is a set of HTML files in Penwick's folder that a web browser binds into an "
    "e-book.\n\n"
    "Next you pick the browser to read it in, from the same list that Tools/Browsers keeps.\n\n"
    "The title frame across the top names the book. The contents buttons down the left side open the "
    "chapters in the large frame beside them. The Full Window button at the top of each chapter shows that "
    "chapter alone, without the frames, for reading or printing."};

const Notice kReferenceShelfNotice = {
    "An penwick's \"personal\" reference shelf",
    "The eReference Shelf is a page of links to reference works: the shelf of dictionaries, handbooks and "
    "style guides beside a writer's desk.\n\n"
    "Its links open in one second browser window, so the shelf itself stays where it is.\n\n"
    "The page is the file pw_ref.htm in Penwick's folder. Open it in Penwick and add, change or remove links "
    "to make the shelf your own."};

const Notice kWebsitesNotice = {
    "Helpful Websites Links ",
    "Type the address of a web site, or pick one you visited before, then pick a browser from the "
    "Tools/Browsers list to open it in.\n\n"
    "The list is a working reference shelf: it is kept in penwick.ini and can be edited in the Lists Editor "
    "(Tools menu). Only the latest fifteen addresses are stored.\n\n"
    "Without a settings file the list starts with Penwick's home page."};

const Notice kWinHelpNotice = {
    "Useful WinHelp Files ",
    "Many books and references come as WinHelp (.hlp) files. Pick one you opened before, or type its path "
    "and file name.\n\n"
    "Penwick opens it with a WinHelp viewer on your PATH when there is one, else with the program your "
    "desktop uses for .hlp files.\n\n"
    "Save the settings when Penwick closes to keep a file you added. The list can be edited in the Lists "
    "Editor (Tools menu)."};

const Notice kHtmlHelpNotice = {
    "Useful MS HTMLHelp Files ",
    "HTMLHelp (.chm files) succeeds WinHelp. Its list works like the .hlp one: pick a file you opened "
    "before, or type its path and file name.\n\n"
    "Penwick opens it with the program your desktop uses for .chm files.\n\n"
    "Save the settings when Penwick closes to keep changes to the list."};

// ShellLaunch's results from here up mean the launch went ahead.
constexpr int kFirstSuccess = 32;
const char kBrowserPrompt[] = "Path\\name:";
const char kCantRunBrowser[] = "Can't run the browser";
// WinHelp viewers that may be on the PATH.
const char* const kWinHelpViewers[] = {"winhelp", "winhlp32"};

void Inform(MessageBoxes& boxes, const Notice& notice) {
  boxes.Show(QString::fromUtf8(notice.caption), QString::fromUtf8(notice.text), MsgType::kInformation,
             MsgButtons::kOk);
}

// Asks for a value with its history; an empty answer ends like Cancel and leaves value and list alone.
bool AskNonEmpty(MessageBoxes& boxes, const char* caption, QString& value, QStringList& history,
                 QString& answer) {
  answer = value;
  QStringList list = history;
  if (!boxes.InputWithHistory(QString::fromLatin1(caption), QString::fromLatin1(kBrowserPrompt), answer,
                              list) ||
      answer.trimmed().isEmpty()) {
    return false;
  }
  history = list;
  return true;
}

// An e-manual page in a browser from the list. A browser picked while none is current becomes the current
// one; otherwise it serves this once (and heads the list).
void OpenManualPage(FrameLink& frame, const char* page, const Notice* notice) {
  MessageBoxes& boxes = frame.Boxes();
  if (notice) Inform(boxes, *notice);
  const QString path = FindHelpPage(boxes, QString::fromLatin1(page));
  if (path.isEmpty()) return;
  Settings& settings = frame.AppSettings();
  QString browser;
  if (!AskNonEmpty(boxes, "Available Web Browsers", settings.browser, settings.browsers, browser)) return;
  if (settings.browser.isEmpty()) settings.browser = browser;
  if (ShellLaunch(browser, QuotedArgument(path), FolderOf(browser)) < kFirstSuccess) {
    boxes.Show(QStringLiteral("Unable to access eManual"), QString::fromLatin1(kCantRunBrowser),
               MsgType::kError, MsgButtons::kOk);
  }
}

// A help file the user named: there, or a message that says it is not.
bool HelpFileExists(MessageBoxes& boxes, const QString& caption, const QString& file) {
  if (QFileInfo(file).isFile()) return true;
  boxes.Show(caption, QStringLiteral("%1 was not found.").arg(file), MsgType::kError, MsgButtons::kOk);
  return false;
}

// Opens a document with the desktop's program for its type. A file that merely carries the executable mark
// (every file on a FAT or NTFS disk does) is handed to the opener too, never run.
int OpenDocument(const QString& file) {
  const QFileInfo info(file);
  if (info.isExecutable())
    return ShellLaunch(QStringLiteral("xdg-open"), QuotedArgument(info.absoluteFilePath()), QString());
  return ShellLaunch(info.absoluteFilePath(), QString(), QString());
}

// Picks a help file from a list and opens it with open; a failed launch shows failure.
void OpenHelpFile(MessageBoxes& boxes, const Notice& notice, const char* askCaption, QString& current,
                  QStringList& history, const char* failCaption, const char* failText,
                  int (*open)(const QString&)) {
  Inform(boxes, notice);
  QString file;
  if (!AskNonEmpty(boxes, askCaption, current, history, file)) return;
  current = file;
  const QString caption = QString::fromLatin1(failCaption);
  if (!HelpFileExists(boxes, caption, file)) return;
  if (open(file) < kFirstSuccess)
    boxes.Show(caption, QString::fromLatin1(failText), MsgType::kError, MsgButtons::kOk);
}

int OpenWinHelp(const QString& file) {
  for (const char* viewer : kWinHelpViewers) {
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(viewer));
    if (!program.isEmpty())
      return ShellLaunch(program, QuotedArgument(QFileInfo(file).absoluteFilePath()), QString());
  }
  return OpenDocument(file);
}

}  // namespace

QString QuotedArgument(const QString& text) {
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void OnLineHelp1Click(FrameLink& frame, QWidget& owner, const TEditForm* active) {
  int context = kHelpContents;
  if (!frame.EditorWindows().empty())
    context = active && active->Number() == kSpecialWindowNumber ? kSpecialHelpContext : kEditorHelpContext;
  ShowHelpPage(frame.Boxes(), owner, HelpContextPage(context));
}

void eManual1Click(FrameLink& frame) { OpenManualPage(frame, kEManualPage, &kEManualNotice); }

void SpecialOps1Click(FrameLink& frame) { OpenManualPage(frame, kSpecialOpsPage, nullptr); }

void KnownProblems1Click(FrameLink& frame) { OpenManualPage(frame, kKnownProblemsPage, nullptr); }

void eReferenceShelf1Click(FrameLink& frame) {
  OpenManualPage(frame, kReferenceShelfPage, &kReferenceShelfNotice);
}

void HelpfulWebsites1Click(FrameLink& frame) {
  MessageBoxes& boxes = frame.Boxes();
  Settings& settings = frame.AppSettings();
  Inform(boxes, kWebsitesNotice);
  QString url = settings.helpUrl;
  QStringList urls = settings.helpUrls;
  if (!boxes.InputWithHistory(QStringLiteral("Select or Type URL"), QString::fromLatin1(kBrowserPrompt), url,
                              urls)) {
    return;
  }
  settings.helpUrls = urls;
  // An empty address opens the browser on its own start page, and keeps the current site.
  if (!url.trimmed().isEmpty()) settings.helpUrl = url;
  QString browser;
  if (!AskNonEmpty(boxes, "Available Web Browser", settings.browser, settings.browsers, browser)) return;
  settings.browser = browser;
  const QString parameters = url.trimmed().isEmpty() ? QString() : QuotedArgument(url.trimmed());
  if (ShellLaunch(browser, parameters, QString()) < kFirstSuccess) {
    boxes.Show(QStringLiteral("Unable to access tool"), QString::fromLatin1(kCantRunBrowser), MsgType::kError,
               MsgButtons::kOk);
  }
}

void UsefulWinHelpFiles1Click(FrameLink& frame) {
  Settings& settings = frame.AppSettings();
  OpenHelpFile(frame.Boxes(), kWinHelpNotice, "Select or Type .hlp file", settings.helpFile,
               settings.helpFiles, "Unable to access WinHelp", "winhelp.exe is not on your Path.",
               OpenWinHelp);
}

void UsefulHTMLHelpFiles1Click(FrameLink& frame) {
  Settings& settings = frame.AppSettings();
  OpenHelpFile(frame.Boxes(), kHtmlHelpNotice, "Select or Type .chm file", settings.hhelpFile,
               settings.hhelpFiles, "Unable to access HTMLHelp", "hh.exe is not on your Path.", OpenDocument);
}

void AboutPenwick1Click(FrameLink& frame) {
  const QString text =
      QStringLiteral(
          "Penwick\nv 0.9z\nFree software under the GNU General Public License, version 3 or later.\n\n"
          "Penwick is the writing end of an e-mail typing machine whose reading end is a web browser: a "
          "software writing machine for people who write their pages, letters and notes by hand, as plain "
          "text.\n\n"
          "It is also an HTML and XML writer: its menus and keys type the markup around your words, and it "
          "leaves every byte you did not change as it was.\n\n"
          "Penwick's web page: %1 (also the first entry of the web-site list).")
          .arg(QString::fromLatin1(kHomePage));
  frame.Boxes().Show(QStringLiteral("About Penwick"), text, MsgType::kInformation, MsgButtons::kOk);
}

}  // namespace penwick
