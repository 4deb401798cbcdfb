#pragma once
// The boilerplate list: the eight one-line boilerplates in a dialog, edited row by row, exported under a
// name to bplates.set in the program's folder and imported from it; and the Tools-menu items that lead there.

#include "collections/slot_set_dialog.h"

namespace penwick {

class FrameLink;
struct CollectionLinks;
struct Settings;

class TbpDialog : public SlotSetDialog {
  Q_OBJECT
 public:
  TbpDialog(MessageBoxes& boxes, Settings& settings, const QString& folder, QWidget* parent = nullptr);

 protected:
  QString RowText(int index) const override;
  void EditSlot(int index) override;

 private:
  Settings& settings_;
};

// The Tools menu's explanation of the boilerplates.
void bplateClick(FrameLink& frame);
// The Tools menu's Boilerplate Sets: bplates.set shown in an editor window (or, while there is none, what
// it is for), then the boilerplate list.
void BoilerplateSets1Click(const CollectionLinks& links);

}  // namespace penwick
