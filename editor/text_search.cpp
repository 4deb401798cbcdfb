#include "editor/text_search.h"

#include <QWidget>

#include "editor/scintilla_widget.h"
#include "editor/text_control.h"

namespace penwick {

namespace {

// Text positions count characters, not UTF-16 units.
int CharCount(const QString& text) {
  int count = 0;
  for (QChar ch : text) count += ch.isLowSurrogate() ? 0 : 1;
  return count;
}

}  // namespace

bool TextSearch::FindNext(const QString& what, SearchOptions options) {
  if (what.isEmpty()) return false;
  // A selected match is passed over, so pressing Find Next again moves on, whatever the case of the match.
  if (text_.SelLength() == CharCount(what) && text_.SelText().compare(what, Qt::CaseInsensitive) == 0) {
    CaretToSelectionEnd();
  }
  return SelectNextMatch(what, options);
}

bool TextSearch::FindAfterSelection(const QString& what, SearchOptions options) {
  if (what.isEmpty()) return false;
  CaretToSelectionEnd();
  return SelectNextMatch(what, options);
}

bool TextSearch::SelectNextMatch(const QString& what, SearchOptions options) {
  const TextControl::Match match =
      text_.FindForward(what, text_.SelStart(), options.wholeWord, options.matchCase);
  if (match.start < 0) return false;
  FocusEditor();
  text_.SetSelStart(match.start);
  text_.SetSelLength(match.length);
  return true;
}

bool TextSearch::SelectionIs(const QString& what) const {
  return text_.SelLength() == CharCount(what) && text_.SelText() == what;
}

void TextSearch::ReplaceSelection(const QString& what, const QString& with, SearchOptions options) {
  const QString selected = text_.SelText();
  const bool equal = options.matchCase ? selected == what : selected.compare(what, Qt::CaseInsensitive) == 0;
  if (equal) text_.SetSelText(with);
}

int TextSearch::ReplaceAllAfterSelection(const QString& what, const QString& with, SearchOptions options) {
  if (what.isEmpty()) return 0;
  CaretToSelectionEnd();
  const int count = text_.ReplaceAll(what, with, text_.SelStart(), options.wholeWord, options.matchCase);
  if (count > 0) FocusEditor();
  return count;
}

void TextSearch::Deselect() { text_.SetSelStart(text_.SelStart()); }

void TextSearch::CaretToSelectionEnd() {
  const int length = text_.SelLength();
  if (length > 0) text_.SetSelStart(text_.SelStart() + length);
}

void TextSearch::FocusEditor() {
  QWidget* editor = text_.Widget();
  editor->activateWindow();
  editor->setFocus();
}

}  // namespace penwick
