// The composite HTML items and the text-to-HTML conversion: their builders on their own, and the items on a
// real editor window from the XML and HTML menus, with their notices, questions and strict counts.

#include <QAction>
#include <optional>
#include <vector>

#include "app/frame_menus.h"
#include "markup/complex_html_text.h"
#include "tests/support/frame_fixture.h"
#include "tests/support/marked_text.h"

namespace penwick::test {
namespace {

TEST(ComplexHtmlText, ButtonStacksPutLineBreaksBetweenButtonsOnly) {
  EXPECT_EQ(ButtonStackText(0, false), "");
  EXPECT_EQ(ButtonStackText(1, true),
            "<input type=\"button\" value=\"Label\"\r\nonClick=\"function('param')\" />\r\n<br />\r\n<br />");
  const QString three = ButtonStackText(3, false);
  EXPECT_EQ(three.count("<input"), 3);
  EXPECT_EQ(three.count("<br>"), 4);
  EXPECT_TRUE(three.endsWith("\r\n<input type=\"button\" value=\"\"\r\nonClick=\"\">"));
  EXPECT_EQ(FormButtonStackText(-1, false), "\r\n<form>\r\n\r\n</form>\r\n\r\n");
}

TEST(ComplexHtmlText, UrlsBecomeFtpLinksOnlyWhenTheyStartWithFtp) {
  EXPECT_EQ(UrlLinkText("FTP.Example.org/pub/"),
            "<a href=\"ftp://FTP.Example.org/pub/\">FTP.Example.org/pub/</a>");
  EXPECT_EQ(UrlLinkText("swiftpages.com"), "<a href=\"http://swiftpages.com\">swiftpages.com</a>");
  EXPECT_EQ(UrlLinkText("https://a.org"), "<a href=\"https://a.org\">https://a.org</a>");
}

TEST(ComplexHtmlText, SizeAndColourPartsAreSeparatedOnlyWhenBothAreGiven) {
  EXPECT_EQ(SizeColorText("t", "+2", ""), "<font size=\"+2\">t</font>");
  EXPECT_EQ(SizeColorText("t", "+2", "red"), "<font size=\"+2\" color=\"red\">t</font>");
  EXPECT_EQ(SizeColorText("t", "", "red"), "<font color=\"red\">t</font>");
  EXPECT_EQ(SizeColorText("t", "", ""), "");
}

TEST(ComplexHtmlText, OnlyTheFirstEmptyLineAfterTextIsAParagraphBreak) {
  const QStringList lines = {"", "one", "", "", "two", " ", "", "three"};
  EXPECT_EQ(ParagraphBreakLines(lines), (std::vector<int>{2, 6}));
  EXPECT_TRUE(ParagraphBreakLines({"", ""}).empty());
}

TEST(ComplexHtmlText, TheLastFrameCountServesForTheRest) {
  QString answers = "2 3";
  EXPECT_EQ(NextFramesetPiece(answers), "2");
  EXPECT_EQ(NextFramesetPiece(answers), "3");
  EXPECT_EQ(NextFramesetPiece(answers), "3");
  answers = "1  2";
  NextFramesetPiece(answers);
  EXPECT_EQ(NextFramesetPiece(answers), "");  // two blanks together: an empty count, refused by the caller
}

class ComplexHtmlTest : public StartedFrameTest {
 protected:
  TEditForm* Editor(const char* marked, bool changer = false) {
    TEditForm* editor = frame_->ActiveEditor() ? frame_->ActiveEditor() : NewWindow();
    SetMarked(editor->Text(), QString::fromUtf8(marked));
    Flush();
    frame_->Switches().changer = changer;
    return editor;
  }
  QString Result() { return Marked(frame_->ActiveEditor()->Text()); }
};

using Answers = std::vector<std::optional<QString>>;

// Each item with its answers (nullopt = Cancel); every notice is answered OK.
TEST_F(ComplexHtmlTest, ItemsBuildTheirMarkupFromTheAnswers) {
  const QString table23 =
      "\r\n<table border=\"1\">\r\n"
      "<tr> <!-- row 1 -->\r\n<td> <!-- cell 1 -->\r\n\r\n</TD>\r\n<td> <!-- cell 2 -->\r\n\r\n</TD>\r\n"
      "<td> <!-- cell 3 -->\r\n\r\n</TD>\r\n</tr>\r\n"
      "<tr> <!-- row 2 -->\r\n<td> <!-- cell 1 -->\r\n\r\n</TD>\r\n<td> <!-- cell 2 -->\r\n\r\n</TD>\r\n"
      "<td> <!-- cell 3 -->\r\n\r\n</TD>\r\n</tr>\r\n</table>\r\n\r\n|";
  const QString head = "<!-- If you have <body>...</body> tags, remove them. -->\r\n";
  const QString cols3 =
      "    <frame src=\"\" name=\"\">\r\n    <frame src=\"\" name=\"\">\r\n"
      "    <frame src=\"\" name=\"\">\r\n  </frameset>\r\n";
  // clang-format off
  const struct {
    const char* item;
    bool changer;
    const char* before;
    Answers answers;
    QString after;
    int notices = 1;
  } cases[] = {
      {"AddrtoMAILTO1", false, "a[b]c", {"me@x.org"}, "a<a href=\"mailto:me@x.org\">me@x.org</a>|c"},
      {"AddrtoMAILTO1", false, "a|", {""}, "a|"},
      {"AddrtoMAILTO1", false, "a|", {std::nullopt}, "a|"},
      {"URLtoLINK1", false, "|", {"ftp.gnu.org/"}, "<a href=\"ftp://ftp.gnu.org/\">ftp.gnu.org/</a>|"},
      {"URLtoLINK1", false, "|", {"www.swiftpages.com"},
       "<a href=\"http://www.swiftpages.com\">www.swiftpages.com</a>|"},
      {"ImagetoFigure1", true, "[old]", {"a.png", "2", "Cap"},
       "<center>\r\n<!-- Ctrl+NumPad6 to create set-off line -->\r\n<img src=\"a.png\" /><br />\r\n"
       "<!-- Ctrl+NumPad6 to create set-off line -->\r\n<b>Figure 2</b><br />\r\n"
       "<!-- Use Ctrl+K to break Caption into lines -->\r\nCap\r\n</center>|", 2},
      {"SizeColorText1", false, "x[big]y", {"+1", ""}, "x<font size=\"+1\">big</font>|y"},
      {"SizeColorText1", false, "x|", {}, "x|"},  // nothing selected: no questions
      {"BlockQuoteText1", true, "[q]",  {}, "\r\n<p>\r\n<blockquote>\r\nq\r\n</blockquote>\r\n</p>\r\n|"},
      {"Pbeforeselectedtext", false, "a[b]", {}, "a\r\n<p>\r\nb<p>|"},
      {"PParoundselectedtext", false, "a[b]", {}, "a\r\n<p>\r\nb</p>|"},
      {"nxmTableFrame2", false, "|", {"2", "3"}, table23},
      {"nxmTableFrame1", false, "|", {"-1", "5"}, "\r\n<table border=\"1\">\r\n</table>\r\n\r\n|"},
      {"ButtonStack2", true, "|", {"2"},
       "<input type=\"button\" value=\"Label\"\r\nonClick=\"function('param')\" />\r\n<br />\r\n<br />"
       "\r\n<input type=\"button\" value=\"\"\r\nonClick=\"\" />|", 0},
      {"Buttonstack1", false, "|", {"0"}, "\r\n<form>\r\n\r\n</form>\r\n\r\n|"},
      {"AsymSymFramesetFrame2", false, "|", {"rows 2", "3"},
       head + "<frameset ROWS=\"\">  <!-- Outer ROWS frameset -->\r\n"
              "  <frameset COLS=\"\">  <!-- #1 COLS nested frameset -->\r\n" + cols3 +
              "  <frameset COLS=\"\">  <!-- #2 COLS nested frameset -->\r\n" + cols3 + "</frameset>\r\n|"},
      {"AsymSymFramesetFrame1", true, "|", {"BOTH 1"},
       head + "<frameset rows=\"\" cols=\"\">\r\n  <frame src=\"\" name=\"\" />\r\n</frameset>\r\n|"},
      {"AsymSymFramesetFrame1", false, "|", {"COLS 1", "0"},
       head + "<frameset COLS=\"\">  <!-- Outer COLS FRAMESET -->\r\n"
              "  <frameset ROWS=\"\">  <!-- #1 ROWS nested FRAMESET -->\r\n  </frameset>\r\n</frameset>\r\n|"},
      {"AsymSymFramesetFrame1", false, "|", {"ROWS 2", std::nullopt}, "|"},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.before);
    Editor(c.before, c.changer);
    ui_.Clear();
    for (int i = 0; i < c.notices; ++i) ui_.AnswerMessage(MsgResult::kOk);
    for (const auto& answer : c.answers) ui_.AnswerInput(answer);
    Run(c.item);
    EXPECT_EQ(Result(), c.after);
    EXPECT_TRUE(ui_.AllAnswered());
  }
}

// Counts are whole numbers, no more than a thousand; a bad one changes nothing and says why.
TEST_F(ComplexHtmlTest, BadOrHugeCountsAreRefusedWithAMessage) {
  // clang-format off
  const struct {
    const char* item;
    Answers answers;
    const char* message;
  } cases[] = {
      {"ButtonStack2", {"x"}, "Penwick|'x' is not a valid integer value"},
      {"Buttonstack1", {"2147483647"},
       "Number of buttons in stack|2147483647 is too many. At most 1000 can be typed at once."},
      {"nxmTableFrame1", {"2", "1.5"}, "Penwick|'1.5' is not a valid integer value"},
      {"nxmTableFrame1", {"2147483647"},
       "Number of Rows in the table|2147483647 is too many. At most 1000 can be typed at once."},
      {"nxmTableFrame1", {"1000", "1000"},
       "Number of Cells in a Row|A table of 1000 x 1000 cells is too big. At most 10000 can be typed at "
       "once."},
      {"AsymSymFramesetFrame1", {"ROWS 20", "600"},
       "Main Frameset Attribute(s)|A frame set of 10200 frames or more is too big. At most 10000 can be "
       "typed at once."},
      {"AsymSymFramesetFrame1", {"ROWS 2", "3  1"}, "Penwick|'' is not a valid integer value"},
      {"AsymSymFramesetFrame1", {"COLS x"}, "Penwick|'X' is not a valid integer value"},
      {"AsymSymFramesetFrame1", {"ROWS 1", "2147483647"},
       "Main Frameset Attribute(s)|2147483647 is too many. At most 1000 can be typed at once."},
      {"AsymSymFramesetFrame1", {"BOTH"},
       "Invalid Entry|Entry should be the word BOTH followed by a space and the number of cells (rows x "
       "cols) planned."},
      {"AsymSymFramesetFrame1", {"FRAMES 2"},
       "Invalid Atrribute|Entry should be a single word that is ROWS, COLS, or BOTH. Skip a space  and give "
       "the number of rows, columns, or cells (rows x cols) that you anticipate having."},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.answers.front()->toStdString());
    Editor("ab|");
    ui_.Clear();
    const bool notice = QByteArray(c.item) != "ButtonStack2";
    if (notice) ui_.AnswerMessage(MsgResult::kOk);
    for (const auto& answer : c.answers) ui_.AnswerInput(answer);
    ui_.AnswerMessage(MsgResult::kOk);
    Run(c.item);
    EXPECT_EQ(Result(), "ab|");
    EXPECT_EQ(ui_.MessageLog().last(), c.message);
    EXPECT_TRUE(ui_.AllAnswered());
  }
}

TEST_F(ComplexHtmlTest, ANoticeCancelledWritesNothingAndAsksNothing) {
  for (const char* item : {"AddrtoMAILTO1", "nxmTableFrame2", "Paragraphtxttohtm1"}) {
    SCOPED_TRACE(item);
    Editor("a\r\n\r\n|b");
    ui_.Clear();
    ui_.AnswerMessage(MsgResult::kCancel);
    Run(item);
    EXPECT_EQ(Result(), "a\r\n\r\n|b");
    EXPECT_EQ(ui_.Shown().size(), 1u);
  }
}

TEST_F(ComplexHtmlTest, TextToHtmlTagsTheBreaksBetweenParagraphsInOneUndoableStep) {
  const QString text =
      "\r\nFirst paragraph,\r\ntwo lines.\r\n\r\n\r\nSecond paragraph.\r\n\r\nThird paragraph.\r\n";
  struct {
    const char* item;
    QString after;
  } cases[] = {
      {"Paragraphtxttohtm1",
       "\r\nFirst paragraph,\r\ntwo lines.\r\n<p>\r\n\r\nSecond paragraph.\r\n<p>\r\nThird "
       "paragraph.\r\n<p>"},
      {"PParoundparastxttohtm1",
       "\r\nFirst paragraph,\r\ntwo lines.\r\n</p><p>\r\n\r\nSecond paragraph.\r\n</p><p>\r\nThird "
       "paragraph.\r\n</p><p>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    TEditForm* editor = Window(text);
    const QString title = editor->windowTitle();
    ui_.AnswerMessage(MsgResult::kOk);
    Run(c.item);
    EXPECT_EQ(editor->Text().Text(), c.after);
    EXPECT_EQ(editor->Text().LineCount(), 9);
    EXPECT_EQ(editor->windowTitle(), title);
    editor->Text().Undo();
    EXPECT_EQ(editor->Text().Text(), text);
  }
  // An empty document has nothing to convert and is not asked about.
  NewWindow();
  ui_.Clear();
  Run("Paragraphtxttohtm1");
  EXPECT_TRUE(ui_.Shown().empty());
}

}  // namespace
}  // namespace penwick::test
