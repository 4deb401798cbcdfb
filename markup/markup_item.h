#pragma once
// One item of a markup menu as data: a SetTags call, a fixed text typed over the selection, or a command
// of its own. The JS, RTF and XML menus and the Tagset menu's XML items are tables of these.

#include <QString>

#include "markup/html_commands.h"

namespace penwick {

class TEditForm;

struct MarkupItem {
  const char* name = nullptr;     // design name of the menu item
  const char* caption = nullptr;  // nullptr: a separator
  const char* shortcut = "";
  TagText tags = {};                      // a SetTags call, unless one of the two below is set
  const char* replace = nullptr;          // this text replaces the selection ...
  int back = 0;                           // ... and the caret ends this many characters before its end
  void (*command)(TEditForm&) = nullptr;  // an item that builds its own text
};

void MarkupItemClick(TEditForm& editor, const MarkupItem& item);

// One plain input box; false when the user cancelled.
bool AskText(TEditForm& editor, const char* caption, const char* prompt, QString& value);

}  // namespace penwick
