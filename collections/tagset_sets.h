#pragma once
// The tagset list: the fifteen entries of the Tagset menu in a dialog, edited row by row, exported under a
// name to tslists.set in the program's folder and imported from it.

#include <QString>
#include <array>

#include "collections/slot_set_dialog.h"

namespace penwick {

struct CollectionLinks;

class TtsDialog : public SlotSetDialog {
  Q_OBJECT
 public:
  TtsDialog(MessageBoxes& boxes, std::array<QString, 15>& tags, const QString& folder,
            QWidget* parent = nullptr);

 protected:
  QString RowText(int index) const override;
  void EditSlot(int index) override;
  void ExplainEditing() override;
  bool KeepRowAfterEdit() const override { return false; }
};

// The Tools menu's Tagset Menu Sets: tslists.set shown in an editor window (or, while there is none, what
// it is for), then the tagset list.
void TagsetMenuSets1Click(const CollectionLinks& links);

}  // namespace penwick
