#pragma once
// Print and Printer setup of an editor window: the document, or the selected lines, as plain text lines
// with a header, one print job per page.

namespace penwick {

class TEditForm;

void Print1Click(TEditForm& e);
void Printersetup1Click(TEditForm& e);

class MenuBuilder;
// Print and Printer setup on the editor's File menu; Print on the pop-up menu.
void AddPrintItems(MenuBuilder& menus);
void AddPrintPopupItems(MenuBuilder& menus);

}  // namespace penwick
