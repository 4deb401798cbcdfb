#include "collections/bookmark_notes.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class BookmarkNotesTest : public FrameTest {
 protected:
  TBMForm* OpenPad() {
    frame_->Bookmarks1Click();
    Flush();
    return frame_->BookmarkPad();
  }
  TEditForm* OpenLines(int count) {
    QByteArray text;
    for (int i = 1; i <= count; ++i) text += "line " + QByteArray::number(i) + (i < count ? "\r\n" : "");
    return Open(env_.WriteFile(QStringLiteral("notes.htm"), text));
  }
  static void SelectInMemo(TBMForm* pad, const QString& text) {
    const QTextCursor found = pad->Memo1()->document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    pad->Memo1()->setTextCursor(found);
  }
  static int CaretLine(TEditForm* editor) {
    return editor->Text().LineFromPosition(editor->Text().SelStart()) + 1;
  }
};

const QString kNoSelection = QStringLiteral("No line number selected|");

TEST_F(BookmarkNotesTest, SelectedNumberSendsTheEditorThereAndClosesThePad) {
  Start();
  frame_->AppSettings().bookmarkNotes = {QStringLiteral("notes.htm 120 table end"),
                                         QStringLiteral("notes.htm 12a footer")};
  TEditForm* editor = OpenLines(80);
  TBMForm* pad = OpenPad();
  ASSERT_TRUE(pad && pad->isVisible());
  EXPECT_EQ(pad->windowTitle(), QStringLiteral("Bookmark Notes"));
  EXPECT_EQ(pad->Memo1()->toPlainText(), QStringLiteral("notes.htm 120 table end\nnotes.htm 12a footer"));
  // Activating the pad shows the active editor's line count on the button.
  EXPECT_EQ(pad->GoToSelect()->text(), QStringLiteral("Select Number (<=80) && Press to Go"));

  // A number beyond the last line goes to the last line, without asking.
  SelectInMemo(pad, QStringLiteral("120"));
  QTest::mouseClick(pad->GoToSelect(), Qt::LeftButton);
  Flush();
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_EQ(CaretLine(editor), 80);
  EXPECT_EQ(frame_->Run().gotoHistory.value(0), QStringLiteral("120"));
  EXPECT_TRUE(frame_->Run().bookmarkGoto.isEmpty());
  EXPECT_EQ(frame_->BookmarkPad(), nullptr);
}

TEST_F(BookmarkNotesTest, AnythingButASelectedNumberKeepsThePadOpen) {
  Start();
  frame_->AppSettings().bookmarkNotes = {QStringLiteral("page 12a, see 7 or 3")};
  TEditForm* editor = OpenLines(20);
  editor->Text().SetSelStart(editor->Text().LineIndex(4));
  TBMForm* pad = OpenPad();
  struct Case {
    QString selection;  // empty: nothing selected
    QString message;
  } cases[] = {
      {QStringLiteral("12a"), kNoSelection + QStringLiteral("12a is not a valid line number.")},
      {QStringLiteral(" 7"), kNoSelection + QStringLiteral(" 7 is not a valid line number.")},
      {QString(),
       kNoSelection + QStringLiteral("You have not selected a valid line\nnumber from your note pad.")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.toStdString());
    if (c.selection.isEmpty()) {
      pad->Memo1()->moveCursor(QTextCursor::End);
    } else {
      SelectInMemo(pad, c.selection);
    }
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kOk);
    QTest::mouseClick(pad->GoToSelect(), Qt::LeftButton);
    Flush();
    EXPECT_EQ(ui_.MessageLog(), QStringList{c.message});
    EXPECT_EQ(frame_->BookmarkPad(), pad);
    EXPECT_TRUE(pad->isVisible());
    EXPECT_FALSE(pad->Memo1()->textCursor().hasSelection());
    EXPECT_TRUE(frame_->Run().bookmarkGoto.isEmpty());
    EXPECT_EQ(CaretLine(editor), 5);
  }
}

TEST_F(BookmarkNotesTest, EnterOnASelectedNumberGoesThere) {
  Start();
  frame_->AppSettings().bookmarkNotes = {QStringLiteral("go 12")};
  TEditForm* editor = OpenLines(30);
  TBMForm* pad = OpenPad();
  // Without a selection Enter breaks the line as in any memo.
  pad->Memo1()->moveCursor(QTextCursor::End);
  QTest::keyClick(pad->Memo1(), Qt::Key_Return);
  EXPECT_EQ(pad->Memo1()->toPlainText(), QStringLiteral("go 12\n"));
  SelectInMemo(pad, QStringLiteral("12"));
  QTest::keyClick(pad->Memo1(), Qt::Key_Return);
  Flush();
  EXPECT_EQ(CaretLine(editor), 12);
  EXPECT_EQ(frame_->BookmarkPad(), nullptr);
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, QStringList{QStringLiteral("go 12")});
}

TEST_F(BookmarkNotesTest, ReopeningBringsBackThePadWithItsUnsavedEdits) {
  Start();
  frame_->AppSettings().bookmarkNotes = {QStringLiteral("old note")};
  OpenLines(3);
  TBMForm* pad = OpenPad();
  pad->Memo1()->moveCursor(QTextCursor::End);
  QTest::keyClick(pad->Memo1(), Qt::Key_Return);
  QTest::keyClicks(pad->Memo1(), QStringLiteral("new\tnote"));
  EXPECT_EQ(OpenPad(), pad);
  EXPECT_EQ(pad->Memo1()->toPlainText(), QStringLiteral("old note\nnew\tnote"));
  // The notes change only when the pad closes.
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, QStringList{QStringLiteral("old note")});

  QTest::mouseClick(pad->Button1(), Qt::LeftButton);
  Flush();
  EXPECT_EQ(frame_->BookmarkPad(), nullptr);
  const QStringList kept = {QStringLiteral("old note"), QStringLiteral("new\tnote")};
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, kept);
  TBMForm* again = OpenPad();
  EXPECT_EQ(again->Memo1()->toPlainText(), kept.join(QLatin1Char('\n')));
  // Escape closes it too, keeping the notes.
  again->Memo1()->setPlainText(QStringLiteral("only this\n"));
  QTest::keyClick(again, Qt::Key_Escape);
  Flush();
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, QStringList{QStringLiteral("only this")});
}

TEST_F(BookmarkNotesTest, NotesOfAPadLeftOpenAreSavedWhenPenwickCloses) {
  Start();
  TBMForm* pad = OpenPad();
  pad->Memo1()->setPlainText(QStringLiteral("x.htm 5 start\ny.htm 9 end"));
  ui_.AnswerMessage(MsgResult::kYes);  // Saving settings
  EXPECT_TRUE(frame_->close());
  const QByteArray ini =
      TestEnv::ReadFile(QDir(env_.ProgramFolder()).filePath(QStringLiteral("penwick.ini")));
  EXPECT_TRUE(ini.contains("NumStrings=2")) << ini.toStdString();
  EXPECT_TRUE(ini.contains("BookmarkNote0=x.htm 5 start"));
  EXPECT_TRUE(ini.contains("BookmarkNote1=y.htm 9 end"));
}

TEST_F(BookmarkNotesTest, WithoutAnEditorWindowThePadStaysAndSaysSo) {
  Start();
  frame_->AppSettings().bookmarkNotes = {QStringLiteral("5")};
  TBMForm* pad = OpenPad();
  pad->FormActivate();
  EXPECT_EQ(pad->GoToSelect()->text(), QStringLiteral("Select Number && Press to Go"));
  SelectInMemo(pad, QStringLiteral("5"));
  ui_.AnswerMessage(MsgResult::kOk);
  pad->GoToSelectClick();
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{QStringLiteral(
                "No editor window|Open the file first: there is no editor window to go to line 5 in.")});
  EXPECT_TRUE(pad->isVisible());
  EXPECT_TRUE(frame_->Run().bookmarkGoto.isEmpty());
}

TEST_F(BookmarkNotesTest, EditMenuCopiesAndPastesTheNotes) {
  Start();
  frame_->AppSettings().bookmarkNotes = {QStringLiteral("a 1"), QStringLiteral("b 2")};
  TBMForm* pad = OpenPad();
  QAction* copyAll = nullptr;
  for (QAction* action : pad->actions()) {
    if (action->text() == QLatin1String("Cop&y whole set")) copyAll = action;
  }
  ASSERT_TRUE(copyAll);
  EXPECT_EQ(copyAll->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Ins")));
  copyAll->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("a 1\nb 2"));
  EXPECT_FALSE(pad->Memo1()->textCursor().hasSelection());

  QGuiApplication::clipboard()->setText(QStringLiteral(" c 3"));
  pad->Memo1()->moveCursor(QTextCursor::End);
  pad->Paste1Click();
  EXPECT_EQ(pad->Memo1()->toPlainText(), QStringLiteral("a 1\nb 2 c 3"));
}

}  // namespace
}  // namespace penwick::test
