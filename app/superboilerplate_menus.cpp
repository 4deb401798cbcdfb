// The superboilerplate items of the pop-up menu, and the Tools menu items of the collections.

#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "collections/superboilerplates.h"
#include "collections/word_count_dialog.h"
#include "editor/edit_form.h"

namespace penwick {

namespace {

const MenuRow kPopupRows[] = {
    {"Superboilerplate1", "&Superboilerplates", "", nullptr,
     [](TEditForm& e) { GetSBPlates(e.Frame(), e, 1); }},
};

const MenuRow kToolsRows[] = {
    {"sbplate", "S&uperBoilerplate(s)", "", [](TFrameForm& f) { SuperBoilerplatesFromTools(f, &f); }},
    {"WordCounter1", "&Word Counter", "", [](TFrameForm& f) { WordCounter1(f, f.ActiveEditor(), &f); }},
};

}  // namespace

void AddSuperboilerplateMenus(FrameMenus& menus) {
  menus.AddRows(MenuId::kPopup, kPopupRows);
  menus.AddRows(MenuId::kTools, kToolsRows);
}

}  // namespace penwick
