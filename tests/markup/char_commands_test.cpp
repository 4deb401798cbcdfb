// Characters and symbols: the Esc menu's references, the Edit menu's pairs and punctuation, hard spaces, the
// two modes for typed characters 128 to 255 and the code picker, on a real editor window.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <optional>

#include "app/frame_menus.h"
#include "markup/codes_dialog.h"
#include "tests/support/frame_fixture.h"
#include "tests/support/marked_text.h"

namespace penwick::test {
namespace {

class CharCommandsTest : public StartedFrameTest {
 protected:
  TEditForm* Editor(const char* marked) {
    TEditForm* editor = frame_->ActiveEditor() ? frame_->ActiveEditor() : NewWindow();
    SetMarked(editor->Text(), QString::fromUtf8(marked));
    Flush();
    return editor;
  }
  QString Result() { return Marked(frame_->ActiveEditor()->Text()); }
  bool Checked(const char* item) { return frame_->Menus().Find(QString::fromLatin1(item))->isChecked(); }
};

TEST_F(CharCommandsTest, MenuItemsWriteTheirCharactersAndPlaceTheCaret) {
  const struct {
    const char* item;
    const char* before;
    const char* after;
  } cases[] = {
      {"GeneralSymbol1", "a|b", "a&#|;b"},
      {"LeftAngleBracket1", "a[sel]b", "a&#60;|b"},
      {"RSnglQuote1", "it|s", "it&#146;|s"},
      {"LRDblQuote1", "a|b", "a&#147;|&#148;b"},
      {"LRDblQuote1", "[two\r\nlines]", "&#147;two\r\nlines&#148;|"},
      {"Parentheses1", "[a\r\nb]", "(a\r\nb)|"},
      {"Quotes1", "x|", "x\"|\""},
      {"RTFCurlies1", "|", "{|}"},
      {"Commas1", "a[b]c", "a, b,|c"},
      {"Commas1", "a|c", "a, |,c"},
      {"Hyphenator1", "a|b", "a- |b"},
      {"Ellipsis1", "a|", "a...|"},
      {"Dash1", "a|", "a--|"},
      {"HTMLStartTag1", "a|b", "a<|>b"},
      {"HTMLEndTag1", "a|b", "a</|>b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.before);
    Editor(c.before);
    Run(c.item);
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(CharCommandsTest, ShortcutsReachTheirItemsFromTheText) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* after;
  } cases[] = {
      {Qt::Key_G, Qt::ControlModifier, "&#|;"},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "&#62;|"},
      {Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier, "&#147;|&#148;"},
      {Qt::Key_W, Qt::ControlModifier, "&#147;|"},
      {Qt::Key_A, Qt::ControlModifier, "*|*"},
      {Qt::Key_Comma, Qt::ControlModifier, ", |,"},
      {Qt::Key_E, Qt::ControlModifier, "...|"},
      {Qt::Key_X, Qt::ControlModifier, "</|>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
    TEditForm* editor = Editor("|");
    QApplication::setActiveWindow(frame_.get());
    editor->Editor()->setFocus();
    QTest::keyClick(editor->Editor(), c.key, c.modifiers);
    Flush();
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
  }
}

// Typed punctuation goes through the keys' own road, so overwrite mode types over what follows.
TEST_F(CharCommandsTest, TypedPunctuationOverwritesInOverwriteMode) {
  TEditForm* editor = Editor("ab|cdef");
  Key(editor, Qt::Key_Insert);
  Run("Ellipsis1");
  EXPECT_EQ(Result(), "ab...|f");
  Run("RTFCurlies1");  // inserted, never typed: the "f" stays
  EXPECT_EQ(Result(), "ab...{|}f");
}

TEST_F(CharCommandsTest, HardSpacesBreakTheLineEveryTenthAndKeepWordWrap) {
  const QString space = "&#160;";
  const struct {
    std::optional<QString> answer;
    QString after;
    const char* message = nullptr;
  } cases[] = {
      {"3", space.repeated(3) + "|"},
      {"10", space.repeated(9) + "\r\n|"},
      {"25", space.repeated(9) + "\r\n" + space.repeated(9) + "\r\n" + space.repeated(5) + "|"},
      {"-1", "|"},
      {"", "|"},
      {std::nullopt, "|"},
      {"x", "|", "Penwick|'x' is not a valid integer value"},
      {"2147483647", "|", "Space Chars in Text|2147483647 is too many. At most 1000 can be typed at once."},
  };
  frame_->Switches().wordWrap = true;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(cancel)").toStdString());
    Editor("|");
    ui_.Clear();
    ui_.AnswerInput(c.answer);
    if (c.message) ui_.AnswerMessage(MsgResult::kOk);
    Run("HardSpace1");
    EXPECT_EQ(Result(), c.after);
    EXPECT_EQ(ui_.MessageLog(), c.message ? QStringList{c.message} : QStringList());
    EXPECT_TRUE(frame_->Switches().wordWrap);
  }
  EXPECT_EQ(ui_.Last().caption, "Space Chars in Text");
  EXPECT_EQ(ui_.Shown().front().text, "Enter number-of-spaces (Added CRLFs count)");
}

TEST_F(CharCommandsTest, TheTwoHighCharacterModesExcludeEachOther) {
  TEditForm* editor = Editor("|");
  ui_.AnswerMessage(MsgResult::kOk);
  Run("HighCharsAsText1");
  EXPECT_EQ(ui_.Last().caption, "Enabling high one-byte chars as text.");
  EXPECT_TRUE(Checked("HighCharsAsText1"));
  Type(editor->Editor(), QString::fromUtf8("\xC3\xA9"));
  EXPECT_EQ(Result(), QString::fromUtf8("\xC3\xA9|"));

  ui_.AnswerMessage(MsgResult::kOk);
  Run("HighCharsAsCodes1");
  EXPECT_EQ(ui_.Last().caption, "Enabling high one-byte chars as HTML/XML codes.");
  EXPECT_FALSE(Checked("HighCharsAsText1"));
  EXPECT_TRUE(Checked("HighCharsAsCodes1"));
  Editor("|");
  Type(editor->Editor(), QString::fromUtf8("\xC3\xA9\xE2\x82\xAC"));  // e acute and the euro sign
  EXPECT_EQ(Result(), "&#233;&#128;|");

  // The item that is on turns off, without its notice; typed high characters are then dropped.
  ui_.Clear();
  Run("HighCharsAsCodes1");
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_FALSE(Checked("HighCharsAsCodes1"));
  Type(editor->Editor(), QString::fromUtf8("\xC3\xA9"));
  EXPECT_EQ(Result(), "&#233;&#128;|");
}

TEST(CodePicker, SearchGoesToTheCodeOfTheEntry) {
  using A = CodeSearch::Action;
  const struct {
    const char* entry;
    A action;
    int row;
  } cases[] = {
      {"65", A::kGoTo, 65},
      {"300", A::kGoTo, 255},
      {"x", A::kGoTo, 120},
      {"\xE2\x82\xAC", A::kGoTo, 128},
      {"\xC3\xA9", A::kGoTo, 233},
      {"-5", A::kClearEntry, 0},
      {"1a", A::kBadEntry, 0},
      {"", A::kFocusEntry, 0},
      {"\xE2\x86\x92", A::kBadEntry, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    const CodeSearch search = SearchCode(QString::fromUtf8(c.entry));
    EXPECT_EQ(search.action, c.action);
    if (c.action == A::kGoTo) {
      EXPECT_EQ(search.row, c.row);
    }
  }
  EXPECT_EQ(CodeRowText(65), "   65: A");
  EXPECT_EQ(CodeRowText(151), "   151: (em dash)");
  EXPECT_EQ(CodeRowText(10), "   10: ");
}

TEST_F(CharCommandsTest, ThePickerTypesTheChosenCodeAndRemembersIt) {
  Editor("a|b");
  ui_.AnswerModal([this](QDialog& dialog) {
    auto& picker = dynamic_cast<TeCodesf&>(dialog);
    EXPECT_EQ(picker.windowTitle(), "ANSI Codes");
    EXPECT_EQ(picker.List()->count(), 256);
    EXPECT_EQ(picker.List()->currentRow(), 0);
    picker.Entry()->setText("1a");
    ui_.AnswerMessage(MsgResult::kOk);
    picker.GoClick();
    EXPECT_EQ(ui_.Last().Summary(), "Bad Pick List Entry|\"1a\" is not an integer \rbetween 0 and 255.|");
    EXPECT_EQ(picker.Entry()->text(), "");
    picker.Entry()->setText(QString::fromUtf8("\xE2\x82\xAC"));
    picker.GoClick();
    EXPECT_EQ(picker.List()->currentRow(), 128);
    picker.TypeClick();
    return picker.result();
  });
  Run("EscKeyCodesPickList1");
  EXPECT_EQ(Result(), "a&#128;|b");

  // Opened again it starts on the row chosen last; Close picks nothing.
  ui_.AnswerModal([](QDialog& dialog) {
    auto& picker = dynamic_cast<TeCodesf&>(dialog);
    EXPECT_EQ(picker.List()->currentRow(), 128);
    picker.CloseClick();
    return picker.result();
  });
  Run("EscKeyCodesPickList1");
  EXPECT_EQ(Result(), "a&#128;|b");
  EXPECT_TRUE(ui_.AllAnswered());
}

// In the list Enter and Escape only move the focus to Type or Close; a second Enter presses that button.
TEST_F(CharCommandsTest, ThePickerIsWorkedFromTheKeyboard) {
  TEditForm* editor = Editor("|");
  ui_.AnswerModal([](QDialog& dialog) {
    auto& picker = dynamic_cast<TeCodesf&>(dialog);
    picker.show();
    QApplication::setActiveWindow(&picker);
    picker.List()->setFocus();
    QTest::keyClick(picker.List(), Qt::Key_Escape);
    EXPECT_TRUE(picker.CloseButton()->hasFocus());
    EXPECT_TRUE(picker.isVisible());
    picker.Entry()->setFocus();
    QTest::keyClicks(picker.Entry(), "65");
    QTest::keyClick(picker.Entry(), Qt::Key_Return);
    EXPECT_TRUE(picker.List()->hasFocus());
    EXPECT_EQ(picker.List()->currentRow(), 65);
    QTest::keyClick(picker.List(), Qt::Key_Return);
    EXPECT_TRUE(picker.TypeButton()->hasFocus());
    EXPECT_TRUE(picker.isVisible());
    QTest::keyClick(picker.TypeButton(), Qt::Key_Return);
    EXPECT_FALSE(picker.isVisible());
    return picker.result();
  });
  Run("EscKeyCodesPickList1");
  EXPECT_EQ(Marked(editor->Text()), "&#65;|");
}

}  // namespace
}  // namespace penwick::test
