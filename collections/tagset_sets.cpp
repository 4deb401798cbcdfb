#include "collections/tagset_sets.h"

#include <QDir>
#include <QFileInfo>

#include "collections/collection_links.h"
#include "editor/frame_link.h"
#include "settings/settings.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const SlotSetTexts kTexts = {
    "Tagset List (Tagset menu)",
    "List of current Tags in Tagset",
    "This is the current tagset of the Tagset menu: up to fifteen tags or tag pairs.\n"
    "The set lives in penwick.ini with the other settings.\n"
    "Export it to tslists.set under a name, and import any set from there.",
    "Button1",
    "Button4",
    "tslists.set",
    "Tag",
    "Name of Tagset (Leave off brackets)",
    "Enter Name for the Set: (leave off brackets)",
    "Name for Tagset (leave off brackets)",
    "Enter Name for the Set (leave off brackets):",
    "Current Tagset Exported to tslists.set\n\nIf tslists.set is open, do a File/Reload.",
    "The tagset is unchanged.",
    40,
};

const char kEditText[] =
    "Tagsets are built on the Tagset menu with Add Tag and Remove Tag. After working on them, save the "
    "settings when you close Penwick: the set is stored in penwick.ini.\n\n"
    "Export and Import swap whole sets with tslists.set, which is loaded into an editor whenever this tool "
    "opens.\n\n"
    "Now a click on a line (or the arrow keys and Return) brings up its edit box; an empty line takes a "
    "first entry.";

const char kSwappingText[] =
    "The first export from the Tagset List creates tslists.set in Penwick's folder. After that, Tagset Menu "
    "Sets loads it into a top editor to show the sets available for import.\n\n"
    "The buttons at the bottom of the dialog export and import sets. Sets can also be written by hand in "
    "the file, following an exported set.\n\n"
    "This box shows only while there is no tslists.set.";

// Rows 1 to 9 are labelled by their number, 10 to 15 by the hexadecimal digits A to F.
QChar RowLabel(int index) { return index < 9 ? QChar(u'1' + index) : QChar(u'A' + (index - 9)); }

}  // namespace

TtsDialog::TtsDialog(MessageBoxes& boxes, std::array<QString, 15>& tags, const QString& folder,
                     QWidget* parent)
    : SlotSetDialog(boxes, tags, folder, kTexts, parent) {
  Fill();
}

QString TtsDialog::RowText(int index) const {
  return RowLabel(index) + QStringLiteral(". ") + slots_[static_cast<std::size_t>(index)];
}

void TtsDialog::EditSlot(int index) {
  QString& slot = slots_[static_cast<std::size_t>(index)];
  QString answer = slot;
  if (!boxes_.InputQuery(QStringLiteral("Edit tag"), QStringLiteral("Type new tag-pair:"), answer)) return;
  // A blank answer is a Cancel: Remove Tag is the way to empty a slot.
  answer = answer.trimmed();
  if (!answer.isEmpty()) slot = answer;
}

void TtsDialog::ExplainEditing() {
  boxes_.Show(QStringLiteral("Edit single tags"), QString::fromLatin1(kEditText), MsgType::kInformation,
              MsgButtons::kOk);
}

void TagsetMenuSets1Click(const CollectionLinks& links) {
  const QString path = QDir(links.programFolder).filePath(QStringLiteral("tslists.set"));
  if (QFileInfo::exists(path)) {
    links.showFile(path);
  } else {
    links.frame.Boxes().Show(QStringLiteral("Swapping Tagset menu sets"), QString::fromLatin1(kSwappingText),
                             MsgType::kInformation, MsgButtons::kOk);
  }
  TtsDialog dialog(links.frame.Boxes(), links.frame.AppSettings().tagSlots, links.programFolder, links.owner);
  dialog.SetHelp(links.openHelp);
  links.frame.Boxes().ui().ExecModal(dialog);
}

}  // namespace penwick
