#include "platform/document_io.h"

#include <algorithm>
#include <cstring>

#include "platform/codepage.h"

#if defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#define PENWICK_SSE2 1
#else
#define PENWICK_SSE2 0
#endif

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

// Adds one byte to the totals; a CR LF pair is an LF whose byte before is a CR.
struct ByteTotals {
  qsizetype cr = 0, lf = 0, pairs = 0, high = 0;
  void Add(const char* data, qsizetype at) {
    const char c = data[at];
    cr += c == '\r';
    lf += c == '\n';
    pairs += c == '\n' && at > 0 && data[at - 1] == '\r';
    high += static_cast<unsigned char>(c) >= 0x80;
  }
};

#if PENWICK_SSE2
// Sixteen bytes a step, counted in byte lanes that are added up before they can overflow: about a tenth of
// the time of a loop that stops at every line break.
qsizetype CountVectors(const char* data, qsizetype size, ByteTotals& totals) {
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i zero = _mm_setzero_si128();
  const auto sum = [zero](__m128i lanes) {
    const __m128i halves = _mm_sad_epu8(lanes, zero);
    return static_cast<qsizetype>(_mm_cvtsi128_si64(halves) +
                                  _mm_cvtsi128_si64(_mm_unpackhi_epi64(halves, halves)));
  };
  qsizetype at = 1;  // each step also reads the byte before its sixteen
  while (at + 16 <= size) {
    __m128i crs = zero, lfs = zero, pairs = zero, highs = zero;
    for (int step = 0; step < 255 && at + 16 <= size; ++step, at += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at));
      const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at - 1));
      const __m128i isCr = _mm_cmpeq_epi8(bytes, cr);
      const __m128i isLf = _mm_cmpeq_epi8(bytes, lf);
      crs = _mm_sub_epi8(crs, isCr);
      lfs = _mm_sub_epi8(lfs, isLf);
      pairs = _mm_sub_epi8(pairs, _mm_and_si128(isLf, _mm_cmpeq_epi8(before, cr)));
      highs = _mm_sub_epi8(highs, _mm_cmplt_epi8(bytes, zero));
    }
    totals.cr += sum(crs);
    totals.lf += sum(lfs);
    totals.pairs += sum(pairs);
    totals.high += sum(highs);
  }
  return at;
}
#endif

void CountBytes(const char* data, qsizetype size, ByteCounts& counts) {
  ByteTotals totals;
  qsizetype at = 0;
#if PENWICK_SSE2
  if (size > 16) {
    totals.Add(data, 0);
    at = CountVectors(data, size, totals);
  }
#else
  // Eight bytes a step where they hold no break and no byte >= 0x80.
  while (at < size) {
    while (at + 8 <= size && IsPlainChunk(data + at, true)) at += 8;
    const qsizetype stop = std::min(size, at + 8);
    for (; at < stop; ++at) totals.Add(data, at);
  }
#endif
  for (; at < size; ++at) totals.Add(data, at);
  counts.crLf += totals.pairs;
  counts.cr += totals.cr - totals.pairs;
  counts.lf += totals.lf - totals.pairs;
  counts.high += totals.high;
}

ByteCounts CountBytes(const char* data, qsizetype size) {
  ByteCounts counts;
  CountBytes(data, size, counts);
  return counts;
}

// The length of the UTF-8 sequence a lead byte starts; 1 for bytes that start none.
int SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
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

// Decodes data into out, which has room for three bytes per byte and two more; returns the end written.
// Line breaks become CR LF when convertBreaks is set, bytes of the code page UTF-8 when convertHigh is.
char* DecodeInto(const char* data, qsizetype size, bool convertBreaks, bool convertHigh, char* write) {
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
  return write;
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

void FormatScanner::Feed(const char* data, qsizetype size) {
  if (size <= 0) return;
  for (qsizetype k = 0; k < size && scan_.fileBytes + k < 3; ++k) head_[scan_.fileBytes + k] = data[k];
  scan_.fileBytes += size;
  ByteCounts counts;
  qsizetype from = 0;
  if (pendingCr_) {
    pendingCr_ = false;
    if (data[0] == '\n') {
      ++counts.crLf;
      from = 1;
    } else {
      ++counts.cr;
    }
  }
  // A CR at the block's end may be the first half of a pair.
  qsizetype to = size;
  if (to > from && data[to - 1] == '\r') {
    pendingCr_ = true;
    --to;
  }
  CountBytes(data + from, to - from, counts);
  scan_.crLf += counts.crLf;
  scan_.lf += counts.lf;
  scan_.cr += counts.cr;
  scan_.high += counts.high;
  if (valid_ && (counts.high > 0 || carried_ > 0)) Validate(data, size);
}

void FormatScanner::Validate(const char* data, qsizetype size) {
  qsizetype start = 0;
  // First the sequence the last block's edge cut.
  while (carried_ > 0 && start < size) {
    carry_[carried_++] = data[start++];
    const int length = SequenceLength(static_cast<unsigned char>(carry_[0]));
    if (carried_ == length) {
      char32_t ch;
      valid_ = DecodeUtf8Char(carry_, length, &ch) == length;
      carried_ = 0;
    }
  }
  if (!valid_ || start == size) return;
  // A sequence cut by this block's edge waits for the next block.
  qsizetype end = size;
  for (qsizetype k = size - 1; k >= std::max(start, size - 3); --k) {
    const auto byte = static_cast<unsigned char>(data[k]);
    if (byte < 0x80) break;
    if (byte >= 0xC0) {
      if (k + SequenceLength(byte) > size) end = k;
      break;
    }
  }
  valid_ = IsValidUtf8(data + start, end - start);
  carried_ = static_cast<int>(size - end);
  std::memcpy(carry_, data + end, carried_);
}

bool FormatScanner::CopiesSoFar() const {
  const bool convertBreaks = scan_.crLf == 0 && (scan_.lf > 0 || scan_.cr > 0);
  return !convertBreaks && (valid_ || scan_.high == 0);
}

DocumentScan FormatScanner::Finish() {
  DocumentScan scan = scan_;
  if (pendingCr_) ++scan.cr;
  const bool valid = valid_ && carried_ == 0;
  // A mark followed by bytes that are not UTF-8 is no mark: such a file is read byte for byte as code page
  // 1252, mark included, so it is written back exactly.
  const bool bom = scan.fileBytes >= 3 && std::memcmp(head_, kBom, 3) == 0 && valid;
  const qint64 high = scan.high - (bom ? 3 : 0);
  ByteCounts counts;
  counts.crLf = scan.crLf;
  counts.lf = scan.lf;
  counts.cr = scan.cr;
  scan.format.lineEnd = Majority(counts);
  scan.format.mixedLineEnds = MixedLineEnds(counts);
  if (bom) {
    scan.format.encoding = TextEncoding::kUtf8Bom;
  } else if (high > 0 && valid) {
    scan.format.encoding = TextEncoding::kUtf8;
  } else {
    scan.format.encoding = TextEncoding::kCp1252;
  }
  scan.convertHigh = scan.format.encoding == TextEncoding::kCp1252 && high > 0;
  scan.convertBreaks = !scan.format.mixedLineEnds && (scan.lf > 0 || scan.cr > 0);
  scan.multiByte = high > 0;
  // Each lone break grows by one byte, each code page byte by at most two.
  scan.textBytes = scan.fileBytes - (bom ? 3 : 0) + (scan.convertBreaks ? scan.lf + scan.cr : 0) +
                   (scan.convertHigh ? 2 * high : 0);
  return scan;
}

DocumentDecoder::DocumentDecoder(const DocumentScan& scan)
    : scan_(scan), skip_(scan.format.encoding == TextEncoding::kUtf8Bom ? 3 : 0) {}

QByteArrayView DocumentDecoder::Feed(const char* data, qsizetype size) {
  const qsizetype skipped = std::min(skip_, size);
  skip_ -= skipped;
  data += skipped;
  size -= skipped;
  if (!scan_.convertBreaks && !scan_.convertHigh) return QByteArrayView(data, size);
  if (out_.size() < 3 * size + 2) out_.resize(3 * size + 2);
  char* write = out_.data();
  if (pendingCr_ && size > 0) {
    pendingCr_ = false;
    *write++ = '\r';
    *write++ = '\n';
    if (scan_.convertBreaks && data[0] == '\n') ++data, --size;
  }
  if (scan_.convertBreaks && size > 0 && data[size - 1] == '\r') {
    pendingCr_ = true;
    --size;
  }
  write = DecodeInto(data, size, scan_.convertBreaks, scan_.convertHigh, write);
  return QByteArrayView(out_.constData(), write - out_.constData());
}

QByteArrayView DocumentDecoder::Finish() {
  if (!pendingCr_) return {};
  pendingCr_ = false;
  return QByteArrayView("\r\n", 2);
}

DecodedDocument DecodeDocument(const QByteArray& fileBytes) {
  DecodedDocument document;
  FormatScanner scanner;
  scanner.Feed(fileBytes.constData(), fileBytes.size());
  const DocumentScan scan = scanner.Finish();
  document.format = scan.format;
  if (!scan.convertBreaks && !scan.convertHigh) {
    // shares the file's bytes when there is no mark
    document.utf8 = scan.format.encoding == TextEncoding::kUtf8Bom ? fileBytes.sliced(3) : fileBytes;
    return document;
  }
  const qsizetype skip = scan.format.encoding == TextEncoding::kUtf8Bom ? 3 : 0;
  QByteArray out(scan.textBytes, Qt::Uninitialized);
  const char* end = DecodeInto(fileBytes.constData() + skip, fileBytes.size() - skip, scan.convertBreaks,
                               scan.convertHigh, out.data());
  out.truncate(end - out.constData());
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
  const bool copyAsIs = !convertBreaks && !(toCp1252 && HasHighByte(utf8, size));
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
