#include "app/frame_form.h"

#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "app/frame_menus.h"
#include "collections/bookmark_notes.h"
#include "platform/run_once.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using FrameFormTest = FrameTest;

const QString kSavingSettings = QStringLiteral(
    "Saving settings|Penwick will now write to Penwick.ini. If you have edited the ini file and saved it "
    "...you "
    "might want to cancel this writing over of it. Or, you might not have new settings and prefer to "
    "preserve "
    "your recent opens list from last time. You might even want to get rid of settings useful only "
    "temporarily.\n\nIf anything should go wrong while writing penwick.ini, pw_ini.bak is your previous "
    "penwick.ini.");

QString IniPath(const TestEnv& env, const char* name) {
  return QDir(env.ProgramFolder()).filePath(QString::fromLatin1(name));
}

TEST_F(FrameFormTest, TheCommandLineOpensWhatItNamesAndRefusesWhatCannotBeOpened) {
  const QString work = env_.WorkFolder();
  for (const char* name : {"My Files/a.txt", "x.htm", "y.htm", "z.txt"}) env_.WriteFile(name, "text");
  QDir(work).mkdir("folder.htm");
  const QString fifo = work + QStringLiteral("/pipe.txt");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const struct {
    const char* name;
    QStringList arguments;
    QStringList titles;
    QString lastOpen;
    QString currentFolder;
    QStringList messages;
  } cases[] = {
      {"arguments join into one file name",
       {work + "/My", "Files/a.txt"},
       {"a.txt"},
       work + "/My Files/a.txt",
       work + "/My Files",
       {}},
      {"a relative wildcard opens every matching file",
       {"*.htm"},
       {"x.htm", "y.htm"},
       work + "/y.htm",
       work,
       {}},
      {"names that do not join into one are each opened, as a shell passes a wildcard's files",
       {"z.txt", "missing.txt", work + "/x.htm"},
       {"z.txt", "x.htm"},
       work + "/x.htm",
       work,
       {}},
      {"a missing file opens nothing and says nothing", {"nothing.txt"}, {}, "", work, {}},
      {"a pipe is refused", {fifo}, {}, "", work, {"Penwick|" + fifo + " is not a regular file"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QDir::setCurrent(work);
    ui_.Clear();
    for (qsizetype i = 0; i < c.messages.size(); ++i) ui_.AnswerMessage(MsgResult::kOk);
    Start(c.arguments);
    EXPECT_EQ(Titles(), c.titles);
    EXPECT_EQ(frame_->AppSettings().lastOpen, c.lastOpen);
    EXPECT_EQ(QDir::currentPath(), c.currentFolder);
    EXPECT_EQ(ui_.MessageLog(), c.messages);
    if (!c.titles.isEmpty()) {
      EXPECT_FALSE(frame_->CoverPanel()->isVisible());
    }
    TearDown();
  }
}

TEST(FrameBoundsTest, AStoredFrameThatWouldNotShowTakesTheDesignBounds) {
  const QList<QRect> screens = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  const QRect design(4, 108, 632, 254);
  const struct {
    int left, top, width, height;
    QRect expected;
  } cases[] = {
      {5, 40, 0, 0, QRect(5, 40, 632, 254)},  // no stored size: the design size where it was
      {100, 100, 800, 600, QRect(100, 100, 800, 600)},
      {2000, 50, 900, 700, QRect(2000, 50, 900, 700)},  // on the second screen
      {5, 40, 99999999, 600, design},
      {5, 40, 800, -5, design},
      {-32767, 40, 800, 600, design},
      {5, 40000, 800, 600, design},
      {5, 40, 300, 600, QRect(5, 40, 590, 600)},  // the minimum width
  };
  for (const auto& c : cases) {
    Settings s;
    std::tie(s.left, s.top, s.width, s.height) = std::tie(c.left, c.top, c.width, c.height);
    EXPECT_EQ(FrameBounds(s, screens), c.expected)
        << c.left << "," << c.top << " " << c.width << "x" << c.height;
  }
}

TEST_F(FrameFormTest, MinimumWidthNoticeStopsForGoodAfterCancelAndSavedSettings) {
  ui_.AnswerMessage(MsgResult::kCancel);
  Start({}, /*noticeOff=*/false);
  ASSERT_EQ(ui_.MessageLog().size(), 1);
  EXPECT_EQ(
      ui_.MessageLog().first(),
      QStringLiteral("Penwick's Minimum Width!|When resizing Penwick, you cannot make it less wide than 590 "
                     "pixels. This gives you a little room around it at 640x480. However, it prevents ikon "
                     "drop-off and problems associated with that. It's not meant to be a post-it pad.\n\nTo "
                     "not see this message again, press cancel."));
  EXPECT_EQ(ui_.Shown().front().buttons, MsgButtons::kOkCancel);
  EXPECT_EQ(frame_->minimumWidth(), TFrameForm::kMinimumWidth);
  ui_.AnswerMessage(MsgResult::kYes);
  frame_->close();
  EXPECT_EQ(ui_.MessageLog().last(), kSavingSettings);
  frame_.reset();

  ui_.Clear();
  frame_ = std::make_unique<TFrameForm>(ui_, env_.ProgramFolder(), QStringList());
  frame_->FormActivate();
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(FrameFormTest, ClosingAsksEveryWindowThenAboutTheSettings) {
  Start();
  const QByteArray iniBefore = TestEnv::ReadFile(IniPath(env_, "penwick.ini"));
  Open(env_.WriteFile("one.txt", "1"));
  TEditForm* unnamed = NewWindow();
  QTest::keyClicks(unnamed->Editor(), "precious");

  // Cancel in "Saving settings": everything stays open.
  ui_.AnswerMessage(MsgResult::kNo);  // do not save the new document
  ui_.AnswerMessage(MsgResult::kCancel);
  EXPECT_FALSE(frame_->close());
  Flush();
  EXPECT_EQ(frame_->EditorWindows().size(), 2u);
  EXPECT_EQ(ui_.MessageLog().first().section(QLatin1Char('|'), 0, 0), "Closing with modified text");
  EXPECT_EQ(ui_.MessageLog().last(), kSavingSettings);

  // A window that refuses (its Save As cancelled) stops the close before the settings question.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerSave(QString());
  EXPECT_FALSE(frame_->close());
  Flush();
  EXPECT_EQ(ui_.MessageLog().size(), 1);
  EXPECT_EQ(unnamed->Text().Text(), "precious");

  // No: closes without touching either settings file.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kNo);
  ui_.AnswerMessage(MsgResult::kNo);
  EXPECT_TRUE(frame_->close());
  EXPECT_EQ(TestEnv::ReadFile(IniPath(env_, "penwick.ini")), iniBefore);
  EXPECT_FALSE(QFile::exists(IniPath(env_, "superbp.ini")));
  EXPECT_FALSE(QFile::exists(IniPath(env_, "pw_ini.bak")));
}

TEST_F(FrameFormTest, YesWritesBothSettingsFilesWithBackupsAndTheNextStartReadsThem) {
  Start();
  const QByteArray iniBefore = TestEnv::ReadFile(IniPath(env_, "penwick.ini"));
  frame_->Switches().tabInterval = 4;
  const QStringList plate = {"<head>", "  <title></title>"};
  frame_->AppSettings().superBPlates[5] = plate;
  // The notes of a bookmark pad left open are saved too.
  frame_->Bookmarks1Click();
  frame_->BookmarkPad()->Memo1()->setPlainText("x.htm 5 start\ny.htm 9 end");
  ui_.AnswerMessage(MsgResult::kYes);
  EXPECT_TRUE(frame_->close());
  EXPECT_EQ(TestEnv::ReadFile(IniPath(env_, "pw_ini.bak")), iniBefore);
  frame_.reset();
  Flush();

  Start();
  EXPECT_EQ(frame_->Switches().tabInterval, 4);
  EXPECT_EQ(frame_->AppSettings().superBPlates[5], plate);
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, (QStringList{"x.htm 5 start", "y.htm 9 end"}));
}

TEST_F(FrameFormTest, FailedSettingsWriteKeepsTheFrameOpen) {
  Start();
  Open(env_.WriteFile("doc.txt", "doc"));
  // The program folder is replaced by a plain file: nothing can be written there.
  ASSERT_TRUE(QDir(env_.ProgramFolder()).removeRecursively());
  QFile blocker(env_.ProgramFolder());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerMessage(MsgResult::kOk);
  EXPECT_FALSE(frame_->close());
  Flush();
  EXPECT_TRUE(ui_.MessageLog().last().startsWith(QStringLiteral("Penwick|Unable to write to ") +
                                                 env_.ProgramFolder()));
  EXPECT_TRUE(frame_->isVisible());
  EXPECT_EQ(Titles(), QStringList{"doc.txt"});
  QFile::remove(env_.ProgramFolder());
  QDir().mkpath(env_.ProgramFolder());
}

TEST_F(FrameFormTest, QuickFlipAlternatesBetweenTheTwoTopWindowsAndStatusBarClicksGoRound) {
  Start();
  TEditForm* only = Open(env_.WriteFile("a.txt", "a"));
  QApplication::setActiveWindow(frame_.get());
  QTest::keyClick(only->Editor(), Qt::Key_F6, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(ui_.Beeps(), 1);

  // Restoring before any flip only explains.
  Open(env_.WriteFile("b.txt", "b"));
  TEditForm* c = Open(env_.WriteFile("c.txt", "c"));
  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(c->Editor(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
  Flush();
  ASSERT_EQ(ui_.Shown().size(), 1u);
  EXPECT_EQ(ui_.Last().caption, "USING and Restoring Quick Flip");
  EXPECT_EQ(ui_.Last().type, MsgType::kInformation);
  EXPECT_EQ(frame_->ActiveEditor(), c);

  QTest::keyClick(c->Editor(), Qt::Key_F6, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor()->windowTitle(), "b.txt");
  EXPECT_TRUE(frame_->ActiveEditor()->isMaximized());
  EXPECT_EQ(frame_->State().flipFirst, "c.txt");
  EXPECT_EQ(frame_->State().flipSecond, "b.txt");
  QTest::keyClick(frame_->ActiveEditor()->Editor(), Qt::Key_F6, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor(), c);
  EXPECT_EQ(ui_.Beeps(), 1);

  // A click on the status bar goes to the window of the next number, after the last to the first.
  QStringList visited;
  for (int i = 0; i < 3; ++i) {
    QTest::mouseClick(frame_->ActiveEditor()->StatusBar(), Qt::LeftButton);
    Flush();
    visited << frame_->ActiveEditor()->windowTitle();
  }
  EXPECT_EQ(visited, (QStringList{"a.txt", "b.txt", "c.txt"}));
}

TEST_F(FrameFormTest, MenuBarShowsTheEditorMenusOnlyWhileAnEditorWindowIsOpen) {
  Start();
  auto menuTitles = [this] {
    QStringList titles;
    for (QAction* action : frame_->menuBar()->actions()) titles << action->text();
    return titles;
  };
  const QStringList bar = {"&File", "&Window", "Too&ls", "&Help"};
  EXPECT_EQ(menuTitles(), bar);
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), frame_->Menus().Menu(MenuId::kFrameFile));
  EXPECT_FALSE(frame_->Menus().Find("Save1")->isEnabled());
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("AboutPenwick1");
  EXPECT_EQ(ui_.Last().caption, "About Penwick");

  TEditForm* editor = NewWindow();
  // The editor's own menus (those that have items) stand between its File menu and Window, Tools, Help.
  const QStringList editorBar = menuTitles();
  EXPECT_EQ(editorBar.first(), "&File");
  EXPECT_EQ(editorBar.mid(editorBar.size() - 3), bar.mid(1));
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), frame_->Menus().Menu(MenuId::kEditorFile));
  // An empty document has nothing to save yet.
  EXPECT_FALSE(frame_->Menus().Find("Save1")->isEnabled());
  QTest::keyClicks(editor->Editor(), "x");
  Flush();
  EXPECT_TRUE(frame_->Menus().Find("Save1")->isEnabled());

  ui_.AnswerMessage(MsgResult::kNo);  // closes without saving
  editor->Close1Click();
  Flush();
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), frame_->Menus().Menu(MenuId::kFrameFile));
  EXPECT_FALSE(frame_->Menus().Find("Save1")->isEnabled());
}

TEST_F(FrameFormTest, LogOffOffersToOpenTheCurrentFileAtTheNextLogOn) {
  Start();
  const QString path = env_.WriteFile("report.htm", "r");
  Open(path);
  ui_.AnswerMessage(MsgResult::kNo);  // settings not written
  EXPECT_TRUE(frame_->LogOffQuery());
  ui_.AnswerMessage(MsgResult::kYes);
  frame_->LogOffProceed();
  EXPECT_EQ(
      ui_.MessageLog().last(),
      QStringLiteral("Win 95 closing -- \"Yes\" quick or auto-\"No\"!|Windows95 is shutting down; When it is "
                     "started, do you want Penwick to be open at startup with %1 loaded? (Sorry, only one.)")
          .arg(path));
  const QByteArray entry = TestEnv::ReadFile(AutostartFolder() + QStringLiteral("/Penwick.desktop"));
  EXPECT_TRUE(entry.contains(path.toUtf8())) << entry.toStdString();

  frame_->EditorWindows().front()->CloseApproved();
  Flush();
  ui_.AnswerMessage(MsgResult::kNo);
  frame_->LogOffProceed();
  EXPECT_TRUE(ui_.MessageLog().last().contains("with no file loaded?"));
}

}  // namespace
}  // namespace penwick::test
