#include "collections/bookmark_notes.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class BookmarkNotesTest : public StartedFrameTest {
 protected:
  TBMForm* OpenPad() {
    frame_->Bookmarks1Click();
    Flush();
    return frame_->BookmarkPad();
  }
  TEditForm* OpenLines(int count) {
    QByteArray text;
    for (int i = 1; i <= count; ++i) text += "line " + QByteArray::number(i) + (i < count ? "\r\n" : "");
    return Open(env_.WriteFile("notes.htm", text));
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

const QString kNoSelection = "No line number selected|";

// A selected number sends the editor there and closes the pad, from the button or with Enter.
TEST_F(BookmarkNotesTest, ASelectedNumberSendsTheEditorThereAndClosesThePad) {
  const QStringList notes = {"notes.htm 120 table end", "see line 7"};
  frame_->AppSettings().bookmarkNotes = notes;
  TEditForm* editor = OpenLines(80);
  TBMForm* pad = OpenPad();
  ASSERT_TRUE(pad && pad->isVisible());
  EXPECT_EQ(pad->windowTitle(), "Bookmark Notes");
  EXPECT_EQ(pad->Memo1()->toPlainText(), notes.join(u'\n'));
  // Activating the pad shows the active editor's line count on the button.
  EXPECT_EQ(pad->GoToSelect()->text(), "Select Number (<=80) && Press to Go");

  // A number beyond the last line goes to the last line, without asking.
  SelectInMemo(pad, "120");
  QTest::mouseClick(pad->GoToSelect(), Qt::LeftButton);
  Flush();
  EXPECT_EQ(CaretLine(editor), 80);
  EXPECT_EQ(frame_->Run().gotoHistory.value(0), "120");
  EXPECT_TRUE(frame_->Run().bookmarkGoto.isEmpty());
  EXPECT_EQ(frame_->BookmarkPad(), nullptr);

  // Without a selection Enter breaks the line as in any memo; on a selected number it goes there.
  pad = OpenPad();
  pad->Memo1()->moveCursor(QTextCursor::End);
  QTest::keyClick(pad->Memo1(), Qt::Key_Return);
  EXPECT_EQ(pad->Memo1()->toPlainText(), notes.join(u'\n') + u'\n');
  SelectInMemo(pad, "7");
  QTest::keyClick(pad->Memo1(), Qt::Key_Return);
  Flush();
  EXPECT_EQ(CaretLine(editor), 7);
  EXPECT_EQ(frame_->BookmarkPad(), nullptr);
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, notes);
}

TEST_F(BookmarkNotesTest, AnythingButASelectedNumberKeepsThePadOpen) {
  frame_->AppSettings().bookmarkNotes = {"page 12a, see 7 or 3"};
  // With no editor window there is nowhere to go.
  TBMForm* pad = OpenPad();
  pad->FormActivate();
  EXPECT_EQ(pad->GoToSelect()->text(), "Select Number && Press to Go");
  SelectInMemo(pad, "3");
  ui_.AnswerMessage(MsgResult::kOk);
  pad->GoToSelectClick();
  EXPECT_EQ(
      ui_.MessageLog(),
      QStringList{"No editor window|Open the file first: there is no editor window to go to line 3 in."});
  EXPECT_TRUE(pad->isVisible());

  TEditForm* editor = OpenLines(20);
  editor->Text().SetSelStart(editor->Text().LineIndex(4));
  pad = OpenPad();
  struct Case {
    QString selection;  // empty: nothing selected
    QString message;
  } cases[] = {
      {"12a", kNoSelection + QStringLiteral("12a is not a valid line number.")},
      {" 7", kNoSelection + QStringLiteral(" 7 is not a valid line number.")},
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

TEST_F(BookmarkNotesTest, ReopeningBringsBackThePadWithItsUnsavedEdits) {
  frame_->AppSettings().bookmarkNotes = {"old note"};
  OpenLines(3);
  TBMForm* pad = OpenPad();
  pad->Memo1()->moveCursor(QTextCursor::End);
  QTest::keyClick(pad->Memo1(), Qt::Key_Return);
  QTest::keyClicks(pad->Memo1(), "new\tnote");
  EXPECT_EQ(OpenPad(), pad);
  EXPECT_EQ(pad->Memo1()->toPlainText(), "old note\nnew\tnote");
  // The notes change only when the pad closes.
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, QStringList{"old note"});

  QTest::mouseClick(pad->Button1(), Qt::LeftButton);
  Flush();
  EXPECT_EQ(frame_->BookmarkPad(), nullptr);
  const QStringList kept = {"old note", "new\tnote"};
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, kept);
  TBMForm* again = OpenPad();
  EXPECT_EQ(again->Memo1()->toPlainText(), kept.join(QLatin1Char('\n')));
  // Escape closes it too, keeping the notes.
  again->Memo1()->setPlainText("only this\n");
  QTest::keyClick(again, Qt::Key_Escape);
  Flush();
  EXPECT_EQ(frame_->AppSettings().bookmarkNotes, QStringList{"only this"});
}

TEST_F(BookmarkNotesTest, EditMenuCopiesAndPastesTheNotes) {
  frame_->AppSettings().bookmarkNotes = {"a 1", "b 2"};
  TBMForm* pad = OpenPad();
  QApplication::setActiveWindow(pad);
  QTest::keyClick(pad->Memo1(), Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);  // Copy whole set
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "a 1\nb 2");
  EXPECT_FALSE(pad->Memo1()->textCursor().hasSelection());

  QGuiApplication::clipboard()->setText(" c 3");
  pad->Memo1()->moveCursor(QTextCursor::End);
  pad->Paste1Click();
  EXPECT_EQ(pad->Memo1()->toPlainText(), "a 1\nb 2 c 3");
}

}  // namespace
}  // namespace penwick::test
