// The HTML menu on a real editor window: every kind of item from its menu and from its shortcut, with and
// without a selection, with The Changer on and off.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <functional>
#include <map>
#include <vector>

#include "app/frame_menus.h"
#include "markup/html_commands.h"
#include "tests/support/frame_fixture.h"
#include "tests/support/marked_text.h"

namespace penwick::test {
namespace {

class HtmlMenuTest : public StartedFrameTest {
 protected:
  TEditForm* Editor(const char* marked, bool changer = false) {
    TEditForm* editor = frame_->ActiveEditor() ? frame_->ActiveEditor() : NewWindow();
    SetMarked(editor->Text(), QString::fromUtf8(marked));
    Flush();
    frame_->Switches().changer = changer;
    frame_->Switches().paragraphOnly = false;
    return editor;
  }
  QString Result() { return Marked(frame_->ActiveEditor()->Text()); }
};

struct ItemCase {
  const char* item;
  bool changer;
  const char* before;  // "|" caret, "[...]" selection
  const char* after;
};

// One item of each kind; how each combination of flags composes is set_tags_test's.
TEST_F(HtmlMenuTest, FixedTextItemsWriteTheirMarkupAndPlaceTheCaret) {
  const ItemCase cases[] = {
      // Wrapping items: an empty pair at the caret, or around the selection with the caret after it.
      {"HTMLItalics1", false, "ab|cd", "ab<i>|</i>cd"},
      {"HTMLItalics1", false, "ab[cd]ef", "ab<i>cd</i>|ef"},
      {"HTMLComment1", false, "[note]", "<!-- note -->|"},
      // An opened line; in the middle of a line the text before the caret keeps the start text company.
      {"HTMLBlock1", false, "ab|cd", "ab<html>\r\n|\r\n</html>cd"},
      {"HTMLHeadBlock1", false, "[sel]", "<head>\r\n|\r\n</head>sel"},
      // Opened line and wrapping: a selection is wrapped on one piece.
      {"HTMLPreformat1", false, "x[ab]y", "x<pre>ab</pre>|y"},
      {"HTMLCenter1", false, "[a\r\nb]", "<center>a\r\nb</center>|"},
      // No flags: the selection stays, after the inserted text.
      {"HTMLTitle1", false, "[ab]c", "<title>|</title>abc"},
      {"HTMLTextAreafield1", false, "|", "<textarea name=\"|\" rows=\"\" cols=\"\"></textarea>"},
      // Line break after the start text; The Changer writes the well-formed empty element.
      {"HTMLLinebreak1", false, "a|b", "a<br>\r\n|b"},
      {"HTMLLinebreak1", true, "a|b", "a<br />\r\n|b"},
      {"HTMLLinebreak1", false, "[a]b", "<br>\r\n|ab"},
      // Form fields and their Changer forms: the caret inside the quotes the user fills first.
      {"HTMLSubmitbutton1", false, "|", "<input type=\"submit\" value=\"|\">"},
      {"HTMLSubmitbutton1", true, "|", "<input type=\"submit\" value=\"|\" />"},
      // Frame and attributes: wrapping with no end text puts the text in front of the selection.
      {"HTMLFrame1", true, "|", "<frame src=\"|\" name=\"\" />"},
      {"HTMLFrame1", true, "[x]y", "<frame src=\"\" name=\"\" />x|y"},
      {"HTMLScrollingattribute1", false, "[a]", "scrolling=\"\"a|"},
      // Characters outside the basic plane count once, before and inside the selection.
      {"HTMLItalics1", false, "\xF0\x9F\x98\x80|", "\xF0\x9F\x98\x80<i>|</i>"},
      {"HTMLTitle1", false, "\xC3\xA9[\xF0\x9F\x98\x80]", "\xC3\xA9<title>|</title>\xF0\x9F\x98\x80"},
  };
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(std::string(c.item) + (c.changer ? " (Changer) " : " ") + c.before);
    TEditForm* editor = Editor(c.before, c.changer);
    Run(c.item);
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
    EXPECT_FALSE(editor->Text().CanUndo());
    EXPECT_EQ(Panel(editor, 1), "Modified");
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

// A file that keeps its mixed line breaks takes one-character breaks from the commands: the caret must
// still land where it would with CR LF.
TEST_F(HtmlMenuTest, CaretLandsRightInADocumentWithOneCharacterLineBreaks) {
  const struct {
    const char* item;
    bool changer;
    const char* after;
  } cases[] = {
      {"HTMLPreformat1", false, "a\nb\nc\r\nx<pre>\n|\n</pre>y"},
      {"HTMLParagraph1", true, "a\nb\nc\r\nx<p>\n|\n</p>y"},
      {"JSArrayinstance1", false,
       "a\nb\nc\r\nx/* fill in instance's name after var & numItems\nwith the number of items plus one "
       "(length in 0)*/\nvar  = new createArray(|)y"},
  };
  const QString path = env_.WriteFile("mixed.htm", "a\nb\nc\r\nxy");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    TEditForm* editor = Open(path);
    editor->Text().SetSelStart(8);
    frame_->Switches().changer = c.changer;
    Run(c.item);
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
    editor->Text().SetModified(false);
    Run("Close1");
  }
}

// Wrapping a selection leaves the selection's own line breaks as the file has them.
TEST_F(HtmlMenuTest, WrappingKeepsTheLineBreaksOfTheSelection) {
  const QString path = env_.WriteFile("mixed.htm", "a\nb\nc\r\nd\ne\n");
  const struct {
    const char* item;
    const char* bytes;
  } cases[] = {
      {"HTMLBold1", "a\nb\n<b>c\r\nd</b>\ne\n"},
      {"Parentheses1", "a\nb\n(c\r\nd)\ne\n"},
      {"HTMLMenuStack1",
       "a\nb\n<select name=\"\" size=\"\">c\r\nd</select><option value=\"\"></option>\n\ne\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    TEditForm* editor = Open(path);
    Select(editor, 4, 4);
    if (QLatin1String(c.item) == QLatin1String("HTMLMenuStack1")) ui_.AnswerInput(QStringLiteral("1"));
    Run(c.item);
    const QByteArrayView bytes = editor->Text().Utf8();
    EXPECT_EQ(QByteArray(bytes.data(), bytes.size()), QByteArray(c.bytes));
    editor->Text().SetModified(false);
    Run("Close1");
  }
}

TEST_F(HtmlMenuTest, ShortcutsReachTheirItemsFromTheText) {
  // clang-format off
  struct ShortcutCase {
    Qt::Key key;
    const char* before;
    const char* after;
  } cases[] = {
      {Qt::Key_I, "[w]", "<i>w</i>|"}, {Qt::Key_B, "|", "<b>|</b>"}, {Qt::Key_U, "|", "<u>|</u>"},
      {Qt::Key_J, "|", "<li>|</li>"}, {Qt::Key_K, "|", "<br>\r\n|"}, {Qt::Key_M, "|", "<pre>\r\n|\r\n</pre>"},
      {Qt::Key_Q, "|", "<blockquote>|</blockquote>"}, {Qt::Key_R, "|", "<tr>\r\n|\r\n</tr>"},
      {Qt::Key_T, "|", "<table border=\"1\">\r\n|\r\n</table>"}, {Qt::Key_C, "|", "<th>|</th>"},
      {Qt::Key_L, "|", "<td>|</td>"},
      {Qt::Key_F, "|", "<form method=\"\" action=\"\">\r\n|\r\n</form>"}, {Qt::Key_H, "|", "<H2>|</H2>"},
      {Qt::Key_P, "|", "<p>\r\n|"},
  };
  // clang-format on
  for (const ShortcutCase& c : cases) {
    SCOPED_TRACE(QKeySequence(Qt::CTRL | c.key).toString().toStdString());
    TEditForm* editor = Editor(c.before);
    if (c.key == Qt::Key_T || c.key == Qt::Key_F) ui_.AnswerMessage(MsgResult::kOk);
    if (c.key == Qt::Key_H) ui_.AnswerInput("2");
    QApplication::setActiveWindow(frame_.get());
    editor->Editor()->setFocus();
    QTest::keyClick(editor->Editor(), c.key, Qt::ControlModifier);
    Flush();
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

// Items that ask first, with their answers in turn (nullopt = Cancel): the markup is built from the answers,
// blank answers skip their part, and Cancel at any question writes nothing.
TEST_F(HtmlMenuTest, AskingItemsBuildTheirMarkupFromTheAnswers) {
  using Answers = std::vector<std::optional<QString>>;
  const QString emoji = QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80");
  // clang-format off
  const struct {
    const char* item;
    bool changer;
    const char* before;
    Answers answers;
    QString after;
    bool refused = false;  // with a warning
  } cases[] = {
      // How the level is read is html_text_test's; a selection keeps the level as typed.
      {"HTMLHeading1", false, "|", {"3"}, "<H3>|</H3>"},
      {"HTMLHeading1", false, "|", {"10"}, "<H1>|</H1>"},
      {"HTMLHeading1", false, "a[Top]b", {"10"}, "a<H10>Top</H10>|b"},
      {"HTMLHeading1", false, "[x\r\ny]", {"2"}, "<H2>x\r\ny</H2>|"},
      {"HTMLHeading1", false, "a[b]", {std::nullopt}, "a[b]"},
      {"HTMLCustomline1", false, "a[b]c", {"size=\"3\"", "", "align=\"left\"", "noshade"},
       "a<hr size=\"3\" align=\"left\" noshade>|bc"},
      {"HTMLCustomline1", false, "x|", {"", "", "", ""}, "x<hr>|"},
      {"HTMLCustomline1", true, "x|", {"", "", "", ""}, "x<hr />|"},
      {"HTMLCustomline1", false, "x|", {"size=\"1\"", "width=\"50%\"", std::nullopt}, "x|"},
      {"HTMLAnchor1", false, "a[b]", {"href=\"x.htm\"", emoji}, "a<a href=\"x.htm\">" + emoji + "</a>|b"},
      {"HTMLAnchor1", false, "x|", {"name=\"top\"", std::nullopt}, "x|"},
      {"HTMLImage1", false, "|", {"src=\"a.png\"", "alt=\"A\"", "align=\"top\""},
       "<img src=\"a.png\" alt=\"A\" align=\"top\">|"},
      {"HTMLImage1", true, "|", {"src=\"a.png\"", "alt=\"A\"", ""}, "<img src=\"a.png\" alt=\"A\" />|"},
      // Lists and menu stacks (counts read as html_text_test says): none or less leaves an opened line.
      {"HTMLBulletedlist1", false, "|", {"0"}, "<ul>\r\n|\r\n</ul>"},
      {"HTMLBulletedlist1", false, "|", {"  2"}, "<ul>\r\n<li></li>\r\n<li></li>\r\n</ul>|"},
      {"HTMLNumberedlist1", false, "ab|cdefghijkl", {"+1"}, "ab<ol>\r\n<li></li>\r\n</ol>cdef|ghijkl"},
      {"HTMLNumberedlist1", false, "|", {"many"}, "<ol>\r\n|\r\n</ol>"},
      {"HTMLNumberedlist1", false, "x|", {std::nullopt}, "x|"},
      {"HTMLMenuStack1", false, "|", {"2"},
       "<select name=\"\" size=\"\">\r\n<option value=\"\"></option>\r\n<option value=\"\"></option>\r\n|\r\n"
       "</select>"},
      {"HTMLMenuStack1", false, "[Pick]", {" 1 option"},
       "<select name=\"\" size=\"\">Pick</select><option value=\"\"></option>\r\n|"},
      {"HTMLMenuStack1", false, "|", {"-1"}, "<select name=\"\" size=\"\">\r\n|\r\n</select>"},
      // An absurd count is refused instead of freezing the window.
      {"HTMLBulletedlist1", false, "x|", {"99999999999"}, "x|", true},
      {"HTMLMenuStack1", false, "x|", {"99999999999"}, "x|", true},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + (c.changer ? " (Changer) " : " ") + c.before);
    Editor(c.before, c.changer);
    ui_.Clear();
    for (const auto& answer : c.answers) ui_.AnswerInput(answer);
    if (c.refused) ui_.AnswerMessage(MsgResult::kOk);
    Run(c.item);
    EXPECT_EQ(Result(), c.after);
    if (c.refused) {
      EXPECT_EQ(ui_.Last().type, MsgType::kWarning);
    }
    EXPECT_TRUE(ui_.AllAnswered());
    // A cancelled heading says so with a beep.
    EXPECT_EQ(ui_.Beeps(), !c.answers.back() && QLatin1String(c.item) == QLatin1String("HTMLHeading1"));
  }
}

// Every question and notice of the HTML menu, as "caption|text|initial value", in the order shown.
TEST_F(HtmlMenuTest, EachItemAsksWithItsOwnWords) {
  const QString presetItems = "Enter Number of preset items in list (0 for none):|0";
  // clang-format off
  const struct {
    const char* item;
    const char* before;
    QStringList boxes;
  } cases[] = {
      {"HTMLHeading1", "|", {"Heading Level|Enter 1 to 6 as level|1"}},
      {"HTMLCustomline1", "|",
       {"LineThickness (pixels)[BLANK SKIPS]|Enter size=\"Number-of-Pixels\"|size=\"",
        "Width (pixels or percent)[BLANK SKIPS]|Enter width=\"number-of-pixels-or-n%\"|width=\"",
        "Alignment [BLANK SKIPS]|Enter align=\"left\"-or-\"right\"-or-\"center\"|align=\"",
        "Remove Shading[BLANK SKIPS]|Enter noshade|noshade"}},
      {"HTMLAnchor1", "|",
       {"href=\"...\" or name=\"...\"|Enter href=\"address\" or name=\"address\"|href=\"",
        "Text to Click|Enter text to be screened for clicking|"}},
      {"HTMLImage1", "|",
       {"Image Source File|Enter src=\"address\"|src=\"",
        "Alternate Text|Enter label for Text Browsers|alt=\"",
        "Align Image|Enter align=\"position\" (empty omits)|align=\""}},
      {"HTMLBulletedlist1", "|", {"Number of pre-set items in list|" + presetItems}},
      {"HTMLNumberedlist1", "|", {"Number of pre-set items in list|" + presetItems}},
      {"HTMLMenuStack1", "|", {"Number of options in menu|Number of options:|1"}},
      {"HTMLTableFrame1", "|",
       {"Writing a table|The <table> tag contains the bare border param. And no cellpadding or cellspacing. "
        "Keep your usual params && values in a boilerplate set for importing as the active boilerplate "
        "set.|"}},
      {"HTMLFormFrame1", "|",
       {"Writing a form|You write forms into text with javaScript to have popnotes or to open windows using "
        "buttons. Keep method or action values in boilerplate. Add input tags separatey.|"}},
      {"HTMLParagraph1", "[x]",
       {"Selected text in document!|You have text selected in your document. Unlike some other items, it "
        "would be unsafe to \"paragraph\" selected text. If you have a reason to do this, use the item on "
        "the XML menu for the type of paragraph tagging you wish to do.|"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    Editor(c.before);
    ui_.Clear();
    const bool notice = QByteArray(c.item).endsWith("Frame1") || c.before[0] == '[';
    for (qsizetype i = 0; i < c.boxes.size(); ++i) {
      if (notice) {
        ui_.AnswerMessage(MsgResult::kOk);
      } else {
        ui_.AnswerInput(QString());
      }
    }
    Run(c.item);
    QStringList shown;
    for (const ShownBox& box : ui_.Shown()) shown << box.Summary();
    EXPECT_EQ(shown, c.boxes);
    // Notices inform; the paragraph's refusal warns.
    if (notice) {
      EXPECT_EQ(ui_.Last().type, c.before[0] == '[' ? MsgType::kWarning : MsgType::kInformation);
    }
  }
}

TEST_F(HtmlMenuTest, ParagraphRefusesASelectionAndClosesWithEitherSwitch) {
  for (int switches = 0; switches < 4; ++switches) {
    SCOPED_TRACE(switches);
    TEditForm* editor = Editor("a[bc]d", switches & 1);
    frame_->Switches().paragraphOnly = switches & 2;
    ui_.AnswerMessage(MsgResult::kOk);
    Run("HTMLParagraph1");
    EXPECT_EQ(Result(), "a[bc]d");
    EXPECT_FALSE(editor->Text().Modified());

    editor->Text().SetSelStart(4);
    Run("HTMLParagraph1");
    EXPECT_EQ(Result(), switches == 0 ? "abcd<p>\r\n|" : "abcd<p>\r\n|\r\n</p>");
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(HtmlMenuTest, NumericPadKeysShowInTheShortcutColumnAndRunTheirItems) {
  NewWindow();
  // Every item of the HTML menu and its submenus: no caption padded with blanks; the keys named after a
  // tab (the shortcut column), by their number.
  std::map<int, QAction*> hinted;
  QStringList padded;
  std::function<void(QMenu*)> walk = [&](QMenu* menu) {
    for (QAction* item : menu->actions()) {
      if (item->menu()) walk(item->menu());
      const QString caption = item->text().section(QLatin1Char('\t'), 0, 0);
      const QString hint = item->text().section(QLatin1Char('\t'), 1);
      if (caption.contains("  ") || caption.contains("NP")) padded << caption;
      if (!hint.startsWith("Ctrl+NP")) continue;
      EXPECT_TRUE(item->shortcut().isEmpty()) << hint.toStdString();
      EXPECT_TRUE(hinted.emplace(hint.mid(7).toInt(), item).second) << hint.toStdString();
    }
  };
  walk(frame_->Menus().Menu(MenuId::kHtml));
  EXPECT_EQ(padded, QStringList());
  ASSERT_EQ(hinted.size(), 9u);
  EXPECT_EQ(hinted.begin()->first, 1);
  EXPECT_EQ(hinted.rbegin()->first, 9);
  EXPECT_EQ(hinted[7]->text(), "HT&ML Block\tCtrl+NP7");

  // The key a caption names runs that item: the same text from the menu and from the key.
  const std::map<int, std::vector<const char*>> answers = {
      {1, {"href=\"h\"", "t"}}, {2, {"src=\"s\"", "alt=\"a\"", ""}}, {6, {"size=\"2\"", "", "", ""}}};
  for (const auto& [n, item] : hinted) {
    SCOPED_TRACE(item->text().toStdString());
    const auto queue = [&, n = n] {
      if (answers.contains(n)) {
        for (const char* answer : answers.at(n)) ui_.AnswerInput(QString::fromLatin1(answer));
      }
    };
    Editor("|");
    queue();
    item->trigger();
    Flush();
    const QString byMenu = Result();
    EXPECT_NE(byMenu, "|");
    Editor("|");
    queue();
    Key(frame_->ActiveEditor(), Qt::Key_0 + n, Qt::ControlModifier | Qt::KeypadModifier);
    Flush();
    EXPECT_EQ(Result(), byMenu);
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

// A file that keeps its mixed line breaks takes new breaks as its most common one, here one character wide.
TEST_F(HtmlMenuTest, TheCaretLandsInsideMultiLineMarkupInAFileOfOneCharacterBreaks) {
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("mixed.htm"), "ab\ncd\nend\r\n"));
  editor->Text().SetSelStart(1);
  Key(editor, Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(Shown(editor), "a<pre>\n|\n</pre>b\ncd\nend\r\n");
}

TEST_F(HtmlMenuTest, InsertionsCannotBeUndoneAndLeaveNoStaleUndo) {
  TEditForm* editor = Editor("|");
  Type(editor->Editor(), "abc");
  Flush();
  ASSERT_TRUE(editor->Text().CanUndo());
  for (const char* item : {"HTMLBold1", "HTMLPreformat1"}) {
    Run(item);
    EXPECT_FALSE(editor->Text().CanUndo()) << item;
  }
  const QString after = Result();
  editor->Text().Undo();
  Flush();
  EXPECT_EQ(Result(), after);
  // Typing afterwards is undoable on its own.
  Type(editor->Editor(), "z");
  editor->Text().Undo();
  EXPECT_EQ(Result(), after);
}

}  // namespace
}  // namespace penwick::test
