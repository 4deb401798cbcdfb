// The editor's key handlers on a real editor window with real key presses.

#include <QAction>
#include <QInputMethodEvent>

#include "editor/frame_link.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using KeyboardTest = StartedFrameTest;

TEST_F(KeyboardTest, OverwriteModeReplacesOneCharacterPerKeystrokeButNeverALineBreak) {
  TEditForm* editor = MarkedWindow("ab|cdef\r\nxy");
  Key(editor, Qt::Key_Insert);
  EXPECT_EQ(Panel(editor, 4), "OVR");
  EXPECT_FALSE(frame_->Switches().insertMode);
  EXPECT_TRUE(editor->Editor()->overwriteMode());
  Type(editor->Editor(), "XY");
  EXPECT_EQ(Shown(editor), "abXY|ef\r\nxy");
  // At the end of the line the typed character is added; the next line stays where it is.
  editor->Text().SetSelStart(6);
  Type(editor->Editor(), "Z");
  EXPECT_EQ(Shown(editor), "abXYefZ|\r\nxy");
  // Backspace and Return are not overwriting keys.
  editor->Text().SetSelStart(3);
  Key(editor, Qt::Key_Backspace);
  Key(editor, Qt::Key_Return);
  EXPECT_EQ(editor->Text().Text(), "ab\r\nYefZ\r\nxy");

  // A new window starts in insert mode again, for every window.
  TEditForm* second = NewWindow();
  EXPECT_EQ(Panel(second, 4), " INS");
  Type(second->Editor(), "ab");
  second->Text().SetSelStart(0);
  Type(second->Editor(), "c");
  EXPECT_EQ(second->Text().Text(), "cab");
}

TEST_F(KeyboardTest, TypedTextUndoesAsOneStep) {
  TEditForm* editor = MarkedWindow("start |");
  Type(editor->Editor(), "hello world");
  editor->Text().Undo();
  EXPECT_EQ(Shown(editor), "start |");
}

// Shift+Return repeats the caret line's indent; it refuses a selection and an empty line.
TEST_F(KeyboardTest, ShiftReturnRepeatsTheIndentOfTheCaretLine) {
  frame_->Switches().tabInterval = 4;
  const QString caption = "Shift+Return --> New Line wIndent|";
  const QString tabWarning =
      caption +
      "Tab characters were imported into the indent space. An indent built of blanks may look off "
      "after them, and other viewers may not show the alignment at all.\n\nAlign the caret with "
      "Space and Backspace, not with the arrow keys.";
  const struct {
    const char* name;
    const char* before;
    const char* after;
    QStringList boxes;
  } cases[] = {
      {"blanks", "    item|", "    item\r\n    |", {}},
      {"tab", "\titem|", "\titem\r\n    |", {tabWarning}},
      {"blank-only line", "    |", "\r\n    |", {}},
      {"no indent", "item|", "item\r\n|", {}},
      {"a selection",
       "  [abc]\r\n",
       "  [abc]\r\n",
       {caption + "You have selected text and Shift+Return is inappropriate."}},
      {"an empty line",
       "  abc\r\n|",
       "  abc\r\n|",
       {caption + "Line-grab didn't Take. Just repeat your Shift+Return."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ui_.Clear();
    for (int i = 0; i < c.boxes.size(); ++i) ui_.AnswerMessage(MsgResult::kOk);
    TEditForm* editor = MarkedWindow(QString::fromLatin1(c.before));
    Key(editor, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Shown(editor), QString::fromLatin1(c.after));
    EXPECT_EQ(ui_.MessageLog(), c.boxes);
    EXPECT_EQ(ui_.Beeps(), QLatin1String(c.name) == QLatin1String("an empty line"));
    if (QLatin1String(c.before) == QLatin1String(c.after)) continue;
    // Typing goes on after the indent; the mark is used up, so the next Return is an ordinary one.
    Type(editor->Editor(), "x");
    Key(editor, Qt::Key_Return);
    EXPECT_EQ(Shown(editor), QString::fromLatin1(c.after).replace(u'|', "x\r\n|"));
  }
}

TEST_F(KeyboardTest, BackspaceAndDeleteKeepTheSelectedText) {
  TEditForm* editor = MarkedWindow("x[abc]y");
  Key(editor, Qt::Key_Delete);
  EXPECT_EQ(editor->Text().Text(), "xabc");
  Select(editor, 1, 3);
  Key(editor, Qt::Key_Backspace);
  EXPECT_EQ(editor->Text().Text(), "abc");
  // Without a selection they delete as usual.
  editor->Text().SetSelStart(1);
  Key(editor, Qt::Key_Backspace);
  Key(editor, Qt::Key_Delete);
  EXPECT_EQ(editor->Text().Text(), "c");
}

TEST_F(KeyboardTest, HomeGoesToTheFirstPositionOfTheLineAsShown) {
  TEditForm* editor = MarkedWindow("x\r\n    abc|");
  Key(editor, Qt::Key_Home);
  EXPECT_EQ(Shown(editor), "x\r\n|    abc");
  editor->Text().SetSelStart(10);
  Key(editor, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Shown(editor), "x\r\n[    abc]");

  // Where lines wrap at the window's edge (a viewing copy), Home and End keep to the shown line.
  editor = Window(QString("word ").repeated(400) + "end");
  editor->Text().SetSoftWrap(true);
  QTest::qWait(50);
  editor->Text().SetSelStart(1000);
  Key(editor, Qt::Key_Home);
  EXPECT_GT(editor->Text().SelStart(), 0);
  EXPECT_LE(editor->Text().SelStart(), 1000);
  Key(editor, Qt::Key_End);
  EXPECT_GT(editor->Text().SelStart(), 1000);
  EXPECT_LT(editor->Text().SelStart(), 2000);
}

TEST_F(KeyboardTest, HighCharactersFollowTheHighCharacterModeInACodePageDocument) {
  struct Case {
    HighCharMode mode;
    QString typed;
    QString expected;
  } cases[] = {
      {HighCharMode::kOff, "\u00e9", "ab"},
      {HighCharMode::kAsText, "\u00e9", "a\u00e9b"},
      {HighCharMode::kAsCodes, "\u00e9", "a&#233;b"},
      // Inside code page 1252 the code page's code, outside it the character's own number.
      {HighCharMode::kAsCodes, "\u20ac", "a&#128;b"},
      {HighCharMode::kAsCodes, "\u4e2d", "a&#20013;b"},
      {HighCharMode::kAsCodes, "\U0001F600", "a&#128512;b"},
      {HighCharMode::kAsText, "\U0001F600", "a\U0001F600b"},
      {HighCharMode::kOff, "\U0001F600", "ab"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected.toStdString());
    frame_->Switches().highChars = c.mode;
    TEditForm* editor = Window("ab", 1);
    Type(editor->Editor(), c.typed);
    EXPECT_EQ(editor->Text().Text(), c.expected);
    editor->CloseApproved();
    Flush();
  }
  // A UTF-8 document takes accented letters even with the mode off.
  frame_->Switches().highChars = HighCharMode::kOff;
  TEditForm* editor = Open(env_.WriteFile("u.txt", "na\xC3\xAFve"));
  editor->Text().SetSelStart(6);
  Type(editor->Editor(), "\u00e9");
  EXPECT_EQ(editor->Text().Text(), "na\u00efve\u00e9");
}

TEST_F(KeyboardTest, ACompositionIsReplacedByTheCommittedText) {
  TEditForm* editor = MarkedWindow("a|b");
  frame_->Switches().highChars = HighCharMode::kAsText;
  QInputMethodEvent preedit("zh", {});
  QCoreApplication::sendEvent(editor->Editor(), &preedit);
  EXPECT_EQ(editor->Text().Text(), "azhb");  // shown while composing
  QInputMethodEvent commit;
  commit.setCommitString("\u4e2d");
  QCoreApplication::sendEvent(editor->Editor(), &commit);
  EXPECT_EQ(Shown(editor), "a\u4e2d|b");
}

TEST_F(KeyboardTest, AnRtfViewingCopyRefusesEveryKeyButTab) {
  frame_->AppSettings().boilerplates[0] = "boiler";
  TEditForm* editor = Window("abcdefghij\r\nsecond", 1);
  frame_->Switches().highChars = HighCharMode::kAsCodes;
  editor->SetNumber(101);
  ASSERT_TRUE(editor->IsRtfView());
  Select(editor, 1, 2);
  Type(editor->Editor(), "x \u00e9");
  editor->Text().SetSelStart(1);
  const std::pair<int, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Return, Qt::ShiftModifier},
      {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
      {Qt::Key_A, Qt::NoModifier},
  };
  for (const auto& [key, modifiers] : keys) Key(editor, key, modifiers);
  EXPECT_EQ(editor->Text().Text(), "abcdefghij\r\nsecond");
  EXPECT_TRUE(ui_.Shown().empty());
  // Tab only moves the caret, even at the end of a line or with Ctrl.
  editor->Text().SetSelStart(1);
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(editor->Text().SelStart(), 7);
  editor->Text().SetSelStart(10);
  frame_->Run().tabInsertRequest = true;
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(editor->Text().Text(), "abcdefghij\r\nsecond");
  EXPECT_FALSE(frame_->Run().tabInsertRequest);
}

TEST_F(KeyboardTest, PairKeysEncloseTheSelectionOrPutThePairAroundTheCaret) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* empty;     // typed with no selection
    const char* enclosed;  // typed over the selection "mid"
  } cases[] = {
      {Qt::Key_9, Qt::ControlModifier, "a()b", "a(mid)b"},
      {Qt::Key_ParenLeft, Qt::ControlModifier | Qt::ShiftModifier, "a()b", "a(mid)b"},
      {Qt::Key_BracketLeft, Qt::ControlModifier, "a[]b", "a[mid]b"},
      {Qt::Key_BracketRight, Qt::ControlModifier, "a{}b", "a{mid}b"},
      {Qt::Key_BraceRight, Qt::ControlModifier | Qt::ShiftModifier, "a{}b", "a{mid}b"},
      {Qt::Key_Apostrophe, Qt::ControlModifier, "a\"\"b", "a\"mid\"b"},
      {Qt::Key_QuoteDbl, Qt::ControlModifier | Qt::ShiftModifier, "a\"\"b", "a\"mid\"b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.enclosed);
    TEditForm* editor = Window("ab", 1);
    Key(editor, c.key, c.modifiers);
    EXPECT_EQ(editor->Text().Text(), QString::fromLatin1(c.empty));
    EXPECT_EQ(editor->Text().SelStart(), 2);  // between the two
    editor->Text().SetText("amidb");
    Select(editor, 1, 3);
    Key(editor, c.key, c.modifiers);
    EXPECT_EQ(editor->Text().Text(), QString::fromLatin1(c.enclosed));
    EXPECT_EQ(editor->Text().SelStart(), 6);  // after the closing character
    editor->CloseApproved();
    Flush();
  }
}

TEST_F(KeyboardTest, CtrlMinusTypesAHyphenAndABlankAndCtrlKeysTypeNothingElse) {
  frame_->Switches().wrapColumn = 5;
  TEditForm* editor = Window("abcd", 4);
  // The two characters are typed like keys: the second one meets the wrap column.
  Key(editor, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(editor->Text().Text(), "abcd-\r\n");
  // Ctrl+M and Ctrl+J are HTML-menu shortcuts (Preformat, List item); other Ctrl keys type nothing.
  for (int key : {Qt::Key_0, Qt::Key_Period}) Key(editor, key, Qt::ControlModifier);
  EXPECT_EQ(editor->Text().Text(), "abcd-\r\n");
}

TEST_F(KeyboardTest, TypingOverASelectionAsksFirstWhileTheWarningIsOn) {
  TEditForm* editor = Window("one two");
  Select(editor, 4, 3);
  ui_.AnswerMessage(MsgResult::kCancel);
  Type(editor->Editor(), "x");
  EXPECT_EQ(editor->Text().Text(), "one two");
  ASSERT_EQ(ui_.Shown().size(), 1u);
  ExpectBox(ui_, " Typed Letter Replaces Selected Text",
            "OK replaces selected text. Cancel kills the keystroke.", MsgType::kWarning,
            MsgButtons::kOkCancel);
  ui_.AnswerMessage(MsgResult::kOk);
  Type(editor->Editor(), "x");
  EXPECT_EQ(editor->Text().Text(), "one x");

  QAction* toggle = Action("TextOverSel1");
  ASSERT_NE(toggle, nullptr);
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  EXPECT_FALSE(frame_->Switches().textOverSelWarning);
  EXPECT_FALSE(toggle->isChecked());
  ui_.Clear();
  Select(editor, 0, 3);
  Type(editor->Editor(), "1");
  EXPECT_EQ(editor->Text().Text(), "1 x");
  EXPECT_TRUE(ui_.Shown().empty());
}

}  // namespace
}  // namespace penwick::test
