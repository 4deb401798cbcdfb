#pragma once
// The JS menu: script blocks, comments, function and array templates, window and document calls and event
// attributes. Fixed texts are rows of a table; the items that ask first have handlers of their own.

namespace penwick {

class TEditForm;
class MenuBuilder;

void Script1Click(TEditForm& e);
void OpenWindow1Click(TEditForm& e);
void DocumentOpen1Click(TEditForm& e);
void Functiontemplate1Click(TEditForm& e);

void AddJsMenus(MenuBuilder& menus);

}  // namespace penwick
