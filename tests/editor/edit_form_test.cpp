#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include "editor/frame_link.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using EditFormTest = FrameTest;

QByteArray ReadAll(const QString& path) { return TestEnv::ReadFile(path); }

TEST_F(EditFormTest, DocumentsOfEveryKindSaveBackByteForByte) {
  Start();
  QByteArray allHigh;
  for (int b = 0x80; b <= 0xFF; ++b) allHigh += static_cast<char>(b);
  struct Case {
    const char* name;
    QByteArray bytes;
    QByteArray typed;     // typed at the end of the document
    QByteArray expected;  // the file afterwards
  } cases[] = {
      {"cp1252.txt", "caf\xE9\r\n" + allHigh, "x", "caf\xE9\r\n" + allHigh + "x"},
      {"utf8.txt", "caf\xC3\xA9\r\nna\xC3\xAFve", "\xC3\xA9", "caf\xC3\xA9\r\nna\xC3\xAFve\xC3\xA9"},
      {"bom.txt", "\xEF\xBB\xBFplain", "!", "\xEF\xBB\xBFplain!"},
      {"lf.txt", "a\nb\n", "c", "a\nb\nc"},
      {"crlf.htm", "<p>\r\n</p>\r\n", "", "<p>\r\n</p>\r\n"},
      {"nul.bin", QByteArray("a\0b\0\r\n", 6), "z", QByteArray("a\0b\0\r\nz", 7)},
      // breaks of several kinds, and lone CRs inside lines, are kept as they are
      {"mixed.txt", "a\r\nb\nc\rd\r\n", "x", "a\r\nb\nc\rd\r\nx"},
      {"program.bin",
       QByteArray("\x7F"
                  "ELF\r\0\x01\r\n\n\xFF\r",
                  12),
       "",
       QByteArray("\x7F"
                  "ELF\r\0\x01\r\n\n\xFF\r",
                  12)},
      {"empty.txt", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = env_.WriteFile(QString::fromLatin1(c.name), c.bytes);
    TEditForm* editor = Open(path);
    editor->Text().SetSelStart(editor->Text().TextLength());
    if (!c.typed.isEmpty()) Type(editor->Editor(), QString::fromUtf8(c.typed));
    Flush();
    EXPECT_EQ(Panel(editor, 1), c.typed.isEmpty() ? QString() : QStringLiteral("Modified"));
    ASSERT_TRUE(editor->Save1Click());
    EXPECT_EQ(ReadAll(path), c.expected);
    EXPECT_FALSE(editor->Text().Modified());
    EXPECT_EQ(Panel(editor, 1), QString());
    editor->CloseApproved();
    Flush();
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(EditFormTest, LoadShowsTheNinePanelsAndTheFileName) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("page.html"), "<html>\r\n<b>x</b>\r\n</html>");
  TEditForm* editor = Open(path);
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("page.html"));
  EXPECT_EQ(editor->FileName(), path);
  const QStringList expected = {QStringLiteral("Line:   1   Col:   1"),
                                QString(),
                                QStringLiteral("Tab Intvl: 8"),
                                QStringLiteral("WrdWrp: Col 68"),
                                QStringLiteral(" INS"),
                                QStringLiteral("Dirty Sp: OFF"),
                                QStringLiteral("Window: 1"),
                                QStringLiteral("25B"),
                                QString()};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Panel(editor, i), expected[i]) << "panel " << i;
  EXPECT_EQ(frame_->Run().openFiles, QStringList{path});
  EXPECT_EQ(frame_->AppSettings().reopens.value(0), path);
  EXPECT_EQ(frame_->Run().currentFile, path);
  EXPECT_EQ(frame_->Run().wordCountFile, path);
}

TEST_F(EditFormTest, CaretPanelShowsTheMovingEndOfASelection) {
  Start();
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("a.txt"), "abcdef\r\nghij"));
  ScintillaWidget* widget = editor->Editor();
  editor->Text().SetSelStart(2);
  Flush();
  QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);
  Flush();
  EXPECT_EQ(Panel(editor, 0), QStringLiteral("Line:   1   Col:   5"));
  editor->Text().SetSelStart(4);
  Flush();
  QTest::keyClick(widget, Qt::Key_Left, Qt::ShiftModifier);
  QTest::keyClick(widget, Qt::Key_Left, Qt::ShiftModifier);
  Flush();
  EXPECT_EQ(Panel(editor, 0), QStringLiteral("Line:   1   Col:   3"));
  QTest::keyClick(widget, Qt::Key_Down);
  Flush();
  EXPECT_EQ(Panel(editor, 0).left(9), QStringLiteral("Line:   2"));
}

TEST_F(EditFormTest, LoadingAMissingNameCreatesTheFileEmpty) {
  Start();
  const QString path = QDir(env_.WorkFolder()).filePath(QStringLiteral("fresh.htm"));
  TEditForm* editor = Open(path);
  EXPECT_TRUE(QFileInfo(path).isFile());
  EXPECT_EQ(QFileInfo(path).size(), 0);
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("fresh.htm"));
}

TEST_F(EditFormTest, AnUnreadableFileLeavesAnUnnamedWindowThatCannotOverwriteIt) {
  Start();
  const QString folder = QDir(env_.WorkFolder()).filePath(QStringLiteral("adir"));
  QDir().mkpath(folder);
  ui_.AnswerMessage(MsgResult::kOk);
  // The commands refuse a folder before making a window; a window asked to load one must still cope.
  TEditForm* editor = NewWindow();
  editor->Load(folder);
  ASSERT_FALSE(ui_.Shown().empty());
  ExpectBox(ui_, QStringLiteral("Penwick"), folder + QStringLiteral(" is not a regular file"),
            MsgType::kError);
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("New File"));
  EXPECT_TRUE(editor->IsUnnamed());
  EXPECT_TRUE(frame_->Run().openFiles.isEmpty());
}

TEST_F(EditFormTest, CharacterOutsideTheFileEncodingIsNeverDroppedSilently) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("ansi.txt"), "caf\xE9");
  TEditForm* editor = Open(path);
  editor->Text().SetSelStart(4);
  editor->Text().SetSelText(QStringLiteral("\r\n😀中"));
  ui_.AnswerMessage(MsgResult::kCancel);
  EXPECT_FALSE(editor->Save1Click());
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Saving a file"));
  // The character outside the basic plane is named whole, not by half of its surrogate pair.
  EXPECT_TRUE(ui_.Last().text.contains(QStringLiteral("the first \"😀\" (U+1F600) in line 2.")))
      << ui_.Last().text.toStdString();
  EXPECT_EQ(ReadAll(path), QByteArray("caf\xE9"));
  EXPECT_TRUE(editor->Text().Modified());
  ui_.AnswerMessage(MsgResult::kOk);
  EXPECT_TRUE(editor->Save1Click());
  EXPECT_EQ(ReadAll(path), QByteArray("caf\xC3\xA9\r\n\xF0\x9F\x98\x80\xE4\xB8\xAD"));
  EXPECT_EQ(editor->Format().encoding, TextEncoding::kUtf8);
}

TEST_F(EditFormTest, FailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("keep.txt"), "old");
  TEditForm* editor = Open(path);
  QTest::keyClicks(editor->Editor(), QStringLiteral("new "));
  // The folder disappears under the document: the write cannot happen.
  const QString moved = env_.WorkFolder() + QStringLiteral("-moved");
  ASSERT_TRUE(QDir().rename(env_.WorkFolder(), moved));
  ui_.AnswerMessage(MsgResult::kOk);
  EXPECT_FALSE(editor->Save1Click());
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Penwick"));
  EXPECT_TRUE(ui_.Last().text.startsWith(QStringLiteral("Unable to write to ") + path));
  EXPECT_TRUE(editor->Text().Modified());
  ASSERT_TRUE(QDir().rename(moved, env_.WorkFolder()));
  EXPECT_EQ(ReadAll(path), QByteArray("old"));
}

TEST_F(EditFormTest, AFullDiskNeverCostsTheFileOrTheText) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("small.html"), "old page");
  TEditForm* editor = Open(path);
  editor->Text().SetSelText(QString(2000, QLatin1Char('x')));
  ui_.AnswerMessage(MsgResult::kOk);
  {
    FileSizeLimit limit(1024);
    EXPECT_FALSE(editor->Save1Click());
  }
  EXPECT_TRUE(
      ui_.Last().text.startsWith(QStringLiteral("Unable to write to ") + path + QStringLiteral("\n")));
  EXPECT_EQ(ReadAll(path), QByteArray("old page"));
  EXPECT_TRUE(editor->Text().Modified());

  // Closing with Yes on the full disk keeps the window and its text.
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerMessage(MsgResult::kOk);
  QPointer<TEditForm> alive(editor);
  {
    FileSizeLimit limit(1024);
    editor->Close1Click();
    Flush();
  }
  ASSERT_FALSE(alive.isNull());
  EXPECT_EQ(editor->Text().TextLength(), 2008);
  EXPECT_EQ(ReadAll(path), QByteArray("old page"));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(EditFormTest, SaveAsksBeforeOverwritingWhatAnotherProgramWrote) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("shared.txt"), "line 1\r\n");
  TEditForm* editor = Open(path);
  editor->Text().SetSelText(QStringLiteral("mine "));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("their line 2\r\n");
  }
  const QString question = QStringLiteral(
                               "File changed on disk|%1 has been changed by another program since Penwick "
                               "opened or last saved it.\n\n"
                               "Do you want to overwrite it with the text of this window? The other "
                               "program's changes would be lost.")
                               .arg(path);
  ui_.AnswerMessage(MsgResult::kNo);
  EXPECT_FALSE(editor->Save1Click());
  EXPECT_EQ(ui_.MessageLog(), QStringList{question});
  EXPECT_EQ(ReadAll(path), QByteArray("line 1\r\ntheir line 2\r\n"));
  EXPECT_TRUE(editor->Text().Modified());

  ui_.AnswerMessage(MsgResult::kYes);
  EXPECT_TRUE(editor->Save1Click());
  EXPECT_EQ(ReadAll(path), QByteArray("mine line 1\r\n"));
  // Saved now: the next save has nothing to ask.
  editor->Text().SetSelText(QStringLiteral("again "));
  EXPECT_TRUE(editor->Save1Click());
  EXPECT_EQ(ui_.MessageLog().size(), 2);
}

TEST_F(EditFormTest, NewLineBreaksInAMixedFileTakeItsMostCommonStyle) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("mostly-lf.txt"), "a\nb\nc\r\nd");
  TEditForm* editor = Open(path);
  editor->Text().SetSelStart(editor->Text().TextLength());
  Key(editor, Qt::Key_Return);
  editor->Text().InsertLine(0, QStringLiteral("first"));
  ASSERT_TRUE(editor->Save1Click());
  EXPECT_EQ(ReadAll(path), QByteArray("first\na\nb\nc\r\nd\n"));
}

TEST_F(EditFormTest, ClosingAModifiedDocumentNeverLosesItsText) {
  Start();
  struct Case {
    const char* name;
    MsgResult answer;
    bool unnamed;
    bool closes;
    QByteArray file;  // the named file afterwards
  } cases[] = {
      {"cancel", MsgResult::kCancel, false, false, "v1"},
      {"no", MsgResult::kNo, false, true, "v1"},
      {"yes", MsgResult::kYes, false, true, "v1+"},
      {"yes, save as cancelled", MsgResult::kYes, true, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = env_.WriteFile(QStringLiteral("c.txt"), "v1");
    TEditForm* editor = c.unnamed ? NewWindow() : Open(path);
    editor->Text().SetSelStart(editor->Text().TextLength());
    QTest::keyClicks(editor->Editor(), QStringLiteral("+"));
    ui_.AnswerMessage(c.answer);
    if (c.unnamed) ui_.AnswerSave(QString());
    QPointer<TEditForm> alive(editor);
    editor->Close1Click();
    Flush();
    EXPECT_EQ(ui_.MessageLog().last(), QStringLiteral("Closing with modified text|Save changes to %1?")
                                           .arg(c.unnamed ? QStringLiteral("New File") : path));
    EXPECT_EQ(ui_.Shown().back().kind == ShownBox::Kind::kSaveFile, c.unnamed);
    EXPECT_EQ(alive.isNull(), c.closes);
    if (!c.unnamed) {
      EXPECT_EQ(ReadAll(path), c.file);
    }
    if (alive) alive->CloseApproved();
    Flush();
  }
}

TEST_F(EditFormTest, ClosingAWindowRenumbersTheLaterOnes) {
  Start();
  std::vector<TEditForm*> editors;
  for (int i = 1; i <= 4; ++i) editors.push_back(Open(env_.WriteFile(QStringLiteral("w%1.txt").arg(i), "x")));
  editors[1]->Close1Click();
  Flush();
  const std::vector<TEditForm*> left = frame_->EditorWindows();
  ASSERT_EQ(left.size(), 3u);
  const QStringList titles = {QStringLiteral("w1.txt"), QStringLiteral("w3.txt"), QStringLiteral("w4.txt")};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(left[i]->windowTitle(), titles[i]);
    EXPECT_EQ(left[i]->Number(), i + 1);
    EXPECT_EQ(Panel(left[i], 6), QStringLiteral("Window: %1").arg(i + 1));
  }
  EXPECT_EQ(frame_->Run().openFiles.size(), 3);
  EXPECT_FALSE(frame_->Run().openFiles.contains(QDir(env_.WorkFolder()).filePath(QStringLiteral("w2.txt"))));
  // A new window takes the next free number.
  EXPECT_EQ(NewWindow()->Number(), 4);
}

TEST_F(EditFormTest, ReloadRefreshesTheTextButNeverLosesItWhenTheFileIsGone) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("r.txt"), "disk");
  TEditForm* editor = Open(path);
  QTest::keyClicks(editor->Editor(), QStringLiteral("typed "));
  ui_.AnswerMessage(MsgResult::kCancel);
  editor->Reload1Click();
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("typed disk"));

  env_.WriteFile(QStringLiteral("r.txt"), "disk v2");
  ui_.AnswerMessage(MsgResult::kOk);
  editor->Reload1Click();
  Flush();
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Reloading a file."));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("disk v2"));
  EXPECT_FALSE(editor->Text().Modified());
  EXPECT_EQ(frame_->Run().openFiles, QStringList{path});  // still listed once

  QTest::keyClicks(editor->Editor(), QStringLiteral("mine "));
  QFile::remove(path);
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kOk);
  editor->Reload1Click();
  EXPECT_EQ(ui_.MessageLog().last(), QStringLiteral("Load Failure|File Doesn't exist!"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("mine disk v2"));
  EXPECT_TRUE(editor->Text().Modified());
  EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(EditFormTest, SaveAsNamesANewDocumentAndOffersTheFilterOfItsExtension) {
  Start();
  TEditForm* editor = NewWindow();
  QTest::keyClicks(editor->Editor(), QStringLiteral("<p>"));
  const QString target = QDir(env_.WorkFolder()).filePath(QStringLiteral("named.html"));
  ui_.AnswerSave(target, 3);
  ASSERT_TRUE(editor->Save1Click());  // an unnamed document asks for a name
  const ShownBox& dialog = ui_.Last();
  EXPECT_EQ(dialog.kind, ShownBox::Kind::kSaveFile);
  EXPECT_EQ(dialog.value, QStringLiteral("New File"));
  EXPECT_EQ(dialog.filterIndex, 2);
  EXPECT_EQ(dialog.items.size(), 6);
  EXPECT_EQ(dialog.items.value(2), QStringLiteral("HTML files (*.htm)(*html)|*.htm; *.html"));
  EXPECT_EQ(ReadAll(target), QByteArray("<p>"));
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("named.html"));
  EXPECT_EQ(frame_->Run().openFiles, QStringList{target});
  EXPECT_EQ(frame_->AppSettings().reopens, QStringList{target});
  EXPECT_EQ(frame_->Run().currentFile, target);

  ui_.AnswerSave(QString());
  EXPECT_FALSE(editor->Saveas1Click());
  EXPECT_EQ(ui_.Last().filterIndex, 3);
  EXPECT_EQ(editor->FileName(), target);
}

TEST_F(EditFormTest, SaveAsThatCannotWriteKeepsTheOldNameAndLists) {
  Start();
  const QString kept = env_.WriteFile(QStringLiteral("kept.txt"), "kept");
  const QString other = env_.WriteFile(QStringLiteral("other.txt"), "other");
  Open(other);
  const QString target = QDir(env_.WorkFolder()).filePath(QStringLiteral("no such folder/new.html"));
  for (const bool unnamed : {false, true}) {
    SCOPED_TRACE(unnamed ? "unnamed" : "named");
    TEditForm* editor = unnamed ? NewWindow() : Open(kept);
    QTest::keyClicks(editor->Editor(), QStringLiteral("typed "));
    Flush();
    const QString title = editor->windowTitle();
    const QString name = editor->FileName();
    const QStringList open = frame_->Run().openFiles;
    const QStringList recent = frame_->AppSettings().reopens;
    const QString current = frame_->Run().currentFile;

    ui_.AnswerSave(target, 3);
    ui_.AnswerMessage(MsgResult::kOk);
    EXPECT_FALSE(editor->Saveas1Click());
    EXPECT_EQ(ui_.Last().type, MsgType::kError);
    EXPECT_TRUE(ui_.MessageLog().last().startsWith(QStringLiteral("Penwick|Unable to write to ") + target));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(editor->windowTitle(), title);
    EXPECT_EQ(editor->FileName(), name);
    EXPECT_EQ(frame_->Run().openFiles, open);
    EXPECT_EQ(frame_->AppSettings().reopens, recent);
    EXPECT_EQ(frame_->Run().currentFile, current);
    EXPECT_TRUE(editor->Text().Modified());
    EXPECT_EQ(Panel(editor, 1), QStringLiteral("Modified"));
    if (!unnamed) {
      // The window still saves to its own file.
      ASSERT_TRUE(editor->Save1Click());
      EXPECT_EQ(ReadAll(kept), QByteArray("typed kept"));
    }
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(EditFormTest, SaveAsRefusesAReadOnlyFileAndAsksAgain) {
  Start();
  // 0444: nobody may write it (the tests run as root, who could: the mark is what counts).
  const QString locked = env_.WriteFile(QStringLiteral("locked.html"), "locked");
  ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  const QString refusal = QStringLiteral(
                              "Save As|%1 is read-only: Penwick does not replace it.\n\n"
                              "Choose another name, or Cancel.")
                              .arg(locked);
  struct Case {
    const char* name;
    const char* second;  // the name chosen when the dialog comes back; empty = Cancel
  } cases[] = {{"cancelled", ""}, {"another name", "fresh.html"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui_.Clear();
    TEditForm* editor = Open(env_.WriteFile(QStringLiteral("draft.txt"), "draft"));
    QTest::keyClicks(editor->Editor(), QStringLiteral("new "));
    const QString second = *c.second ? QDir(env_.WorkFolder()).filePath(QString::fromLatin1(c.second)) : "";
    ui_.AnswerSave(locked, 3);
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerSave(second);
    EXPECT_EQ(editor->Saveas1Click(), !second.isEmpty());
    EXPECT_EQ(ui_.MessageLog(), QStringList{refusal});
    ASSERT_EQ(ui_.Shown().size(), 3u);
    EXPECT_EQ(ui_.Shown()[1].type, MsgType::kWarning);
    // The dialog comes back on the refused name and filter.
    const ShownBox& again = ui_.Shown()[2];
    EXPECT_EQ(again.kind, ShownBox::Kind::kSaveFile);
    EXPECT_EQ(again.value, locked);
    EXPECT_EQ(again.filterIndex, 3);
    EXPECT_EQ(ReadAll(locked), QByteArray("locked"));
    EXPECT_EQ(QFileInfo(locked).permissions() & QFile::WriteOwner, 0);
    EXPECT_FALSE(frame_->AppSettings().reopens.contains(locked));
    EXPECT_EQ(editor->FileName(), second.isEmpty() ? QDir(env_.WorkFolder()).filePath("draft.txt") : second);
    if (!second.isEmpty()) EXPECT_EQ(ReadAll(second), QByteArray("new draft"));
    editor->CloseApproved();
    Flush();
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST(RecentFiles, NewNameGoesToTheHeadAndTheListStaysAtFive) {
  struct Case {
    QStringList before;
    QString name;
    QStringList after;
  } cases[] = {
      {{}, "a", {"a"}},
      {{"b", "a"}, "a", {"a", "b"}},
      {{"a", "b"}, "a", {"a", "b"}},
      {{"1", "2", "3", "4", "5"}, "6", {"6", "1", "2", "3", "4"}},
      {{"1", "2", "3", "4", "5"}, "3", {"3", "1", "2", "4", "5"}},
      {{"1", "2", "3", "4", "5", "6", "7"}, "8", {"8", "1", "2", "3", "4"}},
      {{"a.txt"}, "A.TXT", {"A.TXT", "a.txt"}},
  };
  for (const Case& c : cases) {
    QStringList list = c.before;
    AddRecentFile(list, c.name);
    EXPECT_EQ(list, c.after) << c.name.toStdString();
  }
}

}  // namespace
}  // namespace penwick::test
