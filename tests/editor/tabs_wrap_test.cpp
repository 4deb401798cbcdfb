// Tab stops, typing word-wrap and trailing blanks on a real editor window with real key presses.

#include <QAction>
#include <QRegularExpression>

#include "editor/frame_link.h"
#include "editor/word_wrap.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class TabsWrapTest : public StartedFrameTest {
 protected:
  // Ctrl+Tab as the user presses it: through the frame's key filter.
  void CtrlTab(TEditForm* editor) {
    QApplication::setActiveWindow(frame_.get());
    editor->Editor()->setFocus();
    Key(editor, Qt::Key_Tab, Qt::ControlModifier);
  }
};

TEST_F(TabsWrapTest, TabInsertsBlanksToTheNextStopOnlyAtALineEnd) {
  frame_->Switches().tabInterval = 4;
  TEditForm* editor = MarkedWindow("|");
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(Shown(editor), "   |");  // display column 1 -> 4
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(Shown(editor), "       |");  // display column 4 -> 8
  Flush();
  EXPECT_EQ(Panel(editor, 0), "Line:   1   Col:   8");

  // Inside a ten-letter line Tab only moves the caret, from past the line's end to the next line's start.
  editor = MarkedWindow("a|bcdefghij\r\nnext");
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(Shown(editor), "abc|defghij\r\nnext");
  editor->Text().SetSelStart(9);
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(Shown(editor), "abcdefghij\r\n|next");

  // Ctrl+Tab inserts, after the warning.
  editor->Text().SetSelStart(1);
  ui_.AnswerMessage(MsgResult::kCancel);
  CtrlTab(editor);
  EXPECT_EQ(Shown(editor), "a|bcdefghij\r\nnext");
  ASSERT_EQ(ui_.MessageLog().size(), 1);
  EXPECT_EQ(
      ui_.MessageLog().first(),
      "Inserting tab spaces.|If inserting these spaces pushes text forward, cancel and turn off wordwrap "
      "to avoid words being pushed beyond wrap column so next INS char causes wrap.");
  EXPECT_EQ(ui_.Last().buttons, MsgButtons::kOkCancel);
  EXPECT_FALSE(frame_->Run().tabInsertRequest);
  ui_.AnswerMessage(MsgResult::kOk);
  CtrlTab(editor);
  EXPECT_EQ(Shown(editor), "a  |bcdefghij\r\nnext");

  // With the warning off Ctrl+Tab inserts at once.
  Trigger("ToggleInsertWarning1");
  EXPECT_FALSE(frame_->Switches().insertWarning);
  ui_.Clear();
  editor->Text().SetSelStart(1);
  CtrlTab(editor);
  EXPECT_EQ(editor->Text().Text(), "a    bcdefghij\r\nnext");
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(TabsWrapTest, ShiftTabGoesBackToThePreviousStopWithoutDeleting) {
  frame_->Switches().tabInterval = 4;
  const QString text = "l1\r\nl2\r\nl3\r\nfourth line here\r\nfifth line";
  TEditForm* editor = Window(text);
  const int line4 = editor->Text().LineIndex(3);
  const int line5 = editor->Text().LineIndex(4);
  struct Case {
    int from;
    int to;
  } cases[] = {
      {line5 + 8, line5 + 7},   // display column 9 -> 8
      {line5 + 7, line5 + 3},   // 8 -> 4
      {line5 + 2, line4 + 15},  // column 3 of line 5 -> the last stop of line 4 (16 letters: column 16)
      {line4 + 2, 10},          // a short line before: its end
      {2, 0},                   // the first line: its start
  };
  for (const Case& c : cases) {
    editor->Text().SetSelStart(c.from);
    Key(editor, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text().SelStart(), c.to) << "from " << c.from;
  }
  EXPECT_EQ(editor->Text().Text(), text);
}

// Each line both ways: the break rule on its own (column 10), and the same line typed key by key.
TEST_F(TabsWrapTest, WordWrapBreaksAtTheLastPlaceThatFitsOrNotAtAll) {
  frame_->Switches().wrapColumn = 10;
  struct Case {
    const char32_t* line;
    std::optional<std::pair<int, int>> cut;  // of the whole line
    const char* typed;                       // the text after typing the line
  } cases[] = {
      {U"hello worlds", std::pair{5, 6}, "hello\r\nworlds"},
      // A blank at column 11 starts the new line itself.
      {U"hello worl x", std::pair{10, 11}, "hello worl\r\nx"},
      {U"hello", std::nullopt, "hello"},
      // A hyphen stays at the end of the first line.
      {U"abc well-known", std::pair{9, 9}, "abc well-\r\nknown"},
      {U"ab-cdefghijk", std::pair{3, 3}, "ab-\r\ncdefghijk"},
      // Several blanks at the break all go.
      {U"abc  defgh ijk", std::pair{10, 11}, "abc  defgh\r\nijk"},
      {U"abcdef   ghijk", std::pair{6, 9}, "abcdef\r\nghijk"},
      {U"a   bcdefghijk", std::pair{1, 4}, "a\r\nbcdefghijk"},
      // A word longer than the column keeps its own line; the next word goes on the line after it.
      {U"a bcdefghijklm n", std::pair{1, 2}, "a\r\nbcdefghijklm\r\nn"},
      {U"abcdefghijkl mn", std::pair{12, 13}, "abcdefghijkl\r\nmn"},
      // Nothing to break at: the line is not broken and nothing is lost.
      {U"http://example.org/a/long/address", std::nullopt, "http://example.org/a/long/address"},
      {U"   abcdefghijk", std::nullopt, "   abcdefghijk"},
      {U"see http://example.org/x", std::pair{3, 4}, "see\r\nhttp://example.org/x"},
  };
  for (const Case& c : cases) {
    const QString line = QString::fromUcs4(c.line);
    SCOPED_TRACE(line.toStdString());
    const std::optional<LineBreak> cut = FindLineBreak(c.line, 10);
    EXPECT_EQ(cut.has_value(), c.cut.has_value());
    if (cut && c.cut) {
      EXPECT_EQ(std::pair(cut->cutStart, cut->cutEnd), *c.cut);
    }
    TEditForm* editor = Window(QString());
    Type(editor->Editor(), line);
    EXPECT_EQ(editor->Text().Text(), QString::fromLatin1(c.typed));
    EXPECT_EQ(editor->Text().SelStart(), editor->Text().TextLength());
    editor->CloseApproved();
    Flush();
  }
}

TEST_F(TabsWrapTest, WordWrapInsideALineKeepsTheCaretWithItsText) {
  frame_->Switches().wrapColumn = 10;
  TEditForm* editor = Window("abc defghi\r\nnext", 3);
  Type(editor->Editor(), "X");
  EXPECT_EQ(editor->Text().Text(), "abcX\r\ndefghi\r\nnext");
  EXPECT_EQ(editor->Text().SelStart(), 4);
  editor = Window("abc defghi", 6);
  Type(editor->Editor(), "Y");
  EXPECT_EQ(editor->Text().Text(), "abc\r\ndeYfghi");
  EXPECT_EQ(editor->Text().SelStart(), 8);
  // Word-wrap off, or overwrite mode: the line simply grows.
  frame_->Switches().wordWrap = false;
  editor = Window("abc defghi", 10);
  Type(editor->Editor(), "jk");
  EXPECT_EQ(editor->Text().Text(), "abc defghijk");
}

TEST_F(TabsWrapTest, TypingALongParagraphKeepsEveryLineWithinTheColumn) {
  frame_->Switches().wrapColumn = 68;
  frame_->Switches().wordWrap = true;
  const QString longWord = QStringLiteral("https://example.org/") + QString(70, QLatin1Char('z'));
  const QStringList vocabulary =
      QStringLiteral(
          "a plain editor keeps every line within its column while the user types long paragraphs "
          "of text, quickly onomatopoeia I")
          .split(QLatin1Char(' '));
  QStringList words;
  unsigned seed = 7;
  for (int i = 0; i < 300; ++i) {
    seed = seed * 1103515245u + 12345u;
    words << (i == 150 ? longWord : vocabulary.at((seed >> 16) % vocabulary.size()));
  }
  TEditForm* editor = Window(QString());
  Type(editor->Editor(), words.join(QLatin1Char(' ')));
  const QString text = editor->Text().Text();
  const QStringList lines = text.split("\r\n");
  EXPECT_GT(lines.size(), 20);
  for (const QString& line : lines) {
    SCOPED_TRACE(line.toStdString());
    EXPECT_FALSE(line.endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(line.isEmpty());
    if (line.size() > 68) {
      EXPECT_EQ(line, longWord);
    }
  }
  EXPECT_EQ(text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts), words);
  EXPECT_EQ(editor->Text().SelStart(), editor->Text().TextLength());
}

TEST_F(TabsWrapTest, TrailingBlanksGoWhenTheCaretLeavesTheLine) {
  const std::pair<int, const char*> cases[] = {
      {Qt::Key_Home, "one\r\n|two\r\nthree"},       {Qt::Key_End, "one\r\ntwo|\r\nthree"},
      {Qt::Key_Up, "one|\r\ntwo\r\nthree"},         {Qt::Key_Down, "one\r\ntwo\r\nthree|"},
      {Qt::Key_Return, "one\r\ntwo\r\n|\r\nthree"},
  };
  for (const auto& [key, expected] : cases) {
    SCOPED_TRACE(expected);
    TEditForm* editor = MarkedWindow("one\r\ntwo|\r\nthree");
    Type(editor->Editor(), "  ");
    Key(editor, key);
    EXPECT_EQ(Shown(editor), QString::fromLatin1(expected));
    editor->CloseApproved();
    Flush();
  }
}

// A file of mixed line breaks keeps them, so some lines end in a one-character break: the caret still lands
// where it would after CR LF.
TEST_F(TabsWrapTest, CaretKeysTabAndWrapCountOneCharacterLineBreaksOfAMixedFile) {
  frame_->Switches().tabInterval = 4;
  frame_->Switches().wrapColumn = 10;
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("mixed.txt"), "abcd\nxy\nmore\r\n"));
  editor->Text().SetSelStart(7);
  Type(editor->Editor(), "  ");
  Key(editor, Qt::Key_Up);  // past the end of the line above: to its end
  EXPECT_EQ(Shown(editor), "abcd|\nxy\nmore\r\n");
  editor->Text().SetSelStart(6);
  Key(editor, Qt::Key_Tab);  // the stop is past the line's end: to the next line's start
  EXPECT_EQ(Shown(editor), "abcd\nxy\n|more\r\n");
  frame_->Switches().wordWrap = true;
  editor->Text().SetSelStart(12);
  Type(editor->Editor(), " hello word");
  EXPECT_EQ(Shown(editor), "abcd\nxy\nmore hello\nword|\r\n");
}

TEST_F(TabsWrapTest, DirtySpacesAndUnchangedTextKeepTrailingBlanks) {
  // A document nobody has changed keeps its blanks.
  TEditForm* loaded = Open(env_.WriteFile("a.txt", "one  \r\ntwo"));
  loaded->Text().SetSelStart(5);
  Key(loaded, Qt::Key_Down);
  EXPECT_EQ(loaded->Text().Text(), "one  \r\ntwo");

  QAction* dirty = Action("Dirtyspaces1");
  ASSERT_NE(dirty, nullptr);
  TEditForm* editor = Window("one\r\ntwo", 3);
  dirty->trigger();
  EXPECT_TRUE(frame_->Switches().dirtySpaces);
  EXPECT_TRUE(dirty->isChecked());
  EXPECT_EQ(Panel(editor, 5), "Dirty Sp: ON");
  Type(editor->Editor(), "  ");
  Key(editor, Qt::Key_Down);
  EXPECT_EQ(editor->Text().Text(), "one  \r\ntwo");
  dirty->trigger();
  EXPECT_EQ(Panel(editor, 5), "Dirty Sp: OFF");
}

// Word-wrap toggles; RTF setup turns it off and brings it back only if it was on; a viewing copy refuses all
// three switches.
TEST_F(TabsWrapTest, WordWrapAndRtfSetupSwitchesAndTheirRefusalInAViewingCopy) {
  QAction* setup = Action("RTFSetup1");
  QAction* wordWrap = Action("Wordwrap1");
  ASSERT_TRUE(setup && wordWrap);
  TEditForm* editor = Window(QString());
  wordWrap->trigger();
  EXPECT_FALSE(frame_->Switches().wordWrap);
  EXPECT_EQ(Panel(editor, 3), "WrdWrp: OFF");
  wordWrap->trigger();
  EXPECT_EQ(Panel(editor, 3), "WrdWrp: Col 68");

  const QString setupBox =
      "Setting up for RTF files|Dirty spaces is turned on, so the blanks at the ends of lines stay where "
      "they "
      "are: RTF needs them.\n\nWord-wrap is turned off, because the blank a line is wrapped at is erased.\n\n"
      "Neither setting holds across program runs.";
  for (bool wrapBefore : {true, false}) {
    SCOPED_TRACE(wrapBefore);
    frame_->Switches().wordWrap = wrapBefore;
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kOk);
    setup->trigger();
    EXPECT_EQ(ui_.MessageLog(), QStringList{setupBox});
    EXPECT_TRUE(setup->isChecked());
    EXPECT_FALSE(wordWrap->isChecked());
    EXPECT_EQ(Panel(editor, 3), "WrdWrp: OFF");
    EXPECT_EQ(Panel(editor, 5), "Dirty Sp: ON");
    setup->trigger();  // off again: no box
    EXPECT_EQ(ui_.MessageLog().size(), 1);
    EXPECT_EQ(ui_.Beeps(), 2);
    EXPECT_FALSE(setup->isChecked());
    EXPECT_EQ(frame_->Switches().wordWrap, wrapBefore);
    EXPECT_EQ(wordWrap->isChecked(), wrapBefore);
    EXPECT_EQ(Panel(editor, 3), wrapBefore ? "WrdWrp: Col 68" : "WrdWrp: OFF");
    EXPECT_EQ(Panel(editor, 5), "Dirty Sp: OFF");
  }

  const QString viewer =
      "This setting is for the working text copy of the RTF file. This is a viewing copy, You can print text "
      "wo attributes. No clipboard use. And you cannot Save, Save As, or write text in this viewer.";
  frame_->Switches().wordWrap = true;
  editor->SetNumber(101);
  ui_.Clear();
  for (int i = 0; i < 3; ++i) ui_.AnswerMessage(MsgResult::kOk);
  wordWrap->trigger();
  Trigger("RTFSetup1");
  Trigger("Dirtyspaces1");
  EXPECT_EQ(ui_.MessageLog(), (QStringList{"Setting Wordwrap|" + viewer, "RTF Setup|" + viewer,
                                           // The same text, a sentence to a line.
                                           "Setting Dirty Spaces|" + QString(viewer).replace(". ", ".\n")}));
  EXPECT_TRUE(frame_->Switches().wordWrap);
  EXPECT_FALSE(frame_->Switches().rtfSetup);
  EXPECT_FALSE(frame_->Switches().dirtySpaces);
}

TEST_F(TabsWrapTest, DoubleSpacedReflowPutsAnEmptyLineAfterEveryLine) {
  TEditForm* editor = MarkedWindow("one\r\ntwo\r\nthree");
  Trigger("DblSpace1");
  EXPECT_EQ(editor->Text().Text(), "one\r\n\r\ntwo\r\n\r\nthree");
  EXPECT_EQ(Panel(editor, 1), "Modified");
}

}  // namespace
}  // namespace penwick::test
