// Moving over tags with Ctrl+. and Ctrl+Shift+., The Changer and Paragraph only switches with their boxes
// and check marks, and the lower-casing of a document's tags.

#include <QAction>
#include <QElapsedTimer>

#include "app/frame_menus.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using TagNavigationTest = StartedFrameTest;

TEST_F(TagNavigationTest, CtrlFullStopSkipsOverTheNextTagEndAndShiftComesBackOverTheStart) {
  const struct {
    const char* before;
    Qt::KeyboardModifiers modifiers;
    int key;
    const char* after;
  } cases[] = {
      {"<b>te|xt</b> more", Qt::ControlModifier, Qt::Key_Period, "<b>text</b>| more"},
      {"a|>b", Qt::ControlModifier, Qt::Key_Period, "a>|b"},
      {"<b>[te]xt</b>", Qt::ControlModifier, Qt::Key_Period, "<b>text</b>|"},
      {"ab> no end|", Qt::ControlModifier, Qt::Key_Period, "ab> no end|"},
      {"\xF0\x9F\x98\x80|\xC3\xA9>x", Qt::ControlModifier, Qt::Key_Period, "\xF0\x9F\x98\x80\xC3\xA9>|x"},
      {"<i>text</i>|x", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Period, "<i>text|</i>x"},
      {"ab<|c", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Period, "ab|<c"},
      {"ab<|c", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Greater, "ab|<c"},
      {"|<x", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Period, "|<x"},
      {"no start |here", Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Period, "no start |here"},
  };
  TEditForm* editor = NewWindow();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    SetMarked(editor->Text(), QString::fromUtf8(c.before));
    Key(editor, c.key, c.modifiers);
    EXPECT_EQ(Shown(editor), QString::fromUtf8(c.after));
    EXPECT_FALSE(editor->Text().Modified());
  }
}

TEST_F(TagNavigationTest, SkipWithNoTagEndAheadInALargeDocumentReturnsAtOnce) {
  const QString line = QString(78, QLatin1Char('x')) + QStringLiteral("\r\n");
  TEditForm* editor = Window(line.repeated(5'000'000 / 80), 10);
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < 10; ++i) Key(editor, Qt::Key_Period, Qt::ControlModifier);
  EXPECT_LT(timer.elapsed(), 500);
  EXPECT_EQ(editor->Text().SelStart(), 10);
}

TEST_F(TagNavigationTest, SwitchesExplainThemselvesWhenTurnedOnAndShowTheirCheckMarks) {
  TEditForm* editor = NewWindow();
  QAction* changer = Action("TheChanger1");
  QAction* popupChanger = Action("PopupTheChanger1");
  QAction* paragraphOnly = Action("paragraphonly1");

  ui_.AnswerMessage(MsgResult::kOk);
  Key(editor, Qt::Key_F8);
  EXPECT_TRUE(frame_->Switches().changer);
  EXPECT_EQ(ui_.Last().caption, "The Changer");
  EXPECT_TRUE(changer->isChecked());
  EXPECT_TRUE(popupChanger->isChecked());
  EXPECT_FALSE(frame_->Switches().paragraphOnly);

  // Off without a word, from the pop-up menu's item.
  popupChanger->trigger();
  EXPECT_FALSE(frame_->Switches().changer);
  EXPECT_FALSE(changer->isChecked());
  EXPECT_EQ(ui_.Shown().size(), 1u);

  ui_.AnswerMessage(MsgResult::kOk);
  Key(editor, Qt::Key_F8, Qt::ShiftModifier);
  EXPECT_TRUE(frame_->Switches().paragraphOnly);
  EXPECT_TRUE(paragraphOnly->isChecked());
  EXPECT_EQ(ui_.Last().caption, "The Changer - Paragraph only");
  EXPECT_FALSE(frame_->Switches().changer);

  // A second window shows the same switches.
  NewWindow();
  frame_->Menus().Refresh();
  EXPECT_TRUE(paragraphOnly->isChecked());
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(TagNavigationTest, AViewingCopyOnlySaysWhatTheSwitchesAreFor) {
  TEditForm* editor = Window("{\\rtf1 x}");
  editor->SetNumber(101);
  for (const char* item : {"TheChanger1", "paragraphonly1"}) {
    ui_.AnswerMessage(MsgResult::kOk);
    Trigger(item);
    EXPECT_EQ(ui_.Last().caption, "Setting The Changer") << item;
  }
  EXPECT_FALSE(frame_->Switches().changer);
  EXPECT_FALSE(frame_->Switches().paragraphOnly);
}

TEST_F(TagNavigationTest, LoweringTagsIsOneUndoableStep) {
  const QString page = QString::fromUtf8("<HTML>\r\n<A HREF=\"Page.HTM\">LINK \xC3\x89</A>\r\n</HTML>");
  TEditForm* editor = Window(page, 12);
  ui_.AnswerMessage(MsgResult::kOk);
  Trigger("TagToLowerCase1");
  EXPECT_EQ(ui_.Last().caption, "Making unquoted HTML tag content lower case.");
  EXPECT_EQ(editor->Text().Text(),
            QString::fromUtf8("<html>\r\n<a href=\"Page.HTM\">LINK \xC3\x89</a>\r\n</html>"));
  EXPECT_EQ(editor->Text().SelStart(), 0);
  Flush();
  EXPECT_EQ(Panel(editor, 1), "Modified");
  editor->Text().Undo();
  EXPECT_EQ(editor->Text().Text(), page);

  // An empty document: no box, nothing to do.
  TEditForm* empty = NewWindow();
  Trigger("TagToLowerCase1");
  EXPECT_TRUE(empty->Text().Text().isEmpty());
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(TagNavigationTest, LoweringTheTagsOfALargeDocumentIsQuickAndUndoesAtOnce) {
  QString page;
  const QString line = QStringLiteral("<P CLASS=\"Note\">Some TEXT with <B>BOLD</B> words</P>\r\n");
  while (page.size() < 5'000'000) page += line;
  TEditForm* editor = Window(page);
  ui_.AnswerMessage(MsgResult::kOk);
  QElapsedTimer timer;
  timer.start();
  Trigger("TagToLowerCase1");
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_TRUE(editor->Text().Text().startsWith("<p class=\"Note\">Some TEXT with <b>BOLD</b> words</p>\r\n"));
  editor->Text().Undo();
  EXPECT_EQ(editor->Text().Text(), page);
}

}  // namespace
}  // namespace penwick::test
