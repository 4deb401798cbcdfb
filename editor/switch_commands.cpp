// The Text, Edit and RTF menu commands that set the typing switches shared by every editor window: word-wrap,
// wrap column, tab interval, the two typing warnings, dirty spaces and RTF setup; and the double-spaced
// reflow of the whole text.

#include "editor/switch_commands.h"

#include <QAction>
#include <QMenu>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/number_set_forms.h"
#include "editor/status_panels.h"
#include "editor/text_control.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kViewerText[] =
    "This setting is for the working text copy of the RTF file. This is a viewing copy, You can print text "
    "wo attributes. No clipboard use. And you cannot Save, Save As, or write text in this viewer.";
}  // namespace

const char kViewerTextInLines[] =
    "This setting is for the working text copy of the RTF file.\nThis is a viewing copy, You can print text "
    "wo attributes.\nNo clipboard use.\nAnd you cannot Save, Save As, or write text in this viewer.";

namespace {

const char kRtfSetupText[] =
    "Dirty spaces is turned on, so the blanks at the ends of lines stay where they are: RTF needs them.\n\n"
    "Word-wrap is turned off, because the blank a line is wrapped at is erased.\n\nNeither setting holds "
    "across program runs.";

// Runs a setting dialog; returns the new value, or nothing when cancelled or refused (with a message).
std::optional<int> AskSetting(FrameLink& frame, TNumberSetForm& form, const QString& what, int old) {
  if (frame.Boxes().ui().ExecModal(form) != QDialog::Accepted) return std::nullopt;
  const std::optional<int> value = form.Value();
  if (!value) {
    frame.Boxes().Show(
        form.windowTitle(),
        QStringLiteral("The %1 must be a whole number from 1 to 99. It stays %2.").arg(what).arg(old),
        MsgType::kWarning, MsgButtons::kOk);
  }
  return value;
}

}  // namespace

void Wordwrap1Click(TEditForm& e) {
  if (e.IsRtfView()) {
    e.Frame().Boxes().Show(QStringLiteral("Setting Wordwrap"), QString::fromLatin1(kViewerText),
                           MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  EditorSwitches& switches = e.Frame().Switches();
  switches.wordWrap = !switches.wordWrap;
  e.RefreshSwitchPanels();
}

void SetWWcolumn1Click(TEditForm& e) {
  EditorSwitches& switches = e.Frame().Switches();
  TWrapSetForm form(switches.wrapColumn, &e);
  if (const std::optional<int> column =
          AskSetting(e.Frame(), form, QStringLiteral("wrap column"), switches.wrapColumn)) {
    switches.wrapColumn = *column;
  }
  e.RefreshSwitchPanels();
}

void SetTabInterval1Click(TEditForm& e) {
  EditorSwitches& switches = e.Frame().Switches();
  TTabSetForm form(switches.tabInterval, &e);
  if (const std::optional<int> interval =
          AskSetting(e.Frame(), form, QStringLiteral("tab interval"), switches.tabInterval)) {
    switches.tabInterval = *interval;
  }
  e.RefreshSwitchPanels();
}

void ToggleInsertWarning1Click(TEditForm& e) {
  EditorSwitches& switches = e.Frame().Switches();
  switches.insertWarning = !switches.insertWarning;
}

void Dirtyspaces1Click(TEditForm& e) {
  if (e.IsRtfView()) {
    e.Frame().Boxes().Show(QStringLiteral("Setting Dirty Spaces"), QString::fromLatin1(kViewerTextInLines),
                           MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  EditorSwitches& switches = e.Frame().Switches();
  switches.dirtySpaces = !switches.dirtySpaces;
  e.RefreshSwitchPanels();
}

void RTFSetup1Click(TEditForm& e) {
  if (e.IsRtfView()) {
    e.Frame().Boxes().Show(QStringLiteral("RTF Setup"), QString::fromLatin1(kViewerText),
                           MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  EditorSwitches& switches = e.Frame().Switches();
  e.Frame().Boxes().ui().Beep();
  if (!switches.rtfSetup) {
    e.Frame().Boxes().Show(QStringLiteral("Setting up for RTF files"), QString::fromLatin1(kRtfSetupText),
                           MsgType::kInformation, MsgButtons::kOk);
  }
  switches.rtfSetup = !switches.rtfSetup;
  if (switches.rtfSetup) {
    switches.rtfSavedWordWrap = switches.wordWrap;
    switches.wordWrap = false;
    switches.dirtySpaces = true;
  } else {
    if (switches.rtfSavedWordWrap) switches.wordWrap = true;
    switches.dirtySpaces = false;
  }
  e.RefreshSwitchPanels();
}

void DblSpaceClick(TEditForm& e) {
  if (e.Text().TextLength() == 0) return;
  // Every line break doubled: an empty line follows every line.
  QByteArray doubled = e.Text().Utf8().toByteArray();
  doubled.replace("\r\n", "\r\n\r\n");
  e.Text().LoadUtf8(doubled);
  e.Text().SetModified(true);
  e.SetModified(true);
}

void TextOverSelClick(TEditForm& e) {
  EditorSwitches& switches = e.Frame().Switches();
  switches.textOverSelWarning = !switches.textOverSelWarning;
}

// --- Menus

namespace {

const MenuRow kWordWrapRow[] = {
    {"Wordwrap1", "&Word-wrap", "Ctrl+F9", nullptr, Wordwrap1Click,
     [](FrameLink& f) { return f.Switches().wordWrap; }},
};

const MenuRow kTextRows[] = {
    {"SetWWcolumn1", "Set Word-wrap &column...", "Shift+F9", nullptr, SetWWcolumn1Click, nullptr, nullptr,
     Access::kEditingOnly},
    {"SetTabInterval1", "Set &Tab Interval...", "F9", nullptr, SetTabInterval1Click},
    {"ToggleInsertWarning1", "Toggle Tab &Insert Warning", "", nullptr, ToggleInsertWarning1Click,
     [](FrameLink& f) { return f.Switches().insertWarning; }},
    {"TextOverSel1", "Toggle text &over selection Warning", "", nullptr, TextOverSelClick,
     [](FrameLink& f) { return f.Switches().textOverSelWarning; }},
    {"DblSpace1", "Reflow full text as &double-spaced", "", nullptr, DblSpaceClick, nullptr, nullptr,
     Access::kWrites},
};

const MenuRow kEditRows[] = {
    {"Dirtyspaces1", "Dirty spaces (leave spaces at EOL)", "", nullptr, Dirtyspaces1Click,
     [](FrameLink& f) { return f.Switches().dirtySpaces; }},
};

const MenuRow kRtfRows[] = {
    {"RTFSetup1", "&Setup: WrdWrp OFF, DrtySp ON", "", nullptr, RTFSetup1Click,
     [](FrameLink& f) { return f.Switches().rtfSetup; }},
};

// A line of the menu that only explains; it runs nothing.
void AddNote(QMenu* menu, const QString& text) { menu->addAction(text)->setEnabled(false); }

}  // namespace

void AddTypingMenus(MenuBuilder& menus) {
  QMenu* text = menus.Menu(MenuId::kText);
  AddNote(text, QStringLiteral("When inserting text inside"));
  AddNote(text, QStringLiteral("a line, turn off word-wrap."));
  QAction* wordWrap = menus.AddRows(MenuId::kText, kWordWrapRow).front();
  menus.AddRows(MenuId::kText, kTextRows);
  menus.AddRows(MenuId::kEdit, kEditRows);
  menus.AddRows(MenuId::kRtf, kRtfRows);
  menus.AddExisting(MenuId::kPopup, wordWrap);
}

}  // namespace penwick
