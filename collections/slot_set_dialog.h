#pragma once
// The dialog shared by the boilerplate list and the tagset list: the user's slots, one row each, edited in
// place, exported under a name to a sets file in the program's folder and imported from it.

#include <QDialog>
#include <QString>
#include <functional>
#include <span>

class QPushButton;

namespace penwick {

class EditListBox;
class MessageBoxes;

// What one kind of set dialog says, and where it keeps its sets.
struct SlotSetTexts {
  const char* caption;
  const char* listHint;
  const char* panel;
  const char* exitName;  // design names of the Exit and Help buttons
  const char* helpName;
  const char* fileName;  // in the program's folder
  const char* keyPrefix;
  const char* exportCaption;
  const char* exportPrompt;
  const char* importCaption;
  const char* importPrompt;
  const char* exported;   // after a successful export
  const char* unchanged;  // after an import that found nothing: "The boilerplates are unchanged."
  int helpContext;
};

class SlotSetDialog : public QDialog {
  Q_OBJECT
 public:
  SlotSetDialog(MessageBoxes& boxes, std::span<QString> entries, const QString& folder,
                const SlotSetTexts& texts, QWidget* parent);

  // Opens the help file at a context number (the Help button).
  void SetHelp(std::function<void(int)> openHelp) { openHelp_ = std::move(openHelp); }
  QString SetsPath() const { return setsPath_; }
  bool Editing() const { return editing_; }

  // Handlers.
  void EditBtnClick();
  void ListBox1Click(int row);
  void ExportButtonClick();
  void ImportButtonClick();
  void HelpClick();

  // Components.
  EditListBox* ListBox1() const { return list_; }
  QPushButton* EditBtn() const { return editBtn_; }
  QPushButton* ExportButton() const { return exportBtn_; }
  QPushButton* ImportButton() const { return importBtn_; }
  QPushButton* ExitButton() const { return exitBtn_; }
  QPushButton* HelpButton() const { return helpBtn_; }

 protected:
  // The row of slot index, prefix included.
  virtual QString RowText(int index) const = 0;
  // Asks for slot index's new text and stores it (or not).
  virtual void EditSlot(int index) = 0;
  // Shown as editing starts.
  virtual void ExplainEditing() {}
  // Whether the row stays selected after it was edited.
  virtual bool KeepRowAfterEdit() const { return true; }

  void showEvent(QShowEvent* event) override;
  void Fill();

  MessageBoxes& boxes_;
  std::span<QString> slots_;

 private:
  const SlotSetTexts& texts_;
  QString setsPath_;
  std::function<void(int)> openHelp_;
  bool editing_ = false;
  EditListBox* list_ = nullptr;
  QPushButton* exitBtn_ = nullptr;
  QPushButton* importBtn_ = nullptr;
  QPushButton* exportBtn_ = nullptr;
  QPushButton* helpBtn_ = nullptr;
  QPushButton* editBtn_ = nullptr;
};

// Where a dialog of size goes over the frame's rectangle, each axis by itself: centred when it is smaller,
// else 20 pixels in from the frame's edge.
QPoint PlaceOver(QSize dialog, QRect frame);

}  // namespace penwick
