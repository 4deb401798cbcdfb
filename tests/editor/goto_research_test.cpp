// Go to line, Re-search and the keys and menu items that reach the Srch commands.

#include <QMenu>

#include "app/frame_menus.h"
#include "collections/bookmark_notes.h"
#include "editor/find_dialogs.h"
#include "editor/search_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using GotoResearchTest = FrameTest;

QByteArray Lines(int count) {
  QByteArray text;
  for (int i = 1; i <= count; ++i) text += (i > 1 ? "\r\nline " : "line ") + QByteArray::number(i);
  return text;
}

int CaretLine(TEditForm* editor) { return editor->Text().LineFromPosition(editor->Text().SelStart()) + 1; }

TEST_F(GotoResearchTest, GoToLineKeepsTheCaretInsideTheText) {
  Start();
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("twenty.txt"), Lines(20)));
  const QString prompt = QStringLiteral("Enter Line # (\"bookmark list\" in session only)");
  struct Case {
    std::optional<QString> answer;  // nullopt: Cancel
    int line;                       // 0: the caret does not move
    QString error;
  } cases[] = {
      {QStringLiteral("9999"), 20, {}},
      {QStringLiteral("7"), 7, {}},
      {QStringLiteral("0"), 1, {}},
      {QStringLiteral("-5"), 1, {}},
      {QStringLiteral(" 12 "), 12, {}},
      {QStringLiteral("99999999999999999999"), 20, {}},
      {QStringLiteral("abc"), 0, QStringLiteral("Penwick|'abc' is not a valid integer value")},
      {QStringLiteral("3.5"), 0, QStringLiteral("Penwick|'3.5' is not a valid integer value")},
      {QString(), 0, QStringLiteral("Penwick|'' is not a valid integer value")},
      {std::nullopt, 0, {}},
  };
  QString lastAccepted = QStringLiteral("1");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or(QStringLiteral("(Cancel)")).toStdString());
    editor->Text().SetSelStart(editor->Text().LineIndex(4));
    ui_.Clear();
    ui_.AnswerInput(c.answer);
    if (!c.error.isEmpty()) ui_.AnswerMessage(MsgResult::kOk);
    QTest::keyClick(editor->Editor(), Qt::Key_F6);
    ASSERT_FALSE(ui_.Shown().empty());
    const ShownBox& box = ui_.Shown().front();
    EXPECT_EQ(box.caption, QStringLiteral("Go To Line (1 to 20)"));
    EXPECT_EQ(box.text, prompt);
    EXPECT_EQ(box.value, lastAccepted);
    EXPECT_EQ(CaretLine(editor), c.line ? c.line : 5);
    EXPECT_EQ(editor->Text().SelLength(), 0);
    EXPECT_EQ(ui_.MessageLog(), c.error.isEmpty() ? QStringList() : QStringList{c.error});
    if (c.answer) lastAccepted = *c.answer;
    EXPECT_EQ(frame_->Run().gotoLine, lastAccepted);
  }
  EXPECT_EQ(frame_->Run().gotoHistory.value(0), QStringLiteral("3.5"));
  EXPECT_TRUE(frame_->Run().gotoHistory.contains(QStringLiteral("9999")));

  // A line handed over by the bookmark notes is taken without asking.
  ui_.Clear();
  frame_->Run().bookmarkGoto = QStringLiteral("15");
  Gotoline1Click(*editor);
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_EQ(CaretLine(editor), 15);
}

TEST_F(GotoResearchTest, ResearchSearchesTheWholeDocumentFromTheTop) {
  Start();
  TEditForm* editor =
      Open(env_.WriteFile(QStringLiteral("work.htm"),
                          "<html>\r\n<body>\r\n<h2>Work area</h2>\r\n<p>text</p>\r\n</body>\r\n</html>"));
  Settings& settings = frame_->AppSettings();
  settings.research = {QStringLiteral("<body>"), QStringLiteral("Work area")};
  settings.lastResearch = QStringLiteral("<body>");
  settings.findString = QStringLiteral("kept");
  TextControl& text = editor->Text();
  const int workArea = text.Text().indexOf(QStringLiteral("Work area"));

  text.SetSelStart(text.TextLength());
  ui_.AnswerInput(QStringLiteral("Work area"));
  QTest::keyClick(editor->Editor(), Qt::Key_F6, Qt::ShiftModifier);
  const ShownBox& box = ui_.Last();
  EXPECT_EQ(box.caption, QStringLiteral("Re-search find list (ed:ToolsList Editor)"));
  EXPECT_EQ(box.text, QStringLiteral("Use stable phrase identifying work area:"));
  EXPECT_EQ(box.value, QStringLiteral("<body>"));
  EXPECT_EQ(box.items, (QStringList{QStringLiteral("<body>"), QStringLiteral("Work area")}));
  EXPECT_EQ(std::make_pair(text.SelStart(), text.SelLength()), std::make_pair(workArea, 9));
  EXPECT_EQ(settings.research, (QStringList{QStringLiteral("Work area"), QStringLiteral("<body>")}));
  EXPECT_EQ(settings.lastResearch, QStringLiteral("Work area"));
  EXPECT_EQ(settings.findString, QStringLiteral("kept"));

  // A phrase that does not occur leaves the caret (and selection) where it was.
  text.SetSelStart(3);
  text.SetSelLength(2);
  ui_.Clear();
  ui_.AnswerInput(QStringLiteral("nowhere"));
  ui_.AnswerMessage(MsgResult::kOk);
  Research1Click(*editor);
  EXPECT_EQ(ui_.MessageLog(), QStringList{QStringLiteral("Text not found|\"nowhere\" not found.")});
  EXPECT_EQ(std::make_pair(text.SelStart(), text.SelLength()), std::make_pair(3, 2));

  // A phrase right at the top is found there like anywhere else.
  text.SetSelStart(20);
  ui_.AnswerInput(QStringLiteral("<HTML>"));
  Research1Click(*editor);
  EXPECT_EQ(std::make_pair(text.SelStart(), text.SelLength()), std::make_pair(0, 6));

  // Cancel changes nothing.
  const QStringList before = settings.research;
  text.SetSelStart(20);
  ui_.AnswerInput(std::nullopt);
  Research1Click(*editor);
  EXPECT_EQ(text.SelStart(), 20);
  EXPECT_EQ(settings.research, before);
}

TEST_F(GotoResearchTest, KeysAndMenusReachTheSearchCommands) {
  Start();
  frame_->Switches().findReplaceWarning = false;
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("keys.txt"), "a b a"));
  frame_->AppSettings().findString = QStringLiteral("b");
  QTest::keyClick(editor->Editor(), Qt::Key_F3);
  EXPECT_EQ(editor->Text().SelStart(), 2);

  // The pop-up menu of the text offers Re-search, Find and Replace too.
  QMenu* popup = frame_->Menus().Menu(MenuId::kPopup);
  QStringList popupCaptions;
  for (QAction* action : popup->actions()) popupCaptions << action->text();
  EXPECT_TRUE(popupCaptions.contains(QStringLiteral("Re-sea&rch")));
  ui_.AnswerInput(std::nullopt);
  frame_->Menus().Find(QStringLiteral("PopResearch1"))->trigger();
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Re-search find list (ed:ToolsList Editor)"));
  frame_->Menus().Find(QStringLiteral("PopFind1"))->trigger();
  ASSERT_TRUE(editor->Dialogs().find);
  EXPECT_TRUE(editor->Dialogs().find->isVisible());
  frame_->Menus().Find(QStringLiteral("PopReplace1"))->trigger();
  ASSERT_TRUE(editor->Dialogs().replace);
  EXPECT_TRUE(editor->Dialogs().replace->isVisible());

  frame_->Menus().Find(QStringLiteral("Bookmarks1"))->trigger();
  ASSERT_TRUE(frame_->BookmarkPad());
  EXPECT_TRUE(frame_->BookmarkPad()->isVisible());
}

}  // namespace
}  // namespace penwick::test
