// Checks that files come back byte for byte when opened and saved unedited: each file under the folders
// given is read, decoded, loaded into a real text control, taken back out and encoded as a save would.
// Prints every file that would change and a count; exits 1 when any would. Run by `make roundtrip-check`.

#include <QApplication>
#include <QDirIterator>
#include <cstdio>

#include "editor/scintilla_widget.h"
#include "editor/text_control.h"
#include "platform/document_io.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  penwick::ScintillaWidget widget;
  penwick::TextControl text(&widget);
  int checked = 0;
  int changed = 0;
  int refused = 0;
  for (const QString& folder : QApplication::arguments().mid(1)) {
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString path = files.next();
      QByteArray bytes;
      QString error;
      if (!penwick::ReadWholeFile(path, &bytes, &error)) {
        ++refused;
        continue;
      }
      const penwick::DecodedDocument decoded = penwick::DecodeDocument(bytes);
      text.LoadUtf8(decoded.utf8);
      const QByteArrayView inside = text.Utf8();
      QByteArray saved;
      const bool encoded = penwick::EncodeDocument(inside.data(), inside.size(), decoded.format, &saved);
      ++checked;
      if (!encoded || saved != bytes) {
        ++changed;
        std::printf("CHANGED %s\n", qPrintable(path));
      }
    }
  }
  std::printf("%d files checked, %d would change, %d not regular files or unreadable\n", checked, changed,
              refused);
  return changed == 0 ? 0 : 1;
}
