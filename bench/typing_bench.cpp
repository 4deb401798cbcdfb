// Typing benchmark: a paragraph typed key by key with word-wrap on, in an empty document and at the end of a
// 10,000-line document. Every key passes the editor's key handlers; the cost of one key must not grow with
// the document. Run with `make bench` (offscreen).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "app/frame_form.h"
#include "bench/bench_support.h"
#include "editor/edit_form.h"
#include "editor/scintilla_widget.h"
#include "editor/text_control.h"

namespace {

using penwick::MsgResult;

constexpr int kLines = 10000;
// Enough text to fill the window several times over, so the view scrolls in the empty document too: a key
// then costs the same repaint in both documents, and what differs is only the document's size.
constexpr int kTypedWords = 1200;

QString Paragraph(int words) {
  const char* vocabulary[] = {"the",   "editor", "wraps", "each",  "line",       "at", "its", "column",
                              "while", "you",    "type",  "plain", "paragraphs", "of", "text"};
  QStringList out;
  unsigned seed = 11;
  for (int i = 0; i < words; ++i) {
    seed = seed * 1103515245u + 12345u;
    out << QString::fromLatin1(vocabulary[(seed >> 16) % std::size(vocabulary)]);
  }
  return out.join(QLatin1Char(' '));
}

struct Figures {
  double median = 0;
  double mean = 0;
  double wrapMedian = 0;  // keys that broke a line
  int wraps = 0;
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Types text at the caret, one key event at a time; each key's time runs until its events are processed,
// including the repaint of what it changed.
Figures TypeAndMeasure(penwick::TEditForm* editor, const QString& text) {
  penwick::ScintillaWidget* widget = editor->Editor();
  std::vector<double> times;
  std::vector<double> wrapTimes;
  for (QChar ch : text) {
    const int linesBefore = editor->Text().LineCount();
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::processEvents();
    const double ms = timer.nsecsElapsed() / 1e6;
    times.push_back(ms);
    if (editor->Text().LineCount() > linesBefore) wrapTimes.push_back(ms);
  }
  Figures f;
  f.median = Median(times);
  f.mean = std::accumulate(times.begin(), times.end(), 0.0) / std::max<size_t>(times.size(), 1);
  f.wrapMedian = Median(wrapTimes);
  f.wraps = static_cast<int>(wrapTimes.size());
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  penwick::bench::BenchProgram program(
      MsgResult::kOk, true, "[Settings]\r\nNoBugMsg=1\r\nWrdWrapOn=1\r\nWrapColumn=68\r\n", QSize(1000, 500));
  penwick::TFrameForm& frame = *program.frame;
  const QString home = program.Folder();

  const QString typed = Paragraph(kTypedWords);

  // Each document is typed into twice: with drawing (what the user waits for) and with drawing off (the key
  // handlers and the control alone).
  penwick::TEditForm* empty = frame.StartupOpen(QDir(home).filePath(QStringLiteral("empty.txt")));
  QCoreApplication::processEvents();
  const Figures small = TypeAndMeasure(empty, typed);
  empty->Text().SetText(QString());
  empty->Editor()->setUpdatesEnabled(false);
  const Figures smallQuiet = TypeAndMeasure(empty, typed);
  empty->CloseApproved();
  QCoreApplication::processEvents();

  QByteArray big;
  const QByteArray line = Paragraph(10).toLatin1() + "\r\n";
  for (int i = 0; i < kLines; ++i) big += line;
  const QString bigPath = QDir(home).filePath(QStringLiteral("big.txt"));
  {
    QFile file(bigPath);
    file.open(QIODevice::WriteOnly);
    file.write(big);
  }
  penwick::TEditForm* large = frame.StartupOpen(bigPath);
  large->Text().SetSelStart(large->Text().TextLength());
  QCoreApplication::processEvents();
  const Figures end = TypeAndMeasure(large, typed);
  large->Editor()->setUpdatesEnabled(false);
  const Figures endQuiet = TypeAndMeasure(large, typed);
  large->CloseApproved();
  QCoreApplication::processEvents();

  std::printf("typing %d characters with word-wrap at column 68, per key (event through its repaint)\n",
              static_cast<int>(typed.size()));
  std::printf("%-34s %10s %10s %14s %6s\n", "document", "median", "mean", "wrap median", "wraps");
  const auto row = [](const char* name, const Figures& f) {
    std::printf("%-34s %8.3fms %8.3fms %12.3fms %6d\n", name, f.median, f.mean, f.wrapMedian, f.wraps);
  };
  row("empty", small);
  row("end of 10,000 lines", end);
  row("empty, drawing off", smallQuiet);
  row("end of 10,000 lines, drawing off", endQuiet);
  const double ratio = small.median > 0 ? end.median / small.median : 0;
  const double quietRatio = smallQuiet.median > 0 ? endQuiet.median / smallQuiet.median : 0;
  std::printf("ratio end/empty (median): %.2f with drawing, %.2f drawing off; target: within 2x\n", ratio,
              quietRatio);
  return ratio <= 2.0 && quietRatio <= 2.0 ? 0 : 1;
}
