// The word counter over a big file (1 GB by default; the first argument gives megabytes) against
// `wc -w` on the same file, both as CPU time in one run.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

#include "collections/word_counter.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

double CpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

#if defined(Q_OS_UNIX)
// CPU milliseconds of `wc -w path`, or -1 when it could not run.
double WcMs(const QByteArray& path) {
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    execlp("wc", "wc", "-w", path.constData(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}
#endif

}  // namespace

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
  penwick::WordCount count;
  QString error;
  const double start = CpuMs();
  if (!penwick::CountWordsInFile(path, false, &count, &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  const double ours = CpuMs() - start;
  std::printf("word counter: %lld MB, %lld words in %.0f ms CPU\n", static_cast<long long>(megabytes),
              static_cast<long long>(count.words), ours);
#if defined(Q_OS_UNIX)
  const double wc = WcMs(QFile::encodeName(path));
  if (wc > 0) {
    std::printf("wc -w: %.0f ms CPU; the word counter takes %.2f of its time\n", wc, ours / wc);
  }
#endif
  return 0;
}
