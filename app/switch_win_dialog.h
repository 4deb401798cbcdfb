#pragma once
// The window list: every open editor window by its full file name, in window-number order; OK brings the
// chosen one to the front.

#include <QDialog>
#include <QPointer>
#include <vector>

class QLineEdit;
class QListWidget;

namespace penwick {

class TFrameForm;
class TEditForm;

class TSwitchWin : public QDialog {
  Q_OBJECT
 public:
  TSwitchWin(TFrameForm& frame, QWidget* parent = nullptr);

  // Fills the list: entry i is window i + 1, an unnamed window shown as "New File"; the active window's
  // entry selected; the current file in the read-only field.
  void FormActivate();
  // Brings the selected entry's window to the front and closes the dialog; beeps when there is nothing
  // to choose.
  void OKBtnClick();

  QListWidget* PathList() const { return PathList_; }
  QLineEdit* Edit1() const { return Edit1_; }

 private:
  TFrameForm& frame_;
  QListWidget* PathList_ = nullptr;
  QLineEdit* Edit1_ = nullptr;
  std::vector<QPointer<TEditForm>> windows_;  // the window of each entry
};

}  // namespace penwick
