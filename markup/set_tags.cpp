#include "markup/set_tags.h"

#include <algorithm>

#include "editor/text_control.h"

namespace penwick {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// Where the line holding the end of text starts, as an offset into text (0 when text has no line break).
qsizetype LastLineStart(const QString& text) {
  const qsizetype lf = text.lastIndexOf(QLatin1Char('\n'));
  const qsizetype cr = text.lastIndexOf(QLatin1Char('\r'));
  return std::max(lf, cr) + 1;
}

}  // namespace

Insertion ComposeTags(const TagCall& call, const QString& wrapped) {
  if ((call.flags & kWrapSelection) && !wrapped.isEmpty()) {
    const QString text = call.startText + wrapped + call.endText;
    return {text, static_cast<int>(text.size())};
  }
  QString start = call.startText;
  if (call.flags & kBreakAfterStart) start += kLineBreak;
  Insertion result;
  result.text = (call.flags & kOpenLine) ? start + kLineBreak + call.endText : start + call.endText;
  const int end = static_cast<int>(result.text.size());
  if (call.caretBack >= 1) {
    result.caret = std::max(end - call.caretBack, 0);
  } else if (call.flags & kOpenLine) {
    // The Insert-line step: a line break goes in at the start of the caret's line (where the end text
    // begins) and the caret moves up onto the new empty line.
    const qsizetype lineStart = LastLineStart(result.text);
    result.text.insert(lineStart, kLineBreak);
    result.caret = static_cast<int>(lineStart);
  } else {
    result.caret = end;
  }
  return result;
}

Insertion InsertAtCaret(const Insertion& insertion, const QString& more) {
  Insertion result = insertion;
  result.text.insert(insertion.caret, more);
  result.caret = insertion.caret + static_cast<int>(more.size());
  return result;
}

void ApplyInsertion(TextControl& text, const Insertion& insertion) {
  const int start = text.SelStart();
  text.ReplaceSelection(insertion.text);
  if (insertion.caret != insertion.text.size()) {
    text.SetSelStart(start + text.PositionsOf(QStringView(insertion.text).left(insertion.caret)));
  }
}

QString TextToWrap(TextControl& text, unsigned flags) {
  if ((flags & kWrapSelection) && text.SelLength() > 0) return text.SelText();
  text.SetSelLength(0);
  return {};
}

void SetTags(TextControl& text, const TagCall& call) {
  const QString wrapped = TextToWrap(text, call.flags);
  ApplyInsertion(text, ComposeTags(call, wrapped));
}

void CaretDownOneLine(TextControl& text) {
  const int caret = text.SelStart();
  const int line = text.LineFromPosition(caret);
  if (line + 1 >= text.LineCount()) return;
  const int column = caret - text.LineIndex(line);
  const int next = text.LineIndex(line + 1);
  text.SetSelStart(next + std::min(column, text.LineLength(next)));
}

}  // namespace penwick
