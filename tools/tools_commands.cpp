// The Tools menu's programs. Names and parameter lines reach the programs as typed: paths keep their case
// and length, a page to test is one argument whatever it holds, and no shell ever reads them.

#include "tools/tools_commands.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "tools/clipboard_viewer.h"
#include "tools/shell_launch.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

constexpr char kToolCaption[] = "Unable to access tool";
constexpr char kParametersCaption[] = "Parameters line for Tool App";
constexpr char kFolderCaption[] = "Working Directory (or blank)";

constexpr char kPathFinderText[] =
    "An Open dialog follows. Browse to a file and press Open: its path and name go to the Clipboard, ready "
    "to paste into an input box or the text. Nothing is opened.";
constexpr char kMailText[] =
    "To mail the edited text, copy the whole text to the Clipboard (Edit, Copy whole text) and paste it into "
    "the message area of your eMail program.\n\nThe text can pass through another mail program on the way "
    "if you like.";
constexpr char kAddToolText[] =
    "Up to two tools can be added. They appear at the bottom of the Tools menu, on F7 and Shift+F7.\n\n"
    "Give the complete path and file name of the program (PathFinder can put it on the Clipboard).\n\n"
    "Settings must be saved when Penwick closes for the change to last.";
constexpr char kRemoveToolText[] =
    "Select the tool to remove and press OK.\n\n"
    "Settings must be saved when Penwick closes for the change to last.";

// Programs offered in place of the classic calendar and calculator names, which no system here has.
const QStringList kCalendars = {QStringLiteral("gnome-calendar"), QStringLiteral("korganizer"),
                                QStringLiteral("merkuro-calendar"), QStringLiteral("orage")};
const QStringList kCalculators = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                  QStringLiteral("qalculate-gtk"),    QStringLiteral("galculator"),
                                  QStringLiteral("mate-calc"),        QStringLiteral("xcalc")};

// A prompt or caption that names a path, written with this system's separator.
QString WithSeparator(const char* text) {
  return QString::fromLatin1(text).replace(QLatin1Char('\\'), QDir::separator());
}

// Starts a program; a start that fails is shown in an error box with the given caption and text.
void Launch(FrameLink& frame, const QString& file, const QString& parameters, const QString& directory,
            const char* caption, const char* text) {
  if (ShellLaunch(file, parameters, directory) >= 32) return;
  frame.Boxes().Show(QString::fromLatin1(caption), QString::fromLatin1(text), MsgType::kError,
                     MsgButtons::kOk);
}

// Asks for a tool's parameter line and working folder; a blank folder is the tool's own. False on Cancel.
bool AskToolStart(FrameLink& frame, const QString& tool, QString& parameters, QString& directory) {
  MessageBoxes& boxes = frame.Boxes();
  parameters.clear();
  directory.clear();
  if (!boxes.InputQuery(kParametersCaption, WithSeparator("(often) path\\name:"), parameters)) return false;
  if (!boxes.InputQuery(kFolderCaption, QStringLiteral("path:"), directory)) return false;
  if (directory.trimmed().isEmpty()) directory = FolderOf(tool);
  return true;
}

bool IsPage(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  return !fileName.isEmpty() && (suffix == QLatin1String("htm") || suffix == QLatin1String("html"));
}

bool Found(const QString& program) {
  const QFileInfo info(program);
  if (info.isFile() && info.isExecutable()) return true;
  return !program.contains(QLatin1Char('/')) && !QStandardPaths::findExecutable(program).isEmpty();
}

// The stored program, unless it is the classic default name this system does not have: then the first of
// the alternatives that is installed, if any.
QString ProposedProgram(const QString& stored, const char* classicDefault, const QStringList& alternatives) {
  if (stored.compare(QLatin1String(classicDefault), Qt::CaseInsensitive) != 0 || Found(stored)) return stored;
  for (const QString& alternative : alternatives) {
    if (Found(alternative)) return alternative;
  }
  return stored;
}

// Calendar and Calculator: the program is asked for, kept, and started.
void RunSetProgram(FrameLink& frame, const QString& caption, QString& program, const char* classicDefault,
                   const QStringList& alternatives) {
  QString value = ProposedProgram(program, classicDefault, alternatives);
  if (!frame.Boxes().InputQuery(caption, QStringLiteral("Program:"), value)) return;
  program = value;
  if (value.trimmed().isEmpty()) return;
  Launch(frame, value.trimmed(), QString(), QString(), kToolCaption, "Can't open called program");
}

}  // namespace

void Tools1Click(FrameLink& frame, const UserToolItems& items) {
  const Settings& s = frame.AppSettings();
  const QString* tools[] = {&s.f7Tool, &s.f8Tool};
  QAction* actions[] = {items.tool1, items.tool2};
  bool any = false;
  for (int i = 0; i < 2; ++i) {
    const bool set = !tools[i]->isEmpty();
    actions[i]->setText(set ? LiteralCaption(*tools[i]) : QString());
    actions[i]->setVisible(set);
    any = any || set;
  }
  items.separator->setVisible(any);
}

void PathFinder1Click(FrameLink& frame, const QStringList& openFilters) {
  MessageBoxes& boxes = frame.Boxes();
  boxes.Show(WithSeparator("Find path\\file name for input or text!"), QString::fromLatin1(kPathFinderText),
             MsgType::kInformation, MsgButtons::kOk);
  FileDialogRequest request;
  request.caption = WithSeparator("Click Open to put path\\file on Clipboard!");
  request.fileName = QStringLiteral("*");
  request.folder = QDir::currentPath();
  request.filters = openFilters;
  // All files, programs without an extension among them.
  if (request.filters.size() >= 2) request.filters[1] = QStringLiteral("All files|*");
  request.filterIndex = 2;
  const FileDialogResult chosen = boxes.ui().AskOpenFiles(request, /*multiple=*/true);
  if (chosen.fileNames.isEmpty()) return;
  QGuiApplication::clipboard()->setText(QDir::toNativeSeparators(chosen.fileNames.first()));
}

void Toolbox1Click(FrameLink& frame) {
  Settings& s = frame.AppSettings();
  if (!frame.Boxes().InputWithHistory(QStringLiteral("Executable to run (as tool app)"),
                                      WithSeparator("Path\\name:"), s.toolApp, s.toolApps)) {
    return;
  }
  const QString tool = s.toolApp.trimmed();
  if (tool.isEmpty()) return;
  QString parameters;
  QString directory;
  if (!AskToolStart(frame, tool, parameters, directory)) return;
  Launch(frame, tool, parameters, directory, kToolCaption,
         "Can't run the application as typed. Check spelling.");
}

void AddTool1Click(FrameLink& frame) {
  MessageBoxes& boxes = frame.Boxes();
  Settings& s = frame.AppSettings();
  boxes.Show(QStringLiteral("Add User Tool"), QString::fromLatin1(kAddToolText), MsgType::kInformation,
             MsgButtons::kOk);
  if (!s.f7Tool.isEmpty() && !s.f8Tool.isEmpty()) {
    boxes.Show(QStringLiteral("Can't add tool"), QStringLiteral("Both tool positions in use!"),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  QString answer;
  if (!boxes.InputQuery(QStringLiteral("Add User's Tool"), WithSeparator("path\\name:"), answer)) return;
  answer = answer.trimmed();
  if (answer.isEmpty()) return;
  (s.f7Tool.isEmpty() ? s.f7Tool : s.f8Tool) = answer;
}

void RemoveTool1Click(FrameLink& frame) {
  MessageBoxes& boxes = frame.Boxes();
  Settings& s = frame.AppSettings();
  boxes.Show(QStringLiteral("Remove User Tool"), QString::fromLatin1(kRemoveToolText), MsgType::kInformation,
             MsgButtons::kOk);
  QStringList tools;
  for (const QString* tool : {&s.f7Tool, &s.f8Tool}) {
    if (!tool->isEmpty()) tools << *tool;
  }
  if (tools.isEmpty()) return;
  QString answer = tools.first();
  if (!boxes.InputWithHistory(QStringLiteral("Delete User Tool List item"),
                              QStringLiteral("Select the item to Delete"), answer, tools)) {
    return;
  }
  if (answer == s.f7Tool) {
    s.f7Tool.clear();
  } else if (answer == s.f8Tool) {
    s.f8Tool.clear();
  }
}

void UserToolClick(FrameLink& frame, int tool) {
  const Settings& s = frame.AppSettings();
  const QString path = (tool == 1 ? s.f7Tool : s.f8Tool).trimmed();
  if (path.isEmpty()) return;
  QString parameters;
  QString directory;
  if (!AskToolStart(frame, path, parameters, directory)) return;
  Launch(frame, path, parameters, directory, "Unable to access User Tool F7",
         "Can't run the application\nas typed. Check spelling.");
}

void Browsers1Click(FrameLink& frame, TEditForm* active) {
  MessageBoxes& boxes = frame.Boxes();
  Settings& s = frame.AppSettings();
  RunState& run = frame.Run();
  if (!boxes.InputWithHistory(QStringLiteral("Available Web Browsers"), WithSeparator("Path\\name:"),
                              s.browser, s.browsers)) {
    return;
  }
  const QString browser = s.browser.trimmed();
  if (browser.isEmpty()) return;
  if (active) run.wordCountFile = active->FileName();
  QString page = active && IsPage(run.wordCountFile) ? run.wordCountFile : s.htmlFile;
  if (!boxes.InputQuery(QStringLiteral(".HTM File to Test"), WithSeparator("Path\\file:"), page)) return;
  s.htmlFile = page;
  // The page is one argument, whatever blanks, quotes or semicolons its name holds.
  Launch(frame, browser, page.isEmpty() ? QString() : QuoteParameter(page), FolderOf(browser), kToolCaption,
         "Can't run the browser");
}

void Mailers1Click(FrameLink& frame) {
  MessageBoxes& boxes = frame.Boxes();
  Settings& s = frame.AppSettings();
  boxes.Show(QStringLiteral("eMail edited text"), QString::fromLatin1(kMailText), MsgType::kInformation,
             MsgButtons::kOk);
  if (!boxes.InputWithHistory(QStringLiteral("Available eMailers"), WithSeparator("Path\\name:"), s.mailer,
                              s.mailers)) {
    return;
  }
  const QString mailer = s.mailer.trimmed();
  if (mailer.isEmpty()) return;
  Launch(frame, mailer, QString(), FolderOf(mailer), kToolCaption, "Can't run the eMailer");
}

void Clipboard1Click(FrameLink& frame, QWidget* owner) {
  TClipboardViewer viewer(owner);
  frame.Boxes().ui().ExecModal(viewer);
}

void Calendar1Click(FrameLink& frame) {
  RunSetProgram(frame, QStringLiteral("Calendar"), frame.AppSettings().calendar, "calendar.exe", kCalendars);
}

void Calculator1Click(FrameLink& frame) {
  RunSetProgram(frame, QStringLiteral("Calculator"), frame.AppSettings().calculator, "calc.exe",
                kCalculators);
}

}  // namespace penwick
