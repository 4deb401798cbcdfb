#pragma once
// The HTML menu's commands. Most items are one row of data (start text, end text, flags, caret back, the
// variant written while The Changer is on) run by one generic handler; the items that build their own text
// from the user's answers have handlers of their own. No command writes to an RTF viewing copy.

#include <vector>

#include "editor/key_table.h"
#include "markup/set_tags.h"

namespace penwick {

class TEditForm;

// The fixed texts of a markup call.
struct TagText {
  const char* start = "";
  const char* end = "";
  unsigned flags = 0;
  int back = 0;
};

// An information box shown before an item inserts its text.
struct Notice {
  const char* caption;
  const char* text;
};

// One item of the HTML menu or of one of its submenus.
struct HtmlItem {
  const char* name = nullptr;     // design name of the menu item
  const char* caption = nullptr;  // nullptr: a separator
  const char* shortcut = "";
  TagText tags = {};
  // While The Changer is on (well-formed markup), this start text and caret back replace the plain ones.
  const char* changerStart = nullptr;
  int changerBack = 0;
  const Notice* notice = nullptr;
  // Items that build their own text run this instead of the fixed texts.
  void (*command)(TEditForm&) = nullptr;
  // Ctrl+numeric pad key (1..9) that runs the item, 0 for none; the menu names it beside the caption.
  int numpad = 0;
};

// The generic handler of an item.
void HtmlItemClick(TEditForm& editor, const HtmlItem& item);
// The call an item makes with The Changer on or off.
TagCall ItemTagCall(const HtmlItem& item, bool changer);

// The items that build their own text.
void Heading1Click(TEditForm& editor);
void Customline1Click(TEditForm& editor);
void Paragraph1Click(TEditForm& editor);
void Anchor1Click(TEditForm& editor);
void Image1Click(TEditForm& editor);
void Bulletedlist1Click(TEditForm& editor);
void Numberedlist1Click(TEditForm& editor);
void MenuStack1Click(TEditForm& editor);

// Ctrl+numeric pad n (1..9): Anchor, Image, Body Block, Horiz. line, Center, Custom line, HTML Block, Title,
// Head Block; with The Changer on, 1 is Link Element and 7 Prolog. Any other n does nothing.
void RunNumpadCommand(TEditForm& editor, int n);
// Ctrl+numeric pad 1..9 as key chords of the text.
std::vector<KeyRow> NumpadKeyRows();

// The HTML menu with its Table, Form and Frameset submenus, and the pop-up menu's comment item.
void AddHtmlMenus(MenuBuilder& menus);

// The most preset items a list or a drop-down menu is given in one go.
inline constexpr int kMaxPresetItems = 10000;

}  // namespace penwick
