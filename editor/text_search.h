#pragma once
// Find Next and the steps of Replace over one text control, apart from any dialog or box: the engine
// selects, replaces and reports what happened; the commands (search_commands.cpp) talk to the user. Every
// search runs forward from the caret to the end of the text, without wrapping round.

#include <QString>

#include "editor/text_matcher.h"

namespace penwick {

class TextControl;

enum class ReplaceButton { kFindNext, kReplace, kReplaceAll };

class TextSearch {
 public:
  explicit TextSearch(TextControl& text) : text_(text) {}

  // Selects the next match of what after the caret; a selected match (in any case) is passed over. False
  // when nothing was found (an empty text finds nothing).
  bool FindNext(const QString& what, SearchOptions options);
  // Selects the next match after the selection. False when there is none.
  bool FindAfterSelection(const QString& what, SearchOptions options);
  // The selection is exactly what (the first step of Replace).
  bool SelectionIs(const QString& what) const;
  // Replaces the selection with with, when it matches what under the options.
  void ReplaceSelection(const QString& what, const QString& with, SearchOptions options);
  // Replaces every match after the selection in one pass (a replacement is never searched again); returns
  // how many.
  int ReplaceAllAfterSelection(const QString& what, const QString& with, SearchOptions options);
  // Leaves the caret at the start of the selection.
  void Deselect();

 private:
  // Selects the first match at or after the caret; false when there is none.
  bool SelectNextMatch(const QString& what, SearchOptions options);
  void CaretToSelectionEnd();
  void FocusEditor();

  TextControl& text_;
};

}  // namespace penwick
