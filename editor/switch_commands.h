#pragma once
// The Text, Edit and RTF menu commands that set the typing switches shared by every editor window (word-wrap,
// wrap column, tab interval, the typing warnings, dirty spaces, RTF setup), and the double-spaced reflow.

namespace penwick {

class TEditForm;

// What a viewing copy answers to the settings of the working copy, in four lines.
extern const char kViewerTextInLines[];

void Wordwrap1Click(TEditForm& e);
void SetWWcolumn1Click(TEditForm& e);
void SetTabInterval1Click(TEditForm& e);
void ToggleInsertWarning1Click(TEditForm& e);
void TextOverSelClick(TEditForm& e);
void Dirtyspaces1Click(TEditForm& e);
void RTFSetup1Click(TEditForm& e);
void DblSpaceClick(TEditForm& e);

class MenuBuilder;
// The switches' items on the Text, Edit and RTF menus, and Word-wrap on the pop-up menu.
void AddTypingMenus(MenuBuilder& menus);

}  // namespace penwick
