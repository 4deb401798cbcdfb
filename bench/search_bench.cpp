// Find and replace on large documents: Replace All without confirmation of 100,000 matches in a 6 MB HTML
// document, and Find Next of a phrase near the end of a 50 MB document. Run with `make bench` (offscreen).

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "app/frame_form.h"
#include "bench/bench_support.h"
#include "editor/edit_form.h"
#include "editor/scintilla_widget.h"
#include "editor/text_control.h"
#include "editor/text_search.h"

namespace {

using penwick::MsgResult;

void Flush() { QCoreApplication::processEvents(); }

double Ms(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

QString WriteFile(const QString& folder, const QString& name, const QByteArray& bytes) {
  const QString path = QDir(folder).filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return path;
}

// 100,000 lines of 60 bytes, each holding "italic" once: 6,000,000 bytes.
QByteArray ReplaceDocument() {
  QByteArray html;
  html.reserve(6'000'000);
  for (int i = 0; i < 100'000; ++i) {
    QByteArray line = "<p>Line " + QByteArray::number(i) + " has <i>italic</i> words";
    line += QByteArray(58 - line.size() - 4, '.') + "</p>\r\n";
    html += line;
  }
  return html;
}

// About size bytes of paragraphs, the phrase once near the end.
QByteArray FindDocument(qint64 size, const QByteArray& phrase) {
  QByteArray html;
  html.reserve(size + 200);
  html += "<html>\r\n<body>\r\n";
  int n = 0;
  while (html.size() < size - 1000) {
    html += "<p class=\"para\">Paragraph ";
    html += QByteArray::number(++n);
    html += " with <b>bold</b>, <i>italic</i> and <a href=\"page.html\">a link</a> in it.</p>\r\n";
  }
  html += "<p>" + phrase + "</p>\r\n</body>\r\n</html>\r\n";
  return html;
}

void BenchReplaceAll(penwick::TFrameForm& frame, penwick::bench::QuietUi& ui, const QString& folder) {
  const QByteArray html = ReplaceDocument();
  penwick::TEditForm* editor = frame.StartupOpen(WriteFile(folder, QStringLiteral("replace.html"), html));
  Flush();
  penwick::TextControl& text = editor->Text();
  text.SetSelStart(0);
  ui.captions.clear();
  QElapsedTimer timer;
  timer.start();
  penwick::TextSearch(text).ReplaceAllAfterSelection(QStringLiteral("italic"), QStringLiteral("oblique"), {});
  Flush();
  editor->Editor()->repaint();
  const double ms = Ms(timer);
  const QByteArray after = QByteArray(text.Utf8().data(), text.Utf8().size());
  std::printf(
      "Replace All, no confirmation: %.2f MB, %lld matches, %.1f ms (%s; boxes: %s)\n", html.size() / 1e6,
      static_cast<long long>(after.count("oblique")), ms,
      after.count("italic") == 0 && after.size() == html.size() + 100'000 ? "text correct" : "WRONG TEXT",
      qPrintable(ui.captions.join(QStringLiteral(", "))));
  editor->CloseApproved();
  Flush();
}

void BenchFind(penwick::TFrameForm& frame, penwick::bench::QuietUi& ui, const QString& folder) {
  const QByteArray phrase =
      "Closing remarks \xC3\x9C"
      "ber alles";
  const QByteArray html = FindDocument(qint64(50) << 20, phrase);
  penwick::TEditForm* editor = frame.StartupOpen(WriteFile(folder, QStringLiteral("find.html"), html));
  Flush();
  penwick::TextControl& text = editor->Text();
  struct Case {
    const char* name;
    QString what;
    penwick::SearchOptions options;
    bool editFirst;  // type at the top first, so the search also pays for moving Scintilla's gap
  } cases[] = {
      {"match case", QStringLiteral("Closing remarks"), {false, true}, false},
      {"ignore case", QStringLiteral("closing REMARKS"), {false, false}, false},
      {"whole word, ignore case", QStringLiteral("closing"), {true, false}, false},
      {"ignore case, non-ASCII",
       QString::fromUtf8("\xC3\xBC"
                         "BER ALLES"),
       {false, false},
       false},
      {"match case, after an edit at the top", QStringLiteral("Closing remarks"), {false, true}, true},
  };
  for (const Case& c : cases) {
    if (c.editFirst) {
      text.SetSelStart(0);
      editor->Editor()->SendKey(Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
      Flush();
    }
    text.SetSelStart(0);
    ui.captions.clear();
    QElapsedTimer timer;
    timer.start();
    const bool found = penwick::TextSearch(text).FindNext(c.what, c.options);
    const double ms = Ms(timer);
    const double scanned = text.ToByte(text.SelStart()) / 1e6;
    std::printf("Find near the end of %.0f MB, %-38s %7.1f ms  %7.0f MB/s  %s\n", html.size() / 1e6, c.name,
                ms, scanned / (ms / 1000.0), found ? "found" : "NOT FOUND");
  }
  editor->CloseApproved();
  Flush();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  penwick::bench::BenchProgram program(MsgResult::kNo, false, "[Settings]\r\nNoBugMsg=1\r\n",
                                       QSize(1000, 700));
  BenchReplaceAll(*program.frame, program.ui, program.Folder());
  BenchFind(*program.frame, program.ui, program.Folder());
  return 0;
}
