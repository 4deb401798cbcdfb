// Documents are kept byte for byte: decoding any file and encoding the text again with the format it was
// read with must give the file's bytes back. Also checks that the format DecodeDocument reports is the one
// DetectEncoding and DetectLineEnd give for the same bytes, and that a file not marked as having mixed line
// ends has breaks of that one style only and reaches the control with every line break as CR LF.

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/document_io.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using penwick::fuzz::ShortHex;

struct BreakCounts {
  qsizetype crLf = 0;
  qsizetype lf = 0;
  qsizetype cr = 0;
};

BreakCounts CountBreaks(const QByteArray& text) {
  BreakCounts counts;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++counts.crLf;
      ++i;
    } else if (text[i] == '\r') {
      ++counts.cr;
    } else if (text[i] == '\n') {
      ++counts.lf;
    }
  }
  return counts;
}

// The one style of line break in the file, or nothing when it has none or more than one.
std::optional<penwick::LineEnd> SingleStyle(const BreakCounts& counts) {
  const int styles = (counts.crLf > 0) + (counts.lf > 0) + (counts.cr > 0);
  if (styles != 1) return std::nullopt;
  if (counts.crLf > 0) return penwick::LineEnd::kCrLf;
  return counts.lf > 0 ? penwick::LineEnd::kLf : penwick::LineEnd::kCr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

  const penwick::DecodedDocument d = penwick::DecodeDocument(bytes);
  QByteArray out;
  qsizetype badCharOffset = -1;
  const bool ok = penwick::EncodeDocument(d.utf8.constData(), d.utf8.size(), d.format, &out, &badCharOffset);
  FUZZ_CHECK(ok, "file " + ShortHex(bytes) + " decoded to " + ShortHex(d.utf8) +
                     " cannot be encoded again: bad character at " + QByteArray::number(badCharOffset));
  FUZZ_CHECK(out == bytes, "file " + ShortHex(bytes) + " decoded to " + ShortHex(d.utf8) +
                               " was encoded as " + ShortHex(out));

  const penwick::TextEncoding encoding = penwick::DetectEncoding(bytes);
  const penwick::LineEnd lineEnd = penwick::DetectLineEnd(bytes);
  FUZZ_CHECK(encoding == d.format.encoding, "file " + ShortHex(bytes) + ": detected encoding " +
                                                QByteArray::number(static_cast<int>(encoding)) +
                                                ", decoded as " +
                                                QByteArray::number(static_cast<int>(d.format.encoding)));
  FUZZ_CHECK(lineEnd == d.format.lineEnd, "file " + ShortHex(bytes) + ": detected line end " +
                                              QByteArray::number(static_cast<int>(lineEnd)) +
                                              ", decoded as " +
                                              QByteArray::number(static_cast<int>(d.format.lineEnd)));

  if (!d.format.mixedLineEnds) {
    const BreakCounts inFile = CountBreaks(bytes);
    const QByteArray detail = "file " + ShortHex(bytes) + " decoded to " + ShortHex(d.utf8) +
                              " without mixed line ends, line end " +
                              QByteArray::number(static_cast<int>(d.format.lineEnd));
    if (inFile.crLf + inFile.lf + inFile.cr > 0) {
      FUZZ_CHECK(SingleStyle(inFile) == d.format.lineEnd, detail);
    }
    const BreakCounts inText = CountBreaks(d.utf8);
    FUZZ_CHECK(inText.lf == 0 && inText.cr == 0, detail);
    FUZZ_CHECK(inText.crLf == inFile.crLf + inFile.lf + inFile.cr, detail);
  }
  return 0;
}
