#pragma once
// What typing does around the caret: tab stops made of blanks, trailing blanks removed as the caret leaves
// a line, hard word-wrap at the wrap column, repeat indent and character pairs.

#include <QString>

#include "editor/caret_orientation.h"

namespace penwick {

class TEditForm;

// The caret orientation record, computed now.
CaretOrientation Orientation(TEditForm& e);
// Shift+Return: a new line indented like the caret line.
void RepeatIndent(TEditForm& e);
// Tab at the caret: moves to the next tab stop (or back to the previous one), or inserts blanks.
void ProcessTab(TEditForm& e, const CaretOrientation& o, bool backward);
// Removes the trailing blanks of the caret line as the caret leaves it with key; true when it did.
bool Cleanspaces(TEditForm& e, int key, CaretOrientation& o);
// Types text at the caret, breaking the line at the wrap column when word-wrap asks for it.
void TypingWordWrap(TEditForm& e, const QString& typed);
// Encloses the selection in open and close, or puts the pair around the caret.
void TypePair(TEditForm& e, const QString& open, const QString& close);

}  // namespace penwick
