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
  // The style of the file's line breaks; in a file of mixed breaks the most common one, which new line
  // breaks take.
  LineEnd lineEnd = LineEnd::kCrLf;
  // The file's line breaks are not all of one kind (or it holds lone CRs inside its lines): they are held
  // in the editor exactly as in the file and saved as they are, so what the user did not edit comes back
  // byte for byte.
  bool mixedLineEnds = false;
};

// "\r\n", "\n" or "\r".
QByteArray LineBreakBytes(LineEnd lineEnd);

// A file that starts with a UTF-8 byte-order mark followed by valid UTF-8, or is valid UTF-8 holding at least
// one multi-byte sequence, is UTF-8; everything else is code page 1252.
TextEncoding DetectEncoding(const QByteArray& fileBytes);
// The majority of CR LF, lone LF and lone CR; CR LF when there is no line break or on a tie.
LineEnd DetectLineEnd(const QByteArray& fileBytes);

struct DecodedDocument {
  // The text for the control: UTF-8 without the byte-order mark; every line break CR LF unless the format
  // says the file's own breaks are kept.
  QByteArray utf8;
  DocumentFormat format;
};
// Decodes file bytes. Costs one pass; pure ASCII with CR LF is copied as it is. Encoding the result with its
// format gives the file's bytes back, whatever they are.
DecodedDocument DecodeDocument(const QByteArray& fileBytes);

// Encodes the control's text (UTF-8, CR LF) for the file. Returns false when a character cannot be held in
// the format's encoding; *badCharOffset is then the byte offset of that character in utf8.
bool EncodeDocument(const char* utf8, qsizetype size, const DocumentFormat& format, QByteArray* out,
                    qsizetype* badCharOffset = nullptr);

}  // namespace penwick
