#pragma once
// Find Next and the Replace dialog's three buttons over one text control, apart from any dialog: the
// dialogs (and tests) hand in the texts and options; the engine selects, replaces and asks through the
// message boxes. Every search runs forward from the caret to the end of the text, without wrapping round.

#include <QString>

#include "editor/text_matcher.h"

namespace penwick {

class MessageBoxes;
class TextControl;

enum class ReplaceButton { kFindNext, kReplace, kReplaceAll };

class TextSearch {
 public:
  TextSearch(TextControl& text, MessageBoxes& boxes) : text_(text), boxes_(boxes) {}

  // Selects the next match of what after the caret; a selected match (in any case) is passed over.
  // Nothing found, or an empty text: the "Text not found" box. Returns whether a match was selected.
  bool FindNext(const QString& what, SearchOptions options);

  // Find Next selects the next match; Replace replaces the selected match (after asking) and offers the
  // next one; Replace All offers every match after the selection, or replaces them all at once when the
  // user does not want to confirm each, and ends with the "Text not found" box.
  void Replace(ReplaceButton button, const QString& what, const QString& with, SearchOptions options);

 private:
  enum class Answer { kYes, kNo, kCancel };
  // Searches from the caret: selects the match or shows the "Text not found" box.
  bool SearchOn(const QString& what, SearchOptions options);
  void ShowNotFound(const QString& what);
  Answer AskReplace(bool noConfirm);
  void ReplaceSelection(const QString& what, const QString& with, SearchOptions options);
  void CaretToSelectionEnd();
  void FocusEditor();

  TextControl& text_;
  MessageBoxes& boxes_;
};

}  // namespace penwick
