// The superboilerplate item of the pop-up menu.

#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "collections/superboilerplates.h"
#include "editor/edit_form.h"

namespace penwick {

namespace {

const MenuRow kPopupRows[] = {
    {"Superboilerplate1", "&Superboilerplates", "", nullptr,
     [](TEditForm& e) { GetSBPlates(e.Frame(), e, 1); }},
};

}  // namespace

void AddSuperboilerplateMenus(FrameMenus& menus) { menus.AddRows(MenuId::kPopup, kPopupRows); }

}  // namespace penwick
