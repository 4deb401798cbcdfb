// The HTML menu on a real editor window: every kind of item from its menu and from its shortcut, with and
// without a selection, with The Changer on and off.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <map>
#include <vector>

#include "app/frame_menus.h"
#include "markup/html_commands.h"
#include "tests/markup/marked_text.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class HtmlMenuTest : public FrameTest {
 protected:
  TEditForm* Editor(const char* marked, bool changer = false) {
    if (!frame_) Start();
    TEditForm* editor = frame_->ActiveEditor() ? frame_->ActiveEditor() : NewWindow();
    SetMarked(editor->Text(), QString::fromUtf8(marked));
    Flush();
    frame_->Switches().changer = changer;
    frame_->Switches().paragraphOnly = false;
    return editor;
  }
  void Run(const char* item) {
    QAction* action = frame_->Menus().Find(QString::fromLatin1(item));
    ASSERT_NE(action, nullptr) << item;
    ASSERT_TRUE(action->isEnabled()) << item;
    action->trigger();
    Flush();
  }
  QString Result() { return Marked(frame_->ActiveEditor()->Text()); }
};

struct ItemCase {
  const char* item;
  bool changer;
  const char* before;  // "|" caret, "[...]" selection
  const char* after;
};

TEST_F(HtmlMenuTest, FixedTextItemsWriteTheirMarkupAndPlaceTheCaret) {
  const ItemCase cases[] = {
      // Wrapping items: an empty pair at the caret, or around the selection with the caret after it.
      {"HTMLItalics1", false, "ab|cd", "ab<i>|</i>cd"},
      {"HTMLItalics1", false, "ab[cd]ef", "ab<i>cd</i>|ef"},
      {"HTMLBold1", true, "[x]", "<b>x</b>|"},
      {"HTMLBlockQuote1", false, "|", "<blockquote>|</blockquote>"},
      {"HTMLComment1", false, "a|", "a<!-- | -->"},
      {"HTMLComment1", false, "[note]", "<!-- note -->|"},
      // An opened line; in the middle of a line the text before the caret keeps the start text company.
      {"HTMLBlock1", false, "|", "<html>\r\n|\r\n</html>"},
      {"HTMLBlock1", false, "ab|cd", "ab<html>\r\n|\r\n</html>cd"},
      {"HTMLHeadBlock1", false, "[sel]", "<head>\r\n|\r\n</head>sel"},
      {"HTMLBodyBlock1", true, "x\r\n|", "x\r\n<body>\r\n|\r\n</body>"},
      // Opened line and wrapping: a selection is wrapped on one piece.
      {"HTMLPreformat1", false, "|", "<pre>\r\n|\r\n</pre>"},
      {"HTMLPreformat1", false, "x[ab]y", "x<pre>ab</pre>|y"},
      {"HTMLCenter1", false, "[a\r\nb]", "<center>a\r\nb</center>|"},
      {"HTMLDropdownmenu1", false, "[o]", "<select name=\"\" size=\"\">o</select>|"},
      {"HTMLFramesetRows1", false, "|", "<frameset rows=\"\">\r\n|\r\n</frameset>"},
      {"HTMLFramesetColumns1", false, "[f]", "<frameset cols=\"\">f</frameset>|"},
      // No flags: the selection stays, after the inserted text.
      {"HTMLTitle1", false, "|", "<title>|</title>"},
      {"HTMLTitle1", false, "[ab]c", "<title>|</title>abc"},
      {"HTMLLineindent1", false, "a[b]", "a<dt><dd>|b"},
      {"HTMLTextAreafield1", false, "|", "<textarea name=\"|\" rows=\"\" cols=\"\"></textarea>"},
      // Line break after the start text; The Changer writes the well-formed empty element.
      {"HTMLLinebreak1", false, "a|b", "a<br>\r\n|b"},
      {"HTMLLinebreak1", true, "a|b", "a<br />\r\n|b"},
      {"HTMLLinebreak1", false, "[a]b", "<br>\r\n|ab"},
      {"HTMLHorizline1", true, "|", "<hr />\r\n|"},
      // Form fields and their Changer forms: the caret inside the quotes the user fills first.
      {"HTMLSubmitbutton1", false, "|", "<input type=\"submit\" value=\"|\">"},
      {"HTMLSubmitbutton1", true, "|", "<input type=\"submit\" value=\"|\" />"},
      {"HTMLResetbutton1", true, "[s]", "<input type=\"reset\" value=\"|\" />s"},
      {"HTMLTextfield1", false, "|", "<input type=\"text\" name=\"\" size=\"\" maxlength=\"\" value=\"|\">"},
      {"HTMLRadiobutton1", false, "|", "<input type=\"radio\" name=\"|\" value=\"\">"},
      {"HTMLRadiobutton1", true, "|", "<input type=\"radio\" name=\"|\" value=\"\" />"},
      {"HTMLButton1", false, "|", "<input type=\"button\" value=\"|\" onClick=\"\">"},
      // Frame and attributes: wrapping with no end text puts the text in front of the selection.
      {"HTMLFrame1", false, "|", "<frame src=\"|\" name=\"\">"},
      {"HTMLFrame1", true, "|", "<frame src=\"|\" name=\"\" />"},
      {"HTMLFrame1", true, "[x]y", "<frame src=\"\" name=\"\" />x|y"},
      {"HTMLNameattribute1", false, "|", "name=\"|\""},
      {"HTMLScrollingattribute1", false, "[a]", "scrolling=\"\"a|"},
      {"HTMLMarginattributes1", false, "|", "marginwidth=\"|\" marginheight=\"\""},
      // Characters outside the basic plane count once, before and inside the selection.
      {"HTMLItalics1", false, "\xF0\x9F\x98\x80|", "\xF0\x9F\x98\x80<i>|</i>"},
      {"HTMLTitle1", false, "\xC3\xA9[\xF0\x9F\x98\x80]", "\xC3\xA9<title>|</title>\xF0\x9F\x98\x80"},
  };
  Start();
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(std::string(c.item) + (c.changer ? " (Changer) " : " ") + c.before);
    TEditForm* editor = Editor(c.before, c.changer);
    Run(c.item);
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
    EXPECT_FALSE(editor->Text().CanUndo());
    EXPECT_EQ(Panel(editor, 1), QStringLiteral("Modified"));
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(HtmlMenuTest, ShortcutsReachTheirItemsFromTheText) {
  struct ShortcutCase {
    Qt::Key key;
    const char* before;
    const char* after;
  } cases[] = {
      {Qt::Key_I, "[w]", "<i>w</i>|"},
      {Qt::Key_B, "|", "<b>|</b>"},
      {Qt::Key_U, "|", "<u>|</u>"},
      {Qt::Key_J, "|", "<li>|</li>"},
      {Qt::Key_K, "|", "<br>\r\n|"},
      {Qt::Key_M, "|", "<pre>\r\n|\r\n</pre>"},
      {Qt::Key_Q, "|", "<blockquote>|</blockquote>"},
      {Qt::Key_T, "|", "<table border=\"1\">\r\n|\r\n</table>"},
      {Qt::Key_R, "|", "<tr>\r\n|\r\n</tr>"},
      {Qt::Key_C, "|", "<th>|</th>"},
      {Qt::Key_L, "|", "<td>|</td>"},
      {Qt::Key_F, "|", "<form method=\"\" action=\"\">\r\n|\r\n</form>"},
      {Qt::Key_H, "|", "<H2>|</H2>"},
      {Qt::Key_P, "|", "<p>\r\n|"},
  };
  Start();
  for (const ShortcutCase& c : cases) {
    SCOPED_TRACE(QKeySequence(Qt::CTRL | c.key).toString().toStdString());
    TEditForm* editor = Editor(c.before);
    if (c.key == Qt::Key_T || c.key == Qt::Key_F) ui_.AnswerMessage(MsgResult::kOk);
    if (c.key == Qt::Key_H) ui_.AnswerInput(QStringLiteral("2"));
    QApplication::setActiveWindow(frame_.get());
    editor->Editor()->setFocus();
    QTest::keyClick(editor->Editor(), c.key, Qt::ControlModifier);
    Flush();
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(HtmlMenuTest, TableAndFormFramesExplainFirst) {
  Start();
  ui_.AnswerMessage(MsgResult::kOk);
  Editor("|");
  Run("HTMLTableFrame1");
  ASSERT_EQ(ui_.Shown().size(), 1u);
  ExpectBox(
      ui_, QStringLiteral("Writing a table"),
      QStringLiteral("The <table> tag contains the bare border param. And no cellpadding or cellspacing. "
                     "Keep your usual params && values in a boilerplate set for importing as the active "
                     "boilerplate set."),
      MsgType::kInformation);
  EXPECT_EQ(Result(), QStringLiteral("<table border=\"1\">\r\n|\r\n</table>"));

  ui_.AnswerMessage(MsgResult::kOk);
  Editor("ab|");
  Run("HTMLFormFrame1");
  ExpectBox(
      ui_, QStringLiteral("Writing a form"),
      QStringLiteral("You write forms into text with javaScript to have popnotes or to open windows using "
                     "buttons. Keep method or action values in boilerplate. Add input tags separatey."),
      MsgType::kInformation);
  EXPECT_EQ(Result(), QStringLiteral("ab<form method=\"\" action=\"\">\r\n|\r\n</form>"));
}

TEST_F(HtmlMenuTest, HeadingLevelsFromTheAnswer) {
  struct HeadingCase {
    std::optional<QString> answer;
    const char* before;
    const char* after;
  } cases[] = {
      {QStringLiteral("3"), "|", "<H3>|</H3>"},
      {QStringLiteral("9"), "|", "<H6>|</H6>"},
      {QStringLiteral("0"), "|", "<H1>|</H1>"},
      {QString(), "|", "<H1>|</H1>"},
      {QStringLiteral("10"), "|", "<H1>|</H1>"},
      {QStringLiteral("10"), "a[Top]b", "a<H10>Top</H10>|b"},
      {QStringLiteral("2"), "[x\r\ny]", "<H2>x\r\ny</H2>|"},
      {std::nullopt, "a[b]", "a[b]"},
  };
  Start();
  for (const HeadingCase& c : cases) {
    SCOPED_TRACE(c.answer.value_or(QStringLiteral("(cancel)")).toStdString() + " " + c.before);
    ui_.Clear();
    Editor(c.before);
    ui_.AnswerInput(c.answer);
    Run("HTMLHeading1");
    ASSERT_EQ(ui_.Shown().size(), 1u);
    EXPECT_EQ(ui_.Last().caption, QStringLiteral("Heading Level"));
    EXPECT_EQ(ui_.Last().text, QStringLiteral("Enter 1 to 6 as level"));
    EXPECT_EQ(ui_.Last().value, QStringLiteral("1"));
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
    EXPECT_EQ(ui_.Beeps(), c.answer ? 0 : 1);
  }
}

TEST_F(HtmlMenuTest, CustomLineAsksFourTimesAndSkipsBlankAnswers) {
  Start();
  Editor("a[b]c");
  for (const char* answer : {"size=\"3\"", "", "align=\"left\"", "noshade"}) {
    ui_.AnswerInput(QString::fromLatin1(answer));
  }
  Run("HTMLCustomline1");
  EXPECT_EQ(Result(), QStringLiteral("a<hr size=\"3\" align=\"left\" noshade>|bc"));
  const QStringList expectedBoxes = {
      QStringLiteral("LineThickness (pixels)[BLANK SKIPS]|Enter size=\"Number-of-Pixels\"|size=\""),
      QStringLiteral(
          "Width (pixels or percent)[BLANK SKIPS]|Enter width=\"number-of-pixels-or-n%\"|width=\""),
      QStringLiteral("Alignment [BLANK SKIPS]|Enter align=\"left\"-or-\"right\"-or-\"center\"|align=\""),
      QStringLiteral("Remove Shading[BLANK SKIPS]|Enter noshade|noshade"),
  };
  QStringList shown;
  for (const ShownBox& box : ui_.Shown()) shown << box.caption + '|' + box.text + '|' + box.value;
  EXPECT_EQ(shown, expectedBoxes);

  for (bool changer : {false, true}) {
    Editor("x|", changer);
    for (int i = 0; i < 4; ++i) ui_.AnswerInput(QString());
    Run("HTMLCustomline1");
    EXPECT_EQ(Result(), changer ? QStringLiteral("x<hr />|") : QStringLiteral("x<hr>|"));
  }

  // Cancel at the third question: no change at all.
  Editor("x|");
  ui_.AnswerInput(QStringLiteral("size=\"1\""));
  ui_.AnswerInput(QStringLiteral("width=\"50%\""));
  ui_.AnswerInput(std::nullopt);
  Run("HTMLCustomline1");
  EXPECT_EQ(Result(), QStringLiteral("x|"));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(HtmlMenuTest, ParagraphRefusesASelectionAndClosesWithEitherSwitch) {
  Start();
  for (int switches = 0; switches < 4; ++switches) {
    SCOPED_TRACE(switches);
    TEditForm* editor = Editor("a[bc]d", switches & 1);
    frame_->Switches().paragraphOnly = switches & 2;
    ui_.AnswerMessage(MsgResult::kOk);
    Run("HTMLParagraph1");
    ExpectBox(
        ui_, QStringLiteral("Selected text in document!"),
        QStringLiteral("You have text selected in your document. Unlike some other items, it would be "
                       "unsafe to \"paragraph\" selected text. If you have a reason to do this, use the "
                       "item on the XML menu for the type of paragraph tagging you wish to do."),
        MsgType::kWarning);
    EXPECT_EQ(Result(), QStringLiteral("a[bc]d"));
    EXPECT_FALSE(editor->Text().Modified());

    editor->Text().SetSelStart(4);
    Run("HTMLParagraph1");
    EXPECT_EQ(Result(),
              switches == 0 ? QStringLiteral("abcd<p>\r\n|") : QStringLiteral("abcd<p>\r\n|\r\n</p>"));
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(HtmlMenuTest, AnchorAndImageAskForTheirParts) {
  Start();
  Editor("a[b]");
  ui_.AnswerInput(QStringLiteral("href=\"x.htm\""));
  ui_.AnswerInput(QString::fromUtf8("\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80"));
  Run("HTMLAnchor1");
  EXPECT_EQ(Result(), QString::fromUtf8("a<a href=\"x.htm\">\xC3\xA9t\xC3\xA9 \xF0\x9F\x98\x80</a>|b"));
  ASSERT_EQ(ui_.Shown().size(), 2u);
  EXPECT_EQ(ui_.Shown()[0].caption, QStringLiteral("href=\"...\" or name=\"...\""));
  EXPECT_EQ(ui_.Shown()[0].text, QStringLiteral("Enter href=\"address\" or name=\"address\""));
  EXPECT_EQ(ui_.Shown()[0].value, QStringLiteral("href=\""));
  EXPECT_EQ(ui_.Shown()[1].caption, QStringLiteral("Text to Click"));
  EXPECT_EQ(ui_.Shown()[1].text, QStringLiteral("Enter text to be screened for clicking"));
  EXPECT_EQ(ui_.Shown()[1].value, QString());

  // Cancel at the second box: nothing is written.
  Editor("x|");
  ui_.AnswerInput(QStringLiteral("name=\"top\""));
  ui_.AnswerInput(std::nullopt);
  Run("HTMLAnchor1");
  EXPECT_EQ(Result(), QStringLiteral("x|"));

  ui_.Clear();
  struct ImageCase {
    bool changer;
    const char* align;
    const char* after;
  } cases[] = {
      {false, "align=\"top\"", "<img src=\"a.png\" alt=\"A\" align=\"top\">|"},
      {true, "", "<img src=\"a.png\" alt=\"A\" />|"},
  };
  for (const ImageCase& c : cases) {
    Editor("|", c.changer);
    ui_.AnswerInput(QStringLiteral("src=\"a.png\""));
    ui_.AnswerInput(QStringLiteral("alt=\"A\""));
    ui_.AnswerInput(QString::fromLatin1(c.align));
    Run("HTMLImage1");
    EXPECT_EQ(Result(), QString::fromLatin1(c.after));
  }
  const QStringList expectedBoxes = {
      QStringLiteral("Image Source File|Enter src=\"address\"|src=\""),
      QStringLiteral("Alternate Text|Enter label for Text Browsers|alt=\""),
      QStringLiteral("Align Image|Enter align=\"position\" (empty omits)|align=\""),
  };
  QStringList shown;
  for (int i = 0; i < 3; ++i)
    shown << ui_.Shown()[i].caption + '|' + ui_.Shown()[i].text + '|' + ui_.Shown()[i].value;
  EXPECT_EQ(shown, expectedBoxes);
}

TEST_F(HtmlMenuTest, ListsAndMenuStacksCountTheirPresetItems) {
  struct CountCase {
    const char* item;
    const char* answer;
    const char* before;
    const char* after;
  } cases[] = {
      {"HTMLBulletedlist1", "0", "|", "<ul>\r\n|\r\n</ul>"},
      {"HTMLBulletedlist1", "  2", "|", "<ul>\r\n<li></li>\r\n<li></li>\r\n</ul>|"},
      {"HTMLNumberedlist1", "+1", "ab|cdefghijkl", "ab<ol>\r\n<li></li>\r\n</ol>cdef|ghijkl"},
      {"HTMLNumberedlist1", "-3", "|", "<ol>\r\n|\r\n</ol>"},
      {"HTMLNumberedlist1", "many", "|", "<ol>\r\n|\r\n</ol>"},
      {"HTMLBulletedlist1", "1x", "[s]", "<ul>\r\n<li></li>\r\n</ul>s|"},
      {"HTMLMenuStack1", "2", "|",
       "<select name=\"\" size=\"\">\r\n<option value=\"\"></option>\r\n<option value=\"\"></option>\r\n|\r\n"
       "</select>"},
      {"HTMLMenuStack1", " 1 option", "[Pick]",
       "<select name=\"\" size=\"\">Pick</select><option value=\"\"></option>\r\n|"},
      {"HTMLMenuStack1", "-1", "|", "<select name=\"\" size=\"\">\r\n|\r\n</select>"},
  };
  Start();
  for (const CountCase& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " \"" + c.answer + "\" " + c.before);
    ui_.Clear();
    Editor(c.before);
    ui_.AnswerInput(QString::fromLatin1(c.answer));
    Run(c.item);
    EXPECT_EQ(Result(), QString::fromLatin1(c.after));
    ASSERT_EQ(ui_.Shown().size(), 1u);
    const bool stack = std::string(c.item) == "HTMLMenuStack1";
    EXPECT_EQ(ui_.Last().caption, stack ? QStringLiteral("Number of options in menu")
                                        : QStringLiteral("Number of pre-set items in list"));
    EXPECT_EQ(ui_.Last().text, stack ? QStringLiteral("Number of options:")
                                     : QStringLiteral("Enter Number of preset items in list (0 for none):"));
    EXPECT_EQ(ui_.Last().value, stack ? QStringLiteral("1") : QStringLiteral("0"));
  }
}

TEST_F(HtmlMenuTest, AbsurdCountsAreRefusedInsteadOfFreezingTheWindow) {
  Start();
  for (const char* item : {"HTMLBulletedlist1", "HTMLMenuStack1"}) {
    ui_.Clear();
    Editor("x|");
    ui_.AnswerInput(QStringLiteral("99999999999"));
    ui_.AnswerMessage(MsgResult::kOk);
    Run(item);
    EXPECT_EQ(Result(), QStringLiteral("x|")) << item;
    EXPECT_EQ(ui_.Last().type, MsgType::kWarning) << item;
  }
  // Cancel leaves the text alone too.
  Editor("x|");
  ui_.AnswerInput(std::nullopt);
  Run("HTMLNumberedlist1");
  EXPECT_EQ(Result(), QStringLiteral("x|"));
}

TEST_F(HtmlMenuTest, NumericPadKeysShowInTheShortcutColumnAndRunTheirItems) {
  Start();
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
      if (caption.contains(QStringLiteral("  ")) || caption.contains(QStringLiteral("NP"))) padded << caption;
      if (!hint.startsWith(QStringLiteral("Ctrl+NP"))) continue;
      EXPECT_TRUE(item->shortcut().isEmpty()) << hint.toStdString();
      EXPECT_TRUE(hinted.emplace(hint.mid(7).toInt(), item).second) << hint.toStdString();
    }
  };
  walk(frame_->Menus().Menu(MenuId::kHtml));
  EXPECT_EQ(padded, QStringList());
  ASSERT_EQ(hinted.size(), 9u);
  EXPECT_EQ(hinted.begin()->first, 1);
  EXPECT_EQ(hinted.rbegin()->first, 9);
  EXPECT_EQ(hinted[7]->text(), QStringLiteral("HT&ML Block\tCtrl+NP7"));

  // The key a caption names runs that item: the same text from the menu and from the key.
  const std::map<int, std::vector<const char*>> answers = {
      {1, {"href=\"h\"", "t"}}, {2, {"src=\"s\"", "alt=\"a\"", ""}}, {6, {"size=\"2\"", "", "", ""}}};
  const char* const expected[] = {"<a href=\"h\">t</a>|",       "<img src=\"s\" alt=\"a\">|",
                                  "<body>\r\n|\r\n</body>",     "<hr>\r\n|",
                                  "<center>\r\n|\r\n</center>", "<hr size=\"2\">|",
                                  "<html>\r\n|\r\n</html>",     "<title>|</title>",
                                  "<head>\r\n|\r\n</head>"};
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
    EXPECT_EQ(byMenu, QString::fromLatin1(expected[n - 1]));
    Editor("|");
    queue();
    Key(frame_->ActiveEditor(), Qt::Key_0 + n, Qt::ControlModifier | Qt::KeypadModifier);
    Flush();
    EXPECT_EQ(Result(), byMenu);
  }
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(HtmlMenuTest, InsertionsCannotBeUndoneAndLeaveNoStaleUndo) {
  Start();
  TEditForm* editor = Editor("|");
  Type(editor->Editor(), QStringLiteral("abc"));
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
  Type(editor->Editor(), QStringLiteral("z"));
  editor->Text().Undo();
  EXPECT_EQ(Result(), after);
}

TEST_F(HtmlMenuTest, TheHtmlMenuAndItsSubmenusAreOnTheMenuBar) {
  Start();
  NewWindow();
  QMenu* html = nullptr;
  for (QAction* action : frame_->menuBar()->actions()) {
    if (action->text() == QStringLiteral("HTM&L")) html = action->menu();
  }
  ASSERT_EQ(html, frame_->Menus().Menu(MenuId::kHtml));
  QStringList submenus;
  for (QAction* action : html->actions()) {
    if (!action->menu()) continue;
    submenus << action->text();
  }
  EXPECT_EQ(submenus, (QStringList{QStringLiteral("&Table elements"), QStringLiteral("&Form elements"),
                                   QStringLiteral("Frameset elements")}));
  EXPECT_EQ(frame_->Menus().Find(QStringLiteral("HTMLXMLComment1"))->text(),
            QStringLiteral("&HTML/XML Comment"));
  EXPECT_TRUE(frame_->Menus()
                  .Menu(MenuId::kPopup)
                  ->actions()
                  .contains(frame_->Menus().Find(QStringLiteral("HTMLXMLComment1"))));
}

}  // namespace
}  // namespace penwick::test
