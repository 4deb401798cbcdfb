// The menu items of typing (word-wrap, tab stops, dirty spaces, RTF setup, the typing warnings,
// superboilerplates) and the frame's side of the boilerplate and superboilerplate keys.

#include <QAction>
#include <QMenu>

#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "collections/boilerplate_keys.h"
#include "collections/superboilerplates.h"
#include "editor/edit_form.h"
#include "markup/html_commands.h"

namespace penwick {

namespace {

const MenuRow kWordWrapRow[] = {
    {"Wordwrap1", "&Word-wrap", "Ctrl+F9", nullptr, Wordwrap1Click,
     [](TFrameForm& f) { return f.Switches().wordWrap; }},
};

const MenuRow kTextRows[] = {
    {"SetWWcolumn1", "Set Word-wrap &column...", "Shift+F9", nullptr,
     SetWWcolumn1Click, nullptr, nullptr, Access::kEditingOnly},
    {"SetTabInterval1", "Set &Tab Interval...", "F9", nullptr,
     SetTabInterval1Click},
    {"ToggleInsertWarning1", "Toggle Tab &Insert Warning", "", nullptr,
     ToggleInsertWarning1Click,
     [](TFrameForm& f) { return f.Switches().insertWarning; }},
    {"TextOverSel1", "Toggle text &over selection Warning", "", nullptr,
     TextOverSelClick,
     [](TFrameForm& f) { return f.Switches().textOverSelWarning; }},
    {"DblSpace1", "Reflow full text as &double-spaced", "", nullptr, DblSpaceClick,
     nullptr, nullptr, Access::kWrites},
};

const MenuRow kEditRows[] = {
    {"Dirtyspaces1", "Dirty spaces (leave spaces at EOL)", "", nullptr,
     Dirtyspaces1Click, [](TFrameForm& f) { return f.Switches().dirtySpaces; }},
};

const MenuRow kRtfRows[] = {
    {"RTFSetup1", "&Setup: WrdWrp OFF, DrtySp ON", "", nullptr, RTFSetup1Click,
     [](TFrameForm& f) { return f.Switches().rtfSetup; }},
};

const MenuRow kPopupRows[] = {
    {"Superboilerplate1", "&Superboilerplates", "", nullptr,
     [](TEditForm& e) { GetSBPlates(e.Frame(), e, 1); }},
};

const MenuRow kToolsRows[] = {
    {"sbplate", "S&uperBoilerplate(s)", "", [](TFrameForm& f) { SuperBoilerplatesFromTools(f, &f); }},
};

// A line of the menu that only explains; it runs nothing.
void AddNote(QMenu* menu, const QString& text) { menu->addAction(text)->setEnabled(false); }

}  // namespace

void AddTypingMenus(FrameMenus& menus) {
  QMenu* text = menus.Menu(MenuId::kText);
  AddNote(text, QStringLiteral("When inserting text inside"));
  AddNote(text, QStringLiteral("a line, turn off word-wrap."));
  QAction* wordWrap = menus.AddRows(MenuId::kText, kWordWrapRow).front();
  menus.AddRows(MenuId::kText, kTextRows);
  menus.AddRows(MenuId::kEdit, kEditRows);
  menus.AddRows(MenuId::kRtf, kRtfRows);
  menus.AddExisting(MenuId::kPopup, wordWrap);
  menus.AddRows(MenuId::kPopup, kPopupRows);
  menus.AddRows(MenuId::kTools, kToolsRows);
}

}  // namespace penwick
