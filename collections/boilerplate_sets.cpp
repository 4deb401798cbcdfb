#include "collections/boilerplate_sets.h"

#include <QDir>
#include <QFileInfo>

#include "collections/boilerplate_keys.h"
#include "collections/collection_links.h"
#include "editor/frame_link.h"
#include "settings/settings.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const SlotSetTexts kTexts = {
    "Boilerplates List (separate inputs)",
    "List of current boilerplates",
    "The list shows the start of each of the eight boilerplates.\n"
    "Press Edit, then a row (or Enter on it), for its change box.\n"
    "Import and Export handle named sets of eight, kept in bplates.set.",
    "OKButton",
    "BPHelp",
    "bplates.set",
    "BPlate",
    "Name of Boilerplate Set",
    "Enter Name for the Set: (leave off brackets)",
    "Name of Boilerplate Set",
    "Enter Name for the Set (leave off brackets):",
    "Current boilerplate set exported to bplates.set\n\nIf bplates.set is open, do a File/Reload.",
    "The boilerplates are unchanged.",
    25,
};

const char kBoilerplatesText[] =
    "Penwick keeps eight single-line boilerplates, short texts you type with one chord.\n\n"
    "Ctrl+Top# (a digit key 1 to 8 of the top row) types a boilerplate that is set, and brings up its box "
    "when it is empty. Shift+Ctrl+Top# edits it.\n\n"
    "The keys work only with an editor open.\n\n"
    "Boilerplate Sets (Ctrl+F11) opens bplates.set, when it exists, so you can see the sets you can import.";

const char kRecyclingText[] =
    "The first export from the Boilerplates List creates bplates.set in Penwick's folder. After that, "
    "Boilerplate Sets loads it into a top editor so you can see the sets before you import one. Sample sets "
    "are in bplates.htm of the e-manual.\n\n"
    "In the list, Edit and then a row brings up the change box, but Ctrl+TopNum and Ctrl+Shift+TopNum in an "
    "editor are the usual way.\n\n"
    "Build sets in Penwick and export them, or write them directly in bplates.set in the editor.\n\n"
    "This box shows only while there is no bplates.set.";

}  // namespace

TbpDialog::TbpDialog(MessageBoxes& boxes, Settings& settings, const QString& folder, QWidget* parent)
    : SlotSetDialog(boxes, settings.boilerplates, folder, kTexts, parent), settings_(settings) {
  Fill();
}

QString TbpDialog::RowText(int index) const {
  return QStringLiteral("Ctrl+%1 ").arg(index + 1) + slots_[static_cast<std::size_t>(index)];
}

void TbpDialog::EditSlot(int index) { AskBoilerplate(boxes_, settings_, index + 1); }

void bplateClick(FrameLink& frame) {
  frame.Boxes().Show(QStringLiteral("Boilerplate(s)"), QString::fromLatin1(kBoilerplatesText),
                     MsgType::kInformation, MsgButtons::kOk);
}

void BoilerplateSets1Click(const CollectionLinks& links) {
  const QString path = QDir(links.programFolder).filePath(QStringLiteral("bplates.set"));
  if (QFileInfo::exists(path)) {
    links.showFile(path);
  } else {
    links.frame.Boxes().Show(QStringLiteral("Recycling boilerplate sets"),
                             QString::fromLatin1(kRecyclingText), MsgType::kInformation, MsgButtons::kOk);
  }
  TbpDialog dialog(links.frame.Boxes(), links.frame.AppSettings(), links.programFolder, links.owner);
  dialog.SetHelp(links.openHelp);
  links.frame.Boxes().ui().ExecModal(dialog);
}

}  // namespace penwick
