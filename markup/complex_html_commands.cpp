#include "markup/complex_html_commands.h"

#include <QMenu>
#include <algorithm>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "editor/update_lock.h"
#include "markup/complex_html_text.h"
#include "platform/profile.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

bool Changer(TEditForm& editor) { return editor.Frame().Switches().changer; }

// An information box; with OK and Cancel, false when the user cancelled.
bool Tell(TEditForm& editor, const char* caption, const char* text, bool cancellable = true) {
  const MsgResult answer = editor.Frame().Boxes().Show(QString::fromLatin1(caption),
                                                       QString::fromLatin1(text), MsgType::kInformation,
                                                       cancellable ? MsgButtons::kOkCancel : MsgButtons::kOk);
  return !cancellable || answer == MsgResult::kOk;
}

bool Ask(TEditForm& editor, const char* caption, const char* prompt, QString& value) {
  return editor.Frame().Boxes().InputQuery(QString::fromLatin1(caption), QString::fromLatin1(prompt), value);
}

// A whole number, strictly: anything else is the conversion error and no number.
std::optional<int> Whole(TEditForm& editor, const QString& text) {
  const std::optional<int> number = StrToInt(text);
  if (!number) {
    editor.Frame().Boxes().ShowError(QLatin1Char('\'') + text +
                                     QStringLiteral("' is not a valid integer value"));
  }
  return number;
}

// False, with a warning, when count is more than limit.
bool WithinLimit(TEditForm& editor, const QString& caption, qint64 count, int limit) {
  if (count <= limit) return true;
  editor.Frame().Boxes().Show(
      caption, QStringLiteral("%1 is too many. At most %2 can be typed at once.").arg(count).arg(limit),
      MsgType::kWarning, MsgButtons::kOk);
  return false;
}

// The warning for a table or frame set that would be too big in all.
void TooManyParts(TEditForm& editor, const QString& caption, const QString& what) {
  editor.Frame().Boxes().Show(
      caption, what + QStringLiteral(" is too big. At most %1 can be typed at once.").arg(kMaxCompositeParts),
      MsgType::kWarning, MsgButtons::kOk);
}

// Asks a count (caption, prompt, "1"): a strict whole number no larger than the limit.
std::optional<int> AskCount(TEditForm& editor, const char* caption, const char* prompt) {
  QString answer = QStringLiteral("1");
  if (!Ask(editor, caption, prompt, answer)) return std::nullopt;
  const std::optional<int> count = Whole(editor, answer);
  if (!count || !WithinLimit(editor, QString::fromLatin1(caption), *count, kMaxCompositeCount)) {
    return std::nullopt;
  }
  return count;
}

void Insert(TEditForm& editor, const QString& text) { editor.Text().ReplaceSelection(text); }

void TellInvalid(TEditForm& editor, const char* caption, const char* text) {
  editor.Frame().Boxes().Show(QString::fromLatin1(caption), QString::fromLatin1(text), MsgType::kInformation,
                              MsgButtons::kOk);
}

const char kCaptionLinesCaption[] = "Breaking Caption text into lines";

void ParagraphsAroundSelection(TEditForm& editor, const char* caption, const char* text,
                               QString (*build)(const QString&)) {
  if (!Tell(editor, caption, text)) return;
  const QString selected = editor.Text().SelText();
  if (selected.isEmpty()) return;
  Insert(editor, build(selected));
}

// Puts tag into the first empty line after each paragraph of the document, as one step Undo takes back.
void TagParagraphBreaks(TEditForm& editor, const char* caption, const char* text, const char* working,
                        const QString& tag) {
  TextControl& control = editor.Text();
  if (control.TextLength() == 0) return;
  if (!Tell(editor, caption, text)) return;
  const QString title = editor.windowTitle();
  editor.setWindowTitle(QString::fromLatin1(working));
  {
    UpdateLock lock(editor.Editor());
    QStringList lines;
    const int count = control.LineCount();
    lines.reserve(count);
    for (int i = 0; i < count; ++i) lines << control.Line(i);
    const std::vector<int> tagged = ParagraphBreakLines(lines);
    // The whole document changes at once; a conversion that only Reload could take back would be a trap.
    control.BeginUndoAction();
    for (auto line = tagged.rbegin(); line != tagged.rend(); ++line) {
      control.InsertText(control.LineIndex(*line), tag);
    }
    control.EndUndoAction();
  }
  editor.setWindowTitle(title);
}

}  // namespace

void ExtendingMarkup1Click(TEditForm& editor) {
  Tell(editor, "Extending Markup:",
       "The Complex HTML Items build in one go what a tagset defined in XML would give you: links, figures, "
       "coloured text, button stacks, tables, frame sets and paragraph tags.\r\n\r\nItems that write "
       "\"<p>\" and \"<br>\" must be fixed by hand when the page is to be XHTML.",
       false);
}

void AddrtoMAILTO1Click(TEditForm& editor) {
  if (!Tell(editor, "Address to MAILTO",
            "The e-mail address you type becomes a mailto link whose clickable text is the same address.")) {
    return;
  }
  QString address = QStringLiteral("name@domain.typ");
  if (!Ask(editor, "Address to MAILTO", "Email address:", address) || address.isEmpty()) return;
  Insert(editor, MailtoText(address));
}

void URLtoLINK1Click(TEditForm& editor) {
  if (!Tell(editor, "URL to LINK",
            "The address you type becomes an http link (an ftp link when it starts with ftp) whose clickable "
            "text is the same address.\r\n\r\nEnd the address of a directory with a slash; a file name "
            "has none.")) {
    return;
  }
  QString url = QStringLiteral("xxx.domain.typ");
  if (!Ask(editor, "URL to Link", "URL (if xxx <> ftp, www assumed):", url)) return;
  Insert(editor, UrlLinkText(url));
}

void ImagetoFigure1Click(TEditForm& editor) {
  if (!Tell(editor, "Image to FIGURE",
            "An image file name, a figure number and a caption become a centred figure with its caption "
            "below.")) {
    return;
  }
  QString file = QStringLiteral("image.typ");
  QString number = QStringLiteral("1");
  QString caption = QStringLiteral("Caption");
  if (!Ask(editor, "IMAGE for Figure", "Image filename:", file) ||
      !Ask(editor, "Figure NUMBER", "Figure number:", number) ||
      !Ask(editor, "Figure CAPTION", "Caption text:", caption)) {
    return;
  }
  Insert(editor, ImageFigureText(file, number, caption, Changer(editor)));
  Tell(editor, kCaptionLinesCaption,
       "The caption is one long line. Turn word-wrap off and break it into lines with Line break "
       "(Ctrl+K). Custom lines (Ctrl+NumPad6) may be added above and below it.",
       false);
}

void TexttoFigure1Click(TEditForm& editor) {
  if (!Tell(editor, "Text to FIGURE",
            "Text in large print is set off like an illustration, boxed if you wish.")) {
    return;
  }
  QString text = QStringLiteral("type or paste text");
  QString size = QStringLiteral("6");
  QString colour = QStringLiteral("blank for default");
  QString box = QStringLiteral("0");
  if (!Ask(editor, "Text for Figure", "Text:", text) ||
      !Ask(editor, "Relative Type Size", "Type Size:", size) ||
      !Ask(editor, "Text COLOR", "Type Color:", colour) ||
      !Ask(editor, "Text boxed", "Box = 1, no box = 0:", box)) {
    return;
  }
  Insert(editor, TextFigureText(text, size, colour, box));
  Tell(editor, kCaptionLinesCaption,
       "The figure text is one long line. Turn word-wrap off and break it into lines with Line break "
       "(Ctrl+K).",
       false);
}

void SizeColorText1Click(TEditForm& editor) {
  if (!Tell(editor, "Change SizeColor of Selected text.",
            "Select a block of text first: it will be given a new relative size, a new colour, or both.")) {
    return;
  }
  const QString selected = editor.Text().SelText();
  if (selected.isEmpty()) return;
  QString size = QStringLiteral("blank leaves unchanged");
  QString colour = QStringLiteral("blank leaves unchanged");
  if (!Ask(editor, "Relative Size", "Relative Size=:", size) ||
      !Ask(editor, "New COLOR", "New Color=:", colour)) {
    return;
  }
  const QString text = SizeColorText(selected, size, colour);
  if (!text.isEmpty()) Insert(editor, text);
}

void BlockQuoteText1Click(TEditForm& editor) {
  if (!Tell(editor, "Pull selected text into Block quote.",
            "Select a block within a paragraph or across paragraphs: it is put in place as a separate, "
            "indented paragraph or group of paragraphs.")) {
    return;
  }
  const QString selected = editor.Text().SelText();
  if (selected.isEmpty()) return;
  Insert(editor, BlockQuoteText(selected, Changer(editor)));
}

void Buttonstack1Click(TEditForm& editor) {
  if (!Tell(editor, "Create a stack of buttons.",
            "A stack of buttons in a form of its own, each to fire a script: for pages read on screen.")) {
    return;
  }
  const std::optional<int> count = AskCount(editor, "Number of buttons in stack", "Number of buttons:");
  if (count) Insert(editor, FormButtonStackText(*count, Changer(editor)));
}

void ButtonStack2Click(TEditForm& editor) {
  const std::optional<int> count = AskCount(editor, "Number of buttons in stack", "Number of buttons:");
  if (count) Insert(editor, ButtonStackText(*count, Changer(editor)));
}

void nxmTableFrame1Click(TEditForm& editor) {
  if (!Tell(editor, "Set up an n x m table Frame.",
            "A bare table framework with border 1, every row and cell numbered in a comment. Add your own "
            "attributes to it.")) {
    return;
  }
  const std::optional<int> rows = AskCount(editor, "Number of Rows in the table", "Number of Rows:");
  if (!rows) return;
  const std::optional<int> cells = AskCount(editor, "Number of Cells in a Row", "Number of Cells:");
  if (!cells) return;
  if (*rows > 0 && *cells > 0 && qint64{*rows} * *cells > kMaxCompositeParts) {
    TooManyParts(editor, QStringLiteral("Number of Cells in a Row"),
                 QStringLiteral("A table of %1 x %2 cells").arg(*rows).arg(*cells));
    return;
  }
  Insert(editor, TableText(*rows, *cells));
}

void AsymSymFramesetFrame1Click(TEditForm& editor) {
  Tell(editor, "Set up a FRAMESET Frame",
       "Answer ROWS, COLS or BOTH, a space and a count: ROWS 2, COLS 3 or BOTH 4 (the cells of rows x "
       "cols).\r\n\r\nFor ROWS or COLS a second answer gives, for each row or column in turn, how many "
       "frames of the other kind it holds: 2 3 means two in the first and three in the next; the last "
       "number serves for the rest.\r\n\r\nRows and cols values are pixels, percentages or \"*\". Each "
       "frame has a name attribute to be the target of links.",
       false);
  QString answer;
  if (!Ask(editor, "Main Frameset Attribute(s)",
           "Type ROWS, COLS or BOTH #-of-rows-cols-or-cells:", answer)) {
    return;
  }
  const FramesetAnswer parts = SplitFramesetAnswer(answer);
  const bool both = parts.kind == QStringLiteral("BOTH");
  const bool rows = parts.kind == QStringLiteral("ROWS");
  if (!both && !rows && parts.kind != QStringLiteral("COLS")) {
    TellInvalid(
        editor, "Invalid Atrribute",
        "Entry should be a single word that is ROWS, COLS, or BOTH. Skip a space  and give the number "
        "of rows, columns, or cells (rows x cols) that you anticipate having.");
    return;
  }
  int count = 0;
  if (!parts.countText.isEmpty()) {
    const std::optional<int> number = Whole(editor, parts.countText);
    if (!number) return;
    count = *number;
  }
  if (count == 0) {
    TellInvalid(editor, "Invalid Entry",
                both ? "Entry should be the word BOTH followed by a space and the number of cells (rows x "
                       "cols) planned."
                : rows
                    ? "Entry should be the word ROWS followed by a space and the number of rows planned."
                    : "Entry should be the word COLS followed by a space and the number of columns planned.");
    return;
  }
  const QString caption = QStringLiteral("Main Frameset Attribute(s)");
  if (!WithinLimit(editor, caption, count, kMaxCompositeCount)) return;
  const bool changer = Changer(editor);
  QString text = QString::fromLatin1(kFramesetHead);
  if (both) {
    Insert(editor, text + BothFramesetText(count, changer));
    return;
  }
  text += OuterFramesetLine(parts.kind);
  QString numbers;
  const bool asked = rows ? Ask(editor, "Numbers of Columns in the Rows",
                                "# in top row, space, # in the next, etc.:", numbers)
                          : Ask(editor, "Numbers of Rows in the Columns",
                                "# in left column, space, # in the next, etc.:", numbers);
  if (!asked) return;
  qint64 frames = 0;
  for (int item = 1; item <= count; ++item) {
    const std::optional<int> k = Whole(editor, NextFramesetPiece(numbers));
    if (!k) return;
    if (!WithinLimit(editor, caption, *k, kMaxCompositeCount)) return;
    frames += std::max(*k, 0);
    if (frames > kMaxCompositeParts) {
      TooManyParts(editor, caption, QStringLiteral("A frame set of %1 frames or more").arg(frames));
      return;
    }
    text += NestedFramesetText(parts.kind, item, *k, changer);
  }
  Insert(editor, text + QString::fromLatin1(kFramesetEnd));
}

void PbeforeselectedtextClick(TEditForm& editor) {
  ParagraphsAroundSelection(editor, "Attach a <p> to selected text.",
                            "The selected block becomes a paragraph of its own, with a \"<p>\" before and "
                            "after it.",
                            ParagraphAfterText);
}

void PParoundselectedtextClick(TEditForm& editor) {
  ParagraphsAroundSelection(editor, "Surround selected text with <p>...<p>.",
                            "The selected block becomes a paragraph of its own. Check afterwards for extra "
                            "or missing paragraph tags around it.",
                            ParagraphAroundText);
}

void Paragraphtxttohtm1Click(TEditForm& editor) {
  TagParagraphBreaks(editor, "Inserting \"<p>\" between paragraphs",
                     "A \"<p>\" goes into the empty line after each paragraph; where several empty lines "
                     "come together only the first is tagged. Some empty lines may be tagged wrongly: "
                     "delete those tags by hand.",
                     "inserting \"<p>\" between paragraphs...", QStringLiteral("<p>"));
}

void PParoundparastxttohtm1Click(TEditForm& editor) {
  TagParagraphBreaks(editor, "Inserting <p>...</p> around paragraphs",
                     "\"</p><p>\" (the tags in reverse order) goes into the empty line after each "
                     "paragraph. Add the first \"<p>\" and the last \"</p>\" yourself, and fix any "
                     "misplaced \"</p>\" by hand.",
                     "inserting \"<p>...</p>\" around paragraphs...", QStringLiteral("</p><p>"));
}

namespace {

const MenuRow kExtendingRows[] = {
    {"ExtendingMarkup1", "Extending Markup...:", "", nullptr, ExtendingMarkup1Click},
};

const MenuRow kComplexRows[] = {
    {"AddrtoMAILTO1", "@Addr to &MAILTO", "", nullptr, AddrtoMAILTO1Click, nullptr, nullptr, Access::kWrites},
    {"URLtoLINK1", "URL to &Link", "", nullptr, URLtoLINK1Click, nullptr, nullptr, Access::kWrites},
    {"ImagetoFigure1", "Image to &Figure", "", nullptr, ImagetoFigure1Click, nullptr, nullptr,
     Access::kWrites},
    {"TexttoFigure1", "&Text to Figure", "", nullptr, TexttoFigure1Click, nullptr, nullptr, Access::kWrites},
    {"SizeColorText1", "&Size/Color Text", "", nullptr, SizeColorText1Click, nullptr, nullptr,
     Access::kWrites},
    {"BlockQuoteText1", "&Block Quote Text ", "", nullptr, BlockQuoteText1Click, nullptr, nullptr,
     Access::kWrites},
    {},
    {"Buttonstack1", "&Button stack in Form Frame", "", nullptr, Buttonstack1Click, nullptr, nullptr,
     Access::kWrites},
    {"nxmTableFrame1", "&n x m Table Frame", "", nullptr, nxmTableFrame1Click, nullptr, nullptr,
     Access::kWrites},
    {"AsymSymFramesetFrame1", "Asym/Sym Frameset Frame", "", nullptr, AsymSymFramesetFrame1Click, nullptr,
     nullptr, Access::kWrites},
    {},
    {"Pbeforeselectedtext", "<p> before/after selected text", "", nullptr, PbeforeselectedtextClick, nullptr,
     nullptr, Access::kWrites},
    {"PParoundselectedtext", "<p>...</p> around selected text", "", nullptr, PParoundselectedtextClick,
     nullptr, nullptr, Access::kWrites},
    {"Paragraphtxttohtm1", "<&p> before  paras (txt to htm)", "", nullptr, Paragraphtxttohtm1Click, nullptr,
     nullptr, Access::kWrites},
    {"PParoundparastxttohtm1", "<p>...</p> around paras (txt to htm)", "", nullptr,
     PParoundparastxttohtm1Click, nullptr, nullptr, Access::kWrites},
};

}  // namespace

void AddComplexHtmlMenus(MenuBuilder& menus) {
  QMenu* xml = menus.Menu(MenuId::kXml);
  menus.AddRows(xml, kExtendingRows);
  menus.AddRows(menus.AddSubmenu(xml, QStringLiteral("    Complex HTML Items")), kComplexRows);
}

}  // namespace penwick
