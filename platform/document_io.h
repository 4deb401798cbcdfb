#pragma once
// Reading and writing whole documents. Inside the editor a document is UTF-8 with CR LF line breaks; on disk
// it keeps the encoding and line-end style it was read with.

#include <QByteArray>
#include <QString>

#include "platform/file_io.h"

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
  bool operator==(const DocumentFormat&) const = default;
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

// What a first pass over a file finds: its format, and how its text is decoded. Two scans of the same bytes
// compare equal.
struct DocumentScan {
  DocumentFormat format;
  bool convertBreaks = false;  // every lone LF or CR becomes CR LF
  bool convertHigh = false;    // bytes of the code page become UTF-8
  bool multiByte = false;      // the text holds characters outside ASCII
  qint64 fileBytes = 0;
  qint64 textBytes = 0;  // the size of the decoded text; an upper bound when code page bytes are converted
  qint64 crLf = 0, lf = 0, cr = 0, high = 0;
  bool operator==(const DocumentScan&) const = default;
};

// Finds the format of a file given block by block, as DecodeDocument does for the whole: a block may end
// inside a UTF-8 sequence or between the CR and the LF of a pair.
class FormatScanner {
 public:
  void Feed(const char* data, qsizetype size);
  // False once the bytes so far show that the text will not be the file's bytes as they are.
  bool CopiesSoFar() const;
  DocumentScan Finish();

 private:
  void Validate(const char* data, qsizetype size);

  DocumentScan scan_;
  bool pendingCr_ = false;
  bool valid_ = true;   // every complete sequence so far is valid UTF-8
  char head_[3] = {};   // the file's first bytes, for the byte-order mark
  char carry_[4] = {};  // a sequence cut by the last block's edge
  int carried_ = 0;
};

// Decodes a file block by block into the text for the control, by a scan of the whole file.
class DocumentDecoder {
 public:
  explicit DocumentDecoder(const DocumentScan& scan);
  // The text of one more block, valid until the next call. A CR at the block's end waits for the next block.
  QByteArrayView Feed(const char* data, qsizetype size);
  QByteArrayView Finish();

 private:
  DocumentScan scan_;
  qsizetype skip_;  // what is left of a byte-order mark to drop
  bool pendingCr_ = false;
  QByteArray out_;
};

// Receives a document's text block by block.
class DocumentSink {
 public:
  virtual ~DocumentSink() = default;
  // A new start: what was appended before is dropped. textBytes is the text's size or a bound above it.
  virtual void Start(qint64 textBytes) = 0;
  // False when the text cannot be held (out of memory).
  virtual bool Append(QByteArrayView text) = 0;
};

// Reads a document file in blocks into sink, so that the file is never held in memory as a whole. A file
// whose text is its bytes as they are (line breaks CR LF or mixed, ASCII or UTF-8) is read once; any other is
// read twice, a first pass finding its format and a second decoding it and scanning again (a file that
// changed meanwhile is read again). The same refusals as ReadWholeFile; on failure *error names the file and
// why.
bool ReadDocument(const QString& path, DocumentSink& sink, DocumentScan* scan, QString* error,
                  qint64 maxBytes = kMaxDocumentBytes);

// Encodes the control's text (UTF-8, CR LF) for the file. Returns false when a character cannot be held in
// the format's encoding; *badCharOffset is then the byte offset of that character in utf8.
bool EncodeDocument(const char* utf8, qsizetype size, const DocumentFormat& format, QByteArray* out,
                    qsizetype* badCharOffset = nullptr);

}  // namespace penwick
