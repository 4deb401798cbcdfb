// Typing at the end of a 50 MB document with recovery copies being made and written, against the same
// typing with copies switched off. Keys come at a fast typist's pace (one every 10 ms, the time between
// keys not counted), with a pause every 500 keys and at the end of each round. Two comparisons: with
// Penwick's own timings (a copy 2 s after a pause, at the latest every 30 s), and a stress run where copies
// are made far more often (after 300 ms of pause, at the latest every second), so that many 50 MB copies are
// written while keys are measured. Short rounds with and without copies alternate, so a change in the
// machine's load strikes both alike; each key is measured as wall time and as CPU time of the GUI thread. Run
// with `make bench`.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "app/frame_form.h"
#include "bench/bench_support.h"
#include "editor/edit_form.h"
#include "editor/recovery.h"
#include "editor/scintilla_widget.h"
#include "editor/text_control.h"

namespace {

constexpr qsizetype kDocumentBytes = qsizetype(50) << 20;
constexpr int kKeyGapMs = 10;
constexpr int kKeysBetweenPauses = 500;

struct Figures {
  double median = 0;
  double p99 = 0;
  double max = 0;
};

// CPU time of the calling (GUI) thread: what a key costs Penwick itself, whatever else the machine runs.
double ThreadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Times {
  std::vector<double> wall;
  std::vector<double> cpu;
};

Figures Summarise(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  Figures f;
  f.median = times[times.size() / 2];
  f.p99 = times[std::min(times.size() - 1, times.size() * 99 / 100)];
  f.max = times.back();
  return f;
}

void Idle(int ms) {
  QElapsedTimer idle;
  idle.start();
  while (idle.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
}

// Types keys at the end of the document; each key's time runs until its events are processed.
void TypeRound(penwick::TEditForm* editor, int keys, int pauseMs, Times& times) {
  penwick::ScintillaWidget* widget = editor->Editor();
  const QString text = QStringLiteral("the quick brown fox jumps over the lazy dog ");
  for (int i = 0; i < keys; ++i) {
    // Lines of 60 characters, as typed text has: a line that only grows costs more with every key.
    const bool newLine = i % 60 == 59;
    const QString ch = newLine ? QStringLiteral("\r") : QString(text[i % text.size()]);
    QElapsedTimer timer;
    timer.start();
    const double cpu = ThreadCpuMs();
    QKeyEvent press(QEvent::KeyPress, newLine ? Qt::Key_Return : 0, Qt::NoModifier, ch);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::processEvents();
    times.wall.push_back(timer.nsecsElapsed() / 1e6);
    times.cpu.push_back(ThreadCpuMs() - cpu);
    Idle((i + 1) % kKeysBetweenPauses == 0 || i == keys - 1 ? pauseMs : kKeyGapMs);
  }
}

struct Comparison {
  Figures without;
  Figures with;
  Figures withoutCpu;
  Figures withCpu;
  int keys = 0;
  int copies = 0;
};

Comparison Compare(penwick::Recovery& recovery, penwick::TEditForm* editor, int rounds, int keysPerRound,
                   int pauseMs) {
  Times without;
  Times with;
  Comparison c;
  for (int round = 0; round < rounds; ++round) {
    recovery.SetActive(false);
    TypeRound(editor, keysPerRound, pauseMs, without);
    recovery.WaitForWrites();
    recovery.SetActive(true);
    const int before = recovery.CopiesWritten();
    TypeRound(editor, keysPerRound, pauseMs, with);
    recovery.WaitForWrites();
    c.copies += recovery.CopiesWritten() - before;
  }
  c.without = Summarise(without.wall);
  c.with = Summarise(with.wall);
  c.withoutCpu = Summarise(without.cpu);
  c.withCpu = Summarise(with.cpu);
  c.keys = rounds * keysPerRound;
  return c;
}

void Print(const char* title, const Comparison& c) {
  std::printf("%s: %d keys each way, %d copies of 50 MB written while typing\n", title, c.keys, c.copies);
  std::printf("  %-32s %10s %10s %10s\n", "per key", "median", "p99", "max");
  std::printf("  %-32s %8.3fms %8.3fms %8.3fms\n", "without recovery copies", c.without.median, c.without.p99,
              c.without.max);
  std::printf("  %-32s %8.3fms %8.3fms %8.3fms\n", "with recovery copies", c.with.median, c.with.p99,
              c.with.max);
  std::printf("  %-32s %8.3fms %8.3fms %8.3fms\n", "GUI thread CPU, without", c.withoutCpu.median,
              c.withoutCpu.p99, c.withoutCpu.max);
  std::printf("  %-32s %8.3fms %8.3fms %8.3fms\n", "GUI thread CPU, with", c.withCpu.median, c.withCpu.p99,
              c.withCpu.max);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  penwick::bench::BenchProgram program(penwick::MsgResult::kOk, true,
                                       "[Settings]\r\nNoBugMsg=1\r\nWrdWrapOn=0\r\n", QSize(1000, 500));
  penwick::TFrameForm& frame = *program.frame;
  penwick::Recovery& recovery = frame.RecoveryCopies();
  recovery.SetTimings({300, 1000, 50});

  const QByteArray line = "Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod.\r\n";
  QByteArray big;
  big.reserve(kDocumentBytes + line.size());
  while (big.size() < kDocumentBytes) big += line;
  const QString path = QDir(program.Folder()).filePath(QStringLiteral("big.txt"));
  {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(big);
  }
  big.clear();
  penwick::TEditForm* editor = frame.StartupOpen(path);
  editor->Text().SetSelStart(editor->Text().TextLength());
  Idle(200);

  // What the GUI thread would wait for one whole copy of the text, and what it waits for one piece.
  QElapsedTimer snapshotTimer;
  snapshotTimer.start();
  const penwick::DocumentCopy copy = editor->Snapshot();
  const double snapshotMs = snapshotTimer.nsecsElapsed() / 1e6;
  editor->Text().SetModified(true);
  recovery.CopyAllNow();  // the first piece, into fresh memory
  recovery.WaitForWrites();
  snapshotTimer.restart();
  recovery.CopyAllNow();  // a piece into the memory kept from the last copy
  const double pieceMs = snapshotTimer.nsecsElapsed() / 1e6;
  recovery.WaitForWrites();

  std::printf("typing at the end of a %lld MB document (%lld bytes in the editor), one key every %d ms\n",
              static_cast<long long>(kDocumentBytes >> 20), static_cast<long long>(copy.utf8.size()),
              kKeyGapMs);
  recovery.SetTimings({});
  const Comparison real = Compare(recovery, editor, 10, 330, 2500);
  Print("Penwick's timings (copy 2 s after a pause, at the latest every 30 s)", real);
  recovery.SetTimings({300, 1000, 50});
  const Comparison stress = Compare(recovery, editor, 6, 300, 400);
  Print("stress (copy 300 ms after a pause, at the latest every second)", stress);
  std::printf(
      "GUI thread: a whole copy at once would take %.1f ms; one piece of the copy, between keys, takes "
      "%.2f ms\n",
      snapshotMs, pieceMs);
  editor->CloseApproved();
  QCoreApplication::processEvents();
  // Within measuring noise: a quarter, or 0.05 ms.
  const auto close = [](double a, double b) { return a <= b * 1.25 || a <= b + 0.05; };
  const bool ok = real.copies > 0 && close(real.with.median, real.without.median) &&
                  close(real.with.p99, real.without.p99);
  return ok ? 0 : 1;
}
