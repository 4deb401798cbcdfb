#pragma once
// A recovery copy of one document: the text as the editor holds it and what is needed to give it back
// exactly: the full file name (or "New File"), the encoding and line ends it is saved with, the window
// number, the caret, and the file as it was on disk when last loaded or saved.

#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/document_io.h"
#include "platform/file_io.h"

namespace penwick {

struct DocumentCopy {
  QString fileName;
  DocumentFormat format;
  int windowNumber = 0;
  int caret = 0;
  std::optional<FileStamp> diskStamp;
  qint64 savedAt = 0;  // milliseconds since the epoch
  QByteArray utf8;     // the editor's text: UTF-8, its line breaks as the editor holds them
};

QByteArray EncodeDocumentCopy(const DocumentCopy& copy);
// Nothing when the bytes are not a whole, undamaged document copy.
std::optional<DocumentCopy> DecodeDocumentCopy(const QByteArray& bytes);

}  // namespace penwick
