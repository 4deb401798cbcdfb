#pragma once
// The composite HTML items of the XML menu's "Complex HTML Items" submenu (three of them also on the HTML
// menu's Table, Form and Frameset submenus) and the text-to-HTML paragraph conversion. Each tells what it
// does, asks its questions, and replaces the selection with the markup it builds.

namespace penwick {

class MenuBuilder;
class TEditForm;

void ExtendingMarkup1Click(TEditForm& editor);
void AddrtoMAILTO1Click(TEditForm& editor);
void URLtoLINK1Click(TEditForm& editor);
void ImagetoFigure1Click(TEditForm& editor);
void TexttoFigure1Click(TEditForm& editor);
void SizeColorText1Click(TEditForm& editor);
void BlockQuoteText1Click(TEditForm& editor);
void Buttonstack1Click(TEditForm& editor);
void ButtonStack2Click(TEditForm& editor);
void nxmTableFrame1Click(TEditForm& editor);
void AsymSymFramesetFrame1Click(TEditForm& editor);
void PbeforeselectedtextClick(TEditForm& editor);
void PParoundselectedtextClick(TEditForm& editor);
void Paragraphtxttohtm1Click(TEditForm& editor);
void PParoundparastxttohtm1Click(TEditForm& editor);

// The XML menu's "Extending Markup...:" label and its "Complex HTML Items" submenu.
void AddComplexHtmlMenus(MenuBuilder& menus);

}  // namespace penwick
