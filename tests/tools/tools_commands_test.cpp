// The Tools menu's programs on a real frame: what they ask, what they start (through stand-in programs that
// record their arguments) and what they say when a start fails.

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/frame_menus.h"
#include "tests/support/frame_fixture.h"
#include "tests/support/recording_programs.h"
#include "tools/clipboard_viewer.h"

namespace penwick::test {
namespace {

class ToolsTest : public StartedFrameTest {
 protected:
  QString Program(const char* name) const { return programs_.PathOf(QString::fromLatin1(name)); }
  QString Same(const QString& folder) const { return QDir(folder).canonicalPath(); }
  void Answer(const QStringList& answers) {
    for (const QString& answer : answers) ui_.AnswerInput(answer);
  }

  RecordingPrograms programs_{{"browser", "mailer", "tool", "gnome-calendar", "xdg-open"}};
};

TEST_F(ToolsTest, BrowserGetsThePageAsOneArgumentWithItsCaseKept) {
  const QString page = env_.WriteFile("Site/My PAGE;rm -rf ~.HTML", "<p>");
  const QString notes = env_.WriteFile("notes.txt", "n");
  frame_->AppSettings().htmlFile = "/Last/Tested.htm";
  const struct {
    QString open;
    QString browser;
    QString proposed;  // the page the test-file box offers
    QString folder;    // the browser's working folder
  } kCases[] = {
      {page, Program("browser"), page, programs_.Folder()},
      {notes, "browser", page, QDir::currentPath()},  // not a page: the page tested last
  };
  for (const auto& c : kCases) {
    Open(c.open);
    Answer({c.browser, c.proposed});
    Run("Browsers1");
    EXPECT_EQ(ui_.Shown().back().Summary(), ".HTM File to Test|Path/file:|" + c.proposed);
    const auto launch = programs_.WaitFor("browser");
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->arguments, QStringList{page});
    EXPECT_EQ(Same(launch->directory), Same(c.folder));
    EXPECT_EQ(frame_->Run().wordCountFile, c.open);
  }
  EXPECT_EQ(frame_->AppSettings().htmlFile, page);
  EXPECT_EQ(frame_->AppSettings().browsers, QStringList({"browser", Program("browser")}));
}

TEST_F(ToolsTest, FailedStartsSaySoAndEmptyAnswersStartNothing) {
  const struct {
    const char* item;
    QStringList answers;
    QString message;  // "caption|text" of the last box; empty: none after the questions
  } kCases[] = {
      {"Browsers1", {"/no/such/browser", ""}, "Unable to access tool|Can't run the browser"},
      {"Browsers1", {"  "}, ""},
      {"Mailers1", {"no-such-mailer"}, "Unable to access tool|Can't run the eMailer"},
      {"Toolbox1",
       {"tool", "", "/no/such/folder"},
       "Unable to access tool|Can't run the application as typed. Check spelling."},
      {"Toolbox1", {""}, ""},
      {"Calendar1", {"no-such-calendar"}, "Unable to access tool|Can't open called program"},
      {"Calculator1", {""}, ""},
  };
  ui_.AnswerAlways("eMail edited text", MsgResult::kOk);
  for (const auto& c : kCases) {
    ui_.Clear();
    Answer(c.answers);
    if (!c.message.isEmpty()) ui_.AnswerMessage(MsgResult::kOk);
    Run(c.item);
    EXPECT_TRUE(ui_.AllAnswered()) << c.item;
    EXPECT_EQ(ui_.MessageLog(), c.message.isEmpty() ? QStringList() : QStringList{c.message}) << c.item;
  }
  EXPECT_TRUE(programs_.NeverRan("tool") && programs_.NeverRan("xdg-open"));
}

TEST_F(ToolsTest, ToolboxSplitsItsParametersAndRunsInItsOwnFolderWhenNoneIsGiven) {
  Answer({Program("tool"), "\"a b.txt\" -x $HOME;ls", " "});
  Run("Toolbox1");
  const auto launch = programs_.WaitFor("tool");
  ASSERT_TRUE(launch);
  EXPECT_EQ(launch->arguments, QStringList({"a b.txt", "-x", "$HOME;ls"}));
  EXPECT_EQ(Same(launch->directory), Same(programs_.Folder()));
}

TEST_F(ToolsTest, UserToolsAreAddedShownOnTheMenuAndRemoved) {
  QAction* separator = nullptr;
  for (QAction* item : frame_->Menus().Menu(MenuId::kTools)->actions()) {
    if (item->objectName() == "N5") separator = item;
  }
  ASSERT_TRUE(separator && separator->isSeparator() && !separator->isVisible());
  for (const QString& tool : {Program("tool"), QString("/opt/R&D/Tool")}) {
    ui_.AnswerMessage(MsgResult::kOk);
    Answer({tool});
    Run("AddTool1");
  }
  EXPECT_EQ(Action("UserTool1")->text(), Program("tool"));
  EXPECT_EQ(Action("UserTool2")->text(), "/opt/R&&D/Tool");
  EXPECT_TRUE(separator->isVisible() && Action("UserTool2")->isVisible());

  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kOk);
  Run("AddTool1");  // both in use: nothing asked
  EXPECT_EQ(ui_.MessageLog().last(), "Can't add tool|Both tool positions in use!");

  // A typed answer that matches no tool (case counts) changes nothing; a match removes that tool.
  for (const QString& answer : {QString("/opt/r&d/tool"), QString("/opt/R&D/Tool")}) {
    ui_.AnswerMessage(MsgResult::kOk);
    Answer({answer});
    Run("RemoveTool1");
  }
  EXPECT_EQ(ui_.Last().Summary(), "Delete User Tool List item|Select the item to Delete|" + Program("tool"));
  EXPECT_EQ(ui_.Last().items, QStringList({Program("tool"), "/opt/R&D/Tool"}));
  EXPECT_TRUE(frame_->AppSettings().f8Tool.isEmpty());
  EXPECT_FALSE(Action("UserTool2")->isVisible());

  ui_.AnswerMessage(MsgResult::kOk);
  Answer({Program("tool")});
  Run("RemoveTool1");
  EXPECT_FALSE(separator->isVisible() || Action("UserTool1")->isVisible());
}

class UserToolKeyTest : public FrameTest {
 protected:
  RecordingPrograms programs_{{"tool"}};
};

TEST_F(UserToolKeyTest, ShiftF7StartsUserToolTwoFromStartUp) {
  QFile ini(QDir(env_.ProgramFolder()).filePath("penwick.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
  ini.write("[Settings]\r\nNoBugMsg=1\r\nF8Tool=" + programs_.PathOf("tool").toUtf8() + "\r\n");
  ini.close();
  Start();
  ui_.AnswerInput("-v");
  ui_.AnswerInput("");
  QTest::keyClick(frame_.get(), Qt::Key_F7, Qt::ShiftModifier);
  EXPECT_TRUE(ui_.AllAnswered());
  const auto launch = programs_.WaitFor("tool");
  ASSERT_TRUE(launch);
  EXPECT_EQ(launch->arguments, QStringList{"-v"});
  EXPECT_EQ(QDir(launch->directory).canonicalPath(), QDir(programs_.Folder()).canonicalPath());
}

TEST_F(ToolsTest, PathFinderPutsTheWholePathOnTheClipboard) {
  const QString folder = QString(99, 'D') + "/";
  const QString path = env_.WriteFile(folder + folder + folder + "MixedCase", "x");  // past 300 characters
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerOpen({path, env_.WriteFile("second", "y")}, 2);
  Run("PathFinder1");
  EXPECT_EQ(ui_.Last().caption, "Click Open to put path/file on Clipboard!");
  EXPECT_EQ(ui_.Last().items.value(ui_.Last().filterIndex - 1), "All files|*");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), path);
  EXPECT_TRUE(frame_->EditorWindows().empty());
}

TEST_F(ToolsTest, ClipboardViewerShowsTheTextAndClearsIt) {
  QGuiApplication::clipboard()->setText("copied\r\ntext");
  ui_.AnswerModal([](QDialog& dialog) {
    auto& viewer = dynamic_cast<TClipboardViewer&>(dialog);
    EXPECT_EQ(viewer.Memo1()->toPlainText(), "copied\ntext");
    viewer.ClearBtnClick();
    EXPECT_EQ(viewer.Memo1()->toPlainText(), "");
    return 1;
  });
  Run("Clipboard1");
  EXPECT_TRUE(ui_.AllAnswered());
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(ToolsTest, CalendarOffersAnInstalledProgramForTheClassicName) {
  ASSERT_EQ(frame_->AppSettings().calendar, "calendar.exe");
  Answer({"gnome-calendar"});
  Run("Calendar1");
  EXPECT_EQ(ui_.Last().Summary(), "Calendar|Program:|gnome-calendar");
  EXPECT_TRUE(programs_.WaitFor("gnome-calendar"));
  EXPECT_EQ(frame_->AppSettings().calendar, "gnome-calendar");
}

}  // namespace
}  // namespace penwick::test
