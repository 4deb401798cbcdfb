// Go to line, Re-search and the keys and menu items that reach the Srch commands.

#include "app/frame_menus.h"
#include "collections/bookmark_notes.h"
#include "editor/find_dialogs.h"
#include "editor/search_commands.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

using GotoResearchTest = StartedFrameTest;

QByteArray Lines(int count) {
  QByteArray text;
  for (int i = 1; i <= count; ++i) text += (i > 1 ? "\r\nline " : "line ") + QByteArray::number(i);
  return text;
}

int CaretLine(TEditForm* editor) { return editor->Text().LineFromPosition(editor->Text().SelStart()) + 1; }

TEST_F(GotoResearchTest, GoToLineKeepsTheCaretInsideTheText) {
  TEditForm* editor = Open(env_.WriteFile("twenty.txt", Lines(20)));
  const QString prompt = "Enter Line # (\"bookmark list\" in session only)";
  // clang-format off
  struct Case {
    std::optional<QString> answer;  // nullopt: Cancel
    int line;                       // 0: the caret does not move
    QString error;
  } cases[] = {
      {"9999", 20, {}}, {"7", 7, {}}, {"0", 1, {}}, {"-5", 1, {}}, {" 12 ", 12, {}},
      {"99999999999999999999", 20, {}}, {std::nullopt, 0, {}},
      {"abc", 0, "Penwick|'abc' is not a valid integer value"},
      {"3.5", 0, "Penwick|'3.5' is not a valid integer value"},
      {QString(), 0, "Penwick|'' is not a valid integer value"},
  };
  // clang-format on
  QString lastAccepted = "1";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(Cancel)").toStdString());
    editor->Text().SetSelStart(editor->Text().LineIndex(4));
    ui_.Clear();
    ui_.AnswerInput(c.answer);
    if (!c.error.isEmpty()) ui_.AnswerMessage(MsgResult::kOk);
    QTest::keyClick(editor->Editor(), Qt::Key_F6);
    ASSERT_FALSE(ui_.Shown().empty());
    const ShownBox& box = ui_.Shown().front();
    EXPECT_EQ(box.Summary(), "Go To Line (1 to 20)|" + prompt + "|" + lastAccepted);
    EXPECT_EQ(CaretLine(editor), c.line ? c.line : 5);
    EXPECT_EQ(editor->Text().SelLength(), 0);
    EXPECT_EQ(ui_.MessageLog(), c.error.isEmpty() ? QStringList() : QStringList{c.error});
    if (c.answer) lastAccepted = *c.answer;
    EXPECT_EQ(frame_->Run().gotoLine, lastAccepted);
  }
  EXPECT_EQ(frame_->Run().gotoHistory.value(0), "3.5");
  EXPECT_TRUE(frame_->Run().gotoHistory.contains("9999"));

  // A line handed over by the bookmark notes is taken without asking.
  ui_.Clear();
  frame_->Run().bookmarkGoto = "15";
  Gotoline1Click(*editor);
  EXPECT_TRUE(ui_.Shown().empty());
  EXPECT_EQ(CaretLine(editor), 15);
}

TEST_F(GotoResearchTest, ResearchSearchesTheWholeDocumentFromTheTop) {
  TEditForm* editor = Open(env_.WriteFile(
      "work.htm", "<html>\r\n<body>\r\n<h2>Work area</h2>\r\n<p>text</p>\r\n</body>\r\n</html>"));
  Settings& settings = frame_->AppSettings();
  settings.research = {"<body>", "Work area"};
  settings.lastResearch = "<body>";
  settings.findString = "kept";
  TextControl& text = editor->Text();
  const int workArea = text.Text().indexOf("Work area");

  text.SetSelStart(text.TextLength());
  ui_.AnswerInput("Work area");
  QTest::keyClick(editor->Editor(), Qt::Key_F6, Qt::ShiftModifier);
  const ShownBox& box = ui_.Last();
  EXPECT_EQ(box.Summary(),
            "Re-search find list (ed:ToolsList Editor)|Use stable phrase identifying work area:|<body>");
  EXPECT_EQ(box.items, (QStringList{"<body>", "Work area"}));
  EXPECT_EQ(std::make_pair(text.SelStart(), text.SelLength()), std::make_pair(workArea, 9));
  EXPECT_EQ(settings.research, (QStringList{"Work area", "<body>"}));
  EXPECT_EQ(settings.lastResearch, "Work area");
  EXPECT_EQ(settings.findString, "kept");

  // A phrase that does not occur leaves the caret (and selection) where it was.
  text.SetSelStart(3);
  text.SetSelLength(2);
  ui_.Clear();
  ui_.AnswerInput("nowhere");
  ui_.AnswerMessage(MsgResult::kOk);
  Research1Click(*editor);
  EXPECT_EQ(ui_.MessageLog(), QStringList{"Text not found|\"nowhere\" not found."});
  EXPECT_EQ(std::make_pair(text.SelStart(), text.SelLength()), std::make_pair(3, 2));

  // A phrase right at the top is found there like anywhere else.
  text.SetSelStart(20);
  ui_.AnswerInput("<HTML>");
  Research1Click(*editor);
  EXPECT_EQ(std::make_pair(text.SelStart(), text.SelLength()), std::make_pair(0, 6));

  // Cancel changes nothing (here from the pop-up menu's item).
  const QStringList before = settings.research;
  text.SetSelStart(20);
  ui_.AnswerInput(std::nullopt);
  Trigger("PopResearch1");
  EXPECT_EQ(ui_.Last().caption, "Re-search find list (ed:ToolsList Editor)");
  EXPECT_EQ(text.SelStart(), 20);
  EXPECT_EQ(settings.research, before);
}

// The pop-up menu of the text offers Find and Replace too (Re-search above, F3 in search_test).
TEST_F(GotoResearchTest, PopUpItemsReachTheSearchCommands) {
  frame_->Switches().findReplaceWarning = false;
  TEditForm* editor = Open(env_.WriteFile("keys.txt", "a b a"));
  Trigger("PopFind1");
  ASSERT_TRUE(editor->Dialogs().find);
  EXPECT_TRUE(editor->Dialogs().find->isVisible());
  Trigger("PopReplace1");
  ASSERT_TRUE(editor->Dialogs().replace);
  EXPECT_TRUE(editor->Dialogs().replace->isVisible());

  Trigger("Bookmarks1");
  ASSERT_TRUE(frame_->BookmarkPad());
  EXPECT_TRUE(frame_->BookmarkPad()->isVisible());
}

}  // namespace
}  // namespace penwick::test
