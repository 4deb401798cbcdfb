// The editor's key handlers: every key of the text control passes EditorKeyDown, every character
// EditorKeyPress, before the control acts. Keys and characters sent by commands take the same road.

#include <QGuiApplication>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/key_table.h"
#include "editor/status_panels.h"
#include "editor/tabs_wrap.h"
#include "editor/text_control.h"
#include "editor/virtual_key.h"
#include "editor/word_wrap.h"
#include "platform/codepage.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

constexpr Qt::KeyboardModifiers kChordModifiers = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

const char kRepeatIndentCaption[] = "Shift+Return --> New Line wIndent";
const char kTabIndentText[] =
    "Tab characters were imported into the indent space. An indent built of blanks may look off after "
    "them, and other viewers may not show the alignment at all.\n\nAlign the caret with Space and "
    "Backspace, not with the arrow keys.";

// No Shift, Alt or Ctrl and no mouse button held.
bool Unmodified(Qt::KeyboardModifiers modifiers) {
  return !(modifiers & kChordModifiers) && QGuiApplication::mouseButtons() == Qt::NoButton;
}

bool IsCaretKey(int key) {
  return key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

CaretOrientation ComputeOrientation(const TextControl& text) {
  CaretOrientation o;
  o.position = text.SelStart();
  o.lineNumber = text.LineFromPosition(o.position);
  o.lineStart = text.LineIndex(o.lineNumber);
  o.column = o.position - o.lineStart;
  o.lineLength = text.LineLength(o.position);
  if (o.lineNumber > 0) {
    o.prevLineStart = text.LineIndex(o.lineNumber - 1);
    // Asked of the control: a document that keeps a file's mixed line breaks has one-character breaks too.
    o.prevLineLength = text.LineLength(o.prevLineStart);
  }
  if (o.lineNumber + 1 < text.LineCount()) {
    o.nextLineStart = text.LineIndex(o.lineNumber + 1);
    o.nextLineLength = text.LineLength(o.nextLineStart);
  }
  return o;
}

CaretOrientation Orientation(TEditForm& e) { return ComputeOrientation(e.Text()); }

// The checks run in a fixed order; the first that applies decides.
bool TEditForm::EditorKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const bool shift = modifiers & Qt::ShiftModifier;
  const bool ctrl = modifiers & Qt::ControlModifier;

  if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
    if (IsRtfView()) return true;
    if (!ctrl && text_->SelLength() > 0) {
      // The selected text stays; the key deletes the character beside the selection.
      const int start = text_->SelStart();
      text_->SetSelStart(key == Qt::Key_Delete ? start + text_->SelLength() : start);
    }
    return false;
  }
  int digit = 0;
  if (const KeyRow* chord = frame_.Keys().Find(key, modifiers, &digit)) {
    // The one place that keeps the chords that write off a read-only viewing copy.
    if (chord->access == Access::kReads || !IsRtfView()) {
      frame_.RunCommand([&] { chord->run(*this, digit); });
    }
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (Unmodified(modifiers)) {
      repeatIndentMark_ = false;
      CaretOrientation o = Orientation(*this);
      Cleanspaces(*this, Qt::Key_Return, o);
    } else if (shift) {
      repeatIndentMark_ = true;
    }
    return false;
  }
  if (IsCaretKey(key) && Unmodified(modifiers)) {
    CaretOrientation o = Orientation(*this);
    return Cleanspaces(*this, key, o);
  }
  if (key == Qt::Key_Insert && Unmodified(modifiers)) {
    EditorSwitches& switches = frame_.Switches();
    switches.insertMode = !switches.insertMode;
    editor_->setOverwriteMode(!switches.insertMode);
    statusBar_->SetText(4, switches.insertMode ? QStringLiteral(" INS") : QStringLiteral("OVR"));
    return true;
  }
  return false;
}

void TEditForm::EditorKeyPress(QChar& ch) {
  // Typed text is always style 0 (black) in the control, so there is no blue typing colour to undo here.
  if (ch == QLatin1Char('\r') && repeatIndentMark_) {
    repeatIndentMark_ = false;
    ch = QChar();
    if (!IsRtfView()) RepeatIndent(*this);
    return;
  }
  EditorSwitches& switches = frame_.Switches();
  if (IsRtfView()) {
    if (ch != QLatin1Char('\t')) {
      ch = QChar();
      return;
    }
    frame_.Run().tabInsertRequest = false;
  }

  // A character outside the basic plane arrives in two halves; it is handled once both are here.
  QString typed(ch);
  if (ch.isHighSurrogate()) {
    pendingHighSurrogate_ = ch;
    ch = QChar();
    return;
  }
  if (ch.isLowSurrogate()) {
    if (pendingHighSurrogate_.isNull()) {
      ch = QChar();
      return;
    }
    typed.prepend(pendingHighSurrogate_);
  }
  pendingHighSurrogate_ = QChar();
  const char32_t code = typed.toUcs4().value(0);

  if (code > 127) {
    if (switches.highChars == HighCharMode::kAsCodes) {
      const int cp1252 = UnicodeToCp1252(code);
      const uint number = cp1252 >= 0 ? static_cast<uint>(cp1252) : static_cast<uint>(code);
      text_->SetSelText(QStringLiteral("&#%1;").arg(number));
      ch = QChar();
      return;
    }
    // A document already in UTF-8 takes any character; a one-byte document only when the switch says so.
    const bool utf8 = format_.encoding != TextEncoding::kCp1252;
    if (switches.highChars == HighCharMode::kOff && !utf8) {
      ch = QChar();
      return;
    }
  }
  if (ch == QLatin1Char('\t')) {
    ch = QChar();
    ProcessTab(*this, Orientation(*this), editor_->KeyModifiers() & Qt::ShiftModifier);
    return;
  }
  if (code >= 32 && text_->SelLength() > 0 && switches.textOverSelWarning) {
    const MsgResult answer =
        frame_.Boxes().Show(QStringLiteral(" Typed Letter Replaces Selected Text"),
                            QStringLiteral("OK replaces selected text. Cancel kills the keystroke."),
                            MsgType::kWarning, MsgButtons::kOkCancel);
    if (answer != MsgResult::kOk) {
      ch = QChar();
      return;
    }
  }
  // Control characters (Return, Backspace) are the control's own; overwriting applies to printable ones.
  if (code < 32) return;
  const CaretOrientation o = Orientation(*this);
  // Overwrite mode replaces the character after the caret, never the line break at the end of the line.
  if (!switches.insertMode && text_->SelLength() == 0 && o.column < o.lineLength) text_->SetSelLength(1);
  ch = QChar();
  if (switches.wordWrap && switches.insertMode && o.lineLength >= WrapColumn(switches)) {
    TypingWordWrap(*this, typed);
  } else {
    text_->TypeText(typed);
  }
}

void RepeatIndent(TEditForm& e) {
  MessageBoxes& boxes = e.Frame().Boxes();
  const QString caption = QString::fromLatin1(kRepeatIndentCaption);
  if (e.Text().SelLength() > 0) {
    boxes.Show(caption, QStringLiteral("You have selected text and Shift+Return is inappropriate."),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  const CaretOrientation o = Orientation(e);
  const QString line = e.Text().Line(o.lineNumber);
  if (line.isEmpty()) {
    boxes.ui().Beep();
    boxes.Show(caption, QStringLiteral("Line-grab didn't Take. Just repeat your Shift+Return."),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  const int interval = TabInterval(e.Frame().Switches());
  int width = 0;
  bool tabbed = false;
  qsizetype leading = 0;
  for (; leading < line.size(); ++leading) {
    if (line.at(leading) == QLatin1Char(' ')) {
      width += 1;
    } else if (line.at(leading) == QLatin1Char('\t')) {
      width += interval;
      tabbed = true;
    } else {
      break;
    }
  }
  if (tabbed) boxes.Show(caption, QString::fromLatin1(kTabIndentText), MsgType::kWarning, MsgButtons::kOk);
  const QString indent = QStringLiteral("\r\n") + QString(width, QLatin1Char(' '));
  if (leading == line.size()) {
    // A line of blanks only: the blanks move to the new line and the old line is left empty.
    e.Text().SetSelStart(o.lineStart);
    e.Text().SetSelLength(o.lineLength);
  }
  e.Text().SetSelText(indent);
}

void TypePair(TEditForm& e, const QString& open, const QString& close) {
  if (e.IsRtfView()) return;
  const QString selected = e.Text().SelText();
  if (!selected.isEmpty()) {
    e.Text().ReplaceSelection(open + selected + close);
    return;
  }
  e.Text().ReplaceSelection(open + close);
  e.Text().SetSelStart(e.Text().SelStart() - static_cast<int>(close.toUcs4().size()));
}

std::vector<KeyRow> EditorKeyRows() {
  constexpr auto kShiftAlt = Qt::ShiftModifier | Qt::AltModifier;
  const auto pair = [](int key, void (*run)(TEditForm&, int)) {
    return KeyRow{KeyRow::Kind::kKey, key, 0, 9, Qt::ControlModifier, kShiftAlt, run};
  };
  return {
      {KeyRow::Kind::kTopRowDigit, 0, 9, 9, Qt::ControlModifier, kShiftAlt,
       [](TEditForm& e, int) { TypePair(e, QStringLiteral("("), QStringLiteral(")")); }},
      pair(Qt::Key_BracketLeft,
           [](TEditForm& e, int) { TypePair(e, QStringLiteral("["), QStringLiteral("]")); }),
      pair(Qt::Key_BracketRight,
           [](TEditForm& e, int) { TypePair(e, QStringLiteral("{"), QStringLiteral("}")); }),
      pair(Qt::Key_Apostrophe,
           [](TEditForm& e, int) { TypePair(e, QStringLiteral("\""), QStringLiteral("\"")); }),
      pair(Qt::Key_Minus,
           [](TEditForm& e, int) {
             e.Editor()->SendKey(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
             e.Editor()->SendKey(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
           }),
      // Ctrl+M and Ctrl+J would type line breaks of their own: they do nothing unless a menu takes them.
      {KeyRow::Kind::kKey, Qt::Key_M, 0, 9, Qt::ControlModifier, kShiftAlt, [](TEditForm&, int) {},
       Access::kReads},
      {KeyRow::Kind::kKey, Qt::Key_J, 0, 9, Qt::ControlModifier, kShiftAlt, [](TEditForm&, int) {},
       Access::kReads},
  };
}

}  // namespace penwick
