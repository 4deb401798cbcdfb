#include "app/desktop_file.h"

#include <QStringDecoder>

#include "platform/document_io.h"

namespace penwick {

namespace {
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
}  // namespace

DesktopFile ParseDesktop(const QByteArray& bytes) {
  DesktopFile desktop;
  // The decoder has taken one byte-order mark off; a second one is the first name's own character.
  // Line breaks may be of any kind, even mixed.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  const QString text = utf8(DecodeDocument(bytes).utf8);
  for (const QChar ch : text) {
    if (ch.unicode() < 0x20 && ch != QLatin1Char('\r') && ch != QLatin1Char('\n') &&
        ch != QLatin1Char('\t')) {
      desktop.binary = true;
      return desktop;
    }
  }
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    desktop.lines.append(text.sliced(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  // The line break that ends the last line starts no line of its own.
  if (start < text.size()) desktop.lines.append(text.sliced(start));
  return desktop;
}

QByteArray DesktopBytes(const QStringList& fileNames) {
  QByteArray bytes;
  // The reader takes one byte-order mark off the front: a first name that starts with U+FEFF keeps it only
  // behind a mark of its own.
  if (!fileNames.isEmpty() && fileNames.first().startsWith(QChar(0xFEFF))) bytes += kByteOrderMark;
  for (const QString& name : fileNames) bytes += name.toUtf8() + "\r\n";
  return bytes;
}

}  // namespace penwick
