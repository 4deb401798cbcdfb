#pragma once
// A Ui that answers from a queue and records what was shown. A box or dialog shown with no answer queued
// fails the current test (and answers Cancel so the program can go on).

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "tests/support/qt_printers.h"
#include "ui/ui.h"

namespace penwick::test {

class ScriptedUi;

struct ShownBox {
  enum class Kind { kMessage, kHistoryInput, kTextInput, kOpenFiles, kSaveFile, kPrinterSetup, kModal };
  Kind kind = Kind::kMessage;
  QString caption;
  QString text;  // message text, or the input box's prompt
  MsgType type = MsgType::kCustom;
  MsgButtons buttons = MsgButtons::kOk;
  QString value;      // input boxes: the initial value; file dialogs: the initial file name
  QStringList items;  // history input: the drop-down items; file dialogs: the filters
  int filterIndex = 0;
  // "caption|text|value", for compact assertions.
  QString Summary() const { return caption + QLatin1Char('|') + text + QLatin1Char('|') + value; }
};

// Checks the last box shown: a message box's caption, text, type and buttons.
void ExpectBox(const ScriptedUi& ui, const QString& caption, const QString& text, MsgType type,
               MsgButtons buttons = MsgButtons::kOk);

class ScriptedUi : public Ui {
 public:
  ~ScriptedUi() override;

  // Answers, consumed in order by the next box of the matching kind.
  void AnswerMessage(MsgResult result);
  // Every message box with this caption gets this answer, ahead of the queue; such boxes are recorded
  // apart, in StandingShown.
  void AnswerAlways(const QString& caption, MsgResult result);
  const std::vector<ShownBox>& StandingShown() const { return standingShown_; }
  void AnswerInput(std::optional<QString> value);  // history and plain input boxes; nullopt = Cancel
  void AnswerOpen(QStringList fileNames, int filterIndex = 1);  // empty = Cancel
  void AnswerSave(QString fileName, int filterIndex = 1);       // empty = Cancel
  void AnswerPrinterSetup(bool ok);
  // Runs while a modal dialog is "shown"; returns the dialog's result.
  void AnswerModal(std::function<int(QDialog&)> script);

  const std::vector<ShownBox>& Shown() const { return shown_; }
  const ShownBox& Last() const;
  // Messages only, as "caption|text" strings, for compact assertions.
  QStringList MessageLog() const;
  int Beeps() const { return beeps_; }
  void Clear();
  // True when every queued answer has been used.
  bool AllAnswered() const;
  // From now on a box with no answer queued is cancelled without failing the test (for sweeps that run
  // every command and check only what they leave behind).
  void CancelUnscripted() { cancelUnscripted_ = true; }

  MsgResult ShowMessage(const QString& caption, const QString& text, MsgType type,
                        MsgButtons buttons) override;
  std::optional<QString> AskWithHistory(const QString& caption, const QString& prompt,
                                        const QString& fieldText, const QStringList& items) override;
  std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                 const QString& value) override;
  FileDialogResult AskOpenFiles(const FileDialogRequest& request, bool multiple) override;
  FileDialogResult AskSaveFile(const FileDialogRequest& request) override;
  bool SetupPrinter(QPrinter& printer) override;
  void Beep() override { ++beeps_; }
  int ExecModal(QDialog& dialog) override;

 private:
  FileDialogResult AskFile(ShownBox::Kind kind, std::deque<FileDialogResult>& answers, const char* what,
                           const FileDialogRequest& request);

  std::vector<ShownBox> shown_;
  std::vector<ShownBox> standingShown_;
  std::deque<MsgResult> messages_;
  std::map<QString, MsgResult> standing_;
  std::deque<std::optional<QString>> inputs_;
  std::deque<FileDialogResult> opens_;
  std::deque<FileDialogResult> saves_;
  std::deque<bool> printers_;
  std::deque<std::function<int(QDialog&)>> modals_;
  int beeps_ = 0;
  bool cancelUnscripted_ = false;
};

}  // namespace penwick::test
