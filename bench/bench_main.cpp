// Large-document benchmark: load, save, typing and caret movement in an editor window; the load against a
// bare QScintilla widget set up and loaded as Penwick's control is; the memory a closed window leaves behind.
// Run with `make bench` (offscreen).

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "app/frame_form.h"
#include "bench/bench_support.h"
#include "bench/cpu_time.h"
#include "editor/edit_form.h"
#include "editor/highlighting.h"
#include "editor/scintilla_loader.h"
#include "editor/scintilla_widget.h"
#include "editor/text_control.h"

namespace {

using penwick::MsgResult;
using penwick::bench::CpuMs;
using penwick::bench::RssMb;

QByteArray MakeHtml(qint64 size) {
  QByteArray html;
  html.reserve(size + 200);
  html += "<html>\r\n<head><title>Benchmark</title></head>\r\n<body>\r\n";
  int n = 0;
  while (html.size() < size) {
    html += "<p class=\"para\">Paragraph ";
    html += QByteArray::number(++n);
    html += " with <b>bold</b>, <i>italic</i> and <a href=\"page.html\">a link</a> in it.</p>\r\n";
  }
  html += "</body>\r\n</html>\r\n";
  return html;
}

void Flush() { QCoreApplication::processEvents(); }

// Closes an editor window and lets it go at once (outside an event loop it would wait until asked), so that
// freeing its document is not counted in what is measured next.
void CloseWindow(penwick::TEditForm* editor) {
  editor->CloseApproved();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Flush();
}

double Ms(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Median time of one key, from the key event through the painting of what the key changed (as typing
// repaints, not the whole window: the whole window of a full page would cost more than that of an empty one).
double KeyCost(QWidget* widget, const std::vector<std::pair<int, QString>>& keys, int rounds) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const auto& [key, text] = keys[i % keys.size()];
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    Flush();
    times.push_back(Ms(timer));
  }
  return Median(times);
}

// A bare widget set up as Penwick's editor control is (same settings, no key handlers, no commands), loaded
// the way Penwick loads: the file read in blocks straight into a document built off the widget. What
// Penwick adds on top of this is its own cost.
void SetUpLikePenwick(QsciScintilla& bare, const QFont& font) {
  bare.setFont(font);
  bare.setUtf8(true);
  bare.setEolMode(QsciScintilla::EolWindows);
  bare.setWrapMode(QsciScintilla::WrapNone);
  bare.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                     static_cast<unsigned long>(QsciScintillaBase::SC_MOD_BEFOREINSERT |
                                                QsciScintillaBase::SC_MOD_BEFOREDELETE));
  bare.SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE, QsciScintillaBase::SC_CACHE_PAGE);
  bare.SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTH, 1);
  bare.SendScintilla(QsciScintillaBase::SCI_SETSCROLLWIDTHTRACKING, 1);
  for (int margin = 0; margin < 3; ++margin) bare.setMarginWidth(margin, 0);
  bare.setAutoIndent(false);
  bare.setAutoCompletionSource(QsciScintilla::AcsNone);
}

void BareLoad(QsciScintilla& bare, const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  constexpr qint64 kBlock = 256 << 10;
  QByteArray block(kBlock, Qt::Uninitialized);
  auto* loader = reinterpret_cast<penwick::ScintillaLoader*>(bare.SendScintilla(
      QsciScintillaBase::SCI_CREATELOADER, static_cast<unsigned long>(file.size() + (1 << 20)), 0L));
  for (qint64 got; (got = file.read(block.data(), kBlock)) > 0;) loader->AddData(block.constData(), got);
  void* document = loader->ConvertToDocument();
  bare.SendScintilla(QsciScintillaBase::SCI_SETDOCPOINTER, 0UL, document);
  bare.SendScintilla(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0UL, document);
  bare.setUtf8(true);
  bare.setEolMode(QsciScintilla::EolWindows);
  bare.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 1);
  bare.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  bare.SendScintilla(QsciScintillaBase::SCI_SETSAVEPOINT);
}

struct Figures {
  double bareLoad = 0;  // CPU ms
  double load = 0;      // CPU ms
  double save = 0;
  double colour = 0;  // the tag pass over the loaded text
  double typeStart = 0;
  double typeEnd = 0;
  double arrowStart = 0;
  double arrowEnd = 0;
};

QString WriteHtml(const QString& folder, qint64 size, int copy = 0) {
  const QString path = QDir(folder).filePath(QStringLiteral("bench_%1_%2.txt").arg(size).arg(copy));
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(MakeHtml(size));
  return path;
}

// The bare widget and Penwick load the same file by turns; each figure is the median of the rounds.
Figures Measure(penwick::TFrameForm& frame, const QString& folder, qint64 size) {
  Figures f;
  const QString path = WriteHtml(folder, size);
  QFont font;
  {
    penwick::TEditForm* probe = frame.StartupOpen(QDir(folder).filePath(QStringLiteral("probe.txt")));
    font = probe->Editor()->font();
    CloseWindow(probe);
  }
  std::vector<double> bareLoads, loads;
  penwick::TEditForm* editor = nullptr;
  for (int round = 0; round < 3; ++round) {
    {
      QsciScintilla bare;
      SetUpLikePenwick(bare, font);
      bare.resize(800, 600);
      bare.show();
      Flush();
      const double start = CpuMs();
      BareLoad(bare, path);
      bare.repaint();
      Flush();
      bareLoads.push_back(CpuMs() - start);
    }
    Flush();
    if (editor) CloseWindow(editor);
    const double start = CpuMs();
    editor = frame.StartupOpen(path);
    editor->Editor()->repaint();
    Flush();
    loads.push_back(CpuMs() - start);
  }
  f.bareLoad = Median(bareLoads);
  f.load = Median(loads);

  QElapsedTimer timer;
  timer.start();
  penwick::RunHighlightPass(editor->Text(), penwick::HighlightPass::kTags);
  editor->Editor()->repaint();
  Flush();
  f.colour = Ms(timer);

  penwick::ScintillaWidget* widget = editor->Editor();
  widget->setFocus();
  const std::vector<std::pair<int, QString>> typing = {{Qt::Key_A, QStringLiteral("a")},
                                                       {Qt::Key_B, QStringLiteral("b")}};
  const std::vector<std::pair<int, QString>> arrows = {{Qt::Key_Left, QString()}, {Qt::Key_Right, QString()}};
  editor->Text().SetSelStart(0);
  Flush();
  f.typeStart = KeyCost(widget, typing, 200);
  f.arrowStart = KeyCost(widget, arrows, 200);
  editor->Text().SetSelStart(editor->Text().TextLength());
  Flush();
  f.typeEnd = KeyCost(widget, typing, 200);
  f.arrowEnd = KeyCost(widget, arrows, 200);

  timer.restart();
  editor->Save1Click();
  f.save = Ms(timer);
  CloseWindow(editor);
  QFile::remove(path);
  return f;
}

// Memory held after ten windows of 5 MB were opened and closed, against the frame's own before them.
void MeasureMemoryReturn(penwick::TFrameForm& frame, const QString& folder) {
  QStringList paths;
  for (int i = 0; i < 10; ++i) paths << WriteHtml(folder, qint64(5) << 20, i + 1);
  Flush();
  const double before = RssMb();
  std::vector<penwick::TEditForm*> windows;
  for (const QString& path : paths) {
    windows.push_back(frame.StartupOpen(path));
    Flush();
  }
  const double open = RssMb();
  for (penwick::TEditForm* window : windows) CloseWindow(window);
  Flush();
  const double after = RssMb();
  std::printf(
      "memory: %.0f MB before ten 5 MB windows, %.0f MB with them open, %.0f MB after they closed "
      "(%+.0f MB; target within 10 MB)\n",
      before, open, after, after - before);
  for (const QString& path : paths) QFile::remove(path);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  penwick::bench::BenchProgram program(MsgResult::kNo, true, "[Settings]\r\nNoBugMsg=1\r\n",
                                       QSize(1000, 700));

  MeasureMemoryReturn(*program.frame, program.Folder());
  std::printf("load: CPU time of reading the file until it is shown, median of 3 rounds taken by turns\n");
  std::printf("%-8s %10s %10s %7s %10s %10s %12s %12s %12s %12s\n", "size", "bare load", "load", "ratio",
              "tag colour", "save", "type start", "type end", "arrow start", "arrow end");
  std::vector<Figures> rows;
  for (qint64 size : {qint64(0), qint64(5) << 20, qint64(50) << 20}) {
    const Figures f = Measure(*program.frame, program.Folder(), size);
    rows.push_back(f);
    std::printf("%-8s %8.1fms %8.1fms %7.2f %8.1fms %8.1fms %10.3fms %10.3fms %10.3fms %10.3fms\n",
                size == 0 ? "empty" : qPrintable(QStringLiteral("%1 MB").arg(size >> 20)), f.bareLoad, f.load,
                f.bareLoad > 0 ? f.load / f.bareLoad : 0.0, f.colour, f.save, f.typeStart, f.typeEnd,
                f.arrowStart, f.arrowEnd);
    std::fflush(stdout);
  }
  const Figures& empty = rows.front();
  const Figures& big = rows.back();
  std::printf(
      "50 MB above empty: Penwick %.1f ms, bare widget %.1f ms, ratio %.2f (target at most 1.10); "
      "typing at the end of 50 MB / empty: %.2f (target at most 1.20)\n",
      big.load - empty.load, big.bareLoad - empty.bareLoad,
      (big.load - empty.load) / std::max(big.bareLoad - empty.bareLoad, 0.001),
      empty.typeEnd > 0 ? big.typeEnd / empty.typeEnd : 0.0);
  return 0;
}
