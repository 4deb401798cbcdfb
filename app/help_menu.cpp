// The Help menu's own items.

#include <QMenu>

#include "app/frame_form.h"
#include "app/frame_menus.h"
#include "settings/settings.h"

namespace penwick {

void AboutPenwick1(TFrameForm& frame) {
  const QString text =
      QStringLiteral(
          "Penwick\nv 0.9z\nFree software under the GNU General Public License, version 3 or later.\n\n"
          "Penwick is the writing end of an e-mail typing machine whose reading end is a web browser: a "
          "software writing machine for people who write their pages, letters and notes by hand, as plain "
          "text.\n\n"
          "It is also an HTML and XML writer: its menus and keys type the markup around your words, and it "
          "leaves every byte you did not change as it was.\n\n"
          "Penwick's web page: %1 (also the first entry of the web-site list).")
          .arg(QString::fromLatin1(kHomePage));
  frame.Boxes().Show(QStringLiteral("About Penwick"), text, MsgType::kInformation, MsgButtons::kOk);
}

namespace {
const MenuRow kHelpRows[] = {
    {"AboutPenwick1", "&About Penwick", "", [](TFrameForm& f) { AboutPenwick1(f); }},
};
}  // namespace

void AddHelpMenu(FrameMenus& menus) { menus.AddRows(MenuId::kHelp, kHelpRows); }

}  // namespace penwick
