// The editor window's Srch commands: the Find and Replace dialogs, Find Next, Re-search and Go to line.

#include <algorithm>
#include <climits>
#include <optional>

#include "editor/edit_form.h"
#include "editor/find_dialogs.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "editor/text_search.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kFindWarning[] =
    "To copy or paste in Find Edit field, use Right mouse click, not keys.\n\nKey focus is still in editor. "
    "You may click in editor, type there, and return to Find dialog.";
const char kReplaceWarning[] =
    "To copy or paste in Replace Edit fields, use Right mouse click, not keys.\n\nKey focus is still in the "
    "editor. You may click in editor, type there, and return to Replace dialog.";

// A line number as typed: blanks around it, an optional sign, decimal digits. Numbers too large for an int
// count as the largest one (they mean "the last line"). Nothing for anything else.
std::optional<int> ReadLineNumber(const QString& entry) {
  const QString text = entry.trimmed();
  qsizetype i = 0;
  const bool negative = text.startsWith(QLatin1Char('-'));
  if (negative || text.startsWith(QLatin1Char('+'))) i = 1;
  if (i >= text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char16_t ch = text.at(i).unicode();
    if (ch < u'0' || ch > u'9') return std::nullopt;
    value = std::min<long long>(value * 10 + (ch - u'0'), INT_MAX);
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

void TEditForm::Find1Click() {
  if (!findDialog_) {
    findDialog_ = new FindDialog(this);
    connect(findDialog_, &SearchDialog::Pressed, this, [this] { FindDialog1Find(); });
    connect(findDialog_, &QDialog::finished, this, &TEditForm::FindDialog1Close);
  }
  if (findDialog_->isVisible()) {
    findDialog_->raise();
    findDialog_->activateWindow();
    return;
  }
  const Settings& settings = frame_.AppSettings();
  findDialog_->SetFindText(settings.findString);
  findDialog_->move(settings.findDlgLeft, settings.findDlgTop);
  if (frame_.Switches().findReplaceWarning) {
    frame_.Boxes().Show(QStringLiteral("Find Dialog and Clipboard"), QString::fromLatin1(kFindWarning),
                        MsgType::kInformation, MsgButtons::kOk);
  }
  findDialog_->show();
  findDialog_->activateWindow();
}

void TEditForm::FindDialog1Find() {
  Settings& settings = frame_.AppSettings();
  // The open dialog's text is the one searched; F3 without it searches the remembered text.
  if (findDialog_ && findDialog_->isVisible() && !findDialog_->FindText().isEmpty()) {
    settings.findString = findDialog_->FindText();
  }
  const SearchOptions options = findDialog_ ? findDialog_->Options() : SearchOptions{};
  TextSearch(*text_, frame_.Boxes()).FindNext(settings.findString, options);
}

void TEditForm::Replace1Click() {
  if (!replaceDialog_) {
    replaceDialog_ = new ReplaceDialog(this);
    connect(replaceDialog_, &SearchDialog::Pressed, this, &TEditForm::ReplaceDialog1Replace);
    connect(replaceDialog_, &QDialog::finished, this, &TEditForm::ReplaceDialog1Close);
  }
  if (replaceDialog_->isVisible()) {
    replaceDialog_->raise();
    replaceDialog_->activateWindow();
    return;
  }
  const Settings& settings = frame_.AppSettings();
  replaceDialog_->SetFindText(settings.findToReplace);
  replaceDialog_->SetReplaceText(settings.replaceString);
  replaceDialog_->move(settings.findDlgLeft, settings.findDlgTop);
  if (frame_.Switches().findReplaceWarning) {
    frame_.Boxes().Show(QStringLiteral("Replace Dialog and Clipboard"), QString::fromLatin1(kReplaceWarning),
                        MsgType::kInformation, MsgButtons::kOk);
  }
  replaceDialog_->show();
  replaceDialog_->activateWindow();
}

void TEditForm::ReplaceDialog1Replace(ReplaceButton button) {
  if (!replaceDialog_) return;
  Settings& settings = frame_.AppSettings();
  settings.findToReplace = replaceDialog_->FindText();
  settings.replaceString = replaceDialog_->ReplaceText();
  TextSearch(*text_, frame_.Boxes())
      .Replace(button, settings.findToReplace, settings.replaceString, replaceDialog_->Options());
}

void TEditForm::FindDialog1Close() {
  frame_.AppSettings().findDlgLeft = findDialog_->x();
  frame_.AppSettings().findDlgTop = findDialog_->y();
}

void TEditForm::ReplaceDialog1Close() {
  frame_.AppSettings().findDlgLeft = replaceDialog_->x();
  frame_.AppSettings().findDlgTop = replaceDialog_->y();
}

void TEditForm::FormDeactivate() {
  if (findDialog_ && findDialog_->isVisible()) findDialog_->close();
  if (replaceDialog_ && replaceDialog_->isVisible()) replaceDialog_->close();
}

void TEditForm::FindPasteSetClick() {
  EditorSwitches& switches = frame_.Switches();
  switches.findReplaceWarning = !switches.findReplaceWarning;
}

void TEditForm::Research1Click() {
  Settings& settings = frame_.AppSettings();
  QString phrase = settings.lastResearch;
  if (!frame_.Boxes().InputWithHistory(QStringLiteral("Re-search find list (ed:ToolsList Editor)"),
                                       QStringLiteral("Use stable phrase identifying work area:"), phrase,
                                       settings.research)) {
    return;
  }
  settings.lastResearch = phrase;
  // From the top of the document; where nothing is found the caret stays where it was. (A phrase found
  // right at the top is a match like any other: the caret goes there.)
  const int before = text_->SelStart();
  const int beforeLength = text_->SelLength();
  text_->SetSelStart(0);
  const SearchOptions options = findDialog_ ? findDialog_->Options() : SearchOptions{};
  if (!TextSearch(*text_, frame_.Boxes()).FindNext(phrase, options)) {
    text_->SetSelStart(before);
    text_->SetSelLength(beforeLength);
  }
}

void TEditForm::Gotoline1Click() {
  RunState& run = frame_.Run();
  const int lines = text_->LineCount();
  QString entry = run.bookmarkGoto;
  if (entry.isEmpty()) {
    QString value = run.gotoLine;
    if (!frame_.Boxes().InputWithHistory(QStringLiteral("Go To Line (1 to %1)").arg(lines),
                                         QStringLiteral("Enter Line # (\"bookmark list\" in session only)"),
                                         value, run.gotoHistory)) {
      return;
    }
    run.gotoLine = value;
    entry = value;
  }
  const std::optional<int> number = ReadLineNumber(entry);
  if (!number) {
    frame_.Boxes().ShowError(QLatin1Char('\'') + entry + QStringLiteral("' is not a valid integer value"));
    return;
  }
  // Beyond the last line means the last line; 0 and below the first.
  const int line = std::clamp(*number, 1, lines);
  text_->SetSelStart(text_->LineIndex(line - 1));
  editor_->setFocus();
}

}  // namespace penwick
