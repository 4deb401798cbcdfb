#pragma once
// Failure reporting shared by the fuzz targets: a failed check prints what went wrong and aborts, so
// libFuzzer records the input as a crash.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace penwick::fuzz {

// The bytes in hex, cut after 64 bytes.
inline QByteArray ShortHex(const QByteArray& bytes) {
  constexpr qsizetype kShown = 64;
  QByteArray hex = bytes.first(std::min(bytes.size(), kShown)).toHex(' ');
  if (bytes.size() > kShown) hex += " ... (" + QByteArray::number(bytes.size()) + " bytes)";
  return hex;
}

inline QByteArray ShortHex(const QString& text) { return ShortHex(text.toUtf8()); }

// Each string's UTF-8 in hex and in quotes, so that [""] and [] differ.
inline QByteArray ShortHex(const QStringList& list) {
  QByteArray out = "[";
  for (qsizetype i = 0; i < list.size(); ++i) out += (i ? ", \"" : "\"") + ShortHex(list[i]) + '"';
  return out + "]";
}

[[noreturn]] inline void Fail(const char* file, int line, const char* condition, const QByteArray& detail) {
  std::fprintf(stderr, "\n%s:%d: check failed: %s\n", file, line, condition);
  if (!detail.isEmpty()) std::fprintf(stderr, "  %s\n", detail.constData());
  std::fflush(stderr);
  std::abort();
}

}  // namespace penwick::fuzz

// FUZZ_CHECK(condition, detail): detail is a QByteArray built only when the check fails.
#define FUZZ_CHECK(condition, detail)                                                            \
  do {                                                                                           \
    if (!(condition)) ::penwick::fuzz::Fail(__FILE__, __LINE__, #condition, QByteArray(detail)); \
  } while (false)
