#pragma once
// The Ui that shows real Qt dialogs, and the message box it uses.

#include <QDialog>
#include <QFontMetrics>
#include <QHash>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "ui/ui.h"

class QLabel;
class QPushButton;

namespace penwick {

// Breaks text into lines no wider than maxWidth pixels, at blanks where it can and inside a word only when
// the word alone is too wide. Existing line breaks are kept.
QString BreakLines(const QString& text, const QFontMetrics& metrics, int maxWidth);

// A "Description|pat1; pat2" row as a Qt name filter: "Description (pat1 pat2)", or just the description
// when it already ends with those patterns in parentheses (written with blanks, commas or semicolons, in
// any order), so that they are not shown twice. "*.*" becomes "*" so that files without an extension are
// listed too; a row without patterns lists every file.
QString QtNameFilter(const QString& row);
QStringList QtNameFilters(const QStringList& rows);

// The message box: icon, text broken to fit half the screen, and one centred row of buttons in the order
// Yes, No, OK, Cancel. Enter presses the default button, Escape the escape button, Y, N, O and C the button
// they begin; closing the box with its close box answers kCancel whatever the buttons.
class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  MessageDialog(const QString& caption, const QString& text, MsgType type, MsgButtons buttons,
                QWidget* parent = nullptr);

  // The button pressed; kCancel when none was.
  MsgResult Result() const { return result_; }
  QMessageBox::Icon IconType() const { return icon_; }
  QLabel* TextLabel() const { return label_; }
  const QList<QPushButton*>& Buttons() const { return buttons_; }
  QPushButton* DefaultButton() const { return default_; }
  QPushButton* EscapeButton() const { return escape_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPushButton* AddButton(const QString& label, MsgResult result, Qt::Key letter);

  MsgResult result_ = MsgResult::kCancel;
  QMessageBox::Icon icon_ = QMessageBox::NoIcon;
  QLabel* label_ = nullptr;
  QList<QPushButton*> buttons_;
  QPushButton* default_ = nullptr;
  QPushButton* escape_ = nullptr;
  QHash<int, QPushButton*> letterButtons_;  // the button each letter key presses
};

class QtUi : public Ui {
 public:
  // Dialogs are shown over parent (the frame) when there is one.
  explicit QtUi(QWidget* parent = nullptr) : parent_(parent) {}

  void SetParentWidget(QWidget* parent) { parent_ = parent; }

  MsgResult ShowMessage(const QString& caption, const QString& text, MsgType type,
                        MsgButtons buttons) override;
  std::optional<QString> AskWithHistory(const QString& caption, const QString& prompt,
                                        const QString& fieldText, const QStringList& items) override;
  std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                 const QString& value) override;
  FileDialogResult AskOpenFiles(const FileDialogRequest& request, bool multiple) override;
  FileDialogResult AskSaveFile(const FileDialogRequest& request) override;
  bool SetupPrinter(QPrinter& printer) override;
  void Beep() override;
  int ExecModal(QDialog& dialog) override;

 private:
  QWidget* parent_;
};

}  // namespace penwick
