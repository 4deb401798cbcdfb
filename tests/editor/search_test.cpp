// Find Next and the Find and Replace dialogs on real editor windows.

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>

#include "app/frame_menus.h"
#include "editor/find_dialogs.h"
#include "editor/search_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class SearchTest : public StartedFrameTest {
 protected:
  TEditForm* OpenText(const QByteArray& text, const char* name = "page.txt") {
    return Open(env_.WriteFile(QString::fromLatin1(name), text));
  }
  // The Replace dialog of a window, opened without the paste warning, holding the given texts.
  ReplaceDialog* ReplaceWith(TEditForm* editor, const QString& find, const QString& with,
                             SearchOptions options = {}) {
    frame_->Switches().findReplaceWarning = false;
    Replace1Click(*editor);
    ReplaceDialog* dialog = editor->Dialogs().replace;
    dialog->FindField()->setText(find);
    dialog->ReplaceField()->setText(with);
    dialog->WholeWord()->setChecked(options.wholeWord);
    dialog->MatchCase()->setChecked(options.matchCase);
    return dialog;
  }
  static void Select(TEditForm* editor, int start, int length) {
    editor->Text().SetSelStart(start);
    editor->Text().SetSelLength(length);
  }
  static std::pair<int, int> Selection(TEditForm* editor) {
    return {editor->Text().SelStart(), editor->Text().SelLength()};
  }
  static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

QString NotFound(const QString& what) { return QStringLiteral("Text not found|\"%1\" not found.").arg(what); }

const QString kConfirmEach = "Confirm before change?|Do you want to Confirm each item?";
const QString kThisInstance = "Confirm replacement|Replace This Instance?";

TEST_F(SearchTest, FindNextPassesOverTheSelectedMatchWhateverItsCase) {
  TEditForm* editor = OpenText("Alpha alpha ALPHA alphabet");
  frame_->AppSettings().findString = "alpha";
  Select(editor, 0, 5);
  const std::pair<int, int> expected[] = {{6, 5}, {12, 5}, {18, 5}};
  for (const auto& match : expected) {
    QTest::keyClick(editor->Editor(), Qt::Key_F3);
    EXPECT_EQ(Selection(editor), match);
  }
  // No wrapping round: the end says so and leaves the caret after the last match.
  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(editor->Editor(), Qt::Key_F3);
  EXPECT_EQ(ui_.MessageLog(), QStringList{NotFound("alpha")});
  EXPECT_EQ(Selection(editor), std::make_pair(23, 0));

  // A selection that is not a match is searched from its start.
  Select(editor, 2, 5);
  FindDialog1Find(*editor);
  EXPECT_EQ(Selection(editor), std::make_pair(6, 5));
}

TEST_F(SearchTest, DialogsOpenWhereTheLastOneClosedAndWarnAboutPasting) {
  TEditForm* editor = OpenText("needle in a haystack");
  Settings& settings = frame_->AppSettings();
  settings.findDlgLeft = 210;
  settings.findDlgTop = 140;
  settings.findString = "needle";
  settings.findToReplace = "hay";
  settings.replaceString = "straw";

  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(editor->Editor(), Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(ui_.MessageLog(),
            QStringList{QStringLiteral(
                "Find Dialog and Clipboard|To copy or paste in Find Edit field, use Right mouse click, not "
                "keys.\n\nKey focus is still in editor. You may click in editor, type there, and return to "
                "Find dialog.")});
  FindDialog* find = editor->Dialogs().find;
  ASSERT_TRUE(find && find->isVisible());
  EXPECT_EQ(find->pos(), QPoint(210, 140));
  EXPECT_EQ(find->FindText(), "needle");
  find->move(330, 250);
  Click(find->CancelButton());
  EXPECT_FALSE(find->isVisible());
  EXPECT_EQ(QPoint(settings.findDlgLeft, settings.findDlgTop), QPoint(330, 250));

  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kOk);
  Replace1Click(*editor);
  EXPECT_EQ(
      ui_.MessageLog(),
      QStringList{QStringLiteral(
          "Replace Dialog and Clipboard|To copy or paste in Replace Edit fields, use Right mouse click, "
          "not keys.\n\nKey focus is still in the editor. You may click in editor, type there, and "
          "return to Replace dialog.")});
  ReplaceDialog* replace = editor->Dialogs().replace;
  ASSERT_TRUE(replace && replace->isVisible());
  EXPECT_EQ(replace->pos(), QPoint(330, 250));
  EXPECT_EQ(replace->FindText(), "hay");
  EXPECT_EQ(replace->ReplaceText(), "straw");
  replace->close();

  // The Text menu's toggle turns the warning off (and its check mark with it).
  QAction* toggle = frame_->Menus().Find("FindPasteSet");
  ASSERT_TRUE(toggle);
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  EXPECT_FALSE(frame_->Switches().findReplaceWarning);
  EXPECT_FALSE(toggle->isChecked());
  ui_.Clear();
  Find1Click(*editor);
  EXPECT_TRUE(find->isVisible());
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(SearchTest, DialogsCloseWhenAnotherWindowBecomesActiveOrTheirWindowCloses) {
  frame_->Switches().findReplaceWarning = false;
  TEditForm* first = OpenText("one", "one.txt");
  TEditForm* second = OpenText("two", "two.txt");
  ASSERT_EQ(frame_->ActiveEditor(), second);
  Find1Click(*second);
  Replace1Click(*second);
  second->Dialogs().replace->move(150, 160);
  ASSERT_TRUE(second->Dialogs().find->isVisible());

  frame_->MdiArea()->setActiveSubWindow(first);
  Flush();
  EXPECT_FALSE(second->Dialogs().find->isVisible());
  EXPECT_FALSE(second->Dialogs().replace->isVisible());
  EXPECT_EQ(QPoint(frame_->AppSettings().findDlgLeft, frame_->AppSettings().findDlgTop), QPoint(150, 160));

  Find1Click(*first);
  first->Dialogs().find->move(170, 90);
  first->CloseApproved();
  Flush();
  EXPECT_EQ(QPoint(frame_->AppSettings().findDlgLeft, frame_->AppSettings().findDlgTop), QPoint(170, 90));
}

// What Replace All replaces is the engine's (text_search_test); here each of the dialogs' options reaches
// it, the boxes come in order, and the whole replacement is one step back.
TEST_F(SearchTest, ReplaceAllWithoutConfirmingReplacesEachMatchAfterTheSelectionOnce) {
  // clang-format off
  struct Case {
    const char* name;
    QByteArray text;
    const char* find;
    const char* with;
    SearchOptions options;
    int selStart, selLength;
    QByteArray expected;
    int caret;
  } cases[] = {
      {"starts after the selection", "a ba a\r\nA.", "a", "aa", {}, 0, 1, "a baa aa\r\naa.", 12},
      {"whole word", "cat Cat catalog cat.", "cat", "dog", {true, false}, 0, 0, "dog dog catalog dog.", 19},
      {"match case", "cat Cat catalog cat.", "cat", "dog", {false, true}, 0, 0, "dog Cat dogalog dog.", 19},
      {"shorter replacement, accented text", "été ÉTÉ", "été", "x", {}, 0, 0, "x x", 3},
      {"no match after the caret", "abc abc", "abc", "x", {}, 5, 0, "abc abc", 5},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TEditForm* editor = OpenText(c.text, "replace.txt");
    ReplaceDialog* dialog =
        ReplaceWith(editor, QString::fromUtf8(c.find), QString::fromUtf8(c.with), c.options);
    Select(editor, c.selStart, c.selLength);
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kNo);  // do not confirm each item
    ui_.AnswerMessage(MsgResult::kOk);
    Click(dialog->ReplaceAllButton());
    EXPECT_EQ(editor->Text().Text(), QString::fromUtf8(c.expected));
    EXPECT_EQ(ui_.MessageLog(), (QStringList{kConfirmEach, NotFound(QString::fromUtf8(c.find))}));
    EXPECT_EQ(Selection(editor), std::make_pair(c.caret, 0));
    EXPECT_EQ(frame_->AppSettings().findToReplace, QString::fromUtf8(c.find));
    EXPECT_EQ(frame_->AppSettings().replaceString, QString::fromUtf8(c.with));
    if (c.expected != c.text) {
      editor->Text().Undo();
      EXPECT_EQ(editor->Text().Text(), QString::fromUtf8(c.text));
    }
    editor->CloseApproved();
    Flush();
  }
}

// Confirming each item: Yes replaces, No passes over, Cancel stops at once with nothing selected; a
// replacement that holds the search text is passed over, so every match is offered once.
TEST_F(SearchTest, ReplaceAllConfirmingEachItemAsksForEveryMatch) {
  const MsgResult yes = MsgResult::kYes, no = MsgResult::kNo;
  const struct {
    const char* text;
    const char* find;
    const char* with;
    std::vector<MsgResult> answers;  // to Replace This Instance?
    const char* expected;
    bool cancelled;
  } cases[] = {
      {"one x one y one z one", "one", "1", {yes, no, yes, no}, "1 x one y 1 z one", false},
      {"1 x one y 1 z one", "1", "11", {yes, yes}, "11 x one y 11 z one", false},
      {"one x one y one", "one", "1", {yes, MsgResult::kCancel}, "1 x one y one", true},
  };
  TEditForm* editor = OpenText("");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    editor->Text().SetText(QString::fromLatin1(c.text));
    ReplaceDialog* dialog = ReplaceWith(editor, QString::fromLatin1(c.find), QString::fromLatin1(c.with));
    editor->Text().SetSelStart(0);
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kYes);  // confirm each item
    for (MsgResult answer : c.answers) ui_.AnswerMessage(answer);
    if (!c.cancelled) ui_.AnswerMessage(MsgResult::kOk);
    Click(dialog->ReplaceAllButton());
    EXPECT_EQ(editor->Text().Text(), QString::fromLatin1(c.expected));
    QStringList log = {kConfirmEach};
    for (size_t i = 0; i < c.answers.size(); ++i) log << kThisInstance;
    if (!c.cancelled) log << NotFound(QString::fromLatin1(c.find));
    EXPECT_EQ(ui_.MessageLog(), log);
    EXPECT_TRUE(ui_.AllAnswered());
    if (c.cancelled) {
      EXPECT_EQ(Selection(editor), std::make_pair(4, 0));
    }
  }
}

TEST_F(SearchTest, ReplaceReplacesTheSelectedMatchAndOffersTheNext) {
  TEditForm* editor = OpenText("foo Foo foo");
  ReplaceDialog* dialog = ReplaceWith(editor, "foo", "bar");
  Select(editor, 0, 3);
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerMessage(MsgResult::kNo);
  Click(dialog->ReplaceButton1());
  EXPECT_EQ(editor->Text().Text(), "bar Foo foo");
  EXPECT_EQ(Selection(editor), std::make_pair(4, 3));
  EXPECT_EQ(ui_.MessageLog(), (QStringList{kThisInstance, kThisInstance}));

  // "Foo" is not the search text exactly, so Replace moves on to the next match and offers that one.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kYes);
  Click(dialog->ReplaceButton1());
  EXPECT_EQ(editor->Text().Text(), "bar Foo bar");
  EXPECT_EQ(ui_.MessageLog(), QStringList{kThisInstance});

  // Find Next in the Replace dialog only selects.
  ui_.Clear();
  editor->Text().SetSelStart(0);
  Click(dialog->FindNextButton());
  EXPECT_EQ(Selection(editor), std::make_pair(4, 3));
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(SearchTest, AnEmptySearchTextFindsNothingAndNeverLoops) {
  TEditForm* editor = OpenText("abc abc");
  frame_->AppSettings().findString.clear();
  Select(editor, 1, 2);
  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(editor->Editor(), Qt::Key_F3);
  EXPECT_EQ(ui_.MessageLog(), QStringList{NotFound(QString())});
  EXPECT_EQ(Selection(editor), std::make_pair(1, 2));

  ReplaceDialog* dialog = ReplaceWith(editor, QString(), "x");
  for (QPushButton* button :
       {dialog->FindNextButton(), dialog->ReplaceButton1(), dialog->ReplaceAllButton()}) {
    SCOPED_TRACE(button->text().toStdString());
    editor->Text().SetSelStart(0);
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kOk);
    Click(button);
    EXPECT_EQ(ui_.MessageLog(), QStringList{NotFound(QString())});
    EXPECT_EQ(editor->Text().Text(), "abc abc");
  }

  // An empty Find dialog keeps the remembered text, which is what F3 then looks for.
  frame_->AppSettings().findString = "c";
  Find1Click(*editor);
  editor->Dialogs().find->FindField()->clear();
  editor->Text().SetSelStart(0);
  Click(editor->Dialogs().find->FindNextButton());
  EXPECT_EQ(Selection(editor), std::make_pair(2, 1));
  EXPECT_EQ(frame_->AppSettings().findString, "c");
  // A text typed there becomes the remembered one.
  editor->Dialogs().find->FindField()->setText("b");
  Click(editor->Dialogs().find->FindNextButton());
  EXPECT_EQ(Selection(editor), std::make_pair(5, 1));
  EXPECT_EQ(frame_->AppSettings().findString, "b");
}

}  // namespace
}  // namespace penwick::test
