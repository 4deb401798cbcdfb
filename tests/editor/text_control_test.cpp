#include "editor/text_control.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

#include "editor/scintilla_widget.h"

namespace penwick {
namespace {

class TextControlTest : public ::testing::Test {
 protected:
  TextControlTest() : text_(&widget_) {
    widget_.resize(400, 300);
    widget_.show();
    widget_.setFocus();
  }
  void Load(const QByteArray& utf8) { text_.LoadUtf8(utf8); }

  ScintillaWidget widget_;
  TextControl text_;
};

// A document too big for memory is refused and the control keeps its text; nothing crashes.
TEST_F(TextControlTest, TextTooBigForMemoryLeavesTheDocumentAsItWas) {
  Load("kept");
  {
    DocumentBuilder builder(text_);
    builder.Start(qint64(1) << 44);  // 16 TiB
    EXPECT_FALSE(builder.Append("new text"));
  }
  EXPECT_EQ(text_.Utf8(), "kept");
  text_.SetSelStart(4);
  text_.SetSelText(QStringLiteral("!"));
  EXPECT_EQ(text_.Utf8(), "kept!");
}

TEST_F(TextControlTest, PositionsCountCharactersAndLineBreaksCountTwo) {
  Load("ab\r\ncaf\xC3\xA9 x\r\n\r\nend");
  EXPECT_EQ(text_.TextLength(), 17);  // "é" is one character, each CR LF two
  EXPECT_EQ(text_.LineCount(), 4);
  struct Case {
    int pos;
    int line;
    int lineIndex;
    int lineLength;
  } cases[] = {{0, 0, 0, 2}, {2, 0, 0, 2},   {4, 1, 4, 6},   {8, 1, 4, 6},
               {9, 1, 4, 6}, {12, 2, 12, 0}, {14, 3, 14, 3}, {17, 3, 14, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pos);
    EXPECT_EQ(text_.LineFromPosition(c.pos), c.line);
    EXPECT_EQ(text_.LineIndex(c.line), c.lineIndex);
    EXPECT_EQ(text_.LineLength(c.pos), c.lineLength);
  }
  EXPECT_EQ(text_.Line(1), QStringLiteral("café x"));
  EXPECT_EQ(text_.LineIndex(4), -1);

  text_.SetSelStart(8);  // after "é"
  text_.SetSelLength(2);
  EXPECT_EQ(text_.SelStart(), 8);
  EXPECT_EQ(text_.SelLength(), 2);
  EXPECT_EQ(text_.SelText(), QStringLiteral(" x"));
  text_.SetSelText(QStringLiteral("ü"));
  EXPECT_EQ(text_.Line(1), QStringLiteral("caféü"));
  EXPECT_EQ(text_.SelStart(), 9);  // caret after the new text
  EXPECT_EQ(text_.SelLength(), 0);
  // Positions beyond the end stay at the end.
  text_.SetSelStart(1000);
  EXPECT_EQ(text_.SelStart(), text_.TextLength());
}

TEST_F(TextControlTest, AnAsciiDocumentGetsACharacterIndexWithItsFirstOtherCharacter) {
  const auto index = [this] { return widget_.SendScintilla(QsciScintillaBase::SCI_GETLINECHARACTERINDEX); };
  Load("ab\r\ncd\r\nef");
  text_.SetSelStart(1);
  text_.SetSelText(QStringLiteral("x"));
  EXPECT_EQ(text_.LineIndex(2), 9);
  EXPECT_EQ(index(), QsciScintillaBase::SC_LINECHARACTERINDEX_NONE);

  widget_.SendKey(Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00E9"));
  EXPECT_EQ(text_.Line(0), QStringLiteral("ax\u00E9b"));
  EXPECT_EQ(text_.SelStart(), 3);
  EXPECT_EQ(text_.TextLength(), 12);
  EXPECT_EQ(text_.LineIndex(2), 10);
  EXPECT_EQ(text_.ToByte(10), 11);
  EXPECT_EQ(text_.ToChar(11), 10);
  EXPECT_EQ(text_.LineFromPosition(10), 2);
  EXPECT_EQ(index(), QsciScintillaBase::SC_LINECHARACTERINDEX_UTF32);

  // A new document of plain text drops the index again.
  Load("plain");
  EXPECT_EQ(text_.TextLength(), 5);
  EXPECT_EQ(index(), QsciScintillaBase::SC_LINECHARACTERINDEX_NONE);
}

TEST_F(TextControlTest, ALeadingZeroWidthNoBreakSpaceIsPartOfTheText) {
  Load("\xEF\xBB\xBFx\r\ny");
  EXPECT_EQ(text_.Text(), QString(QChar(0xFEFF)) + QStringLiteral("x\r\ny"));
  EXPECT_EQ(text_.Line(0), QString(QChar(0xFEFF)) + QStringLiteral("x"));
  text_.SelectAll();
  EXPECT_EQ(text_.SelText(), text_.Text());
}

// In a document that keeps a file's mixed line breaks, text put in by commands takes the file's style.
TEST_F(TextControlTest, CommandTextTakesTheDocumentsLineBreak) {
  Load("a\nb\r\nc");
  text_.SetLineBreak("\n");
  text_.SetSelStart(0);
  text_.SetSelText(QStringLiteral("1\r\n2\r\n"));
  text_.InsertLine(text_.LineCount(), QStringLiteral("last"));
  EXPECT_EQ(QByteArray(text_.Utf8().data(), text_.Utf8().size()), "1\n2\na\nb\r\nc\nlast");
  EXPECT_EQ(text_.ReplaceAll(QStringLiteral("b"), QStringLiteral("B\r\n"), 0, false, true), 1);
  EXPECT_EQ(QByteArray(text_.Utf8().data(), text_.Utf8().size()), "1\n2\na\nB\n\r\nc\nlast");
}

TEST_F(TextControlTest, ChangesAreReportedOnceAfterTheyAreComplete) {
  Load("x");
  QSignalSpy changed(&text_, &TextControl::Changed);
  text_.SetSelStart(1);
  text_.SetSelText(QStringLiteral("a"));
  text_.SetSelText(QStringLiteral("b"));
  text_.DeleteLine(0);
  EXPECT_EQ(changed.count(), 0);  // not while the command runs
  QCoreApplication::processEvents();
  EXPECT_EQ(changed.count(), 1);
  EXPECT_TRUE(text_.Modified());
}

TEST_F(TextControlTest, OnlyMovementAndEditingKeysKeepTheirDefaultBindings) {
  Load("abc\r\ndef");
  text_.SetSelStart(0);
  // Ctrl+letter keys are left for the menus: none of them changes the text or selects.
  for (Qt::Key key : {Qt::Key_T, Qt::Key_L, Qt::Key_D, Qt::Key_U, Qt::Key_A, Qt::Key_Y, Qt::Key_Z}) {
    QTest::keyClick(&widget_, key, Qt::ControlModifier);
  }
  EXPECT_EQ(text_.Text(), QStringLiteral("abc\r\ndef"));
  EXPECT_EQ(text_.SelLength(), 0);
  // Movement, selection, Return, Backspace and Delete still work.
  QTest::keyClick(&widget_, Qt::Key_Right);
  QTest::keyClick(&widget_, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(text_.SelStart(), 1);
  EXPECT_EQ(text_.SelLength(), 1);
  QTest::keyClick(&widget_, Qt::Key_Delete);
  QTest::keyClick(&widget_, Qt::Key_Return);
  QTest::keyClick(&widget_, Qt::Key_Backspace);
  QTest::keyClick(&widget_, Qt::Key_End);
  QTest::keyClicks(&widget_, QStringLiteral("x"));
  EXPECT_EQ(text_.Text(), QStringLiteral("acx\r\ndef"));
}

// Records the characters the key handler sees and swallows or replaces some of them.
class RecordingHandler : public KeyHandler {
 public:
  bool EditorKeyDown(int key, Qt::KeyboardModifiers) override {
    keys.push_back(key);
    return key == Qt::Key_F12;
  }
  void EditorKeyPress(QChar& ch) override {
    typed += ch;
    if (ch == QLatin1Char('q')) ch = QChar();
    if (ch == QLatin1Char('a')) ch = QLatin1Char('A');
  }
  std::vector<int> keys;
  QString typed;
};

TEST_F(TextControlTest, KeysAndInputMethodTextPassTheKeyHandler) {
  RecordingHandler handler;
  widget_.SetKeyHandler(&handler);
  Load("");
  QTest::keyClicks(&widget_, QStringLiteral("aqb"));
  QInputMethodEvent composed;
  composed.setCommitString(QStringLiteral("éa"));
  QCoreApplication::sendEvent(&widget_, &composed);
  widget_.SendKey(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  EXPECT_EQ(handler.typed, QStringLiteral("aqbéaa"));
  EXPECT_EQ(text_.Text(), QStringLiteral("AbéAA"));
  handler.keys.clear();
  QTest::keyClick(&widget_, Qt::Key_F12);
  EXPECT_EQ(handler.keys, std::vector<int>{Qt::Key_F12});
  widget_.SetKeyHandler(nullptr);
}

TEST_F(TextControlTest, InputMethodQueriesLookAtTheCurrentLineOnly) {
  Load("first line\r\nsecond line");
  text_.SetSelStart(16);  // "second" + caret after "se"... line 1 starts at 12
  EXPECT_EQ(widget_.inputMethodQuery(Qt::ImSurroundingText).toString(), QStringLiteral("second line"));
  EXPECT_EQ(widget_.inputMethodQuery(Qt::ImCursorPosition).toInt(), 4);
}

}  // namespace
}  // namespace penwick
