#pragma once
// Every conversation with the user goes through Ui: message boxes, input boxes, file dialogs, printer setup,
// beeps and modal dialogs. QtUi shows real dialogs; tests use a scripted Ui that answers from a queue.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace penwick {

enum class MsgType { kWarning, kError, kInformation, kConfirmation, kCustom };
enum class MsgButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MsgResult { kOk, kCancel, kYes, kNo };

struct FileDialogRequest {
  QString caption;
  QString fileName;     // initial file name (may include a folder)
  QString folder;       // initial folder when fileName has none
  QStringList filters;  // "Description|pattern;pattern" pairs, e.g. "Plain text files (*.txt)|*.txt"
  int filterIndex = 1;  // 1-based, as chosen on entry
  // An open dialog asks whether a typed name that does not exist is to be created, and returns it on Yes.
  bool createPrompt = false;
};

struct FileDialogResult {
  QStringList fileNames;  // absolute; empty when cancelled
  int filterIndex = 1;    // 1-based filter in force when the dialog closed
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A message box with its caption already decided (see MessageBoxes for the program-wide caption).
  // Closing it with its close box returns kCancel.
  virtual MsgResult ShowMessage(const QString& caption, const QString& text, MsgType type,
                                MsgButtons buttons) = 0;
  // The input box with history: the editable drop-down shows items; fieldText is the text the field starts
  // with. Returns the field's text on OK, nothing on Cancel.
  virtual std::optional<QString> AskWithHistory(const QString& caption, const QString& prompt,
                                                const QString& fieldText, const QStringList& items) = 0;
  // The plain single-line input box (at most 255 characters). Returns the edited value on OK.
  virtual std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                         const QString& value) = 0;
  virtual FileDialogResult AskOpenFiles(const FileDialogRequest& request, bool multiple) = 0;
  // Asks before overwriting an existing file.
  virtual FileDialogResult AskSaveFile(const FileDialogRequest& request) = 0;
  virtual bool SetupPrinter(QPrinter& printer) = 0;
  virtual void Beep() = 0;
  // Runs a modal dialog; returns QDialog::exec()'s result.
  virtual int ExecModal(QDialog& dialog) = 0;
};

}  // namespace penwick
