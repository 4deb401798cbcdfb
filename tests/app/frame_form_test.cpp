#include "app/frame_form.h"

#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/frame_menus.h"
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

TEST_F(FrameFormTest, ArgumentsJoinIntoOneFileName) {
  const QString path = env_.WriteFile(QStringLiteral("My Files/a.txt"), "text");
  Start({env_.WorkFolder() + QStringLiteral("/My"), QStringLiteral("Files/a.txt")});
  EXPECT_EQ(Titles(), QStringList{QStringLiteral("a.txt")});
  EXPECT_EQ(frame_->ActiveEditor()->FileName(), path);
  EXPECT_EQ(QDir::currentPath(), QDir(env_.WorkFolder()).filePath(QStringLiteral("My Files")));
  EXPECT_EQ(frame_->AppSettings().lastOpen, path);
  EXPECT_EQ(frame_->AppSettings().lastFilter, 2);
  EXPECT_FALSE(frame_->CoverPanel()->isVisible());
}

TEST_F(FrameFormTest, RelativeWildcardOpensEveryMatchingFileOfTheCurrentFolder) {
  env_.WriteFile(QStringLiteral("x.htm"), "x");
  env_.WriteFile(QStringLiteral("y.htm"), "y");
  env_.WriteFile(QStringLiteral("z.txt"), "z");
  QDir(env_.WorkFolder()).mkdir(QStringLiteral("folder.htm"));
  QDir::setCurrent(env_.WorkFolder());
  Start({QStringLiteral("*.htm")});
  EXPECT_EQ(Titles(), (QStringList{QStringLiteral("x.htm"), QStringLiteral("y.htm")}));
  EXPECT_EQ(frame_->AppSettings().lastOpen, QDir(env_.WorkFolder()).filePath(QStringLiteral("y.htm")));
  EXPECT_FALSE(frame_->CoverPanel()->isVisible());
}

TEST_F(FrameFormTest, MissingCommandLineFileOpensNothingAndSaysNothing) {
  QDir::setCurrent(env_.WorkFolder());
  Start({QStringLiteral("nothing.txt")});
  EXPECT_TRUE(frame_->EditorWindows().empty());
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_EQ(frame_->AppSettings().lastOpen, QString());
}

TEST_F(FrameFormTest, ACommandLinePipeIsRefusedWithAMessage) {
  const QString fifo = QDir(env_.WorkFolder()).filePath(QStringLiteral("pipe.txt"));
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ui_.AnswerMessage(MsgResult::kOk);
  Start({fifo});
  EXPECT_TRUE(frame_->EditorWindows().empty());
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{QStringLiteral("Penwick|") + fifo + QStringLiteral(" is not a regular file")});
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
    s.left = c.left;
    s.top = c.top;
    s.width = c.width;
    s.height = c.height;
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
  Open(env_.WriteFile(QStringLiteral("one.txt"), "1"));
  TEditForm* modified = Open(env_.WriteFile(QStringLiteral("two.txt"), "2"));
  QTest::keyClicks(modified->Editor(), QStringLiteral("x"));

  // Cancel in "Saving settings": everything stays open.
  ui_.AnswerMessage(MsgResult::kNo);  // do not save two.txt
  ui_.AnswerMessage(MsgResult::kCancel);
  EXPECT_FALSE(frame_->close());
  Flush();
  EXPECT_EQ(frame_->EditorWindows().size(), 2u);
  EXPECT_EQ(ui_.MessageLog().first().section(QLatin1Char('|'), 0, 0),
            QStringLiteral("Closing with modified text"));
  EXPECT_EQ(ui_.MessageLog().last(), kSavingSettings);

  // A window that refuses stops the close before the settings question.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kCancel);
  EXPECT_FALSE(frame_->close());
  EXPECT_EQ(ui_.MessageLog().size(), 1);

  // No: closes without touching either settings file.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kNo);
  ui_.AnswerMessage(MsgResult::kNo);
  EXPECT_TRUE(frame_->close());
  EXPECT_EQ(TestEnv::ReadFile(IniPath(env_, "penwick.ini")), iniBefore);
  EXPECT_FALSE(QFile::exists(IniPath(env_, "superbp.ini")));
  EXPECT_FALSE(QFile::exists(IniPath(env_, "pw_ini.bak")));
}

TEST_F(FrameFormTest, YesWritesBothSettingsFilesWithBackups) {
  Start();
  const QByteArray iniBefore = TestEnv::ReadFile(IniPath(env_, "penwick.ini"));
  frame_->Switches().tabInterval = 4;
  frame_->AppSettings().superBPlates[0] = QStringList{QStringLiteral("line one")};
  ui_.AnswerMessage(MsgResult::kYes);
  EXPECT_TRUE(frame_->close());
  EXPECT_EQ(TestEnv::ReadFile(IniPath(env_, "pw_ini.bak")), iniBefore);
  EXPECT_TRUE(TestEnv::ReadFile(IniPath(env_, "penwick.ini")).contains("TabIntvl=4"));
  EXPECT_TRUE(TestEnv::ReadFile(IniPath(env_, "superbp.ini")).contains("Line0=line one"));
}

TEST_F(FrameFormTest, FailedSettingsWriteKeepsTheFrameOpen) {
  Start();
  Open(env_.WriteFile(QStringLiteral("doc.txt"), "doc"));
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
  EXPECT_EQ(Titles(), QStringList{QStringLiteral("doc.txt")});
  QFile::remove(env_.ProgramFolder());
  QDir().mkpath(env_.ProgramFolder());
}

TEST_F(FrameFormTest, UnsavedNewDocumentKeepsTheFrameOpenWhenSaveAsIsCancelled) {
  Start();
  TEditForm* editor = NewWindow();
  QTest::keyClicks(editor->Editor(), QStringLiteral("precious"));
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerSave(QString());
  EXPECT_FALSE(frame_->close());
  Flush();
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("precious"));
  // The settings question is not reached.
  EXPECT_EQ(ui_.MessageLog().size(), 1);
}

TEST_F(FrameFormTest, QuickFlipAlternatesBetweenTheTwoTopWindows) {
  Start();
  TEditForm* only = Open(env_.WriteFile(QStringLiteral("a.txt"), "a"));
  QApplication::setActiveWindow(frame_.get());
  QTest::keyClick(only->Editor(), Qt::Key_F6, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(ui_.Beeps(), 1);

  Open(env_.WriteFile(QStringLiteral("b.txt"), "b"));
  TEditForm* c = Open(env_.WriteFile(QStringLiteral("c.txt"), "c"));
  EXPECT_EQ(frame_->ActiveEditor(), c);
  QTest::keyClick(c->Editor(), Qt::Key_F6, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor()->windowTitle(), QStringLiteral("b.txt"));
  EXPECT_TRUE(frame_->ActiveEditor()->isMaximized());
  EXPECT_EQ(frame_->FlipFirst(), QStringLiteral("c.txt"));
  EXPECT_EQ(frame_->FlipSecond(), QStringLiteral("b.txt"));
  QTest::keyClick(frame_->ActiveEditor()->Editor(), Qt::Key_F6, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor(), c);
  EXPECT_EQ(ui_.Beeps(), 1);
}

TEST_F(FrameFormTest, RestoreFlipBeforeAnyFlipExplainsAndChangesNothing) {
  Start();
  Open(env_.WriteFile(QStringLiteral("a.txt"), "a"));
  TEditForm* b = Open(env_.WriteFile(QStringLiteral("b.txt"), "b"));
  QApplication::setActiveWindow(frame_.get());
  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(b->Editor(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
  Flush();
  ASSERT_EQ(ui_.Shown().size(), 1u);
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("USING and Restoring Quick Flip"));
  EXPECT_EQ(ui_.Last().type, MsgType::kInformation);
  EXPECT_EQ(frame_->ActiveEditor(), b);
}

TEST_F(FrameFormTest, StatusBarClicksCycleThroughTheWindows) {
  Start();
  for (const char* name : {"1.txt", "2.txt", "3.txt"}) Open(env_.WriteFile(QString::fromLatin1(name), "x"));
  QStringList visited;
  for (int i = 0; i < 4; ++i) {
    QTest::mouseClick(frame_->ActiveEditor()->StatusBar(), Qt::LeftButton);
    Flush();
    visited << frame_->ActiveEditor()->windowTitle();
  }
  EXPECT_EQ(visited, (QStringList{QStringLiteral("1.txt"), QStringLiteral("2.txt"), QStringLiteral("3.txt"),
                                  QStringLiteral("1.txt")}));
}

TEST_F(FrameFormTest, CtrlTabInTheTextArrivesAsATabWithTheInsertRequest) {
  Start();
  Open(env_.WriteFile(QStringLiteral("a.txt"), "a"));
  TEditForm* b = Open(env_.WriteFile(QStringLiteral("b.txt"), "b"));
  QApplication::setActiveWindow(frame_.get());
  b->Editor()->setFocus();
  b->Text().SetSelStart(1);
  QTest::keyClick(b->Editor(), Qt::Key_Tab, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(frame_->ActiveEditor(), b);  // no window switch
  // The Tab inserted blanks up to the next tab stop (interval 8) and used up the request.
  EXPECT_EQ(b->Text().Text(), QStringLiteral("b      "));
  EXPECT_FALSE(frame_->Run().tabInsertRequest);
}

TEST_F(FrameFormTest, MenuBarShowsTheEditorMenusOnlyWhileAnEditorWindowIsOpen) {
  Start();
  auto menuTitles = [this] {
    QStringList titles;
    for (QAction* action : frame_->menuBar()->actions()) titles << action->text();
    return titles;
  };
  const QStringList bar = {QStringLiteral("&File"), QStringLiteral("&Window"), QStringLiteral("Too&ls"),
                           QStringLiteral("&Help")};
  EXPECT_EQ(menuTitles(), bar);
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), frame_->Menus().Menu(MenuId::kFrameFile));
  EXPECT_FALSE(frame_->Menus().Find(QStringLiteral("Save1"))->isEnabled());

  TEditForm* editor = NewWindow();
  // The editor's own menus (those that have items) stand between its File menu and Window, Tools, Help.
  const QStringList editorBar = menuTitles();
  EXPECT_EQ(editorBar.first(), QStringLiteral("&File"));
  EXPECT_EQ(editorBar.mid(editorBar.size() - 3), bar.mid(1));
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), frame_->Menus().Menu(MenuId::kEditorFile));
  // An empty document has nothing to save yet.
  EXPECT_FALSE(frame_->Menus().Find(QStringLiteral("Save1"))->isEnabled());
  QTest::keyClicks(editor->Editor(), QStringLiteral("x"));
  Flush();
  EXPECT_TRUE(frame_->Menus().Find(QStringLiteral("Save1"))->isEnabled());
  EXPECT_EQ(frame_->Menus().Find(QStringLiteral("Save1"))->shortcut(), QKeySequence(Qt::Key_F2));

  ui_.AnswerMessage(MsgResult::kNo);  // closes without saving
  editor->Close1Click();
  Flush();
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), frame_->Menus().Menu(MenuId::kFrameFile));
  EXPECT_FALSE(frame_->Menus().Find(QStringLiteral("Save1"))->isEnabled());
}

TEST_F(FrameFormTest, AboutBoxNamesTheVersionAndTheHomePage) {
  Start();
  ui_.AnswerMessage(MsgResult::kOk);
  frame_->Menus().Find(QStringLiteral("AboutPenwick1"))->trigger();
  ASSERT_EQ(ui_.Shown().size(), 1u);
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("About Penwick"));
  EXPECT_EQ(ui_.Last().type, MsgType::kInformation);
  EXPECT_TRUE(ui_.Last().text.startsWith(QStringLiteral("Penwick\nv 0.9z\n")));
  EXPECT_TRUE(ui_.Last().text.contains(QString::fromLatin1(kHomePage)));
}

TEST_F(FrameFormTest, LogOffOffersToOpenTheCurrentFileAtTheNextLogOn) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("report.htm"), "r");
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
  EXPECT_TRUE(ui_.MessageLog().last().contains(QStringLiteral("with no file loaded?")));
}

}  // namespace
}  // namespace penwick::test
