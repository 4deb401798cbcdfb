#pragma once
// Print and Printer setup of an editor window: the document, or the selected lines, as plain text lines
// with a header, one print job per page.


namespace penwick {

class TEditForm;

void Print1Click(TEditForm& e);
void Printersetup1Click(TEditForm& e);

}  // namespace penwick
