#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include "editor/frame_link.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using EditFormTest = StartedFrameTest;

QByteArray ReadAll(const QString& path) { return TestEnv::ReadFile(path); }

TEST_F(EditFormTest, DocumentsOfEveryKindSaveBackByteForByte) {
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
    EXPECT_EQ(Panel(editor, 1), c.typed.isEmpty() ? QString() : "Modified");
    ASSERT_TRUE(editor->Save1Click());
    EXPECT_EQ(ReadAll(path), c.expected);
    EXPECT_FALSE(editor->Text().Modified());
    EXPECT_EQ(Panel(editor, 1), QString());
    editor->CloseApproved();
    Flush();
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(EditFormTest, LoadShowsTheNinePanelsAndTheFileNameAndCreatesAMissingFile) {
  const QString path = env_.WriteFile("page.html", "<html>\r\n<b>x</b>\r\n</html>");
  TEditForm* editor = Open(path);
  EXPECT_EQ(editor->windowTitle(), "page.html");
  EXPECT_EQ(editor->FileName(), path);
  QStringList panels;
  for (int i = 0; i < 9; ++i) panels << Panel(editor, i);
  EXPECT_EQ(panels.join(u'|'),
            "Line:   1   Col:   1||Tab Intvl: 8|WrdWrp: Col 68| INS|Dirty Sp: OFF|Window: 1|25B|");
  EXPECT_EQ(frame_->Run().openFiles, QStringList{path});
  EXPECT_EQ(frame_->AppSettings().reopens.value(0), path);
  EXPECT_EQ(frame_->Run().currentFile, path);
  EXPECT_EQ(frame_->Run().wordCountFile, path);

  // A name that does not exist yet is created, empty.
  const QString fresh = QDir(env_.WorkFolder()).filePath("fresh.htm");
  EXPECT_EQ(Open(fresh)->windowTitle(), "fresh.htm");
  EXPECT_TRUE(QFileInfo(fresh).isFile());
  EXPECT_EQ(QFileInfo(fresh).size(), 0);
}

TEST_F(EditFormTest, CaretPanelShowsTheMovingEndOfASelection) {
  TEditForm* editor = Open(env_.WriteFile("a.txt", "abcdef\r\nghij"));
  const std::tuple<int, Qt::Key, const char*> moves[] = {{2, Qt::Key_Right, "Line:   1   Col:   5"},
                                                         {4, Qt::Key_Left, "Line:   1   Col:   3"}};
  for (const auto& [start, key, panel] : moves) {
    editor->Text().SetSelStart(start);
    Flush();
    for (int i = 0; i < 2; ++i) QTest::keyClick(editor->Editor(), key, Qt::ShiftModifier);
    Flush();
    EXPECT_EQ(Panel(editor, 0), panel);
  }
  QTest::keyClick(editor->Editor(), Qt::Key_Down);
  Flush();
  EXPECT_EQ(Panel(editor, 0).left(9), "Line:   2");
}

TEST_F(EditFormTest, AnUnreadableFileLeavesAnUnnamedWindowThatCannotOverwriteIt) {
  const QString folder = QDir(env_.WorkFolder()).filePath("adir");
  QDir().mkpath(folder);
  ui_.AnswerMessage(MsgResult::kOk);
  // The commands refuse a folder before making a window; a window asked to load one must still cope.
  TEditForm* editor = NewWindow();
  editor->Load(folder);
  ASSERT_FALSE(ui_.Shown().empty());
  ExpectBox(ui_, "Penwick", folder + QStringLiteral(" is not a regular file"), MsgType::kError);
  EXPECT_EQ(editor->windowTitle(), "New File");
  EXPECT_TRUE(editor->IsUnnamed());
  EXPECT_TRUE(frame_->Run().openFiles.isEmpty());
}

TEST_F(EditFormTest, CharacterOutsideTheFileEncodingIsNeverDroppedSilently) {
  const QString path = env_.WriteFile("ansi.txt", "caf\xE9");
  TEditForm* editor = Open(path);
  editor->Text().SetSelStart(4);
  editor->Text().SetSelText("\r\n😀中");
  ui_.AnswerMessage(MsgResult::kCancel);
  EXPECT_FALSE(editor->Save1Click());
  EXPECT_EQ(ui_.Last().caption, "Saving a file");
  // The character outside the basic plane is named whole, not by half of its surrogate pair.
  EXPECT_TRUE(ui_.Last().text.contains("the first \"😀\" (U+1F600) in line 2."))
      << ui_.Last().text.toStdString();
  EXPECT_EQ(ReadAll(path), QByteArray("caf\xE9"));
  EXPECT_TRUE(editor->Text().Modified());
  ui_.AnswerMessage(MsgResult::kOk);
  EXPECT_TRUE(editor->Save1Click());
  EXPECT_EQ(ReadAll(path), QByteArray("caf\xC3\xA9\r\n\xF0\x9F\x98\x80\xE4\xB8\xAD"));
  EXPECT_EQ(editor->Format().encoding, TextEncoding::kUtf8);
}

TEST_F(EditFormTest, AFullDiskNeverCostsTheFileOrTheText) {
  const QString path = env_.WriteFile("small.html", "old page");
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
  const QString path = env_.WriteFile("shared.txt", "line 1\r\n");
  TEditForm* editor = Open(path);
  editor->Text().SetSelText("mine ");
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
  editor->Text().SetSelText("again ");
  EXPECT_TRUE(editor->Save1Click());
  EXPECT_EQ(ui_.MessageLog().size(), 2);
}

TEST_F(EditFormTest, NewLineBreaksInAMixedFileTakeItsMostCommonStyle) {
  const QString path = env_.WriteFile("mostly-lf.txt", "a\nb\nc\r\nd");
  TEditForm* editor = Open(path);
  editor->Text().SetSelStart(editor->Text().TextLength());
  Key(editor, Qt::Key_Return);
  editor->Text().InsertLine(0, "first");
  ASSERT_TRUE(editor->Save1Click());
  EXPECT_EQ(ReadAll(path), QByteArray("first\na\nb\nc\r\nd\n"));
}

TEST_F(EditFormTest, ClosingAModifiedDocumentNeverLosesItsText) {
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
    const QString path = env_.WriteFile("c.txt", "v1");
    TEditForm* editor = c.unnamed ? NewWindow() : Open(path);
    editor->Text().SetSelStart(editor->Text().TextLength());
    QTest::keyClicks(editor->Editor(), "+");
    ui_.AnswerMessage(c.answer);
    if (c.unnamed) ui_.AnswerSave(QString());
    QPointer<TEditForm> alive(editor);
    editor->Close1Click();
    Flush();
    EXPECT_EQ(
        ui_.MessageLog().last(),
        QStringLiteral("Closing with modified text|Save changes to %1?").arg(c.unnamed ? "New File" : path));
    EXPECT_EQ(ui_.Shown().back().kind == ShownBox::Kind::kSaveFile, c.unnamed);
    EXPECT_EQ(alive.isNull(), c.closes);
    if (!c.unnamed) {
      EXPECT_EQ(ReadAll(path), c.file);
    }
    if (alive) alive->CloseApproved();
    Flush();
  }
}

// Unmodified, but its file deleted behind Penwick's back: the window holds the only copy of the text.
TEST_F(EditFormTest, ClosingADocumentWhoseFileWasDeletedOffersToSaveIt) {
  const struct {
    MsgResult answer;
    bool closes;
    bool saved;
  } cases[] = {
      {MsgResult::kCancel, false, false}, {MsgResult::kNo, true, false}, {MsgResult::kYes, true, true}};
  for (const auto& c : cases) {
    const QString path = env_.WriteFile("gone.txt", "only copy");
    QPointer<TEditForm> editor(Open(path));
    QFile::remove(path);
    ui_.Clear();
    ui_.AnswerMessage(c.answer);
    editor->Close1Click();
    Flush();
    ASSERT_EQ(ui_.Shown().size(), 1u);
    EXPECT_EQ(ui_.Last().caption, "File deleted from disk");
    EXPECT_EQ(editor.isNull(), c.closes);
    EXPECT_EQ(QFileInfo::exists(path) ? ReadAll(path) : QByteArray(), c.saved ? "only copy" : "");
    if (editor) editor->CloseApproved();
    Flush();
  }
}

TEST_F(EditFormTest, ReloadRefreshesTheTextButNeverLosesItWhenTheFileIsGone) {
  const QString path = env_.WriteFile("r.txt", "disk");
  TEditForm* editor = Open(path);
  QTest::keyClicks(editor->Editor(), "typed ");
  ui_.AnswerMessage(MsgResult::kCancel);
  editor->Reload1Click();
  EXPECT_EQ(editor->Text().Text(), "typed disk");

  env_.WriteFile("r.txt", "disk v2");
  ui_.AnswerMessage(MsgResult::kOk);
  editor->Reload1Click();
  Flush();
  EXPECT_EQ(ui_.Last().caption, "Reloading a file.");
  EXPECT_EQ(editor->Text().Text(), "disk v2");
  EXPECT_FALSE(editor->Text().Modified());
  EXPECT_EQ(frame_->Run().openFiles, QStringList{path});  // still listed once

  QTest::keyClicks(editor->Editor(), "mine ");
  QFile::remove(path);
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerMessage(MsgResult::kOk);
  editor->Reload1Click();
  EXPECT_EQ(ui_.MessageLog().last(), "Load Failure|File Doesn't exist!");
  EXPECT_EQ(editor->Text().Text(), "mine disk v2");
  EXPECT_TRUE(editor->Text().Modified());
  EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(EditFormTest, SaveAsNamesANewDocumentAndOffersTheFilterOfItsExtension) {
  TEditForm* editor = NewWindow();
  QTest::keyClicks(editor->Editor(), "<p>");
  const QString target = QDir(env_.WorkFolder()).filePath("named.html");
  ui_.AnswerSave(target, 3);
  ASSERT_TRUE(editor->Save1Click());  // an unnamed document asks for a name
  const ShownBox& dialog = ui_.Last();
  EXPECT_EQ(dialog.kind, ShownBox::Kind::kSaveFile);
  EXPECT_EQ(dialog.value, "New File");
  EXPECT_EQ(dialog.filterIndex, 2);
  EXPECT_EQ(ReadAll(target), QByteArray("<p>"));
  EXPECT_EQ(editor->windowTitle(), "named.html");
  EXPECT_EQ(frame_->Run().openFiles, QStringList{target});
  EXPECT_EQ(frame_->AppSettings().reopens, QStringList{target});
  EXPECT_EQ(frame_->Run().currentFile, target);

  ui_.AnswerSave(QString());
  EXPECT_FALSE(editor->Saveas1Click());
  EXPECT_EQ(ui_.Last().filterIndex, 3);
  EXPECT_EQ(editor->FileName(), target);
}

TEST_F(EditFormTest, SaveAsThatCannotWriteKeepsTheOldNameAndLists) {
  const QString kept = env_.WriteFile("kept.txt", "kept");
  const QString other = env_.WriteFile("other.txt", "other");
  Open(other);
  const QString target = QDir(env_.WorkFolder()).filePath("no such folder/new.html");
  for (const bool unnamed : {false, true}) {
    SCOPED_TRACE(unnamed ? "unnamed" : "named");
    TEditForm* editor = unnamed ? NewWindow() : Open(kept);
    QTest::keyClicks(editor->Editor(), "typed ");
    Flush();
    // The window's names and the lists that follow them.
    const auto names = [&] {
      return QStringList{editor->windowTitle(), editor->FileName(), frame_->Run().currentFile} +
             frame_->Run().openFiles + frame_->AppSettings().reopens;
    };
    const QStringList before = names();

    ui_.AnswerSave(target, 3);
    ui_.AnswerMessage(MsgResult::kOk);
    EXPECT_FALSE(editor->Saveas1Click());
    EXPECT_EQ(ui_.Last().type, MsgType::kError);
    EXPECT_TRUE(ui_.MessageLog().last().startsWith(QStringLiteral("Penwick|Unable to write to ") + target));
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(names(), before);
    EXPECT_TRUE(editor->Text().Modified());
    EXPECT_EQ(Panel(editor, 1), "Modified");
    if (!unnamed) {
      // The window still saves to its own file.
      ASSERT_TRUE(editor->Save1Click());
      EXPECT_EQ(ReadAll(kept), QByteArray("typed kept"));
    }
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(EditFormTest, SaveAsRefusesAReadOnlyFileAndAsksAgain) {
  // 0444: nobody may write it (the tests run as root, who could: the mark is what counts).
  const QString locked = env_.WriteFile("locked.html", "locked");
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
    TEditForm* editor = Open(env_.WriteFile("draft.txt", "draft"));
    QTest::keyClicks(editor->Editor(), "new ");
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
    if (!second.isEmpty()) {
      EXPECT_EQ(ReadAll(second), QByteArray("new draft"));
    }
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
