// ParseDesktop on arbitrary bytes must not crash, and a desktop file written by DesktopBytes must read back
// as the same list of file names. The names are taken from the input: up to 20 pieces between '\n' bytes,
// read as UTF-8; lists holding an empty name, a control character or U+FFFD (bytes that are not UTF-8) are
// not file names Penwick writes and are left out of the round trip.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

#include "app/desktop_file.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using penwick::fuzz::ShortHex;

constexpr qsizetype kMaxNames = 20;

bool IsWritableName(const QString& name) {
  if (name.isEmpty()) return false;
  for (const QChar c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0xFFFD) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  const penwick::DesktopFile parsed = penwick::ParseDesktop(bytes);
  if (parsed.binary) {
    FUZZ_CHECK(parsed.lines.isEmpty(), "binary file " + ShortHex(bytes) + " gave " + ShortHex(parsed.lines));
  }
  for (const QString& line : parsed.lines) {
    FUZZ_CHECK(!line.contains(u'\r') && !line.contains(u'\n'),
               "file " + ShortHex(bytes) + " gave line " + ShortHex(line));
  }

  QList<QByteArray> pieces = bytes.split('\n');
  if (pieces.size() > kMaxNames) pieces.resize(kMaxNames);
  QStringList names;
  for (const QByteArray& piece : pieces) {
    const QString name = QString::fromUtf8(piece);
    if (!IsWritableName(name)) return 0;
    names.append(name);
  }
  const QByteArray written = penwick::DesktopBytes(names);
  const penwick::DesktopFile reread = penwick::ParseDesktop(written);
  FUZZ_CHECK(!reread.binary, "names " + ShortHex(names) + " written as " + ShortHex(written));
  FUZZ_CHECK(reread.lines == names, "names " + ShortHex(names) + " written as " + ShortHex(written) +
                                        " read back as " + ShortHex(reread.lines));
  return 0;
}
