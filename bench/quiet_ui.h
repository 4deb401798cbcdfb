#pragma once
// A Ui for benchmarks: shows nothing, answers every message box with one fixed answer and records the
// captions; every other question is cancelled.

#include <QStringList>
#include <cstdio>

#include "app/ui.h"

namespace penwick::bench {

class QuietUi : public Ui {
 public:
  // warn: print each box to stderr (a benchmark that expects none).
  explicit QuietUi(MsgResult answer, bool warn) : answer_(answer), warn_(warn) {}

  MsgResult ShowMessage(const QString& caption, const QString& text, MsgType, MsgButtons) override {
    captions << caption;
    if (warn_) std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
    return answer_;
  }
  std::optional<QString> AskWithHistory(const QString&, const QString&, const QString&,
                                        const QStringList&) override {
    return std::nullopt;
  }
  std::optional<QString> AskText(const QString&, const QString&, const QString&) override {
    return std::nullopt;
  }
  FileDialogResult AskOpenFiles(const FileDialogRequest&, bool) override { return {}; }
  FileDialogResult AskSaveFile(const FileDialogRequest&) override { return {}; }
  bool SetupPrinter(QPrinter&) override { return false; }
  void Beep() override {}
  int ExecModal(QDialog&) override { return 0; }

  QStringList captions;

 private:
  MsgResult answer_;
  bool warn_;
};

}  // namespace penwick::bench
