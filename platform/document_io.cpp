#include "platform/document_io.h"

#include <cstring>

#include "platform/codepage.h"

namespace penwick {
namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr quint64 kOnes = 0x0101010101010101ULL;
constexpr quint64 kHighBits = 0x8080808080808080ULL;

bool HasBom(const char* data, qsizetype size) { return size >= 3 && std::memcmp(data, kBom, 3) == 0; }

// Non-zero when one of the eight bytes in word equals byte (may flag extra bytes, never misses one).
constexpr quint64 HasByte(quint64 word, unsigned char byte) {
  const quint64 x = word ^ (kOnes * byte);
  return (x - kOnes) & ~x & kHighBits;
}

// True when the eight bytes at data hold no line break and, when stopAtHighBytes is set, no byte >= 0x80:
// such a chunk can be copied unchanged. Documents are scanned a word at a time so plain text costs about a
// memcpy.
bool IsPlainChunk(const char* data, bool stopAtHighBytes) {
  quint64 word;
  std::memcpy(&word, data, sizeof word);
  const quint64 stops = HasByte(word, '\r') | HasByte(word, '\n') | (stopAtHighBytes ? word & kHighBits : 0);
  return stops == 0;
}

struct ByteCounts {
  qsizetype crLf = 0;
  qsizetype lf = 0;
  qsizetype cr = 0;
  qsizetype high = 0;  // bytes >= 0x80
};

ByteCounts CountBytes(const char* data, qsizetype size) {
  ByteCounts counts;
  qsizetype i = 0;
  while (i < size) {
    while (i + 8 <= size && IsPlainChunk(data + i, true)) i += 8;
    const qsizetype stop = std::min(size, i + 8);
    for (; i < stop; ++i) {
      const char c = data[i];
      if (c == '\r') {
        if (i + 1 < size && data[i + 1] == '\n') {
          ++counts.crLf;
          ++i;
        } else {
          ++counts.cr;
        }
      } else if (c == '\n') {
        ++counts.lf;
      } else if (static_cast<unsigned char>(c) >= 0x80) {
        ++counts.high;
      }
    }
  }
  return counts;
}

LineEnd Majority(const ByteCounts& counts) {
  if (counts.lf > counts.crLf && counts.lf > counts.cr) return LineEnd::kLf;
  if (counts.cr > counts.crLf && counts.cr > counts.lf) return LineEnd::kCr;
  return LineEnd::kCrLf;
}

char* AppendUtf8(char32_t ch, char* out) {
  if (ch < 0x80) {
    *out++ = static_cast<char>(ch);
  } else if (ch < 0x800) {
    *out++ = static_cast<char>(0xC0 | (ch >> 6));
    *out++ = static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    // Code page 1252 holds nothing outside the basic plane.
    *out++ = static_cast<char>(0xE0 | (ch >> 12));
    *out++ = static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (ch & 0x3F));
  }
  return out;
}

// Line breaks are converted only when the file uses one kind alone.
bool MixedLineEnds(const ByteCounts& counts) {
  return (counts.crLf > 0) + (counts.lf > 0) + (counts.cr > 0) > 1;
}

}  // namespace

QByteArray LineBreakBytes(LineEnd lineEnd) {
  switch (lineEnd) {
    case LineEnd::kLf:
      return QByteArrayLiteral("\n");
    case LineEnd::kCr:
      return QByteArrayLiteral("\r");
    case LineEnd::kCrLf:
      break;
  }
  return QByteArrayLiteral("\r\n");
}

TextEncoding DetectEncoding(const QByteArray& fileBytes) {
  const char* data = fileBytes.constData();
  const qsizetype size = fileBytes.size();
  if (HasBom(data, size) && IsValidUtf8(data + 3, size - 3)) return TextEncoding::kUtf8Bom;
  return LooksLikeUtf8Text(data, size) ? TextEncoding::kUtf8 : TextEncoding::kCp1252;
}

LineEnd DetectLineEnd(const QByteArray& fileBytes) {
  return Majority(CountBytes(fileBytes.constData(), fileBytes.size()));
}

DecodedDocument DecodeDocument(const QByteArray& fileBytes) {
  DecodedDocument document;
  // A mark followed by bytes that are not UTF-8 is no mark: such a file is read byte for byte as code page
  // 1252, mark included, so it is written back exactly.
  const bool bom = HasBom(fileBytes.constData(), fileBytes.size()) &&
                   IsValidUtf8(fileBytes.constData() + 3, fileBytes.size() - 3);
  const char* data = fileBytes.constData() + (bom ? 3 : 0);
  const qsizetype size = fileBytes.size() - (bom ? 3 : 0);
  const ByteCounts counts = CountBytes(data, size);
  document.format.lineEnd = Majority(counts);
  document.format.mixedLineEnds = MixedLineEnds(counts);
  if (bom) {
    document.format.encoding = TextEncoding::kUtf8Bom;
  } else if (counts.high > 0 && IsValidUtf8(data, size)) {
    document.format.encoding = TextEncoding::kUtf8;
  } else {
    document.format.encoding = TextEncoding::kCp1252;
  }
  const bool convertHigh = document.format.encoding == TextEncoding::kCp1252 && counts.high > 0;
  const bool convertBreaks = !document.format.mixedLineEnds && (counts.lf > 0 || counts.cr > 0);
  if (!convertHigh && !convertBreaks) {
    document.utf8 = bom ? fileBytes.sliced(3) : fileBytes;  // shares the file's bytes when there is no BOM
    return document;
  }

  // Each lone break grows by one byte, each code page byte by at most two.
  QByteArray out(size + (convertBreaks ? counts.lf + counts.cr : 0) + (convertHigh ? 2 * counts.high : 0),
                 Qt::Uninitialized);
  char* write = out.data();
  qsizetype i = 0;
  while (i < size) {
    if (i + 8 <= size && IsPlainChunk(data + i, convertHigh)) {
      std::memcpy(write, data + i, 8);
      write += 8;
      i += 8;
      continue;
    }
    const char c = data[i++];
    if (convertBreaks && (c == '\r' || c == '\n')) {
      *write++ = '\r';
      *write++ = '\n';
      if (c == '\r' && i < size && data[i] == '\n') ++i;
    } else if (convertHigh && static_cast<unsigned char>(c) >= 0x80) {
      write = AppendUtf8(Cp1252ToUnicode(static_cast<unsigned char>(c)), write);
    } else {
      *write++ = c;
    }
  }
  out.truncate(write - out.constData());
  document.utf8 = std::move(out);
  return document;
}

bool EncodeDocument(const char* utf8, qsizetype size, const DocumentFormat& format, QByteArray* out,
                    qsizetype* badCharOffset) {
  const bool toCp1252 = format.encoding == TextEncoding::kCp1252;
  const qsizetype prefix = format.encoding == TextEncoding::kUtf8Bom ? 3 : 0;
  const QByteArray lineBreak = LineBreakBytes(format.lineEnd);
  const char* lineEnd = lineBreak.constData();
  const qsizetype lineEndSize = lineBreak.size();

  const bool convertBreaks = !format.mixedLineEnds && format.lineEnd != LineEnd::kCrLf;
  bool copyAsIs = !convertBreaks;
  if (copyAsIs && toCp1252) {
    for (qsizetype i = 0; i < size && copyAsIs;) {
      if (i + 8 <= size) {
        quint64 word;
        std::memcpy(&word, utf8 + i, sizeof word);
        copyAsIs = (word & kHighBits) == 0;
        i += 8;
      } else {
        copyAsIs = static_cast<unsigned char>(utf8[i++]) < 0x80;
      }
    }
  }
  // Line ends and characters only ever shrink, so the text plus the mark is enough room.
  out->resize(size + prefix);
  char* write = out->data();
  std::memcpy(write, kBom, prefix);
  write += prefix;
  if (copyAsIs) {
    if (size > 0) std::memcpy(write, utf8, size);
    return true;
  }

  qsizetype i = 0;
  while (i < size) {
    if (i + 8 <= size && IsPlainChunk(utf8 + i, toCp1252)) {
      std::memcpy(write, utf8 + i, 8);
      write += 8;
      i += 8;
      continue;
    }
    const char c = utf8[i];
    if (convertBreaks && c == '\r' && i + 1 < size && utf8[i + 1] == '\n') {
      std::memcpy(write, lineEnd, lineEndSize);
      write += lineEndSize;
      i += 2;
    } else if (toCp1252 && static_cast<unsigned char>(c) >= 0x80) {
      char32_t ch = 0;
      const int length = DecodeUtf8Char(utf8 + i, size - i, &ch);
      const int byte = length > 0 ? UnicodeToCp1252(ch) : -1;
      if (byte < 0) {
        if (badCharOffset) *badCharOffset = i;
        return false;
      }
      *write++ = static_cast<char>(byte);
      i += length;
    } else {
      *write++ = c;  // a lone CR or LF in the text is written as it is
      ++i;
    }
  }
  out->truncate(write - out->constData());
  return true;
}

}  // namespace penwick
