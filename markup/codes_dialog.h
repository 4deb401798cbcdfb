#pragma once
// The code picker TeCodesf ("ANSI Codes"): a list of the 256 codes of code page 1252 to pick one from, typed
// into the text as a character reference. The number search and the list's rows are plain code.

#include <QDialog>
#include <QString>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace penwick {

class MessageBoxes;

// A row of the list: three blanks, the code, ": " and its label.
QString CodeRowText(int code);
// The chart of the printable codes shown by "&Overview".
QString CodeOverviewText();

// What the number search does with the entry.
struct CodeSearch {
  enum class Action {
    kFocusEntry,  // nothing typed: the entry gets the focus
    kBadEntry,    // not a number: the "Bad Pick List Entry" box
    kClearEntry,  // a negative number: the entry is cleared and focused
    kGoTo,        // the list moves to row
  };
  Action action = Action::kFocusEntry;
  int row = 0;
};
// A single character that is not a digit stands for its own code, looked up in code page 1252 (a character
// the code page cannot hold is a bad entry); numbers above 255 mean 255.
CodeSearch SearchCode(const QString& entry);

class TeCodesf : public QDialog {
  Q_OBJECT
 public:
  TeCodesf(MessageBoxes& boxes, int lastRow, QWidget* parent = nullptr);

  // The code picked by "&Type as HTML/XML Escape Code", empty when none was.
  const QString& PickedCode() const { return pickedCode_; }
  // The row chosen last, to select when the picker opens next.
  int LastRow() const { return lastRow_; }

  void TypeClick();
  void GoClick();
  void OverviewClick();
  void CloseClick() { reject(); }

  QListWidget* List() const { return list_; }
  QLineEdit* Entry() const { return entry_; }
  QPushButton* TypeButton() const { return type_; }
  QPushButton* CloseButton() const { return close_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  MessageBoxes& boxes_;
  int lastRow_;
  QString pickedCode_;
  QListWidget* list_;
  QLineEdit* entry_;
  QPushButton* type_;
  QPushButton* close_;
};

}  // namespace penwick
