#pragma once
// What every benchmark needs: a Ui that shows nothing, and a frame on a temporary program folder.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/frame_form.h"
#include "ui/ui.h"

namespace penwick::bench {

// Answers every message box with one fixed answer and records the captions; every other question is
// cancelled.
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

// A frame shown at the given size, on a temporary program folder whose penwick.ini holds ini.
class BenchProgram {
 public:
  BenchProgram(MsgResult answer, bool warn, const QByteArray& ini, QSize size) : ui(answer, warn) {
    QFile file(QDir(dir.path()).filePath(QStringLiteral("penwick.ini")));
    if (file.open(QIODevice::WriteOnly)) file.write(ini);
    file.close();
    frame = std::make_unique<TFrameForm>(ui, dir.path(), QStringList());
    frame->resize(size);
    frame->show();
    frame->FormActivate();
    QCoreApplication::processEvents();
  }
  // A folder for the benchmark's documents.
  QString Folder() const { return dir.path(); }

  QTemporaryDir dir;
  QuietUi ui;
  std::unique_ptr<TFrameForm> frame;
};

}  // namespace penwick::bench
