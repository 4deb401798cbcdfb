// The editor's key handlers on a real editor window with real key presses.

#include <QAction>
#include <QInputMethodEvent>

#include "app/frame_menus.h"
#include "editor/frame_link.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using KeyboardTest = FrameTest;

TEST_F(KeyboardTest, OverwriteModeReplacesOneCharacterPerKeystrokeButNeverALineBreak) {
  Start();
  TEditForm* editor = Window(QStringLiteral("abcdef\r\nxy"), 2);
  Key(editor, Qt::Key_Insert);
  EXPECT_EQ(Panel(editor, 4), QStringLiteral("OVR"));
  EXPECT_FALSE(frame_->Switches().insertMode);
  EXPECT_TRUE(editor->Editor()->overwriteMode());
  Type(editor->Editor(), QStringLiteral("XY"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abXYef\r\nxy"));
  // At the end of the line the typed character is added; the next line stays where it is.
  editor->Text().SetSelStart(6);
  Type(editor->Editor(), QStringLiteral("Z"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abXYefZ\r\nxy"));
  // Backspace and Return are not overwriting keys.
  editor->Text().SetSelStart(3);
  Key(editor, Qt::Key_Backspace);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abYefZ\r\nxy"));
  Key(editor, Qt::Key_Return);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("ab\r\nYefZ\r\nxy"));

  // A new window starts in insert mode again, for every window.
  TEditForm* second = NewWindow();
  EXPECT_EQ(Panel(second, 4), QStringLiteral(" INS"));
  Type(second->Editor(), QStringLiteral("ab"));
  second->Text().SetSelStart(0);
  Type(second->Editor(), QStringLiteral("c"));
  EXPECT_EQ(second->Text().Text(), QStringLiteral("cab"));
}

TEST_F(KeyboardTest, TypedTextUndoesAsOneStep) {
  Start();
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("u.txt"), "start "));
  editor->Text().SetSelStart(6);
  Type(editor->Editor(), QStringLiteral("hello world"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("start hello world"));
  editor->Text().Undo();
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("start "));
}

TEST_F(KeyboardTest, ShiftReturnRepeatsTheIndentOfTheCaretLine) {
  Start();
  frame_->Switches().tabInterval = 4;
  const QString tabWarning = QStringLiteral(
      "Shift+Return --> New Line wIndent|Tab characters were imported into the indent space. An indent built "
      "of blanks may look off after them, and other viewers may not show the alignment at all.\n\nAlign the "
      "caret with Space and Backspace, not with the arrow keys.");
  struct Case {
    const char* name;
    QString text;
    QString expected;
    int caret;  // expected caret afterwards
    QStringList boxes;
  } cases[] = {
      {"blanks", QStringLiteral("    item"), QStringLiteral("    item\r\n    "), 14, {}},
      {"tab", QStringLiteral("\titem"), QStringLiteral("\titem\r\n    "), 11, {tabWarning}},
      {"blank-only line", QStringLiteral("    "), QStringLiteral("\r\n    "), 6, {}},
      {"no indent", QStringLiteral("item"), QStringLiteral("item\r\n"), 6, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui_.Clear();
    for (int i = 0; i < c.boxes.size(); ++i) ui_.AnswerMessage(MsgResult::kOk);
    TEditForm* editor = Window(c.text, static_cast<int>(c.text.size()));
    Key(editor, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(editor->Text().Text(), c.expected);
    EXPECT_EQ(editor->Text().SelStart(), c.caret);
    EXPECT_EQ(ui_.MessageLog(), c.boxes);
    // Typing goes on after the indent; the mark is used up, so the next Return is an ordinary one.
    Type(editor->Editor(), QStringLiteral("x"));
    Key(editor, Qt::Key_Return);
    EXPECT_EQ(editor->Text().Text(), c.expected + QStringLiteral("x\r\n"));
  }
}

TEST_F(KeyboardTest, ShiftReturnRefusesASelectionAndAnEmptyLine) {
  Start();
  TEditForm* editor = Window(QStringLiteral("  abc\r\n"), 0);
  Select(editor, 2, 3);
  ui_.AnswerMessage(MsgResult::kOk);
  Key(editor, Qt::Key_Return, Qt::ShiftModifier);
  editor->Text().SetSelStart(7);
  ui_.AnswerMessage(MsgResult::kOk);
  Key(editor, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("  abc\r\n"));
  EXPECT_EQ(ui_.MessageLog(),
            (QStringList{
                QStringLiteral("Shift+Return --> New Line wIndent|You have selected text and Shift+Return is "
                               "inappropriate."),
                QStringLiteral("Shift+Return --> New Line wIndent|Line-grab didn't Take. Just repeat your "
                               "Shift+Return.")}));
  EXPECT_EQ(ui_.Beeps(), 1);
}

TEST_F(KeyboardTest, BackspaceAndDeleteKeepTheSelectedText) {
  Start();
  TEditForm* editor = Window(QStringLiteral("xabcy"));
  Select(editor, 1, 3);
  Key(editor, Qt::Key_Delete);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("xabc"));
  Select(editor, 1, 3);
  Key(editor, Qt::Key_Backspace);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abc"));
  // Without a selection they delete as usual.
  editor->Text().SetSelStart(1);
  Key(editor, Qt::Key_Backspace);
  Key(editor, Qt::Key_Delete);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("c"));
}

TEST_F(KeyboardTest, HighCharactersFollowTheHighCharacterMode) {
  Start();
  struct Case {
    HighCharMode mode;
    QString typed;
    QString expected;
  } cases[] = {
      {HighCharMode::kOff, QStringLiteral("\u00e9"), QStringLiteral("ab")},
      {HighCharMode::kAsText, QStringLiteral("\u00e9"), QStringLiteral("a\u00e9b")},
      {HighCharMode::kAsCodes, QStringLiteral("\u00e9"), QStringLiteral("a&#233;b")},
      // Inside code page 1252 the code page's code, outside it the character's own number.
      {HighCharMode::kAsCodes, QStringLiteral("\u20ac"), QStringLiteral("a&#128;b")},
      {HighCharMode::kAsCodes, QStringLiteral("\u4e2d"), QStringLiteral("a&#20013;b")},
      {HighCharMode::kAsCodes, QStringLiteral("\U0001F600"), QStringLiteral("a&#128512;b")},
      {HighCharMode::kAsText, QStringLiteral("\U0001F600"), QStringLiteral("a\U0001F600b")},
      {HighCharMode::kOff, QStringLiteral("\U0001F600"), QStringLiteral("ab")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected.toStdString());
    frame_->Switches().highChars = c.mode;
    TEditForm* editor = Window(QStringLiteral("ab"), 1);
    Type(editor->Editor(), c.typed);
    EXPECT_EQ(editor->Text().Text(), c.expected);
    editor->CloseApproved();
    Flush();
  }
}

TEST_F(KeyboardTest, AUtf8DocumentTakesAccentedLettersWithTheModeOff) {
  Start();
  frame_->Switches().highChars = HighCharMode::kOff;
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("u.txt"), "na\xC3\xAFve"));
  editor->Text().SetSelStart(6);
  Type(editor->Editor(), QStringLiteral("\u00e9"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("na\u00efve\u00e9"));
}

TEST_F(KeyboardTest, InputMethodCharactersPassTheSameHandler) {
  Start();
  TEditForm* editor = Window(QString());
  frame_->Switches().highChars = HighCharMode::kAsCodes;  // after the first window, which resets it
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("\u00e8x"));
  QCoreApplication::sendEvent(editor->Editor(), &commit);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("&#232;x"));
}

TEST_F(KeyboardTest, ACompositionIsReplacedByTheCommittedText) {
  Start();
  TEditForm* editor = Window(QStringLiteral("ab"), 1);
  frame_->Switches().highChars = HighCharMode::kAsText;
  QInputMethodEvent preedit(QStringLiteral("zh"), {});
  QCoreApplication::sendEvent(editor->Editor(), &preedit);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("azhb"));  // shown while composing
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("\u4e2d"));
  QCoreApplication::sendEvent(editor->Editor(), &commit);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("a\u4e2db"));
  EXPECT_EQ(editor->Text().SelStart(), 2);
}

TEST_F(KeyboardTest, AnRtfViewingCopyRefusesEveryKeyButTab) {
  Start();
  frame_->AppSettings().boilerplates[0] = QStringLiteral("boiler");
  TEditForm* editor = Window(QStringLiteral("abcdefghij\r\nsecond"), 1);
  frame_->Switches().highChars = HighCharMode::kAsCodes;
  editor->SetNumber(101);
  ASSERT_TRUE(editor->IsRtfView());
  Select(editor, 1, 2);
  Type(editor->Editor(), QStringLiteral("x \u00e9"));
  editor->Text().SetSelStart(1);
  const std::pair<int, Qt::KeyboardModifiers> keys[] = {
      {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Return, Qt::ShiftModifier},
      {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
      {Qt::Key_A, Qt::NoModifier},
  };
  for (const auto& [key, modifiers] : keys) Key(editor, key, modifiers);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abcdefghij\r\nsecond"));
  EXPECT_TRUE(ui_.Shown().empty());
  // Tab only moves the caret, even at the end of a line or with Ctrl.
  editor->Text().SetSelStart(1);
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(editor->Text().SelStart(), 7);
  editor->Text().SetSelStart(10);
  frame_->Run().tabInsertRequest = true;
  Key(editor, Qt::Key_Tab);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abcdefghij\r\nsecond"));
  EXPECT_FALSE(frame_->Run().tabInsertRequest);
}

TEST_F(KeyboardTest, PairKeysEncloseTheSelectionOrPutThePairAroundTheCaret) {
  Start();
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
    TEditForm* editor = Window(QStringLiteral("ab"), 1);
    Key(editor, c.key, c.modifiers);
    EXPECT_EQ(editor->Text().Text(), QString::fromLatin1(c.empty));
    EXPECT_EQ(editor->Text().SelStart(), 2);  // between the two
    editor->Text().SetText(QStringLiteral("amidb"));
    Select(editor, 1, 3);
    Key(editor, c.key, c.modifiers);
    EXPECT_EQ(editor->Text().Text(), QString::fromLatin1(c.enclosed));
    EXPECT_EQ(editor->Text().SelStart(), 6);  // after the closing character
    editor->CloseApproved();
    Flush();
  }
}

TEST_F(KeyboardTest, CtrlMinusTypesAHyphenAndABlankAndCtrlKeysTypeNothingElse) {
  Start();
  frame_->Switches().wrapColumn = 5;
  TEditForm* editor = Window(QStringLiteral("abcd"), 4);
  // The two characters are typed like keys: the second one meets the wrap column.
  Key(editor, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abcd-\r\n"));
  // Ctrl+M and Ctrl+J are HTML-menu shortcuts (Preformat, List item); other Ctrl keys type nothing.
  for (int key : {Qt::Key_0, Qt::Key_Period}) Key(editor, key, Qt::ControlModifier);
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("abcd-\r\n"));
}

TEST_F(KeyboardTest, TypingOverASelectionAsksFirstWhileTheWarningIsOn) {
  Start();
  TEditForm* editor = Window(QStringLiteral("one two"));
  Select(editor, 4, 3);
  ui_.AnswerMessage(MsgResult::kCancel);
  Type(editor->Editor(), QStringLiteral("x"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("one two"));
  ASSERT_EQ(ui_.Shown().size(), 1u);
  ExpectBox(ui_, QStringLiteral(" Typed Letter Replaces Selected Text"),
            QStringLiteral("OK replaces selected text. Cancel kills the keystroke."), MsgType::kWarning,
            MsgButtons::kOkCancel);
  ui_.AnswerMessage(MsgResult::kOk);
  Type(editor->Editor(), QStringLiteral("x"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("one x"));

  QAction* toggle = frame_->Menus().Find(QStringLiteral("TextOverSel1"));
  ASSERT_NE(toggle, nullptr);
  EXPECT_EQ(toggle->text(), QStringLiteral("Toggle text &over selection Warning"));
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  EXPECT_FALSE(frame_->Switches().textOverSelWarning);
  EXPECT_FALSE(toggle->isChecked());
  ui_.Clear();
  Select(editor, 0, 3);
  Type(editor->Editor(), QStringLiteral("1"));
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("1 x"));
  EXPECT_TRUE(ui_.Shown().empty());
}

}  // namespace
}  // namespace penwick::test
