#pragma once
// The desktop file: one full file name per line, each line ending in CR LF, nothing else.

#include <QByteArray>
#include <QStringList>

namespace penwick {

// Bounds that keep a hostile file from opening thousands of windows or boxes.
inline constexpr qint64 kMaxDesktopBytes = 1024 * 1024;
inline constexpr qsizetype kMaxDesktopFiles = 100;

struct DesktopFile {
  QStringList lines;    // one entry per line; no entry for the line break that ends the file
  bool binary = false;  // the file holds bytes no list of file names holds (NUL and other controls)
};

// The file names, as UTF-8 (code page 1252 when the bytes are not UTF-8), with CR LF, LF or CR lines.
DesktopFile ParseDesktop(const QByteArray& bytes);
// The open files as a desktop file.
QByteArray DesktopBytes(const QStringList& fileNames);

}  // namespace penwick
