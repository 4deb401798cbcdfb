#pragma once
// The eight multi-line superboilerplates: the dialog that shows, edits and types them, and its ways in
// (Ctrl+Alt+N and the pop-up menu in an editor window; the Tools menu for editing only).

#include <QDialog>
#include <QStringList>
#include <array>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace penwick {

class FrameLink;
class TEditForm;

using SuperBoilerplates = std::array<QStringList, 8>;

// The memo's text as the lines of a superboilerplate: split at each line break; a final line break does
// not start another line.
QStringList SplitSuperBoilerplate(const QString& text);
// The lines as they are typed: each followed by a line break.
QString JoinForTyping(const QStringList& lines);

class TsupBPEd : public QDialog {
  Q_OBJECT
 public:
  // Works on plates, the frame's lists, in place (Keep Edit Changes writes them).
  explicit TsupBPEd(SuperBoilerplates& plates, QWidget* parent = nullptr);

  // Opens on superboilerplate number (1..8) with Type in Text ready.
  void ShowNumber(int number);
  // Type in Text disabled, Exit first in the tab order.
  void DisableTyping();
  // Editing only: nothing chosen, Type in Text disabled.
  void SetEditOnly();

  int Current() const { return current_; }
  bool TypeRequested() const { return typeRequest_; }

  // Handlers.
  void TypeBtnClick();
  void keepchangesClick();
  void cancelChangesClick();
  void BtnClick(int number);
  void EditBtnClick();
  void ExitBtnClick();

  // Components.
  QPlainTextEdit* Memo1() const { return memo_; }
  QPushButton* TypeBtn() const { return typeBtn_; }
  QPushButton* keepchanges() const { return keep_; }
  QPushButton* cancelChanges() const { return cancel_; }
  QPushButton* Btn(int number) const { return numberBtns_.at(number - 1); }
  QPushButton* EditBtn() const { return editBtn_; }
  QPushButton* ExitBtn() const { return exitBtn_; }
  QLineEdit* CurrentSBP() const { return currentSbp_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Refill();

  SuperBoilerplates& plates_;
  int current_ = 0;
  bool typeRequest_ = false;
  QPlainTextEdit* memo_ = nullptr;
  QPushButton* typeBtn_ = nullptr;
  QPushButton* keep_ = nullptr;
  QPushButton* cancel_ = nullptr;
  std::array<QPushButton*, 8> numberBtns_{};
  QPushButton* editBtn_ = nullptr;
  QPushButton* exitBtn_ = nullptr;
  QLineEdit* currentSbp_ = nullptr;
};

// Superboilerplate number in the dialog owned by editor; when the dialog closes with Type in Text, the
// superboilerplate chosen then replaces the editor's selection (no undo step). An RTF viewing copy only
// shows the dialog for editing.
void GetSBPlates(FrameLink& frame, TEditForm& editor, int number);

// The Tools menu's way in: an explanation, then (on OK) the dialog for editing only. Nothing is typed.
void SuperBoilerplatesFromTools(FrameLink& frame, QWidget* owner);

}  // namespace penwick
