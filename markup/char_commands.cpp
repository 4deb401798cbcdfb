#include "markup/char_commands.h"

#include <QAction>
#include <QMenu>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/scintilla_widget.h"
#include "editor/tabs_wrap.h"
#include "editor/text_control.h"
#include "markup/codes_dialog.h"
#include "markup/complex_html_text.h"
#include "markup/set_tags.h"
#include "platform/profile.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

// Replaces the selection with text and moves the caret back from its end.
void InsertBack(TEditForm& editor, const QString& text, int back = 0) {
  TextControl& control = editor.Text();
  control.ReplaceSelection(text);
  if (back > 0) control.SetSelStart(control.SelStart() - back);
}

void InsertCode(TEditForm& editor, int code) { InsertBack(editor, CharReference(code)); }

// Characters go through the text's own key handling, as if the user had typed them.
void Type(TEditForm& editor, const QString& characters) {
  // The keys of these punctuation characters have the characters' own codes.
  for (const QChar ch : characters) editor.Editor()->SendKey(ch.unicode(), Qt::NoModifier, QString(ch));
}

// Word-wrap is off while a command inserts, and back as it was however the command ends.
class WordWrapOff {
 public:
  explicit WordWrapOff(EditorSwitches& switches) : switches_(switches), was_(switches.wordWrap) {
    switches_.wordWrap = false;
  }
  ~WordWrapOff() { switches_.wordWrap = was_; }
  WordWrapOff(const WordWrapOff&) = delete;
  WordWrapOff& operator=(const WordWrapOff&) = delete;

 private:
  EditorSwitches& switches_;
  bool was_;
};

void SwitchHighChars(TEditForm& editor, HighCharMode mode, const char* caption, const char* text) {
  EditorSwitches& switches = editor.Frame().Switches();
  if (switches.highChars != mode) {
    editor.Frame().Boxes().Show(QString::fromLatin1(caption), QString::fromLatin1(text),
                                MsgType::kInformation, MsgButtons::kOk);
  }
  // At most one of the two is on; choosing the one that is on turns it off.
  switches.highChars = switches.highChars == mode ? HighCharMode::kOff : mode;
}

}  // namespace

QString CharReference(int code) { return QStringLiteral("&#%1;").arg(code); }

QString HardSpaceText(int n) {
  QString text;
  for (int k = 1; k <= n; ++k) text += k % 10 == 0 ? QStringLiteral("\r\n") : CharReference(160);
  return text;
}

void EscKeyCodesPickList1Click(TEditForm& editor) {
  RunState& run = editor.Frame().Run();
  TeCodesf picker(editor.Frame().Boxes(), run.codePickerRow, &editor);
  editor.Frame().Boxes().ui().ExecModal(picker);
  run.codePickerRow = picker.LastRow();
  if (!picker.PickedCode().isEmpty()) InsertBack(editor, QStringLiteral("&#") + picker.PickedCode() + ";");
}

void GeneralSymbol1Click(TEditForm& editor) { InsertBack(editor, QStringLiteral("&#;"), 1); }
void LeftAngleBracket1Click(TEditForm& editor) { InsertCode(editor, 60); }
void RightAngleBracket1Click(TEditForm& editor) { InsertCode(editor, 62); }
void Ampersand1Click(TEditForm& editor) { InsertCode(editor, 38); }
void DoubleQuote1Click(TEditForm& editor) { InsertCode(editor, 34); }
void LDblQuote1Click(TEditForm& editor) { InsertCode(editor, 147); }
void RDblQuote1Click(TEditForm& editor) { InsertCode(editor, 148); }
void LSnglQuote1Click(TEditForm& editor) { InsertCode(editor, 145); }
void RSnglQuote1Click(TEditForm& editor) { InsertCode(editor, 146); }

void LRDblQuote1Click(TEditForm& editor) {
  const QString selected = editor.Text().SelText();
  const QString right = CharReference(148);
  InsertBack(editor, CharReference(147) + selected + right, selected.isEmpty() ? right.size() : 0);
}

void HardSpace1Click(TEditForm& editor) {
  const QString caption = QStringLiteral("Space Chars in Text");
  QString answer = QStringLiteral("5");
  if (!editor.Frame().Boxes().InputQuery(
          caption, QStringLiteral("Enter number-of-spaces (Added CRLFs count)"), answer) ||
      answer.isEmpty()) {
    return;
  }
  const std::optional<int> count = StrToInt(answer);
  if (!count) {
    editor.Frame().Boxes().ShowError(QLatin1Char('\'') + answer +
                                     QStringLiteral("' is not a valid integer value"));
    return;
  }
  if (*count <= 0) return;
  if (*count > kMaxCompositeCount) {
    editor.Frame().Boxes().Show(caption,
                                QStringLiteral("%1 is too many. At most %2 can be typed at once.")
                                    .arg(*count)
                                    .arg(kMaxCompositeCount),
                                MsgType::kWarning, MsgButtons::kOk);
    return;
  }
  WordWrapOff wrapOff(editor.Frame().Switches());
  InsertBack(editor, HardSpaceText(*count));
}

void Hyphenator1Click(TEditForm& editor) { Type(editor, QStringLiteral("- ")); }
void Parentheses1Click(TEditForm& editor) { TypePair(editor, QStringLiteral("("), QStringLiteral(")")); }
void Brackets1Click(TEditForm& editor) { TypePair(editor, QStringLiteral("["), QStringLiteral("]")); }
void Curlies1Click(TEditForm& editor) { TypePair(editor, QStringLiteral("{"), QStringLiteral("}")); }
void Quotes1Click(TEditForm& editor) { TypePair(editor, QStringLiteral("\""), QStringLiteral("\"")); }
void Emailitalics1Click(TEditForm& editor) { TypePair(editor, QStringLiteral("*"), QStringLiteral("*")); }

void Commas1Click(TEditForm& editor) {
  SetTags(editor.Text(), {QStringLiteral(", "), QStringLiteral(","), kWrapSelection, 1});
}

void Ellipsis1Click(TEditForm& editor) { Type(editor, QStringLiteral("...")); }
void Dash1Click(TEditForm& editor) { Type(editor, QStringLiteral("--")); }

void HTMLStartTag1Click(TEditForm& editor) {
  Type(editor, QStringLiteral("<>"));
  editor.Text().SetSelStart(editor.Text().SelStart() - 1);
}

void HTMLEndTag1Click(TEditForm& editor) {
  Type(editor, QStringLiteral("</>"));
  editor.Text().SetSelStart(editor.Text().SelStart() - 1);
}

void HighCharsAsText1Click(TEditForm& editor) {
  SwitchHighChars(
      editor, HighCharMode::kAsText, "Enabling high one-byte chars as text.",
      "Characters with codes 128 to 255 can now be typed into the text, for example from the numeric "
      "keypad with Alt and a leading zero: Alt+0232 types an e with a grave accent.\r\n\r\nSuch characters "
      "break the 7-bit "
      "rule of plain e-mail, and some readers will see something else.\r\n\r\nThe setting is not saved: it "
      "holds until Penwick closes.");
}

void HighCharsAsCodes1Click(TEditForm& editor) {
  SwitchHighChars(
      editor, HighCharMode::kAsCodes, "Enabling high one-byte chars as HTML/XML codes.",
      "Characters with codes 128 to 255 that you type (for example Alt+0232 on the numeric keypad) are now "
      "written as the general symbol with the key's code: &#232; instead of the character.\r\n\r\nThe "
      "setting is not saved: it holds until Penwick closes.");
}

namespace {

bool HighAsText(FrameLink& frame) { return frame.Switches().highChars == HighCharMode::kAsText; }
bool HighAsCodes(FrameLink& frame) { return frame.Switches().highChars == HighCharMode::kAsCodes; }

constexpr Access W = Access::kWrites;

const MenuRow kEscRows[] = {
    {"EscKeyCodesPickList1", "HTML/XML &Escape Key Codes Pick list", "", nullptr, EscKeyCodesPickList1Click,
     nullptr, nullptr, W},
    {},
    {"GeneralSymbol1", "&General symbol", "Ctrl+G", nullptr, GeneralSymbol1Click, nullptr, nullptr, W},
    {"LeftAngleBracket1", "&Left Angle Bracket", "Ctrl+Z", nullptr, LeftAngleBracket1Click, nullptr, nullptr,
     W},
    {"RightAngleBracket1", "&Right Angle Bracket", "Ctrl+Shift+Z", nullptr, RightAngleBracket1Click, nullptr,
     nullptr, W},
    {"Ampersand1", "&Ampersand", "Ctrl+O", nullptr, Ampersand1Click, nullptr, nullptr, W},
    {"DoubleQuote1", "Double &Quote (plain)", "Ctrl+Shift+O", nullptr, DoubleQuote1Click, nullptr, nullptr,
     W},
    {},
    {"LDblQuote1", "L-&Dbl Quote", "Ctrl+W", nullptr, LDblQuote1Click, nullptr, nullptr, W},
    {"RDblQuote1", "R-D&bl Quote", "Ctrl+Y", nullptr, RDblQuote1Click, nullptr, nullptr, W},
    {"LRDblQuote1", "L&+R Dbl Quote (around cursor or selection)", "Ctrl+Shift+W", nullptr, LRDblQuote1Click,
     nullptr, nullptr, W},
    {"LSnglQuote1", "L-&Sngl Quote", "Ctrl+Shift+N", nullptr, LSnglQuote1Click, nullptr, nullptr, W},
    {"RSnglQuote1", "R-S&ngl Quote (apostrophe)", "Ctrl+N", nullptr, RSnglQuote1Click, nullptr, nullptr, W},
    {},
    {"HardSpace1", "S&pace (hard, ANSI #160)", "Ctrl+V", nullptr, HardSpace1Click, nullptr, nullptr, W},
};

// The pairs and the hyphenator are keys of the text itself (Ctrl+9, Ctrl+[, Ctrl+], Ctrl+', Ctrl+-): the
// captions name them, the items carry no shortcut of their own.
const MenuRow kEditRows[] = {
    {},
    {"Hyphenator1", "&Hyphenator   Ctrl+Hyphen", "", nullptr, Hyphenator1Click, nullptr, nullptr, W},
    {"Parentheses1", "Pa&rentheses  Ctrl+(", "", nullptr, Parentheses1Click, nullptr, nullptr, W},
    {"Brackets1", "&Brackets        Ctrl+[", "", nullptr, Brackets1Click, nullptr, nullptr, W},
    {"Curlies1", "Cur&lies            Ctrl+}", "", nullptr, Curlies1Click, nullptr, nullptr, W},
    {"Quotes1", "&Quotes            Ctrl+\"", "", nullptr, Quotes1Click, nullptr, nullptr, W},
    {"Emailitalics1", "E&mail italics     (*|*)", "Ctrl+A", nullptr, Emailitalics1Click, nullptr, nullptr, W},
    {"Commas1", "Comm&as         (, |,)", "Ctrl+,", nullptr, Commas1Click, nullptr, nullptr, W},
    {"Ellipsis1", "&Ellipsis", "Ctrl+E", nullptr, Ellipsis1Click, nullptr, nullptr, W},
    {"Dash1", "&Dash", "Ctrl+D", nullptr, Dash1Click, nullptr, nullptr, W},
    {},
    {"HTMLStartTag1", "HTML &Start Tag  <|>", "Ctrl+S", nullptr, HTMLStartTag1Click, nullptr, nullptr, W},
    {"HTMLEndTag1", "HTML &End Tag  </|>", "Ctrl+X", nullptr, HTMLEndTag1Click, nullptr, nullptr, W},
    {},
    {"HighCharsAsText1", "Enable high one-byte chars as text", "", nullptr, HighCharsAsText1Click, HighAsText,
     nullptr, W},
    {"HighCharsAsCodes1", "Enable high one-byte chars as HTML/XML codes", "", nullptr, HighCharsAsCodes1Click,
     HighAsCodes, nullptr, W},
};

const MenuRow kRtfRows[] = {
    {"RTFCurlies1", "{|}          Ctrl+}", "", nullptr, Curlies1Click, nullptr, nullptr, W},
};

}  // namespace

void AddCharMenus(MenuBuilder& menus) {
  QMenu* esc = menus.Menu(MenuId::kEsc);
  esc->addAction(QStringLiteral("Display HTML/XML symbols that"))->setEnabled(false);
  esc->addAction(QStringLiteral("browsers or processors would respond to."))->setEnabled(false);
  menus.AddRows(esc, kEscRows);
  menus.AddRows(MenuId::kEdit, kEditRows);
  menus.AddRows(MenuId::kRtf, kRtfRows);
}

}  // namespace penwick
