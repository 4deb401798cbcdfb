// The Srch menu's bookmark notes item: the pad belongs to the frame.

#include "app/frame_form.h"
#include "app/frame_menus.h"

namespace penwick {

namespace {

const MenuRow kBookmarkRows[] = {
    {"Bookmarks1", "&Bookmarks", "", [](TFrameForm& f) { f.Bookmarks1Click(); }},
};

}  // namespace

void AddBookmarkMenus(FrameMenus& menus) { menus.AddRows(MenuId::kSrch, kBookmarkRows); }

}  // namespace penwick
