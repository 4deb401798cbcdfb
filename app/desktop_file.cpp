#include "app/desktop_file.h"

#include "platform/document_io.h"

namespace penwick {

DesktopFile ParseDesktop(const QByteArray& bytes) {
  DesktopFile desktop;
  // The decoded text has CR LF line breaks whatever the file used.
  const QString text = QString::fromUtf8(DecodeDocument(bytes).utf8);
  for (const QChar ch : text) {
    if (ch.unicode() < 0x20 && ch != QLatin1Char('\r') && ch != QLatin1Char('\n') &&
        ch != QLatin1Char('\t')) {
      desktop.binary = true;
      return desktop;
    }
  }
  if (text.isEmpty()) return desktop;
  desktop.lines = text.split(QStringLiteral("\r\n"));
  // The line break that ends the last line starts no line of its own.
  if (text.endsWith(QStringLiteral("\r\n"))) desktop.lines.removeLast();
  return desktop;
}

QByteArray DesktopBytes(const QStringList& fileNames) {
  QByteArray bytes;
  for (const QString& name : fileNames) bytes += name.toUtf8() + "\r\n";
  return bytes;
}

}  // namespace penwick
