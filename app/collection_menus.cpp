// The Tools menu items of the user's collections: the boilerplates, the boilerplate and tagset sets, and
// the lists editor.

#include <QDir>

#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "collections/boilerplate_sets.h"
#include "collections/collection_links.h"
#include "collections/lists_editor.h"
#include "collections/tagset_sets.h"
#include "markup/meta_commands.h"
#include "tools/shell_launch.h"
#include "tools/user_tools.h"

namespace penwick {

namespace {

// The help file in the program's folder (its name in any case), through the desktop's opener, which knows no
// context numbers.
void OpenHelpFile(TFrameForm& f) {
  const QDir folder(f.ProgramFolder());
  const QStringList found = folder.entryList({QStringLiteral("penwick.hlp")}, QDir::Files);
  if (found.isEmpty()) {
    const QString path = QDir::toNativeSeparators(folder.filePath(QStringLiteral("Penwick.hlp")));
    f.Boxes().Show(QStringLiteral("Help"), QStringLiteral("The help file %1 is not there.").arg(path),
                   MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  const QString path = folder.filePath(found.first());
  if (ShellLaunch(path, QString(), f.ProgramFolder()) < 32) {
    f.Boxes().Show(
        QStringLiteral("Help"),
        QStringLiteral("No program could open the help file %1.").arg(QDir::toNativeSeparators(path)),
        MsgType::kError, MsgButtons::kOk);
  }
}

CollectionLinks Links(TFrameForm& f) {
  CollectionLinks links{f};
  links.owner = &f;
  links.programFolder = f.ProgramFolder();
  links.showFile = [&f](const QString& path) {
    if (IsAlreadyOpen(f, path)) {
      BringFileToFront(f, path);
    } else {
      ReopenIt(f, path);
    }
  };
  links.openHelp = [&f](int) { OpenHelpFile(f); };
  links.addDirectOpen = [&f] { AddDirectOpen1Click(f); };
  links.removeDirectOpen = [&f] { RemoveDirectOpen1Click(f); };
  links.addUserTool = [&f] { AddUserTool(f); };
  links.removeUserTool = [&f] { RemoveUserTool(f); };
  links.addUserMeta = [&f] { AddUserMeta(f); };
  return links;
}

const MenuRow kCollectionRows[] = {
    {"bplate", "B&oilerplate(s)", "", [](TFrameForm& f) { bplateClick(f); }},
    {"BoilerplateSets1", "Boiler&plate Sets", "Ctrl+F11",
     [](TFrameForm& f) { BoilerplateSets1Click(Links(f)); }},
    {"TagsetMenuSets1", "Tag&set Menu Sets", "Shift+F11",
     [](TFrameForm& f) { TagsetMenuSets1Click(Links(f)); }},
    {"ListsEditor1", "&Lists Editor (nine lists)", "", [](TFrameForm& f) { ListsEditor1Click(Links(f)); }},
};

}  // namespace

void AddCollectionMenus(FrameMenus& menus) { menus.AddRows(MenuId::kTools, kCollectionRows); }

}  // namespace penwick
