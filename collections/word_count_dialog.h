#pragma once
// The word counter's dialog: a file's path, whether to skip tags, and the report of the last count, which
// can be copied.

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace penwick {

class FrameLink;
class TEditForm;

class Tcountf : public QDialog {
  Q_OBJECT
 public:
  Tcountf(FrameLink& frame, const QString& path, QWidget* parent = nullptr);

  QLineEdit* Edit1() const { return Edit1_; }
  QCheckBox* CheckBox1() const { return CheckBox1_; }
  QPushButton* Button1() const { return Button1_; }
  QPlainTextEdit* Memo1() const { return Memo1_; }

  // Count Words: counts the file at the path and puts the report in place of the last one.
  void Button1Click();
  // Copy: the whole report to the clipboard.
  void CopyBtnClick();
  void HelpBtnClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  FrameLink& frame_;
  QLineEdit* Edit1_ = nullptr;
  QCheckBox* CheckBox1_ = nullptr;
  QPushButton* Button1_ = nullptr;
  QPlainTextEdit* Memo1_ = nullptr;
};

// Tools, Word Counter: opens the dialog on the active window's file (or the path used last) and keeps the
// path it closes with.
void WordCounter1(FrameLink& frame, TEditForm* active, QWidget* owner);

}  // namespace penwick
