// The word counter over a big file (1 GB by default; the first argument gives megabytes) against
// `wc -w` on the same file, both as CPU time in one run, interleaved.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "bench/cpu_time.h"
#include "collections/word_counter.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("words.html"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    QByteArray block;
    while (block.size() < (1 << 20)) {
      block +=
          "<p class=\"x\">Some words, well-known ones \xe2\x80\x94 and caf\xc3\xa9 too... "
          "co-\r\noperate</p>\r\n";
    }
    for (qint64 i = 0; i < megabytes; ++i) file.write(block);
  }
  // Interleaved, best of three each, so that load from other programs touches both alike.
  penwick::WordCount count;
  QString error;
  double ours = 1e300;
  double wc = 1e300;
  for (int round = 0; round < 3; ++round) {
    const double start = penwick::bench::CpuMs();
    if (!penwick::CountWordsInFile(path, false, &count, &error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
    ours = std::min(ours, penwick::bench::CpuMs() - start);
    const double theirs = penwick::bench::ProgramCpuMs({"wc", "-w", QFile::encodeName(path)});
    if (theirs > 0) wc = std::min(wc, theirs);
  }
  std::printf("word counter: %lld MB, %lld words in %.0f ms CPU\n", static_cast<long long>(megabytes),
              static_cast<long long>(count.words), ours);
  if (wc < 1e300) {
    std::printf("wc -w: %.0f ms CPU; the word counter takes %.2f of its time\n", wc, ours / wc);
  }
  return 0;
}
