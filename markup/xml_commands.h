#pragma once
// The XML menu's lower section (processing instructions, declarations, tags, comment) and the Tagset
// menu's XML items (prolog, entity reference, links, image element, CDATA section).

namespace penwick {

class TEditForm;
class MenuBuilder;

void XMLLabel1Click(TEditForm& e);
void Prolog1Click(TEditForm& e);
void LinkElement1Click(TEditForm& e);
void LinkGroup1Click(TEditForm& e);
void ImageElement1Click(TEditForm& e);

void AddXmlMenus(MenuBuilder& menus);

}  // namespace penwick
