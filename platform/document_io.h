#pragma once
// Reading and writing whole documents. Inside the editor a document is UTF-8 with CR LF line breaks; on disk
// it keeps the encoding and line-end style it was read with.

#include <QByteArray>
#include <QString>

namespace penwick {

enum class TextEncoding { kCp1252, kUtf8, kUtf8Bom };
enum class LineEnd { kCrLf, kLf, kCr };

struct DocumentFormat {
  TextEncoding encoding = TextEncoding::kCp1252;
  LineEnd lineEnd = LineEnd::kCrLf;
};

// A file that starts with a UTF-8 byte-order mark, or is valid UTF-8 holding at least one multi-byte
// sequence, is UTF-8; everything else is code page 1252.
TextEncoding DetectEncoding(const QByteArray& fileBytes);
// The majority of CR LF, lone LF and lone CR; CR LF when there is no line break or on a tie.
LineEnd DetectLineEnd(const QByteArray& fileBytes);

struct DecodedDocument {
  QByteArray utf8;  // the text for the control: UTF-8, every line break CR LF, no byte-order mark
  DocumentFormat format;
};
// Decodes file bytes. Costs one pass; pure ASCII with CR LF is copied as it is.
DecodedDocument DecodeDocument(const QByteArray& fileBytes);

// Encodes the control's text (UTF-8, CR LF) for the file. Returns false when a character cannot be held in
// the format's encoding; *badCharOffset is then the byte offset of that character in utf8.
bool EncodeDocument(const char* utf8, qsizetype size, const DocumentFormat& format, QByteArray* out,
                    qsizetype* badCharOffset = nullptr);

// Reads a whole file. On failure returns false with a message naming the file in *error.
bool ReadWholeFile(const QString& path, QByteArray* out, QString* error);
// Writes a whole file through a temporary file beside it that is renamed over the target, so a failure
// leaves the old file byte-identical. On failure *error is "Unable to write to <path>" (plus the reason on a
// second line).
bool WriteWholeFileAtomic(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace penwick
