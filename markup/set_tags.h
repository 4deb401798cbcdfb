#pragma once
// The markup insertion engine: a start text and an end text go around the selection or at the caret, in one
// replace-selection that is not recorded for undo, and the caret is left where the user types next.
//
// The composition (which text results and where the caret ends) is plain code; SetTags applies it to a
// text control.

#include <QString>

namespace penwick {

class TextControl;

// Flags of a markup call.
enum TagFlag : unsigned {
  kBreakAfterStart = 1u,  // when nothing is wrapped, a line break follows the start text
  kOpenLine = 2u,         // when nothing is wrapped, an empty line for the caret opens between the two texts
  kWrapSelection = 4u,    // a non-empty selection goes between the start and the end text
};

struct TagCall {
  QString startText;
  QString endText;  // may be empty
  unsigned flags = 0;
  int caretBack = 0;  // when nothing is wrapped: characters the caret moves back from the end (0 = stays)
};

// A text to insert in place of the selection and where the caret ends, as an offset into that text.
struct Insertion {
  QString text;
  int caret = 0;
};

// What SetTags inserts. wrapped is the selected text that is wrapped, empty when nothing is wrapped (no
// selection, or a call without kWrapSelection).
Insertion ComposeTags(const TagCall& call, const QString& wrapped);

// more typed at the caret of an insertion; the caret ends after it.
Insertion InsertAtCaret(const Insertion& insertion, const QString& more);

// Replaces the selection with insertion.text without an undo step and puts the caret where it says.
void ApplyInsertion(TextControl& text, const Insertion& insertion);

// The selected text when call flags wrap a non-empty selection; otherwise the selection collapses to its
// start (its text stays, after the insertion point) and the result is empty.
QString TextToWrap(TextControl& text, unsigned flags);

// Wraps the selection (kWrapSelection and a selection) or, after collapsing the selection to its start,
// inserts the two texts at the caret.
void SetTags(TextControl& text, const TagCall& call);

// Moves the caret to the same column of the next line, or to that line's end when it is shorter, as the
// Down arrow does in a fixed-width font. Nothing happens on the last line.
void CaretDownOneLine(TextControl& text);

}  // namespace penwick
