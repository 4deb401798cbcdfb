#pragma once
// Readable GoogleTest output for Qt strings.

#include <gtest/gtest-printers.h>

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out) {
  *out << '[';
  for (qsizetype i = 0; i < list.size(); ++i) *out << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
  *out << ']';
}

// A C string compared with a QString is text: a failure shows it as text, not as a pointer.
template <>
class testing::internal::FormatForComparison<const char*, QString> {
 public:
  static std::string Format(const char* value) { return ::testing::PrintToString(value); }
};
