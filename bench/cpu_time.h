#pragma once
// CPU time and memory for benchmarks, also of another program Penwick is compared with in the same run.

#include <QByteArray>
#include <cstdio>
#include <ctime>
#include <vector>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace penwick::bench {

// CPU milliseconds this process has used.
inline double CpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// The memory this process holds now (resident set), in MB; 0 where it cannot be known.
inline double RssMb() {
#if defined(__linux__)
  FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return 0;
  char line[256];
  double kb = 0;
  while (std::fgets(line, sizeof line, status)) {
    if (std::sscanf(line, "VmRSS: %lf kB", &kb) == 1) break;
  }
  std::fclose(status);
  return kb / 1024;
#else
  return 0;
#endif
}

// Runs a program (found on PATH) with its arguments in folder (empty: here), its output thrown away; returns
// the CPU milliseconds it used, or -1 when it could not run or failed.
inline double ProgramCpuMs(const std::vector<QByteArray>& command, const QByteArray& folder = {}) {
#if defined(__unix__)
  std::vector<char*> argv;
  for (const QByteArray& part : command) argv.push_back(const_cast<char*>(part.constData()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    if (!folder.isEmpty() && chdir(folder.constData()) != 0) _exit(126);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
#else
  (void)command;
  (void)folder;
  return -1;
#endif
}

}  // namespace penwick::bench
