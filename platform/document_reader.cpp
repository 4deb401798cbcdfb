// Reading document files in blocks straight into a sink, without holding the file as a whole.

#include <QDir>
#include <cstring>

#include "platform/document_io.h"
#include "platform/file_io.h"

namespace penwick {

namespace {

constexpr qint64 kBlockBytes = qint64(256) << 10;  // stays in the processor's cache while it is worked on

enum class PassResult { kDone, kFailed, kAgain };

// One pass over a file whose text is its bytes (but for a byte-order mark): line breaks CR LF or mixed, and
// ASCII or UTF-8, as most files are. Gives up (kAgain) as soon as the file turns out otherwise.
PassResult ReadAsIs(FileReader& reader, char* data, DocumentSink& sink, DocumentScan* scan, QString* error) {
  FormatScanner scanner;
  qint64 got = reader.Read(data, kBlockBytes, error);
  if (got < 0) return PassResult::kFailed;
  DocumentScan asIs;
  const bool bom = got >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0;
  asIs.format.encoding = bom ? TextEncoding::kUtf8Bom : TextEncoding::kUtf8;
  DocumentDecoder decoder(asIs);
  sink.Start(reader.Size() - (bom ? 3 : 0));
  for (; got > 0; got = reader.Read(data, kBlockBytes, error)) {
    scanner.Feed(data, got);
    if (!scanner.CopiesSoFar()) return PassResult::kAgain;
    if (!sink.Append(decoder.Feed(data, got))) return PassResult::kFailed;
  }
  if (got < 0) return PassResult::kFailed;
  const DocumentScan found = scanner.Finish();
  if (found.convertBreaks || found.convertHigh || (found.format.encoding == TextEncoding::kUtf8Bom) != bom) {
    return PassResult::kAgain;
  }
  *scan = found;
  return PassResult::kDone;
}

// A first pass finds the format, a second decodes and scans again: a file changed in between is read again.
PassResult ReadInTwoPasses(FileReader& reader, char* data, DocumentSink& sink, DocumentScan* scan,
                           QString* error) {
  FormatScanner first;
  qint64 got;
  while ((got = reader.Read(data, kBlockBytes, error)) > 0) first.Feed(data, got);
  if (got < 0 || !reader.Rewind(error)) return PassResult::kFailed;
  const DocumentScan found = first.Finish();

  FormatScanner again;
  DocumentDecoder decoder(found);
  sink.Start(found.textBytes);
  while ((got = reader.Read(data, kBlockBytes, error)) > 0) {
    again.Feed(data, got);
    if (!sink.Append(decoder.Feed(data, got))) return PassResult::kFailed;
  }
  if (got < 0 || !sink.Append(decoder.Finish())) return PassResult::kFailed;
  if (again.Finish() != found) return PassResult::kAgain;
  *scan = found;
  return PassResult::kDone;
}

}  // namespace

bool ReadDocument(const QString& path, DocumentSink& sink, DocumentScan* scan, QString* error,
                  qint64 maxBytes) {
  FileReader reader;
  if (!reader.Open(path, error, maxBytes)) return false;
  QByteArray block(kBlockBytes, Qt::Uninitialized);
  char* data = block.data();
  QString readError;
  PassResult result = ReadAsIs(reader, data, sink, scan, &readError);
  // A file that another program writes while it is read may need another go; one that never holds still
  // is refused.
  for (int attempt = 0; attempt < 3 && result == PassResult::kAgain; ++attempt) {
    result = reader.Rewind(&readError) ? ReadInTwoPasses(reader, data, sink, scan, &readError)
                                       : PassResult::kFailed;
  }
  if (result == PassResult::kDone) return true;
  if (error) {
    const QString name = QDir::toNativeSeparators(path);
    if (!readError.isEmpty()) {
      *error = readError;
    } else if (result == PassResult::kFailed) {
      *error = QStringLiteral("Unable to read %1\nThere is not enough memory to hold it.").arg(name);
    } else {
      *error = QStringLiteral("Unable to read %1\nIt kept changing while it was read.").arg(name);
    }
  }
  return false;
}

}  // namespace penwick
