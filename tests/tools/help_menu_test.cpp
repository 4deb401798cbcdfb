// The Help menu on a real frame: Penwick's help pages, the e-manual in a browser, the reference lists and
// the getting-started essays. Launches are seen through stand-in programs.

#include <QDir>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "app/frame_menus.h"
#include "collections/bookmark_notes.h"
#include "tests/support/frame_fixture.h"
#include "tests/support/recording_programs.h"
#include "tests/support/scoped_env.h"
#include "tools/getting_started.h"
#include "tools/help_commands.h"
#include "ui/help_viewer.h"

namespace penwick::test {
namespace {

const QString kShipped = QStringLiteral(PENWICK_HELP_SOURCE);

TEST(HelpPagesTest, EveryPageTheProgramOpensShipsAndEveryLinkInThemLeadsToAPage) {
  QStringList needed = {kEManualPage, kReferenceShelfPage, kKnownProblemsPage, kSpecialOpsPage};
  for (int context : {kHelpContents, kEditorHelpContext, kSpecialHelpContext, kBoilerplateHelpContext,
                      kTagsetSetsHelpContext, kBookmarkHelpContext})
    needed << HelpContextPage(context);
  for (const QString& page : needed)
    EXPECT_FALSE(FindShippedFile(page, {kShipped}).isEmpty()) << page.toStdString();

  static const QRegularExpression kLocalLink(R"((?:href|src)="([^":#]+)(?:#[^"]*)?")");
  for (const QFileInfo& page : QDir(kShipped).entryInfoList({"*.htm"}, QDir::Files)) {
    for (const auto& link : kLocalLink.globalMatch(QString::fromUtf8(TestEnv::ReadFile(page.filePath()))))
      EXPECT_TRUE(QFile::exists(kShipped + '/' + link.captured(1)))
          << page.fileName().toStdString() << " -> " << link.captured(1).toStdString();
  }
  // The first folder that holds a page wins; a folder of that name is no page.
  EXPECT_EQ(FindShippedFile("kprobs.htm", {"/no/such", kShipped}), kShipped + "/kprobs.htm");
  EXPECT_EQ(FindShippedFile("help", {QFileInfo(kShipped).path()}), QString());
}

// The program folder's path holds blanks, quotes and an ampersand: pages are still passed as one argument.
class HelpMenuTest : public FrameTest {
 protected:
  void SetUp() override {
    QDir().mkpath(folder_);
    for (const QFileInfo& page : QDir(kShipped).entryInfoList({"*.htm"}, QDir::Files))
      QFile::copy(page.filePath(), QDir(folder_).filePath(page.fileName()));
    Start();
  }
  static QString PageShown(QWidget* owner) {
    auto* viewer = owner->findChild<HelpViewer*>();
    if (!viewer || !viewer->isVisible()) return QString();
    return QFileInfo(viewer->Browser()->source().toLocalFile()).fileName();
  }

  const QString folder_ = env_.WorkFolder() + "/my pen & \"notes\"";
  ScopedEnv home_{"PENWICK_HOME", QFile::encodeName(folder_)};
  RecordingPrograms programs_{{"browser", "winhelp", "xdg-open"}};
};

TEST_F(HelpMenuTest, F1ShowsTheContentsWithoutAWindowAndTheEditorsHelpWithOne) {
  QTest::keyClick(frame_.get(), Qt::Key_F1);
  Flush();
  EXPECT_EQ(PageShown(frame_.get()), HelpContextPage(kHelpContents));

  TEditForm* editor = NewWindow();
  Trigger("OnLineHelp1");
  EXPECT_EQ(PageShown(frame_.get()), HelpContextPage(kEditorHelpContext));
  editor->SetNumber(kSpecialWindowNumber);
  Trigger("OnLineHelp1");
  EXPECT_EQ(PageShown(frame_.get()), HelpContextPage(kSpecialHelpContext));
  EXPECT_EQ(frame_->findChildren<HelpViewer*>().size(), 1);  // one help window, reused
  EXPECT_TRUE(ui_.Shown().empty());

  // A page that is gone says which one and where it was looked for.
  QFile::remove(folder_ + "/pwhelp2.htm");
  editor->SetNumber(1);
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("OnLineHelp1");
  EXPECT_EQ(ui_.Last().caption, "Help page missing");
  EXPECT_TRUE(ui_.Last().text.startsWith("The help page pwhelp2.htm was not found in:\n" + folder_));
}

TEST_F(HelpMenuTest, EManualPagesOpenInTheChosenBrowserAsOneArgument) {
  // Each item opens its own page; the e-manual and the shelf say what they are first.
  const struct {
    const char* item;
    const char* page;
    const char* notice;
  } kItems[] = {
      {"eManual1", kEManualPage, "Penwick's \"on line\" (locally) eManual"},
      {"SpecialOps1", kSpecialOpsPage, nullptr},
      {"KnownProblems1", kKnownProblemsPage, nullptr},
      {"eReferenceShelf1", kReferenceShelfPage, "An penwick's \"personal\" reference shelf"},
  };
  for (const auto& item : kItems) {
    ui_.Clear();
    if (item.notice) ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerInput(programs_.PathOf("browser"));
    const QString current = frame_->AppSettings().browser;
    Trigger(item.item);
    if (item.notice) {
      EXPECT_EQ(ui_.Shown().front().caption, item.notice);
    }
    EXPECT_EQ(ui_.Last().Summary(), "Available Web Browsers|Path\\name:|" + current);
    const auto launch = programs_.WaitFor("browser");
    ASSERT_TRUE(launch) << item.item;
    EXPECT_EQ(launch->arguments, QStringList{folder_ + '/' + item.page});
    EXPECT_EQ(QDir(launch->directory).canonicalPath(), QDir(programs_.Folder()).canonicalPath());
  }
}

TEST_F(HelpMenuTest, TheFirstBrowserBecomesCurrentALaterPickServesOnce) {
  Settings& settings = frame_->AppSettings();
  ui_.AnswerInput(QString("browser"));
  Trigger("KnownProblems1");
  EXPECT_EQ(settings.browser, "browser");
  ASSERT_TRUE(programs_.WaitFor("browser"));
  ui_.AnswerInput(QString("xdg-open"));
  Trigger("SpecialOps1");
  EXPECT_EQ(settings.browser, "browser");
  EXPECT_EQ(settings.browsers.value(0), "xdg-open");
  ASSERT_TRUE(programs_.WaitFor("xdg-open"));

  // An empty answer or Cancel opens nothing; a browser that cannot run says so.
  for (auto answer : {std::optional<QString>("  "), std::optional<QString>()}) {
    ui_.AnswerInput(answer);
    Trigger("SpecialOps1");
  }
  EXPECT_TRUE(programs_.NeverRan("browser"));
  EXPECT_EQ(settings.browser, "browser");
  ui_.AnswerInput(QString("/no/such/browser"));
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("SpecialOps1");
  ExpectBox(ui_, "Unable to access eManual", "Can't run the browser", MsgType::kError);
}

TEST_F(HelpMenuTest, HelpfulWebsitesOpensTheAddressInTheBrowserOrNothingOnCancel) {
  const QString url = "https://a.example/find?q=pen wick&lang=en";
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(url);
  ui_.AnswerInput(QString("browser"));
  Trigger("HelpfulWebsites1");
  EXPECT_EQ(ui_.Shown()[1].Summary(), QString("Select or Type URL|Path\\name:|") + kHomePage);
  EXPECT_EQ(ui_.Shown()[2].caption, "Available Web Browser");
  const auto launch = programs_.WaitFor("browser");
  ASSERT_TRUE(launch);
  EXPECT_EQ(launch->arguments, QStringList{url});
  EXPECT_EQ(frame_->AppSettings().helpUrl, url);

  for (bool cancelFirst : {true, false}) {
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerInput(cancelFirst ? std::nullopt : std::optional(url));
    if (!cancelFirst) ui_.AnswerInput(std::nullopt);
    Trigger("HelpfulWebsites1");
  }
  EXPECT_TRUE(programs_.NeverRan("browser"));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(HelpMenuTest, HelpFilesOpenInAViewerOrTheDesktopOpenerAndAreNeverRun) {
  const QString hlp = env_.WriteFile("ref books/style.hlp", "?_");
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(hlp);
  Trigger("UsefulWinHelpFiles1");
  auto launch = programs_.WaitFor("winhelp");
  ASSERT_TRUE(launch);
  EXPECT_EQ(launch->arguments, QStringList{hlp});
  EXPECT_EQ(frame_->AppSettings().helpFile, hlp);

  // A .chm on a disk that marks every file executable is opened, not run.
  const QString marker = env_.WorkFolder() + "/ran";
  const QString chm = env_.WriteFile("guide.chm", "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
  QFile(chm).setPermissions(QFile(chm).permissions() | QFileDevice::ExeOwner);
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(chm);
  Trigger("UsefulHTMLHelpFiles1");
  launch = programs_.WaitFor("xdg-open");
  ASSERT_TRUE(launch);
  EXPECT_EQ(launch->arguments, QStringList{chm});
  EXPECT_FALSE(QFile::exists(marker));

  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(QString("/no/such/guide.chm"));
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("UsefulHTMLHelpFiles1");
  ExpectBox(ui_, "Unable to access HTMLHelp", "/no/such/guide.chm was not found.", MsgType::kError);
}

TEST_F(HelpMenuTest, EachGettingStartedItemShowsItsOwnEssay) {
  QMenu* submenu = frame_->Menus().Menu(MenuId::kHelp)->findChild<QMenu*>();
  ASSERT_NE(submenu, nullptr);
  const QList<QAction*> items = submenu->actions();
  ASSERT_EQ(items.size(), kEssayCount);
  for (int i = 0; i < kEssayCount; ++i) {
    ui_.AnswerMessage(MsgResult::kOk);
    items[i]->trigger();
    EXPECT_EQ(ui_.Last().caption, GettingStartedEssays()[i].boxCaption);
    EXPECT_EQ(ui_.Last().type, MsgType::kInformation);
  }
}

TEST_F(HelpMenuTest, BookmarkPadHelpShowsItsPageAndKeepsTheNotesFocused) {
  frame_->Bookmarks1Click();
  Flush();
  TBMForm* pad = frame_->BookmarkPad();
  ASSERT_TRUE(pad);
  QTest::mouseClick(pad->Button2(), Qt::LeftButton);
  Flush();
  EXPECT_EQ(PageShown(pad), HelpContextPage(kBookmarkHelpContext));
  EXPECT_EQ(pad->focusWidget(), pad->Memo1());
}

}  // namespace
}  // namespace penwick::test
