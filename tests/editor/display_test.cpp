// Load-time colouring, the display options, the case and blue commands, and red block marking.

#include <QAction>
#include <QMenu>

#include "app/frame_menus.h"
#include "editor/display_commands.h"
#include "editor/highlighting.h"
#include "tests/support/file_bytes.h"
#include "tests/support/frame_fixture.h"

namespace penwick::test {
namespace {

// Styles as a string, one character per byte: '.' black, 'B' blue, 'R' red.
QString StyleMap(const char* styles, std::size_t count) {
  QString map;
  for (std::size_t i = 0; i < count; ++i) {
    map += styles[i] == TextControl::kBlueStyle  ? QLatin1Char('B')
           : styles[i] == TextControl::kRedStyle ? QLatin1Char('R')
           : styles[i] == 0                      ? QLatin1Char('.')
                                                 : QLatin1Char('?');
  }
  return map;
}

QString StyleMap(TextControl& text) {
  const QByteArray styles = text.StyleBytes(0, text.ByteLength());
  return StyleMap(styles.constData(), styles.size());
}

template <typename Scanner>
QString Scan(const QByteArray& bytes) {
  Scanner scanner;
  QByteArray styles(bytes.size(), '\0');
  scanner.Scan(bytes.constData(), bytes.size(), styles.data());
  return StyleMap(styles.constData(), styles.size());
}

TEST(HighlightScannerTest, TagsAndCommentsAreBlueExactlyWhereTheRulesSay) {
  // clang-format off
  const struct { bool tags; const char* text; const char* styles; } cases[] = {
      {true,  "a<b>c</b>",       ".BBB.BBBB"},
      {true,  "<td>1 <br> x",    "BBBB..BBBB.."},   // a digit or blank after a tag stays black text
      {true,  "a<b c",           ".BBBB"},          // an unclosed tag runs to the end
      {true,  "x>y<<a>b",        "...BBBB."},
      {false, "x := 1; // note\r\ny", "........BBBBBBB..."},
      {false, "a { c } b",       "..BBBBB.."},
      {false, "a (* c *) b",     "..BBBBBBB.."},
      {false, "s := 'http://x';\n", "...........BBBBB."},  // no string literals: // in a quote starts a comment
      {false, "{ // } x",        "BBBBBB.."},       // // inside braces is no line comment
      {false, "// a { b } c\r\n", "BBBBBBBBBB...."}, // any } turns the colour off
      {false, "a / / b (x) *)",  ".............."},
      {false, "(*) x",           "BBB.."},          // the rules close (*) at once
  };
  // clang-format on
  for (const auto& c : cases) {
    const QString got = c.tags ? Scan<TagScanner>(c.text) : Scan<CommentScanner>(c.text);
    EXPECT_EQ(got, QString::fromLatin1(c.styles)) << c.text;
  }
}

TEST(HighlightScannerTest, AnOpenerSplitAcrossChunksColoursItsFirstHalf) {
  CommentScanner scanner;
  char styles[4] = {};
  EXPECT_FALSE(scanner.Scan("a(", 2, styles));
  EXPECT_TRUE(scanner.Scan("*b", 2, styles + 2));
  EXPECT_EQ(StyleMap(styles, 4), QStringLiteral("..BB"));  // the caller colours the '(' of the last chunk
}

TEST(HighlightScannerTest, PassFollowsTheExtensionAndTheDarkGround) {
  // clang-format off
  const struct { const char* name; bool dark; HighlightPass pass; } cases[] = {
      {"/d/Page.HTM", false, HighlightPass::kTags},   {"/d/p.html", true, HighlightPass::kTags},
      {"/d/a.xml", false, HighlightPass::kTags},      {"/d/a.xml", true, HighlightPass::kNone},
      {"/d/u.pas", false, HighlightPass::kComments},  {"/d/u.PAS", true, HighlightPass::kNone},
      {"/d/n.txt", false, HighlightPass::kNone},      {"/d/html", false, HighlightPass::kNone},
  };
  // clang-format on
  for (const auto& c : cases)
    EXPECT_EQ(PassFor(QString::fromLatin1(c.name), c.dark, false), c.pass) << c.name;
  EXPECT_EQ(PassFor(QStringLiteral("/d/p.htm"), false, true), HighlightPass::kNone);
}

class DisplayTest : public FrameTest {
 protected:
};

TEST_F(DisplayTest, LoadingAskedToHighlightColoursTagsAndSavesTheFileUnchanged) {
  Start();
  const QByteArray bytes = "a<b>c</b>\r\n<td>1 <br> x \xc3\xa9<i>\r\n";
  const QString path = env_.WriteFile(QStringLiteral("page.htm"), bytes);
  TEditForm* editor = Open(path, MsgResult::kOk);
  ASSERT_EQ(ui_.StandingShown().size(), 1u);
  const ShownBox& offer = ui_.StandingShown().back();
  EXPECT_EQ(offer.caption, QStringLiteral("Blue tags in HTML/XML files"));
  EXPECT_EQ(offer.type, MsgType::kInformation);
  EXPECT_EQ(offer.buttons, MsgButtons::kOkCancel);
  EXPECT_TRUE(offer.text.contains(QStringLiteral("Cancel skips highlighting.")));
  EXPECT_EQ(StyleMap(editor->Text()), QStringLiteral(".BBB.BBBB..BBBB..BBBB.....BBB.."));
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("page.htm"));
  EXPECT_FALSE(editor->Text().Modified());

  // Typed text is black, even right after a tag; nothing of the colour reaches the file.
  editor->Text().SetSelStart(4);
  Type(editor->Editor(), QStringLiteral("z"));
  EXPECT_EQ(editor->Text().StyleAt(4), 0);
  editor->Text().SetSelStart(4);
  Key(editor, Qt::Key_Delete);
  ASSERT_TRUE(editor->Save1Click());
  EXPECT_EQ(ReadFile(path), bytes);
}

TEST_F(DisplayTest, HighlightingIsOfferedByExtensionAndCancelLeavesTheTextBlack) {
  Start();
  // Cancel: no colour.
  TEditForm* page = Open(env_.WriteFile(QStringLiteral("p.html"), "<p>x</p>"));
  EXPECT_EQ(StyleMap(page->Text()), QStringLiteral("........"));
  // An empty page is asked about, and stays empty and unmodified.
  TEditForm* empty = Open(env_.WriteFile(QStringLiteral("e.htm"), ""), MsgResult::kOk);
  EXPECT_TRUE(empty->Text().IsEmpty());
  EXPECT_FALSE(empty->Text().Modified());
  // Pascal comments.
  TEditForm* unit =
      Open(env_.WriteFile(QStringLiteral("u.pas"), "x := 1; // note\r\n{ c } (* d *)"), MsgResult::kOk);
  EXPECT_EQ(ui_.StandingShown().back().caption, QStringLiteral("Blue Italic Comments in PAS files"));
  EXPECT_EQ(StyleMap(unit->Text()), QStringLiteral("........BBBBBBB..BBBBB.BBBBBBB"));
  // White text on black: XML is not asked about, HTML still is.
  frame_->Switches().whiteOnBlack = true;
  const auto offers = ui_.StandingShown().size();
  TEditForm* xml = Open(env_.WriteFile(QStringLiteral("d.xml"), "<a/>"));
  EXPECT_EQ(ui_.StandingShown().size(), offers);
  EXPECT_EQ(StyleMap(xml->Text()), QStringLiteral("...."));
  TEditForm* dark = Open(env_.WriteFile(QStringLiteral("d.htm"), "<a>"), MsgResult::kOk);
  EXPECT_EQ(StyleMap(dark->Text()), QStringLiteral("BBB"));
  EXPECT_TRUE(ui_.AllAnswered());
}

TEST_F(DisplayTest, PrepEnclosesTheBlockAndMarkTurnsItRedTakingOnlyThePreppedPilcrowsOut) {
  Start();
  TEditForm* editor = Window(QString::fromUtf8("x abc y \u00b6 <t> z"));
  Select(editor, 2, 3);
  Run("Setselectedblockformark1");
  EXPECT_EQ(editor->Text().Text(), QString::fromUtf8("x \u00b6abc\u00b6 y \u00b6 <t> z"));
  EXPECT_EQ(editor->Text().SelStart(), 7);
  // A second block around a blue tag.
  editor->Text().SetStyle(12, 3, TextControl::kBlueStyle);
  Select(editor, 11, 6);
  Run("Setselectedblockformark1");
  editor->Text().SetSelStart(16);
  editor->Text().SetModified(false);

  ui_.AnswerMessage(MsgResult::kOk);
  Run("Markallsetblockswredtext1");
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Marking text on screen w/red text."));
  // The pilcrow the user typed stays; blocks are red, the tag inside stays blue.
  EXPECT_EQ(editor->Text().Text(), QString::fromUtf8("x abc y \u00b6 <t> z"));
  EXPECT_EQ(StyleMap(editor->Text()), QStringLiteral("..RRR.....RBBBRR"));
  EXPECT_TRUE(editor->Text().Modified());
  EXPECT_EQ(editor->Text().SelStart(), 13);  // three pilcrows before the caret went

  // Nothing prepped any more: Mark only says so.
  ui_.AnswerMessage(MsgResult::kOk);
  Run("Markallsetblockswredtext1");
  ExpectBox(
      ui_, QStringLiteral("Text Marking"),
      QString::fromUtf8("No blocks have been prepped with the \u00b6 before and after. Use the menu item or "
                        "Ctrl+Alt+P to mark each (selected) block you wish to color."),
      MsgType::kCustom);
  // Prep without a selection explains.
  ui_.AnswerMessage(MsgResult::kOk);
  Run("Setselectedblockformark1");
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Set text block for marking"));
}

TEST_F(DisplayTest, MarkingIsRefusedOnABlackGroundAndPrepIsUndoneInOneStep) {
  Start();
  frame_->Switches().whiteOnBlack = true;
  TEditForm* editor = Open(env_.WriteFile(QStringLiteral("n.txt"), "one two"));
  Select(editor, 0, 3);
  Run("Setselectedblockformark1");
  ui_.AnswerMessage(MsgResult::kOk);
  Run("Markallsetblockswredtext1");
  ExpectBox(
      ui_, QStringLiteral("Text Marking"),
      QStringLiteral("You can't use red marking on a black background! Uncheck White on black and reload."),
      MsgType::kCustom);
  EXPECT_EQ(editor->Text().Text(), QString::fromUtf8("\u00b6one\u00b6 two"));
  editor->Text().Undo();
  EXPECT_EQ(editor->Text().Text(), QStringLiteral("one two"));
}

TEST_F(DisplayTest, CaseAndBlueChangeOnlyTheSelection) {
  Start();
  TEditForm* editor = Window(QString::fromUtf8("ab\u00e9Cd ef"));
  Select(editor, 0, 5);
  Run("SelectedtexttoUPPERcase1");
  EXPECT_EQ(editor->Text().Text(), QString::fromUtf8("AB\u00e9CD ef"));  // a to z only
  EXPECT_EQ(editor->Text().SelLength(), 5);
  Run("SelectedtexttoLOWERcase1");
  EXPECT_EQ(editor->Text().Text(), QString::fromUtf8("ab\u00e9cd ef"));
  Select(editor, 6, 2);
  Run("Selectedtexttobluescreenonly1");
  EXPECT_EQ(StyleMap(editor->Text()), QStringLiteral(".......BB"));  // é is two bytes
}

// An emoji is one position of the text but two units of a QString.
TEST_F(DisplayTest, MarkingAndCaseChangesAfterAnEmojiKeepTheirPositions) {
  Start();
  TEditForm* editor = Window(QString::fromUtf8("\U0001F600 abc y"));
  Select(editor, 2, 3);
  Run("Setselectedblockformark1");
  ui_.AnswerMessage(MsgResult::kOk);
  Run("Markallsetblockswredtext1");
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("Marking text on screen w/red text."));
  EXPECT_EQ(editor->Text().Text(), QString::fromUtf8("\U0001F600 abc y"));
  EXPECT_EQ(StyleMap(editor->Text()), QStringLiteral(".....RRR.."));  // the emoji is four bytes

  editor = MarkedWindow(QString::fromUtf8("[a\U0001F600b]cd"));
  Run("SelectedtexttoUPPERcase1");
  EXPECT_EQ(Shown(editor), QString::fromUtf8("[A\U0001F600B]cd"));
}

TEST_F(DisplayTest, DisplayOptionsTakeEffectAtTheNextLoad) {
  Start();
  const QString path = env_.WriteFile(QStringLiteral("n.txt"), "text");
  TEditForm* editor = Open(path);
  ui_.AnswerMessage(MsgResult::kOk);
  Run("WhitetextonBlackground1");
  EXPECT_EQ(ui_.Last().caption, QStringLiteral("White text on black ground"));
  frame_->Menus().Refresh();
  EXPECT_TRUE(Action("WhitetextonBlackground1")->isChecked());
  EXPECT_EQ(editor->Editor()->paper(), QColor(Qt::white));  // loaded windows keep their colours
  Run("WhitetextonBlackground1");                           // off again: no box
  EXPECT_FALSE(frame_->Switches().whiteOnBlack);

  // clang-format off
  const struct { const char* entry; bool on; int size; const char* caption; } cases[] = {
      {"8", true, 10, nullptr}, {"14", true, 14, nullptr},
      {"99", false, 10, "Larger print on screen"}, {"big", false, 10, "Penwick"},
  };
  // clang-format on
  for (const auto& c : cases) {
    frame_->Switches().largerPrint = false;
    frame_->Switches().printSize = 10;
    ui_.AnswerMessage(MsgResult::kOk);
    ui_.AnswerInput(QString::fromLatin1(c.entry));
    if (c.caption) ui_.AnswerMessage(MsgResult::kOk);
    Run("LargerPrint1");
    EXPECT_EQ(frame_->Switches().largerPrint, c.on) << c.entry;
    EXPECT_EQ(frame_->Switches().printSize, c.size) << c.entry;
    if (c.caption) {
      EXPECT_EQ(ui_.Last().caption, QString::fromLatin1(c.caption)) << c.entry;
    }
  }
  ui_.AnswerMessage(MsgResult::kOk);
  ui_.AnswerInput(QStringLiteral("14"));
  Run("LargerPrint1");
  frame_->Switches().whiteOnBlack = true;
  ui_.AnswerMessage(MsgResult::kOk);  // "Reloading a file."
  editor->Reload1Click();
  EXPECT_EQ(editor->Editor()->paper(), QColor(Qt::black));
  EXPECT_EQ(editor->Editor()->font().pointSize(), 14);
  Run("LargerPrint1");  // off: size back to 10 without a box
  EXPECT_EQ(frame_->Switches().printSize, 10);
}

}  // namespace
}  // namespace penwick::test
