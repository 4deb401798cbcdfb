#pragma once
// The window list: every open editor window by its full file name, in window-number order; OK brings the
// chosen one to the front.

#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <vector>

class QListWidget;

namespace penwick {

// A read-only field for a file's full path. When the path is wider than the field it is shown with its
// middle left out ("/home/ann/pro…/pages/index.html"), the whole path as the tooltip; while the field has
// the focus it holds the whole path, so that selecting and copying gives the real one.
class PathField : public QLineEdit {
  Q_OBJECT
 public:
  explicit PathField(QWidget* parent = nullptr);

  void SetPath(const QString& path);
  const QString& Path() const { return path_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Shows the path whole or shortened to the field's width.
  void ShowPath();

  QString path_;
};

class TFrameForm;
class TEditForm;

class TSwitchWin : public QDialog {
  Q_OBJECT
 public:
  TSwitchWin(TFrameForm& frame, QWidget* parent = nullptr);

  // Fills the list: entry i is window i + 1, an unnamed window shown as "New File"; the active window's
  // entry selected; the current file's whole path in the read-only field below the list.
  void FormActivate();
  // Brings the selected entry's window to the front and closes the dialog; beeps when there is nothing
  // to choose.
  void OKBtnClick();

  QListWidget* PathList() const { return PathList_; }
  PathField* Edit1() const { return Edit1_; }

 private:
  TFrameForm& frame_;
  QListWidget* PathList_ = nullptr;
  PathField* Edit1_ = nullptr;
  std::vector<QPointer<TEditForm>> windows_;  // the window of each entry
};

}  // namespace penwick
