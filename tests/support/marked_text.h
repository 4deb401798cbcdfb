#pragma once
// Documents written with their selection: "|" is the caret, "[" and "]" enclose the selection. Positions are
// the text control's characters, so characters outside the basic plane count once.

#include <QString>

#include "editor/text_control.h"

namespace penwick::test {

// Loads the text as a fresh, unmodified document with the marked caret or selection.
inline void SetMarked(TextControl& control, const QString& marked) {
  QString plain;
  int pos = 0;
  int caret = 0;
  int selStart = -1;
  int selEnd = -1;
  for (char32_t c : marked.toUcs4()) {
    if (c == U'|') {
      caret = pos;
    } else if (c == U'[') {
      selStart = pos;
    } else if (c == U']') {
      selEnd = pos;
    } else {
      plain += QString::fromUcs4(&c, 1);
      ++pos;
    }
  }
  control.LoadUtf8(plain.toUtf8());
  control.SetModified(false);
  if (selStart >= 0) {
    control.SetSelStart(selStart);
    control.SetSelLength(selEnd - selStart);
  } else {
    control.SetSelStart(caret);
  }
}

// The document with its caret or selection marked.
inline QString Marked(const TextControl& control) {
  const QList<uint> text = control.Text().toUcs4();
  const int start = control.SelStart();
  const int length = control.SelLength();
  QString result;
  for (int i = 0; i <= text.size(); ++i) {
    if (length == 0 && i == start) result += QLatin1Char('|');
    if (length > 0 && i == start) result += QLatin1Char('[');
    if (length > 0 && i == start + length) result += QLatin1Char(']');
    if (i < text.size()) result += QString::fromUcs4(reinterpret_cast<const char32_t*>(&text[i]), 1);
  }
  return result;
}

}  // namespace penwick::test
