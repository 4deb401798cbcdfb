#pragma once
// An editor window's Srch commands: the Find and Replace dialogs, Find Next, Re-search and Go to line.

namespace penwick {

class TEditForm;
enum class ReplaceButton;

void Find1Click(TEditForm& e);
// Find Next: F3 and the Find dialog's button.
void FindDialog1Find(TEditForm& e);
void Replace1Click(TEditForm& e);
// The Replace dialog's Find Next, Replace and Replace All.
void ReplaceDialog1Replace(TEditForm& e, ReplaceButton button);
void FindDialog1Close(TEditForm& e);
void ReplaceDialog1Close(TEditForm& e);
void Research1Click(TEditForm& e);
void Gotoline1Click(TEditForm& e);
void FindPasteSetClick(TEditForm& e);

class MenuBuilder;
// The Srch menu's items (the bookmark notes come after them), Find, Replace and Re-search on the pop-up menu,
// and the paste warning's switch on the Text menu.
void AddSearchMenus(MenuBuilder& menus);
// Find, Replace and Re-search at the end of the pop-up menu.
void AddSearchPopupItems(MenuBuilder& menus);

}  // namespace penwick
