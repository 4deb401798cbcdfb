// The Srch menu: find, replace, re-search, go to line and the bookmark notes; three of them again in the
// pop-up menu of the text; the find/replace paste warning in the Text menu.

#include <QMenu>

#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "editor/edit_form.h"

namespace penwick {

namespace {

const MenuRow kSrchRows[] = {
    {"Find1", "&Find...", "Shift+F3", nullptr, Find1Click},
    {"FindNext1", "Find &Next", "F3", nullptr, FindDialog1Find},
    {"Replace1", "&Replace...", "Ctrl+F3", nullptr, Replace1Click, nullptr, nullptr,
     Access::kWrites},
    {},
    {"Research1", "Re-search", "Shift+F6", nullptr, Research1Click},
    {"Gotoline1", "&Go to line", "F6", nullptr, Gotoline1Click},
    {"Bookmarks1", "&Bookmarks", "", [](TFrameForm& f) { f.Bookmarks1Click(); }},
};

const MenuRow kPopupRows[] = {
    {"PopFind1", "&Find", "", nullptr, Find1Click},
    {"PopReplace1", "&Replace", "", nullptr, Replace1Click, nullptr, nullptr,
     Access::kWrites},
    {"PopResearch1", "Re-sea&rch", "", nullptr, Research1Click},
};

const MenuRow kTextRows[] = {
    {"FindPasteSet", "Toggle Find/&Replace paste Warning ", "", nullptr,
     FindPasteSetClick,
     [](TFrameForm& f) { return f.Switches().findReplaceWarning; }},
};

}  // namespace

void AddSearchMenus(FrameMenus& menus) {
  menus.AddRows(MenuId::kSrch, kSrchRows);
  menus.AddRows(MenuId::kPopup, kPopupRows);
  menus.AddRows(MenuId::kText, kTextRows);
}

}  // namespace penwick
