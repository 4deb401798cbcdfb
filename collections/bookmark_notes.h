#pragma once
// The bookmark notes pad: a small note pad, kept with the settings from one run to the next, where the
// user writes line numbers with a word on what is there. Selecting a number and pressing the Go button
// sends the active editor window to that line. Modeless; the frame keeps at most one.

#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace penwick {

class FrameLink;
class TEditForm;

class TBMForm : public QDialog {
  Q_OBJECT
 public:
  // activeEditor answers the editor window the pad works on (nullptr when none is open).
  TBMForm(FrameLink& frame, std::function<TEditForm*()> activeEditor, QWidget* parent = nullptr);

  // The pad became the active window: the Go button shows the active editor's line count.
  void FormActivate();
  // Go: the selected line number goes to the active editor window and the pad closes.
  void GoToSelectClick();
  void Paste1Click();
  void Copy1Click();
  void CopyWholeSet1Click();
  // Help: the pad's help page in a help window over the pad; the notes keep the focus.
  void Button2Click();
  // The memo's text replaces the bookmark notes (on closing, and before the settings are written).
  void KeepNotes();

  QPlainTextEdit* Memo1() const { return Memo1_; }
  QPushButton* GoToSelect() const { return GoToSelect_; }
  QPushButton* Button1() const { return Button1_; }
  QPushButton* Button2() const { return Button2_; }
  QLabel* Panel1() const { return Panel1_; }

 protected:
  void changeEvent(QEvent* event) override;
  void done(int result) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Reject(const QString& text);

  FrameLink& frame_;
  std::function<TEditForm*()> activeEditor_;
  QLabel* Panel1_;
  QPlainTextEdit* Memo1_;
  QPushButton* GoToSelect_;
  QPushButton* Button1_;
  QPushButton* Button2_;
};

}  // namespace penwick
