#pragma once
// The lock mark of a Penwick run whose process has ended: a child that ran and was reaped.

#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>

namespace penwick::test {

inline QByteArray DeadMark() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return "pid=" + QByteArray::number(child) + "\nstart=1\nboot=gone\n";
}

}  // namespace penwick::test
