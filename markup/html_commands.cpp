#include "markup/html_commands.h"

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "markup/html_items.h"
#include "markup/html_text.h"
#include "markup/xml_commands.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

bool Changer(TEditForm& editor) { return editor.Frame().Switches().changer; }

// Asks one plain input box; false when the user cancelled.
bool Ask(TEditForm& editor, const char* caption, const char* prompt, QString& value) {
  return editor.Frame().Boxes().InputQuery(QString::fromLatin1(caption), QString::fromLatin1(prompt), value);
}

void Insert(TEditForm& editor, const QString& text) { SetTags(editor.Text(), {text, QString(), 0, 0}); }

// Reads a preset count from an input box; false when the user cancelled or asked for too many.
bool AskCount(TEditForm& editor, const char* caption, const char* prompt, const char* initial, int& count) {
  QString answer = QString::fromLatin1(initial);
  if (!Ask(editor, caption, prompt, answer)) return false;
  count = ReadCount(answer);
  if (count <= kMaxPresetItems) return true;
  // Thousands of lines typed by a slip of the finger would freeze the window; refuse plainly instead.
  editor.Frame().Boxes().Show(QString::fromLatin1(caption),
                              QStringLiteral("%1 is too many. At most %2 can be typed at once.")
                                  .arg(answer.trimmed())
                                  .arg(kMaxPresetItems),
                              MsgType::kWarning, MsgButtons::kOk);
  return false;
}

void RunList(TEditForm& editor, const QString& listTag) {
  int count = 0;
  if (!AskCount(editor, "Number of pre-set items in list",
                "Enter Number of preset items in list (0 for none):", "0", count)) {
    return;
  }
  TextControl& text = editor.Text();
  text.SetSelLength(0);  // the list goes in at the start of a selection, which stays after it
  ApplyInsertion(text, ListInsertion(listTag, count));
  if (count > 0) CaretDownOneLine(text);
}

}  // namespace

TagCall ItemTagCall(const HtmlItem& item, bool changer) {
  const bool variant = changer && item.changerStart;
  return {QString::fromLatin1(variant ? item.changerStart : item.tags.start),
          QString::fromLatin1(item.tags.end), item.tags.flags, variant ? item.changerBack : item.tags.back};
}

void HtmlItemClick(TEditForm& editor, const HtmlItem& item) {
  if (item.command) {
    item.command(editor);
    return;
  }
  if (item.notice) {
    editor.Frame().Boxes().Show(QString::fromLatin1(item.notice->caption),
                                QString::fromLatin1(item.notice->text), MsgType::kInformation,
                                MsgButtons::kOk);
  }
  SetTags(editor.Text(), ItemTagCall(item, Changer(editor)));
}

void Heading1Click(TEditForm& editor) {
  QString answer = QStringLiteral("1");
  if (!Ask(editor, "Heading Level", "Enter 1 to 6 as level", answer)) {
    editor.Frame().Boxes().ui().Beep();
    return;
  }
  SetTags(editor.Text(), HeadingTags(HeadingLevel(answer), editor.Text().SelLength() != 0));
}

void Customline1Click(TEditForm& editor) {
  editor.Text().SetSelLength(0);
  struct Question {
    const char* caption;
    const char* prompt;
    const char* initial;
  };
  static constexpr Question kQuestions[] = {
      {"LineThickness (pixels)[BLANK SKIPS]", "Enter size=\"Number-of-Pixels\"", "size=\""},
      {"Width (pixels or percent)[BLANK SKIPS]", "Enter width=\"number-of-pixels-or-n%\"", "width=\""},
      {"Alignment [BLANK SKIPS]", "Enter align=\"left\"-or-\"right\"-or-\"center\"", "align=\""},
      {"Remove Shading[BLANK SKIPS]", "Enter noshade", "noshade"},
  };
  QStringList answers;
  for (const Question& question : kQuestions) {
    QString answer = QString::fromLatin1(question.initial);
    if (!Ask(editor, question.caption, question.prompt, answer)) return;
    answers << answer;
  }
  Insert(editor, CustomLineText(answers, Changer(editor)));
}

void Paragraph1Click(TEditForm& editor) {
  if (!editor.Text().SelText().isEmpty()) {
    editor.Frame().Boxes().Show(
        QStringLiteral("Selected text in document!"),
        QStringLiteral(
            "You have text selected in your document. Unlike some other items, it would be unsafe to "
            "\"paragraph\" selected text. If you have a reason to do this, use the item on the XML "
            "menu for the type of paragraph tagging you wish to do."),
        MsgType::kWarning, MsgButtons::kOk);
    return;
  }
  const EditorSwitches& switches = editor.Frame().Switches();
  SetTags(editor.Text(), ParagraphTags(switches.changer || switches.paragraphOnly));
}

void Anchor1Click(TEditForm& editor) {
  editor.Text().SetSelLength(0);
  QString target = QStringLiteral("href=\"");
  if (!Ask(editor, "href=\"...\" or name=\"...\"", "Enter href=\"address\" or name=\"address\"", target))
    return;
  QString clickText;
  if (!Ask(editor, "Text to Click", "Enter text to be screened for clicking", clickText)) return;
  Insert(editor, AnchorText(target, clickText));
}

void Image1Click(TEditForm& editor) {
  editor.Text().SetSelLength(0);
  QString source = QStringLiteral("src=\"");
  if (!Ask(editor, "Image Source File", "Enter src=\"address\"", source)) return;
  QString alternate = QStringLiteral("alt=\"");
  if (!Ask(editor, "Alternate Text", "Enter label for Text Browsers", alternate)) return;
  QString align = QStringLiteral("align=\"");
  if (!Ask(editor, "Align Image", "Enter align=\"position\" (empty omits)", align)) return;
  Insert(editor, ImageText(source, alternate, align, Changer(editor)));
}

void Bulletedlist1Click(TEditForm& editor) { RunList(editor, QStringLiteral("ul")); }

void Numberedlist1Click(TEditForm& editor) { RunList(editor, QStringLiteral("ol")); }

void MenuStack1Click(TEditForm& editor) {
  int count = 0;
  if (!AskCount(editor, "Number of options in menu", "Number of options:", "1", count)) return;
  TextControl& text = editor.Text();
  ApplyInsertion(text, MenuStackInsertion(TextToWrap(text, kWrapSelection), count));
}

void RunNumpadCommand(TEditForm& editor, int n) {
  // Well-formed markup takes the XML forms of the anchor and the document block.
  if (Changer(editor) && n == 1) return LinkElement1Click(editor);
  if (Changer(editor) && n == 7) return Prolog1Click(editor);
  for (const HtmlItem& item : kHtmlItems) {
    if (item.caption && item.numpad == n && n != 0) {
      HtmlItemClick(editor, item);
      return;
    }
  }
}

std::vector<KeyRow> NumpadKeyRows() {
  return {{KeyRow::Kind::kNumpadDigit, 0, 1, 9, Qt::ControlModifier, Qt::ShiftModifier | Qt::AltModifier,
           RunNumpadCommand}};
}

}  // namespace penwick
