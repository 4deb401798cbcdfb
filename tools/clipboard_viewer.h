#pragma once
// The clipboard viewer: the clipboard's text, kept up to date while the viewer is open, and a way to empty
// the clipboard.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace penwick {

class TClipboardViewer : public QDialog {
  Q_OBJECT
 public:
  explicit TClipboardViewer(QWidget* parent = nullptr);

  QPlainTextEdit* Memo1() const { return Memo1_; }

  // Shows what the clipboard holds now.
  void ClipboardChanged();
  // Empties the clipboard.
  void ClearBtnClick();

 private:
  QLabel* Label1_ = nullptr;
  QPlainTextEdit* Memo1_ = nullptr;
  QPushButton* ClearBtn_ = nullptr;
};

}  // namespace penwick
