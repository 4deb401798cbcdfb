#pragma once
// A file's bytes read and written directly, for tests of the code that reads and writes files.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace penwick::test {

inline QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace penwick::test
