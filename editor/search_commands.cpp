// The editor window's Srch commands: the Find and Replace dialogs, Find Next, Re-search and Go to line.

#include "editor/search_commands.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "editor/command_row.h"
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

void ShowNotFound(TEditForm& e, const QString& what) {
  e.Frame().Boxes().Show(QStringLiteral("Text not found"),
                         QLatin1Char('"') + what + QStringLiteral("\" not found."), MsgType::kInformation,
                         MsgButtons::kOk);
}

enum class Answer { kYes, kNo, kCancel };

Answer AskReplace(TEditForm& e) {
  switch (e.Frame().Boxes().Show(QStringLiteral("Confirm replacement"),
                                 QStringLiteral("Replace This Instance?"), MsgType::kConfirmation,
                                 MsgButtons::kYesNoCancel)) {
    case MsgResult::kYes:
      return Answer::kYes;
    case MsgResult::kNo:
      return Answer::kNo;
    default:
      return Answer::kCancel;
  }
}

// Find Next selects the next match; Replace replaces the selected match (after asking) and offers the next
// one; Replace All offers every match after the selection, or replaces them all at once when the user does
// not want to confirm each, and ends with the "Text not found" box.
void RunReplace(TEditForm& e, ReplaceButton button, const QString& what, const QString& with,
                SearchOptions options) {
  TextSearch search(e.Text());
  // An empty search text finds nothing: without this, every position would match.
  if (what.isEmpty()) {
    ShowNotFound(e, what);
    return;
  }
  if (button == ReplaceButton::kReplaceAll &&
      e.Frame().Boxes().Show(QStringLiteral("Confirm before change?"),
                             QStringLiteral("Do you want to Confirm each item?"), MsgType::kConfirmation,
                             MsgButtons::kYesNo) == MsgResult::kNo) {
    search.ReplaceAllAfterSelection(what, with, options);
    ShowNotFound(e, what);
    return;
  }
  bool found = false;
  do {
    if (button == ReplaceButton::kReplace && search.SelectionIs(what)) {
      const Answer answer = AskReplace(e);
      if (answer == Answer::kCancel) return search.Deselect();
      if (answer == Answer::kYes) search.ReplaceSelection(what, with, options);
    }
    found = search.FindAfterSelection(what, options);
    if (!found) {
      ShowNotFound(e, what);
    } else if (button != ReplaceButton::kFindNext) {
      const Answer answer = AskReplace(e);
      if (answer == Answer::kCancel) return search.Deselect();
      if (answer == Answer::kYes) search.ReplaceSelection(what, with, options);
    }
  } while (button == ReplaceButton::kReplaceAll && found);
}

}  // namespace

void Find1Click(TEditForm& e) {
  if (!e.Dialogs().find) {
    e.Dialogs().find = new FindDialog(&e);
    QObject::connect(e.Dialogs().find, &SearchDialog::Pressed, &e,
                     [&e] { e.Frame().RunCommand([&e] { FindDialog1Find(e); }); });
    QObject::connect(e.Dialogs().find, &QDialog::finished, &e, [&e] { FindDialog1Close(e); });
  }
  if (e.Dialogs().find->isVisible()) {
    e.Dialogs().find->raise();
    e.Dialogs().find->activateWindow();
    return;
  }
  const Settings& settings = e.Frame().AppSettings();
  e.Dialogs().find->SetFindText(settings.findString);
  e.Dialogs().find->move(settings.findDlgLeft, settings.findDlgTop);
  if (e.Frame().Switches().findReplaceWarning) {
    e.Frame().Boxes().Show(QStringLiteral("Find Dialog and Clipboard"), QString::fromLatin1(kFindWarning),
                           MsgType::kInformation, MsgButtons::kOk);
  }
  e.Dialogs().find->show();
  e.Dialogs().find->activateWindow();
}

void FindDialog1Find(TEditForm& e) {
  Settings& settings = e.Frame().AppSettings();
  // The open dialog's text is the one searched; F3 without it searches the remembered text.
  if (e.Dialogs().find && e.Dialogs().find->isVisible() && !e.Dialogs().find->FindText().isEmpty()) {
    settings.findString = e.Dialogs().find->FindText();
  }
  const SearchOptions options = e.Dialogs().find ? e.Dialogs().find->Options() : SearchOptions{};
  if (!TextSearch(e.Text()).FindNext(settings.findString, options)) ShowNotFound(e, settings.findString);
}

void Replace1Click(TEditForm& e) {
  if (!e.Dialogs().replace) {
    e.Dialogs().replace = new ReplaceDialog(&e);
    QObject::connect(e.Dialogs().replace, &SearchDialog::Pressed, &e, [&e](ReplaceButton button) {
      e.Frame().RunCommand([&] { ReplaceDialog1Replace(e, button); });
    });
    QObject::connect(e.Dialogs().replace, &QDialog::finished, &e, [&e] { ReplaceDialog1Close(e); });
  }
  if (e.Dialogs().replace->isVisible()) {
    e.Dialogs().replace->raise();
    e.Dialogs().replace->activateWindow();
    return;
  }
  const Settings& settings = e.Frame().AppSettings();
  e.Dialogs().replace->SetFindText(settings.findToReplace);
  e.Dialogs().replace->SetReplaceText(settings.replaceString);
  e.Dialogs().replace->move(settings.findDlgLeft, settings.findDlgTop);
  if (e.Frame().Switches().findReplaceWarning) {
    e.Frame().Boxes().Show(QStringLiteral("Replace Dialog and Clipboard"),
                           QString::fromLatin1(kReplaceWarning), MsgType::kInformation, MsgButtons::kOk);
  }
  e.Dialogs().replace->show();
  e.Dialogs().replace->activateWindow();
}

void ReplaceDialog1Replace(TEditForm& e, ReplaceButton button) {
  if (!e.Dialogs().replace) return;
  Settings& settings = e.Frame().AppSettings();
  settings.findToReplace = e.Dialogs().replace->FindText();
  settings.replaceString = e.Dialogs().replace->ReplaceText();
  RunReplace(e, button, settings.findToReplace, settings.replaceString, e.Dialogs().replace->Options());
}

void FindDialog1Close(TEditForm& e) {
  e.Frame().AppSettings().findDlgLeft = e.Dialogs().find->x();
  e.Frame().AppSettings().findDlgTop = e.Dialogs().find->y();
}

void ReplaceDialog1Close(TEditForm& e) {
  e.Frame().AppSettings().findDlgLeft = e.Dialogs().replace->x();
  e.Frame().AppSettings().findDlgTop = e.Dialogs().replace->y();
}

void TEditForm::FormDeactivate() {
  if (dialogs_.find && dialogs_.find->isVisible()) dialogs_.find->close();
  if (dialogs_.replace && dialogs_.replace->isVisible()) dialogs_.replace->close();
}

void FindPasteSetClick(TEditForm& e) {
  EditorSwitches& switches = e.Frame().Switches();
  switches.findReplaceWarning = !switches.findReplaceWarning;
}

void Research1Click(TEditForm& e) {
  Settings& settings = e.Frame().AppSettings();
  QString phrase = settings.lastResearch;
  if (!e.Frame().Boxes().InputWithHistory(QStringLiteral("Re-search find list (ed:ToolsList Editor)"),
                                          QStringLiteral("Use stable phrase identifying work area:"), phrase,
                                          settings.research)) {
    return;
  }
  settings.lastResearch = phrase;
  // From the top of the document; where nothing is found the caret stays where it was. (A phrase found
  // right at the top is a match like any other: the caret goes there.)
  const int before = e.Text().SelStart();
  const int beforeLength = e.Text().SelLength();
  e.Text().SetSelStart(0);
  const SearchOptions options = e.Dialogs().find ? e.Dialogs().find->Options() : SearchOptions{};
  if (!TextSearch(e.Text()).FindNext(phrase, options)) {
    ShowNotFound(e, phrase);
    e.Text().SetSelStart(before);
    e.Text().SetSelLength(beforeLength);
  }
}

void Gotoline1Click(TEditForm& e) {
  RunState& run = e.Frame().Run();
  const int lines = e.Text().LineCount();
  QString entry = run.bookmarkGoto;
  if (entry.isEmpty()) {
    QString value = run.gotoLine;
    if (!e.Frame().Boxes().InputWithHistory(
            QStringLiteral("Go To Line (1 to %1)").arg(lines),
            QStringLiteral("Enter Line # (\"bookmark list\" in session only)"), value, run.gotoHistory)) {
      return;
    }
    run.gotoLine = value;
    entry = value;
  }
  const std::optional<int> number = ReadLineNumber(entry);
  if (!number) {
    e.Frame().Boxes().ShowError(QLatin1Char('\'') + entry + QStringLiteral("' is not a valid integer value"));
    return;
  }
  // Beyond the last line means the last line; 0 and below the first.
  const int line = std::clamp(*number, 1, lines);
  e.Text().SetSelStart(e.Text().LineIndex(line - 1));
  e.Editor()->setFocus();
}

// --- Menus: the Srch menu, three of its items again in the pop-up menu, the paste warning in the Text menu.

namespace {

const MenuRow kSrchRows[] = {
    {"Find1", "&Find...", "Shift+F3", nullptr, Find1Click},
    {"FindNext1", "Find &Next", "F3", nullptr, FindDialog1Find},
    {"Replace1", "&Replace...", "Ctrl+F3", nullptr, Replace1Click, nullptr, nullptr, Access::kWrites},
    {},
    {"Research1", "Re-search", "Shift+F6", nullptr, Research1Click},
    {"Gotoline1", "&Go to line", "F6", nullptr, Gotoline1Click},
};

const MenuRow kPopupRows[] = {
    {"PopFind1", "&Find", "", nullptr, Find1Click},
    {"PopReplace1", "&Replace", "", nullptr, Replace1Click, nullptr, nullptr, Access::kWrites},
    {"PopResearch1", "Re-sea&rch", "", nullptr, Research1Click},
};

const MenuRow kTextRows[] = {
    {"FindPasteSet", "Toggle Find/&Replace paste Warning ", "", nullptr, FindPasteSetClick,
     [](FrameLink& f) { return f.Switches().findReplaceWarning; }},
};

}  // namespace

void AddSearchMenus(MenuBuilder& menus) {
  menus.AddRows(MenuId::kSrch, kSrchRows);
  menus.AddRows(MenuId::kText, kTextRows);
}

void AddSearchPopupItems(MenuBuilder& menus) { menus.AddRows(MenuId::kPopup, kPopupRows); }

}  // namespace penwick
