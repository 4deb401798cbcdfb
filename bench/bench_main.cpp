// Large-document benchmark: load, save, typing and caret movement in an editor window, against a bare
// QScintilla widget given the same bytes. Run with `make bench` (offscreen).

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/frame_form.h"
#include "bench/bench_support.h"
#include "editor/edit_form.h"
#include "editor/highlighting.h"
#include "editor/scintilla_widget.h"
#include "editor/text_control.h"

namespace {

using penwick::MsgResult;

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

double Ms(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Median time of one key, from the key event through the repaint.
double KeyCost(QWidget* widget, const std::vector<std::pair<int, QString>>& keys, int rounds) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    const auto& [key, text] = keys[i % keys.size()];
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    widget->repaint();
    Flush();
    times.push_back(Ms(timer));
  }
  return Median(times);
}

struct Figures {
  double bareLoad = 0;
  double load = 0;
  double save = 0;
  double colour = 0;  // the tag pass over the loaded text
  double typeStart = 0;
  double typeEnd = 0;
  double arrowStart = 0;
  double arrowEnd = 0;
};

Figures Measure(penwick::TFrameForm& frame, const QString& folder, qint64 size) {
  Figures f;
  const QString path = QDir(folder).filePath(QStringLiteral("bench_%1.txt").arg(size));
  const QByteArray html = MakeHtml(size);
  {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(html);
  }
  {
    QsciScintilla bare;
    bare.resize(800, 600);
    bare.show();
    Flush();
    // The bare widget is given the bytes already read; Penwick's load below also reads the file.
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    QElapsedTimer timer;
    timer.start();
    bare.SendScintilla(QsciScintillaBase::SCI_SETTEXT, bytes.constData());
    bare.repaint();
    Flush();
    f.bareLoad = Ms(timer);
  }
  QElapsedTimer timer;
  timer.start();
  penwick::TEditForm* editor = frame.StartupOpen(path);
  editor->Editor()->repaint();
  Flush();
  f.load = Ms(timer);

  timer.restart();
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
  editor->CloseApproved();
  Flush();
  QFile::remove(path);
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  penwick::bench::BenchProgram program(MsgResult::kNo, true, "[Settings]\r\nNoBugMsg=1\r\n",
                                       QSize(1000, 700));

  std::printf("%-8s %10s %10s %7s %10s %10s %12s %12s %12s %12s\n", "size", "bare load", "load", "ratio",
              "tag colour", "save", "type start", "type end", "arrow start", "arrow end");
  for (qint64 size : {qint64(0), qint64(5) << 20, qint64(50) << 20}) {
    const Figures f = Measure(*program.frame, program.Folder(), size);
    std::printf("%-8s %8.1fms %8.1fms %7.2f %8.1fms %8.1fms %10.3fms %10.3fms %10.3fms %10.3fms\n",
                size == 0 ? "empty" : qPrintable(QStringLiteral("%1 MB").arg(size >> 20)), f.bareLoad, f.load,
                f.bareLoad > 0 ? f.load / f.bareLoad : 0.0, f.colour, f.save, f.typeStart, f.typeEnd,
                f.arrowStart, f.arrowEnd);
    std::fflush(stdout);
  }
  return 0;
}
