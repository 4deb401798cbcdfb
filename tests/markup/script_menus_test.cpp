// The JS, RTF and XML menus and the Tagset menu's XML items on a real editor window: representative rows
// of each table, the items that ask first, and the Changer's numeric pad keys.

#include <QAction>
#include <optional>
#include <vector>

#include "app/frame_menus.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

class ScriptMenusTest : public StartedFrameTest {
 protected:
  // "^" is the caret and "«...»" the selection (the markup itself is full of "|", "[" and "{").
  TEditForm* Editor(const QString& marked) {
    TEditForm* editor = frame_->ActiveEditor() ? frame_->ActiveEditor() : NewWindow();
    QString converted = marked;
    converted.replace(QStringLiteral("^"), QStringLiteral("|"))
        .replace(QStringLiteral("«"), QStringLiteral("["))
        .replace(QStringLiteral("»"), QStringLiteral("]"));
    SetMarked(editor->Text(), converted);
    Flush();
    return editor;
  }
  // The text with "^" at the caret.
  QString Result() {
    TextControl& text = frame_->ActiveEditor()->Text();
    EXPECT_EQ(text.SelLength(), 0);
    QString shown = text.Text();
    return shown.insert(text.SelStart(), QLatin1Char('^'));
  }
};

TEST_F(ScriptMenusTest, FixedItemsWriteTheirTextAndPlaceTheCaret) {
  const struct {
    const char* item;
    const char* before;
    const char* after;
  } cases[] = {
      // JS: calls with the caret inside their quotes, lines of their own, texts over the selection.
      {"JSAlertDialog1", "a^b", "awindow.alert(\"^\")b"},
      {"JSonClick1", "<p ^>", "<p onclick=\"^\">"},
      {"JSCloseWindow1", "a^b", "awindow.close\r\n^b"},
      {"JSHidemarks1", "^", "<!--\r\n^\r\n//-->"},
      {"JSComment1", "a«x»b", "a/* ^ */b"},
      {"JSFunctiontemplate1", "ab^cd", "abfunction ^() {\r\n}cd"},
      {"JSArrayinstance1", "^",
       "/* fill in instance's name after var & numItems\r\nwith the number of items plus one (length in "
       "0)*/\r\nvar  = new createArray(^)"},
      // RTF: a group's brace on its own line with an empty line above it for the caret.
      {"RTFTopicBlock1", "ab^cd", "ab{\\rtf1\\ansi\r\n^\r\n}cd"},
      {"RTFColorTable1", "^", "{\\colortbl;\r\n^\r\n}"},
      {"RTFPicturebyRef1", "^", "\\{bmc ^.bmp\\}"},
      {"RTFfootnote1", "a«b»", "a{\\footnote ^}"},
      {"RTFpar1", "x^", "x\\par ^"},
      // XML: declarations and tags wrap the selection or leave the caret where the caption's "|" is.
      {"XMLElementEmpty1", "^", "<!ELEMENT ^ EMPTY>"},
      {"XMLProcessing1", "«php»", "<?php?>^"},
      {"XMLComment1", "a^", "a<!-- ^ -->"},
      {"XMLEmptyTag1", "«br»x", "<br/>^x"},
      {"XMLStartTag1", "a^b", "a<^>b"},
      {"XMLEndTag1", "a^b", "a</^>b"},
      // Tagset: an empty CDATA section, an entity reference.
      {"CDATAframe1", "x^", "x<![CDATA[^]]>"},
      {"EntityReference1", "^", "&^;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.before);
    TEditForm* editor = Editor(QString::fromUtf8(c.before));
    Run(c.item);
    EXPECT_EQ(Result(), QString::fromUtf8(c.after));
    EXPECT_EQ(Panel(editor, 1), "Modified");
  }
  EXPECT_TRUE(ui_.Shown().empty());
}

TEST_F(ScriptMenusTest, ArrayBuilderWritesValidScript) {
  Editor("^");
  Run("JSArraybuilder1");
  EXPECT_TRUE(Result().contains("\r\nthis[i] = null }\r\n")) << Result().toStdString();
  EXPECT_TRUE(Result().endsWith("return this\r\n}\r\n^"));
}

TEST_F(ScriptMenusTest, BracesAreNotTypedOverTheNextCharacterInOverwriteMode) {
  TEditForm* editor = Editor("ab^cd");
  Key(editor, Qt::Key_Insert);
  ASSERT_TRUE(editor->Editor()->overwriteMode());
  Run("RTFFontTable1");
  EXPECT_EQ(Result(), "ab{\\fonttbl\r\n^\r\n}cd");
}

// Items that ask first, with their answers in turn (nullopt = Cancel).
TEST_F(ScriptMenusTest, AskingItemsBuildTheirTextFromTheAnswers) {
  using Answers = std::vector<std::optional<QString>>;
  const QString declaration = "<?XML VERSION=\"1.0\" STANDALONE=\"no\"?>\r\n";
  const struct {
    const char* item;
    const char* before;
    Answers answers;
    QString after;
  } cases[] = {
      {"JSScript1", "^", {"LANGUAGE=\"JavaScript\""}, "<SCRIPT LANGUAGE=\"JavaScript\">\r\n^\r\n</SCRIPT>"},
      {"JSScript1", "«x»", {""}, "<SCRIPT>\r\n^\r\n</SCRIPT>x"},
      {"JSOpenWindow1", "^", {"w", "a.htm"}, "w= window.open(\"a.htm\", \"w\")\r\n^"},
      {"JSOpenWindow1", "^", {"w", std::nullopt}, "^"},
      {"JSDocumentOpen1", "^", {"text/html"}, "document.open(\"text/html\")\r\n^"},
      {"Prolog1",
       "^",
       {"STANDALONE=\"no\"", "doc", "public", "\"-//X\"", ""},
       declaration + "<!DOCTYPE doc public \"-//X\">\r\n^"},
      {"Prolog1", "^", {"STANDALONE=\"no\"", "doc", std::nullopt}, "^"},
      {"LinkElement1", "a«b»", {"LINK", "href=\"x\"", "Go"}, "a<LINK href=\"x\">Go</LINK>^b"},
      {"LinkElement1", "^", {"LINK", "href=\"x\" /", "Go"}, "<LINK href=\"x\" />Go^"},
      {"LinkGroup1", "^", {"GROUP", "STEPS=\"1\""}, "<GROUP STEPS=\"1\">\r\n^\r\n</GROUP>"},
      {"ImageElement1", "^", {"FIG", "SRC=\"a.png\""}, "<FIG SRC=\"a.png\">^"},
      {"ImageElement1", "^", {"FIG", std::nullopt}, "^"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " " + c.before);
    Editor(QString::fromUtf8(c.before));
    ui_.Clear();
    for (const auto& answer : c.answers) ui_.AnswerInput(answer);
    Run(c.item);
    EXPECT_EQ(Result(), c.after);
    EXPECT_TRUE(ui_.AllAnswered());
  }
}

TEST_F(ScriptMenusTest, PrologAsksWithItsOwnWords) {
  Editor("^");
  for (int i = 0; i < 5; ++i) ui_.AnswerInput(i == 2 ? QStringLiteral("PUBLIC") : QString());
  Run("Prolog1");
  QStringList shown;
  for (const ShownBox& box : ui_.Shown()) shown << box.Summary();
  EXPECT_EQ(shown, (QStringList{
                       "STANDALONE=\"\" ENCODING=\"\"|Enter \"yes\" or \"no\" (blank implies =\"no\"):|"
                       "STANDALONE=\"no\" ENCODING=\"UTF-8\"",
                       "Document Type|Enter the Document Type:|",
                       "Declarations|Enter PUBLIC, SYSTEM or []:|SYSTEM",
                       "PUBLIC Identifier|Enter PUBLIC Identifier (in quotes):|",
                       "Location (add [] for internal decls)|Enter location (in quotes):|",
                   }));
}

TEST_F(ScriptMenusTest, NumericPadOneAndSevenTypeXmlWithTheChangerOn) {
  TEditForm* editor = Editor("^");
  frame_->Switches().changer = true;
  for (const char* answer : {"LINK", "href=\"x\"", "Go"}) ui_.AnswerInput(QString::fromLatin1(answer));
  Key(editor, Qt::Key_1, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(Result(), "<LINK href=\"x\">Go</LINK>^");
  EXPECT_EQ(ui_.Shown().front().caption, "Link element");

  Editor("^");
  for (const char* answer : {"", "doc", "[]"}) ui_.AnswerInput(QString::fromLatin1(answer));
  Key(editor, Qt::Key_7, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(Result(), "<?XML VERSION=\"1.0\" ?>\r\n<!DOCTYPE doc [\r\n^\r\n]>");

  // With it off they are Anchor and HTML Block again.
  frame_->Switches().changer = false;
  Editor("^");
  Key(editor, Qt::Key_7, Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_EQ(Result(), "<html>\r\n^\r\n</html>");
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(ScriptMenusTest, XmlLabelExplainsTheSection) {
  TEditForm* editor = Editor("x^");
  ui_.AnswerMessage(MsgResult::kOk);
  Run("XMLLabel1");
  EXPECT_EQ(ui_.Last().caption, "EXtensible Markup:");
  EXPECT_EQ(ui_.Last().type, MsgType::kInformation);
  EXPECT_EQ(Result(), "x^");
  EXPECT_FALSE(editor->Text().Modified());
}

}  // namespace
}  // namespace penwick::test
