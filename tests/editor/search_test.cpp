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

class SearchTest : public FrameTest {
 protected:
  TEditForm* OpenText(const QByteArray& text, const char* name = "page.htm") {
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

const QString kConfirmEach = QStringLiteral("Confirm before change?|Do you want to Confirm each item?");
const QString kThisInstance = QStringLiteral("Confirm replacement|Replace This Instance?");

TEST_F(SearchTest, FindNextPassesOverTheSelectedMatchWhateverItsCase) {
  Start();
  TEditForm* editor = OpenText("Alpha alpha ALPHA alphabet");
  frame_->AppSettings().findString = QStringLiteral("alpha");
  Select(editor, 0, 5);
  const std::pair<int, int> expected[] = {{6, 5}, {12, 5}, {18, 5}};
  for (const auto& match : expected) {
    QTest::keyClick(editor->Editor(), Qt::Key_F3);
    EXPECT_EQ(Selection(editor), match);
  }
  // No wrapping round: the end says so and leaves the caret after the last match.
  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(editor->Editor(), Qt::Key_F3);
  EXPECT_EQ(ui_.MessageLog(), QStringList{NotFound(QStringLiteral("alpha"))});
  EXPECT_EQ(Selection(editor), std::make_pair(23, 0));

  // A selection that is not a match is searched from its start.
  Select(editor, 2, 5);
  FindDialog1Find(*editor);
  EXPECT_EQ(Selection(editor), std::make_pair(6, 5));
}

TEST_F(SearchTest, FindDialogHonoursWholeWordAndMatchCase) {
  Start();
  TEditForm* editor = OpenText("cat Cat catalog CAT");
  frame_->Switches().findReplaceWarning = false;
  Find1Click(*editor);
  FindDialog* dialog = editor->Dialogs().find;
  ASSERT_TRUE(dialog && dialog->isVisible());
  struct Case {
    bool wholeWord;
    bool matchCase;
    std::vector<int> starts;
  } cases[] = {
      {false, false, {0, 4, 8, 16}},
      {true, false, {0, 4, 16}},
      {false, true, {0, 8}},
      {true, true, {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "whole word " << c.wholeWord << ", match case " << c.matchCase);
    dialog->FindField()->setText(QStringLiteral("cat"));
    dialog->WholeWord()->setChecked(c.wholeWord);
    dialog->MatchCase()->setChecked(c.matchCase);
    editor->Text().SetSelStart(0);
    std::vector<int> starts;
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kOk);
    while (ui_.MessageLog().isEmpty() && starts.size() < 10) {
      Click(dialog->FindNextButton());
      if (editor->Text().SelLength() == 3) starts.push_back(editor->Text().SelStart());
    }
    EXPECT_EQ(starts, c.starts);
    EXPECT_EQ(ui_.MessageLog(), QStringList{NotFound(QStringLiteral("cat"))});
  }
  EXPECT_EQ(frame_->AppSettings().findString, QStringLiteral("cat"));
}

TEST_F(SearchTest, DialogsOpenWhereTheLastOneClosedAndWarnAboutPasting) {
  Start();
  TEditForm* editor = OpenText("needle in a haystack");
  Settings& settings = frame_->AppSettings();
  settings.findDlgLeft = 210;
  settings.findDlgTop = 140;
  settings.findString = QStringLiteral("needle");
  settings.findToReplace = QStringLiteral("hay");
  settings.replaceString = QStringLiteral("straw");

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
  EXPECT_EQ(find->FindText(), QStringLiteral("needle"));
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
  EXPECT_EQ(replace->FindText(), QStringLiteral("hay"));
  EXPECT_EQ(replace->ReplaceText(), QStringLiteral("straw"));
  replace->close();

  // The Text menu's toggle turns the warning off (and its check mark with it).
  QAction* toggle = frame_->Menus().Find(QStringLiteral("FindPasteSet"));
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
  Start();
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

TEST_F(SearchTest, ReplaceAllWithoutConfirmingReplacesEachMatchAfterTheSelectionOnce) {
  Start();
  struct Case {
    const char* name;
    QByteArray text;
    const char* find;
    const char* with;
    SearchOptions options;
    int selStart;
    int selLength;
    QByteArray expected;
    int caret;
  } cases[] = {
      {"replacement holding the search text", "a ba a\r\nA.", "a", "aa", {}, 0, 0, "aa baa aa\r\naa.", 13},
      {"starts after the selection", "a ba a\r\nA.", "a", "aa", {}, 0, 1, "a baa aa\r\naa.", 12},
      {"whole word and match case",
       "cat Cat catalog cat.",
       "cat",
       "dog",
       {true, true},
       0,
       0,
       "dog Cat catalog dog.",
       19},
      {"shorter replacement, accented text",
       "\xC3\xA9t\xC3\xA9 \xC3\x89T\xC3\x89",
       "\xC3\xA9t\xC3\xA9",
       "x",
       {},
       0,
       0,
       "x x",
       3},
      {"no match after the caret", "abc abc", "abc", "x", {}, 5, 0, "abc abc", 5},
  };
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
    // The whole replacement is one step back.
    if (c.expected != c.text) {
      editor->Text().Undo();
      EXPECT_EQ(editor->Text().Text(), QString::fromUtf8(c.text));
    }
    editor->CloseApproved();
    Flush();
  }
}

TEST_F(SearchTest, ReplaceAllConfirmingEachItemAsksForEveryMatch) {
  Start();
  TEditForm* editor = OpenText("one x one y one z one");
  ReplaceDialog* dialog = ReplaceWith(editor, QStringLiteral("one"), QStringLiteral("1"));
  for (MsgResult answer :
       {MsgResult::kYes, MsgResult::kYes, MsgResult::kNo, MsgResult::kYes, MsgResult::kNo, MsgResult::kOk}) {
    ui_.AnswerMessage(answer);
  }
  Click(dialog->ReplaceAllButton());
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("1 x one y 1 z one"));
  EXPECT_EQ(ui_.MessageLog(), (QStringList{kConfirmEach, kThisInstance, kThisInstance, kThisInstance,
                                           kThisInstance, NotFound(QStringLiteral("one"))}));
  EXPECT_TRUE(ui_.AllAnswered());

  // A replacement that holds the search text is passed over, so every match is offered once.
  ReplaceWith(editor, QStringLiteral("1"), QStringLiteral("11"));
  editor->Text().SetSelStart(0);
  ui_.Clear();
  for (MsgResult answer : {MsgResult::kYes, MsgResult::kYes, MsgResult::kYes, MsgResult::kOk}) {
    ui_.AnswerMessage(answer);
  }
  Click(dialog->ReplaceAllButton());
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("11 x one y 11 z one"));
  EXPECT_EQ(ui_.MessageLog().size(), 4);
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(SearchTest, CancelInReplaceThisInstanceStopsAtOnceWithNothingSelected) {
  Start();
  TEditForm* editor = OpenText("one x one y one");
  ReplaceDialog* dialog = ReplaceWith(editor, QStringLiteral("one"), QStringLiteral("1"));
  ui_.AnswerMessage(MsgResult::kYes);  // confirm each item
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerMessage(MsgResult::kCancel);
  Click(dialog->ReplaceAllButton());
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("1 x one y one"));
  EXPECT_EQ(ui_.MessageLog(), (QStringList{kConfirmEach, kThisInstance, kThisInstance}));
  EXPECT_EQ(Selection(editor), std::make_pair(4, 0));
}

TEST_F(SearchTest, ReplaceReplacesTheSelectedMatchAndOffersTheNext) {
  Start();
  TEditForm* editor = OpenText("foo Foo foo");
  ReplaceDialog* dialog = ReplaceWith(editor, QStringLiteral("foo"), QStringLiteral("bar"));
  Select(editor, 0, 3);
  ui_.AnswerMessage(MsgResult::kYes);
  ui_.AnswerMessage(MsgResult::kNo);
  Click(dialog->ReplaceButton1());
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("bar Foo foo"));
  EXPECT_EQ(Selection(editor), std::make_pair(4, 3));
  EXPECT_EQ(ui_.MessageLog(), (QStringList{kThisInstance, kThisInstance}));

  // "Foo" is not the search text exactly, so Replace moves on to the next match and offers that one.
  ui_.Clear();
  ui_.AnswerMessage(MsgResult::kYes);
  Click(dialog->ReplaceButton1());
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("bar Foo bar"));
  EXPECT_EQ(ui_.MessageLog(), QStringList{kThisInstance});

  // Find Next in the Replace dialog only selects.
  ui_.Clear();
  editor->Text().SetSelStart(0);
  Click(dialog->FindNextButton());
  EXPECT_EQ(Selection(editor), std::make_pair(4, 3));
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(SearchTest, AnEmptySearchTextFindsNothingAndNeverLoops) {
  Start();
  TEditForm* editor = OpenText("abc abc");
  frame_->AppSettings().findString.clear();
  Select(editor, 1, 2);
  ui_.AnswerMessage(MsgResult::kOk);
  QTest::keyClick(editor->Editor(), Qt::Key_F3);
  EXPECT_EQ(ui_.MessageLog(), QStringList{NotFound(QString())});
  EXPECT_EQ(Selection(editor), std::make_pair(1, 2));

  ReplaceDialog* dialog = ReplaceWith(editor, QString(), QStringLiteral("x"));
  for (QPushButton* button :
       {dialog->FindNextButton(), dialog->ReplaceButton1(), dialog->ReplaceAllButton()}) {
    SCOPED_TRACE(button->text().toStdString());
    editor->Text().SetSelStart(0);
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kOk);
    Click(button);
    EXPECT_EQ(ui_.MessageLog(), QStringList{NotFound(QString())});
    EXPECT_EQ(editor->Text().Text(), QStringLiteral("abc abc"));
  }

  // An empty Find dialog keeps the remembered text, which is what F3 then looks for.
  frame_->AppSettings().findString = QStringLiteral("c");
  Find1Click(*editor);
  editor->Dialogs().find->FindField()->clear();
  editor->Text().SetSelStart(0);
  Click(editor->Dialogs().find->FindNextButton());
  EXPECT_EQ(Selection(editor), std::make_pair(2, 1));
  EXPECT_EQ(frame_->AppSettings().findString, QStringLiteral("c"));
}

}  // namespace
}  // namespace penwick::test
