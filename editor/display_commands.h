#pragma once
// The Text menu's display options (white text on black, larger print), the case and blue commands for the
// selection, and the two-step red marking of text blocks: Prep encloses a block in pilcrows, Mark turns
// every prepped block red and takes the pilcrows out again.

namespace penwick {

class TEditForm;
class MenuBuilder;

void WhitetextonBlackground1Click(TEditForm& e);
void LargerPrint1Click(TEditForm& e);
void SelectedtexttoUPPERcase1Click(TEditForm& e);
void SelectedtexttoLOWERcase1Click(TEditForm& e);
void Selectedtexttobluescreenonly1Click(TEditForm& e);
void Setselectedblockformark1Click(TEditForm& e);
void Markallsetblockswredtext1Click(TEditForm& e);

// The items on the Text menu.
void AddDisplayMenus(MenuBuilder& menus);

}  // namespace penwick
