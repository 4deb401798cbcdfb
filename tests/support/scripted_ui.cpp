#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace penwick::test {

namespace {

// Takes the next answer off a queue, or fails the test when none is left.
template <typename T>
std::optional<T> Take(std::deque<T>& queue, const char* what, const QString& caption, const QString& text,
                      bool quiet) {
  if (queue.empty()) {
    if (quiet) return std::nullopt;
    ADD_FAILURE() << "Unexpected " << what << " \"" << caption.toStdString() << "\": " << text.toStdString();
    return std::nullopt;
  }
  std::optional<T> answer(std::move(queue.front()));
  queue.pop_front();
  return answer;
}

}  // namespace

void ExpectBox(const ScriptedUi& ui, const QString& caption, const QString& text, MsgType type,
               MsgButtons buttons) {
  const ShownBox& box = ui.Last();
  EXPECT_EQ(box.kind, ShownBox::Kind::kMessage);
  EXPECT_EQ(box.caption, caption);
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.type, type);
  EXPECT_EQ(box.buttons, buttons);
}

ScriptedUi::~ScriptedUi() = default;

void ScriptedUi::AnswerMessage(MsgResult result) { messages_.push_back(result); }

void ScriptedUi::AnswerAlways(const QString& caption, MsgResult result) { standing_[caption] = result; }

void ScriptedUi::AnswerInput(std::optional<QString> value) { inputs_.push_back(std::move(value)); }

void ScriptedUi::AnswerOpen(QStringList fileNames, int filterIndex) {
  opens_.push_back({std::move(fileNames), filterIndex});
}

void ScriptedUi::AnswerSave(QString fileName, int filterIndex) {
  FileDialogResult result;
  if (!fileName.isEmpty()) result.fileNames << fileName;
  result.filterIndex = filterIndex;
  saves_.push_back(result);
}

void ScriptedUi::AnswerPrinterSetup(bool ok) { printers_.push_back(ok); }

void ScriptedUi::AnswerModal(std::function<int(QDialog&)> script) { modals_.push_back(std::move(script)); }

const ShownBox& ScriptedUi::Last() const {
  static const ShownBox kNothing;
  if (shown_.empty()) {
    ADD_FAILURE() << "No box was shown";
    return kNothing;
  }
  return shown_.back();
}

QStringList ScriptedUi::MessageLog() const {
  QStringList log;
  for (const ShownBox& box : shown_) {
    if (box.kind == ShownBox::Kind::kMessage) log << box.caption + QLatin1Char('|') + box.text;
  }
  return log;
}

// Forgets what was shown; answers still queued stay for the boxes to come.
void ScriptedUi::Clear() {
  shown_.clear();
  beeps_ = 0;
}

bool ScriptedUi::AllAnswered() const {
  return messages_.empty() && inputs_.empty() && opens_.empty() && saves_.empty() && printers_.empty() &&
         modals_.empty();
}

MsgResult ScriptedUi::ShowMessage(const QString& caption, const QString& text, MsgType type,
                                  MsgButtons buttons) {
  if (const auto standing = standing_.find(caption); standing != standing_.end()) {
    standingShown_.push_back({ShownBox::Kind::kMessage, caption, text, type, buttons});
    return standing->second;
  }
  shown_.push_back({ShownBox::Kind::kMessage, caption, text, type, buttons});
  return Take(messages_, "message box", caption, text, cancelUnscripted_).value_or(MsgResult::kCancel);
}

std::optional<QString> ScriptedUi::AskWithHistory(const QString& caption, const QString& prompt,
                                                  const QString& fieldText, const QStringList& items) {
  shown_.push_back({.kind = ShownBox::Kind::kHistoryInput,
                    .caption = caption,
                    .text = prompt,
                    .value = fieldText,
                    .items = items});
  return Take(inputs_, "input box", caption, prompt, cancelUnscripted_).value_or(std::nullopt);
}

std::optional<QString> ScriptedUi::AskText(const QString& caption, const QString& prompt,
                                           const QString& value) {
  shown_.push_back({.kind = ShownBox::Kind::kTextInput, .caption = caption, .text = prompt, .value = value});
  return Take(inputs_, "input box", caption, prompt, cancelUnscripted_).value_or(std::nullopt);
}

FileDialogResult ScriptedUi::AskOpenFiles(const FileDialogRequest& request, bool /*multiple*/) {
  return AskFile(ShownBox::Kind::kOpenFiles, opens_, "open dialog", request);
}

FileDialogResult ScriptedUi::AskSaveFile(const FileDialogRequest& request) {
  return AskFile(ShownBox::Kind::kSaveFile, saves_, "save dialog", request);
}

FileDialogResult ScriptedUi::AskFile(ShownBox::Kind kind, std::deque<FileDialogResult>& answers,
                                     const char* what, const FileDialogRequest& request) {
  shown_.push_back({.kind = kind,
                    .caption = request.caption,
                    .value = request.fileName,
                    .items = request.filters,
                    .filterIndex = request.filterIndex});
  return Take(answers, what, request.caption, request.fileName, cancelUnscripted_)
      .value_or(FileDialogResult{{}, request.filterIndex});
}

bool ScriptedUi::SetupPrinter(QPrinter& /*printer*/) {
  shown_.push_back({ShownBox::Kind::kPrinterSetup});
  return Take(printers_, "printer setup", QString(), QString(), cancelUnscripted_).value_or(false);
}

int ScriptedUi::ExecModal(QDialog& dialog) {
  shown_.push_back({ShownBox::Kind::kModal, dialog.windowTitle()});
  const std::optional<std::function<int(QDialog&)>> script =
      Take(modals_, "dialog", dialog.windowTitle(), QString(), cancelUnscripted_);
  return script ? (*script)(dialog) : static_cast<int>(QDialog::Rejected);
}

}  // namespace penwick::test
