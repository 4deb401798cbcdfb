// The Tools menu, in its order: the programs Penwick starts, the collections' dialogs, and the two user
// tools at the bottom.

#include <QAction>
#include <QMenu>

#include "app/file_commands.h"
#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "collections/boilerplate_sets.h"
#include "collections/collection_links.h"
#include "collections/lists_editor.h"
#include "collections/superboilerplates.h"
#include "collections/tagset_sets.h"
#include "collections/word_count_dialog.h"
#include "markup/meta_commands.h"
#include "tools/tools_commands.h"
#include "ui/help_viewer.h"

namespace penwick {

namespace {

// What the collections' dialogs reach above their folder: opening files, help pages, the direct-open
// files, user tools and user metas.
CollectionLinks Links(TFrameForm& f) {
  CollectionLinks links{f};
  links.owner = &f;
  links.programFolder = f.ProgramFolder();
  links.showFile = [&f](const QString& path) { ShowFile(f, path); };
  links.openHelp = [&f](int context) { ShowHelpPage(f.Boxes(), f, HelpContextPage(context)); };
  links.addDirectOpen = [&f] { AddDirectOpen1Click(f); };
  links.removeDirectOpen = [&f] { RemoveDirectOpen1Click(f); };
  links.addUserTool = [&f] { AddTool1Click(f); };
  links.removeUserTool = [&f] { RemoveTool1Click(f); };
  links.addUserMeta = [&f] { AddUserMeta(f); };
  return links;
}

const MenuRow kToolsRows[] = {
    {"PathFinder1", "Path&Finder (path/file to Clipboard)", "",
     [](TFrameForm& f) { PathFinder1Click(f, OpenFilters()); }},
    {},
    {"Toolbox1", "&Toolbox", "F12", [](TFrameForm& f) { Toolbox1Click(f); }},
    {"AddTool1", "&Add UserTool (2) to menu", "Shift+F12", [](TFrameForm& f) { AddTool1Click(f); }},
    {"RemoveTool1", "&Remove User Tool from menu", "Ctrl+F12", [](TFrameForm& f) { RemoveTool1Click(f); }},
    {},
    {"Browsers1", "&Browsers", "", [](TFrameForm& f) { Browsers1Click(f, f.ActiveEditor()); }},
    {"Mailers1", "e&Mailers", "", [](TFrameForm& f) { Mailers1Click(f); }},
    {},
    {"Clipboard1", "&Clipboard", "F11", [](TFrameForm& f) { Clipboard1Click(f, &f); }},
    {"Calendar1", "Cal&endar", "", [](TFrameForm& f) { Calendar1Click(f); }},
    {"Calculator1", "Calculator", "", [](TFrameForm& f) { Calculator1Click(f); }},
    {"WordCounter1", "&Word Counter", "", [](TFrameForm& f) { WordCounter1(f, f.ActiveEditor(), &f); }},
    {},
    {"bplate", "B&oilerplate(s)", "", [](TFrameForm& f) { bplateClick(f); }},
    {"sbplate", "S&uperBoilerplate(s)", "", [](TFrameForm& f) { SuperBoilerplatesFromTools(f, &f); }},
    {},
    {"BoilerplateSets1", "Boiler&plate Sets", "Ctrl+F11",
     [](TFrameForm& f) { BoilerplateSets1Click(Links(f)); }},
    {"TagsetMenuSets1", "Tag&set Menu Sets", "Shift+F11",
     [](TFrameForm& f) { TagsetMenuSets1Click(Links(f)); }},
    {"ListsEditor1", "&Lists Editor (nine lists)", "", [](TFrameForm& f) { ListsEditor1Click(Links(f)); }},
    {"N5"},  // above the user tools
    {"UserTool1", "", "F7", [](TFrameForm& f) { UserToolClick(f, 1); }},
    {"UserTool2", "", "Shift+F7", [](TFrameForm& f) { UserToolClick(f, 2); }},
};

}  // namespace

void AddToolsMenu(FrameMenus& menus) {
  menus.AddRows(MenuId::kTools, kToolsRows);
  UserToolItems items;
  items.tool1 = menus.Find(QStringLiteral("UserTool1"));
  items.tool2 = menus.Find(QStringLiteral("UserTool2"));
  // The separator is the item just above user tool 1.
  const QList<QAction*> shown = menus.Menu(MenuId::kTools)->actions();
  items.separator = shown.at(shown.indexOf(items.tool1) - 1);
  items.separator->setObjectName(QStringLiteral("N5"));
  for (QAction* item : {items.separator, items.tool1, items.tool2}) item->setVisible(false);
  menus.FollowLists([items](FrameLink& frame) { Tools1Click(frame, items); });
}

}  // namespace penwick
