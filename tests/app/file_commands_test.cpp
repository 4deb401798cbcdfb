// The File menu's commands on real windows: Open, Open Template, the recent files, the direct-open files,
// the already-open test and bringing a file's window to the front.

#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <functional>

#include "app/frame_menus.h"
#include "platform/file_io.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class FileCommandsTest : public StartedFrameTest {
 protected:
  // Chooses the files in the open dialog of File/Open.
  void OpenChosen(const QStringList& names) {
    ui_.AnswerOpen(names);
    Trigger("Open1");
  }
  void CloseAll() {
    for (TEditForm* editor : frame_->EditorWindows()) editor->Close1Click();
    Flush();
  }
  // The captions of a menu's visible items, separators as "-".
  static QStringList VisibleItems(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
      if (action->isVisible()) items << (action->isSeparator() ? "-" : action->text());
    }
    return items;
  }
  QString File(const QString& name) { return env_.WriteFile(name, name.toUtf8()); }
};

TEST_F(FileCommandsTest, RecentFilesKeepTheFiveLatestWithoutDuplicates) {
  const QString a = File("a.txt");
  const QString b = File("b.txt");
  for (const QString& name : {a, b, a}) {
    OpenChosen({name});
    CloseAll();
  }
  EXPECT_EQ(frame_->AppSettings().reopens, (QStringList{a, b}));

  // The File menu offers exactly the recent files, newest first, Reopen 1 on Shift+F4.
  File1Click(*frame_);
  EXPECT_EQ(VisibleItems(frame_->Menus().Menu(MenuId::kFrameFile)),
            (QStringList{"&New", "&Open ...", "Open &Template...", "&Add Direct Open File (5)",
                         "&Remove Direct Open File", "-", "E&xit", "-", a, b}));

  // A list shortened elsewhere (the lists editor) leaves no stale Reopen item behind.
  frame_->AppSettings().reopens = QStringList{b};
  File1Click(*frame_);
  EXPECT_EQ(Action("Reopen1")->text(), b);
  EXPECT_FALSE(Action("Reopen2")->isVisible());

  // An editor window's File menu carries them after its own items; an ampersand in a name is shown, not
  // taken for an access key.
  frame_->AppSettings().reopens = QStringList{"/recent/R&D notes.txt"};
  NewWindow();
  File1Click(*frame_);
  const QStringList items = VisibleItems(frame_->Menus().Menu(MenuId::kEditorFile));
  EXPECT_LT(items.indexOf("&Close"), items.indexOf("&Add Direct Open File (5)"));
  EXPECT_EQ(items.last(), "/recent/R&&D notes.txt");
}

TEST_F(FileCommandsTest, ChoosingSeveralFilesSkipsTheOneAlreadyOpen) {
  const QString a = File("a.txt");
  const QString b = File("b.htm");
  const QString c = File("c.xml");
  OpenChosen({b});
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  OpenChosen({a, b, c});
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{QStringLiteral("File already in Penwick|%1 is already open!").arg(b)});
  EXPECT_EQ(Titles(), (QStringList{"b.htm", "a.txt", "c.xml"}));
  EXPECT_EQ(frame_->AppSettings().lastOpen, c);
  EXPECT_EQ(frame_->AppSettings().lastFilter, 4);
  EXPECT_EQ(frame_->Run().openFiles, (QStringList{b, a, c}));

  // The dialog starts from the last file and its filter, with the six filters.
  ui_.AnswerOpen({});
  Open1Click(*frame_);
  const ShownBox& dialog = ui_.Last();
  EXPECT_EQ(dialog.kind, ShownBox::Kind::kOpenFiles);
  EXPECT_EQ(dialog.caption, "Open");
  EXPECT_EQ(dialog.value, c);
  EXPECT_EQ(dialog.filterIndex, 4);
}

TEST_F(FileCommandsTest, ProgramFilesOpenAnEmptyWindowAndNameTheExtensionAsTyped) {
  const QString before = frame_->AppSettings().lastOpen;
  for (const char* name : {"setup.EXE", "lib.dll", "pack.Zip"}) {
    SCOPED_TRACE(name);
    const QString path = File(QString::fromLatin1(name));
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kOk);
    OpenChosen({path});
    EXPECT_EQ(ui_.MessageLog(),
              QStringList{
                  QStringLiteral("Invalid file type|Can't load a .%1 file!").arg(QFileInfo(path).suffix())});
    TEditForm* editor = frame_->ActiveEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), "New File");
    EXPECT_TRUE(editor->IsUnnamed());
    EXPECT_EQ(editor->Text().TextLength(), 0);
    EXPECT_FALSE(frame_->CoverPanel()->isVisible());
  }
  EXPECT_EQ(frame_->EditorWindows().size(), 3u);
  EXPECT_TRUE(frame_->AppSettings().reopens.isEmpty());
  EXPECT_TRUE(frame_->Run().openFiles.isEmpty());
  EXPECT_EQ(frame_->AppSettings().lastOpen, before);
}

TEST_F(FileCommandsTest, LastFileOnRemovableMediaIsQuestionedOnlyBeforeTheFirstWindow) {
  const struct {
    const char* lastOpen;
    bool asks;
  } cases[] = {
      {"/media/user/stick/a.txt", true}, {"/run/media/user/disk/b.htm", true}, {"/mnt/d/c.txt", true},
      {"/home/user/d.txt", false},       {"/mediafiles/e.txt", false},         {"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lastOpen);
    const QString lastOpen = QString::fromLatin1(c.lastOpen);
    frame_->AppSettings().lastOpen = lastOpen;
    ui_.Clear();
    if (c.asks) ui_.AnswerMessage(MsgResult::kCancel);
    ui_.AnswerOpen({});
    Open1Click(*frame_);
    if (c.asks) {
      ASSERT_EQ(ui_.MessageLog().size(), 1);
      EXPECT_EQ(ui_.MessageLog().first(),
                QStringLiteral("Information|%1\n\nIn your last session, the last file loaded was on a drive "
                               "that may have removable disks. If you don't want Penwick trying to access "
                               "this drive, press Cancel.")
                    .arg(lastOpen));
      EXPECT_EQ(ui_.Shown().front().buttons, MsgButtons::kOkCancel);
      // Cancel keeps the dialog away from the drive.
      EXPECT_EQ(ui_.Last().value, QString());
      EXPECT_EQ(frame_->AppSettings().lastOpen, QString());
    } else {
      EXPECT_TRUE(ui_.MessageLog().isEmpty());
      EXPECT_EQ(ui_.Last().value, lastOpen);
    }
  }
  // Once a window has been created in this run the question is not asked again.
  NewWindow();
  frame_->AppSettings().lastOpen = "/media/user/stick/a.txt";
  ui_.Clear();
  ui_.AnswerOpen({});
  Open1Click(*frame_);
  EXPECT_TRUE(ui_.MessageLog().isEmpty());
  EXPECT_EQ(ui_.Last().value, "/media/user/stick/a.txt");
}

TEST_F(FileCommandsTest, TemplateOpensAsAnUnnamedDocumentAndTouchesNoList) {
  const QString recent = File("recent.txt");
  OpenChosen({recent});
  const QString templ = QDir(env_.ProgramFolder()).filePath("letter.tpt");
  {
    QFile file(templ);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html>\r\n</html>\r\n");
  }
  const Settings before = frame_->AppSettings();
  const QStringList openBefore = frame_->Run().openFiles;
  ui_.Clear();
  ui_.AnswerOpen({templ}, 6);
  QTest::keyClick(frame_->ActiveEditor()->Editor(), Qt::Key_F5, Qt::ShiftModifier);
  Flush();
  const ShownBox& dialog = ui_.Shown().front();
  EXPECT_EQ(dialog.caption, "Open a template as New File");
  EXPECT_EQ(dialog.value, env_.ProgramFolder() + QStringLiteral("/*.tpt"));
  EXPECT_EQ(dialog.filterIndex, 6);

  TEditForm* editor = frame_->ActiveEditor();
  EXPECT_EQ(editor->windowTitle(), "New File");
  EXPECT_TRUE(editor->IsUnnamed());
  EXPECT_EQ(editor->Text().Text(), "<html>\r\n</html>\r\n");
  EXPECT_EQ(Panel(editor, 6), "Window: 2");
  EXPECT_EQ(frame_->AppSettings().reopens, before.reopens);
  EXPECT_EQ(frame_->AppSettings().lastOpen, before.lastOpen);
  EXPECT_EQ(frame_->AppSettings().lastFilter, before.lastFilter);
  EXPECT_EQ(frame_->Run().openFiles, openBefore);

  // Saving never writes over the template: the document asks for a name.
  ui_.AnswerSave(QString());
  EXPECT_FALSE(editor->Save1Click());
  EXPECT_EQ(ui_.Last().kind, ShownBox::Kind::kSaveFile);
}

TEST_F(FileCommandsTest, ReopenItemsOpenByNameAndNeverTwice) {
  const QString sub = File("deep/folder/page.html");
  const QString other = File("other.txt");
  const QString gone = QDir(env_.WorkFolder()).filePath("gone.txt");
  frame_->AppSettings().reopens = QStringList{gone, sub, other};
  File1Click(*frame_);

  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(frame_.get(), Qt::Key_F4, Qt::ShiftModifier);  // Reopen 1
  Flush();
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Load Failure|File Doesn't exist!"});
  EXPECT_TRUE(frame_->EditorWindows().empty());

  Action("Reopen2")->trigger();
  Flush();
  ASSERT_EQ(Titles(), QStringList{"page.html"});
  EXPECT_EQ(QDir::currentPath(), QFileInfo(sub).absolutePath());
  EXPECT_EQ(frame_->AppSettings().reopens, (QStringList{sub, gone, other}));
  EXPECT_EQ(frame_->AppSettings().lastOpen, sub);
  EXPECT_EQ(frame_->AppSettings().lastFilter, 3);

  // From an editor window, a recent file that is open already is only brought to the front.
  Action("Reopen3")->trigger();
  Flush();
  EXPECT_EQ(frame_->ActiveEditor()->FileName(), other);
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  File1Click(*frame_);
  ASSERT_EQ(Action("Reopen2")->text(), sub);
  Action("Reopen2")->trigger();
  Flush();
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{QStringLiteral("File already in Penwick|%1 is already open!").arg(sub)});
  EXPECT_EQ(frame_->EditorWindows().size(), 2u);
  EXPECT_EQ(frame_->ActiveEditor()->FileName(), sub);
}

TEST_F(FileCommandsTest, DirectOpenSlotsFillInOrderAndCloseUpWhenOneIsRemoved) {
  const QString a = File("a.txt");
  const QString b = File("b.txt");
  const QString c = File("c.txt");
  for (const QString& name : {a, b, c}) {
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerInput(name);
    Action("AddDirectOpen1")->trigger();
  }
  EXPECT_EQ(ui_.Last().Summary(), "Add Direct open file|path/name:|");
  EXPECT_TRUE(ui_.MessageLog().first().startsWith("Add \"direct open\" File|"));
  EXPECT_EQ(frame_->AppSettings().directOpen, (std::array<QString, 5>{a, b, c, QString(), QString()}));

  // Removing b: the history box offers the used slots, and the rest close up.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(b);
  Action("RemoveDirectOpen1")->trigger();
  const ShownBox& pick = ui_.Last();
  EXPECT_EQ(pick.kind, ShownBox::Kind::kHistoryInput);
  EXPECT_EQ(pick.Summary(), "Delete \"Direct Open\" List item|Select the item to Delete|" + a);
  EXPECT_EQ(pick.items, (QStringList{a, b, c}));
  EXPECT_EQ(frame_->AppSettings().directOpen,
            (std::array<QString, 5>{a, c, QString(), QString(), QString()}));

  // The File menu shows the two slots in use; Alt+F5 and Ctrl+F5 open them without touching the recent
  // files or the last opened file.
  File1Click(*frame_);
  EXPECT_TRUE(Action("FirstDirectFile")->isVisible());
  EXPECT_EQ(Action("SecondDirectFile")->text(), c);
  EXPECT_FALSE(Action("ThirdDirectFile")->isVisible());
  QTest::keyClick(frame_.get(), Qt::Key_F5, Qt::ControlModifier);
  Flush();
  EXPECT_EQ(Titles(), QStringList{"c.txt"});
  EXPECT_TRUE(frame_->AppSettings().reopens.isEmpty());
  EXPECT_EQ(frame_->AppSettings().lastOpen, QString());
  EXPECT_EQ(frame_->Run().openFiles, QStringList{c});

  // All five in use: the sixth is refused. Cancel in the removal box changes nothing.
  for (const char* name : {"x", "y", "z"}) {
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerInput(env_.WorkFolder() + QLatin1Char('/') + QLatin1String(name));
    AddDirectOpen1Click(*frame_);
  }
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput("/one/too/many.txt");
  ui_.AnswerMessage(MsgResult::kOk);
  AddDirectOpen1Click(*frame_);
  EXPECT_EQ(ui_.MessageLog().last(), "Can't add file|All 5 DOFile positions in use!");
  const auto full = frame_->AppSettings().directOpen;
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(std::nullopt);
  RemoveDirectOpen1Click(*frame_);
  EXPECT_EQ(frame_->AppSettings().directOpen, full);

  // A slot naming a missing file says so and opens nothing.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  DirectFileClick(*frame_, 2);
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Load Failure|File Doesn't exist!"});
  EXPECT_EQ(frame_->EditorWindows().size(), 1u);
}

TEST_F(FileCommandsTest, FilesOfOneNameInTwoFoldersEachComeToTheFront) {
  const QString first = File("one/index.html");
  const QString second = File("two/index.html");
  const QString lower = File("a.txt");
  const QString upper = File("A.TXT");
  // a.txt and A.TXT are two files here: both open, no "already open" message.
  OpenChosen({first, second, lower, upper});
  EXPECT_TRUE(ui_.MessageLog().isEmpty());
  ASSERT_EQ(frame_->EditorWindows().size(), 4u);

  for (const QString& name : {second, second, first, first, upper, lower, lower}) {
    SCOPED_TRACE(name.toStdString());
    ui_.AnswerMessage(MsgResult::kOk);
    OpenChosen({name});
    EXPECT_EQ(frame_->ActiveEditor()->FileName(), name);
    EXPECT_EQ(ui_.MessageLog().last(),
              QStringLiteral("File already in Penwick|%1 is already open!").arg(name));
  }
  EXPECT_FALSE(frame_->CoverPanel()->isVisible());
  // The same file named another way is still the same file.
  const QString roundabout = env_.WorkFolder() + QStringLiteral("/one/../two/./index.html");
  EXPECT_TRUE(IsAlreadyOpen(*frame_, roundabout, /*quiet=*/true));
  EXPECT_TRUE(BringFileToFront(*frame_, roundabout));
  EXPECT_EQ(frame_->ActiveEditor()->FileName(), second);
  EXPECT_FALSE(IsAlreadyOpen(*frame_, env_.WorkFolder() + QStringLiteral("/three/index.html"), true));
  EXPECT_EQ(frame_->EditorWindows().size(), 4u);
}

// A pipe would block the open and /dev/zero would never end; a file too big for the editor would exhaust it.
// Every way of opening a document refuses them with one message and makes no window.
TEST_F(FileCommandsTest, EveryWayOfOpeningRefusesWhatIsNotARegularFileOrTooBig) {
  const QString fifo = QDir(env_.WorkFolder()).filePath("pipe.html");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString huge = QDir(env_.WorkFolder()).filePath("huge.html");
  {
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxDocumentBytes + 1));
  }
  const QString desktop = QDir(env_.ProgramFolder()).filePath("bad.dsk");
  const struct {
    QString path;
    QString message;
  } files[] = {
      {fifo, fifo + QStringLiteral(" is not a regular file")},
      {"/dev/zero", "/dev/zero is not a regular file"},
      {huge, huge + QStringLiteral(" is 536870913 bytes long. Penwick opens files of at most 536870912 bytes "
                                   "(512 MiB).")},
  };
  const struct {
    const char* way;
    std::function<void(const QString&)> open;
  } ways[] = {
      {"Open", [&](const QString& path) { OpenChosen({path}); }},
      {"Open Template",
       [&](const QString& path) {
         ui_.AnswerOpen({path}, 6);
         Template1Click(*frame_);
       }},
      {"Reopen",
       [&](const QString& path) {
         frame_->AppSettings().reopens = QStringList{path};
         ReopenClick(*frame_, 0);
       }},
      {"direct open",
       [&](const QString& path) {
         frame_->AppSettings().directOpen[0] = path;
         DirectFileClick(*frame_, 0);
       }},
      {"desktop",
       [&](const QString& path) {
         QFile file(desktop);
         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         file.write(path.toUtf8() + "\r\n");
         file.close();
         ui_.AnswerMessage(MsgResult::kOk);
         ui_.AnswerOpen({desktop});
         ui_.AnswerMessage(MsgResult::kOk);  // "Restoring ..."
         RestoreDesktop1Click(*frame_);
       }},
  };
  for (const auto& way : ways) {
    for (const auto& file : files) {
      SCOPED_TRACE(std::string(way.way) + " " + file.path.toStdString());
      ui_.Clear();
      ui_.AnswerMessage(MsgResult::kOk);
      way.open(file.path);
      Flush();
      EXPECT_EQ(ui_.MessageLog().last(), QStringLiteral("Penwick|") + file.message);
      EXPECT_TRUE(ui_.AllAnswered());
      EXPECT_TRUE(frame_->EditorWindows().empty());
    }
  }

  // Reload of a file that became a pipe keeps the text.
  const QString page = File("page.html");
  OpenChosen({page});
  TEditForm* editor = frame_->ActiveEditor();
  editor->Text().SetSelText("unsaved ");
  ASSERT_TRUE(QFile::remove(page));
  ASSERT_EQ(mkfifo(QFile::encodeName(page).constData(), 0600), 0);
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);  // the reload question
  ui_.AnswerMessage(MsgResult::kOk);
  editor->Reload1Click();
  EXPECT_EQ(ui_.MessageLog().last(),
            QStringLiteral("Penwick|") + page + QStringLiteral(" is not a regular file"));
  EXPECT_EQ(editor->Text().Text(), "unsaved page.html");
  EXPECT_TRUE(editor->Text().Modified());
}

}  // namespace
}  // namespace penwick::test
