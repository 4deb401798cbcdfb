#include "editor/text_search.h"

#include <QWidget>

#include "editor/scintilla_widget.h"
#include "editor/text_control.h"
#include "ui/message_boxes.h"

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
  if (what.isEmpty()) {
    ShowNotFound(what);
    return false;
  }
  // A selected match is passed over, so pressing Find Next again moves on, whatever the case of the match.
  if (text_.SelLength() == CharCount(what) && text_.SelText().compare(what, Qt::CaseInsensitive) == 0) {
    CaretToSelectionEnd();
  }
  return SearchOn(what, options);
}

void TextSearch::Replace(ReplaceButton button, const QString& what, const QString& with,
                         SearchOptions options) {
  // An empty search text finds nothing: without this, every position would match and Replace All would
  // never end.
  if (what.isEmpty()) {
    ShowNotFound(what);
    return;
  }
  bool noConfirm = false;
  if (button == ReplaceButton::kReplaceAll) {
    noConfirm = boxes_.Show(QStringLiteral("Confirm before change?"),
                            QStringLiteral("Do you want to Confirm each item?"), MsgType::kConfirmation,
                            MsgButtons::kYesNo) == MsgResult::kNo;
  }
  if (noConfirm) {
    // Every match after the selection in one pass; a replacement is never searched again.
    CaretToSelectionEnd();
    if (text_.ReplaceAll(what, with, text_.SelStart(), options.wholeWord, options.matchCase) > 0) {
      FocusEditor();
    }
    ShowNotFound(what);
    return;
  }
  bool found = false;
  do {
    if (button == ReplaceButton::kReplace && text_.SelLength() == CharCount(what) &&
        text_.SelText() == what) {
      const Answer answer = AskReplace(noConfirm);
      if (answer == Answer::kCancel) {
        text_.SetSelStart(text_.SelStart());
        return;
      }
      if (answer == Answer::kYes) ReplaceSelection(what, with, options);
    }
    CaretToSelectionEnd();
    found = SearchOn(what, options);
    if (found && button != ReplaceButton::kFindNext) {
      const Answer answer = AskReplace(noConfirm);
      if (answer == Answer::kCancel) {
        text_.SetSelStart(text_.SelStart());
        return;
      }
      if (answer == Answer::kYes) ReplaceSelection(what, with, options);
    }
  } while (button == ReplaceButton::kReplaceAll && found);
}

bool TextSearch::SearchOn(const QString& what, SearchOptions options) {
  const TextControl::Match match =
      text_.FindForward(what, text_.SelStart(), options.wholeWord, options.matchCase);
  if (match.start < 0) {
    ShowNotFound(what);
    return false;
  }
  FocusEditor();
  text_.SetSelStart(match.start);
  text_.SetSelLength(match.length);
  return true;
}

void TextSearch::ShowNotFound(const QString& what) {
  boxes_.Show(QStringLiteral("Text not found"), QLatin1Char('"') + what + QStringLiteral("\" not found."),
              MsgType::kInformation, MsgButtons::kOk);
}

TextSearch::Answer TextSearch::AskReplace(bool noConfirm) {
  if (noConfirm) return Answer::kYes;
  switch (boxes_.Show(QStringLiteral("Confirm replacement"), QStringLiteral("Replace This Instance?"),
                      MsgType::kConfirmation, MsgButtons::kYesNoCancel)) {
    case MsgResult::kYes:
      return Answer::kYes;
    case MsgResult::kNo:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

void TextSearch::ReplaceSelection(const QString& what, const QString& with, SearchOptions options) {
  const QString selected = text_.SelText();
  const bool equal = options.matchCase ? selected == what : selected.compare(what, Qt::CaseInsensitive) == 0;
  if (equal) text_.SetSelText(with);
}

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
