#include "collections/word_counter.h"

#include <QChar>
#include <QFile>
#include <array>
#include <cstring>
#include <vector>

#include "platform/codepage.h"
#include "platform/file_io.h"

#if defined(__GNUC__)
#define PENWICK_ALWAYS_INLINE __attribute__((always_inline))
#else
#define PENWICK_ALWAYS_INLINE
#endif

namespace penwick {

namespace {

constexpr qint64 kChunk = 1 << 20;

// What a byte does to the count. kMulti: the lead byte of a UTF-8 character, classed by the character.
enum Class : uint8_t { kWord, kSeparator, kCr, kLf, kHyphen, kPeriod, kBracket, kMulti };

struct Tables {
  std::array<uint8_t, 256> codePage{};
  std::array<uint8_t, 256> utf8{};
};

constexpr Tables MakeTables() {
  Tables t;
  for (int b = 0; b < 256; ++b) {
    uint8_t c = (b <= 32 || (b >= 129 && b <= 160)) ? kSeparator : kWord;
    if (b == '\r') c = kCr;
    if (b == '\n') c = kLf;
    if (b == '-') c = kHyphen;
    if (b == '.') c = kPeriod;
    if (b == '<' || b == '>') c = kBracket;
    t.codePage[b] = c;
    t.utf8[b] = b < 0x80 ? c : static_cast<uint8_t>(kMulti);
  }
  return t;
}

constexpr Tables kTables = MakeTables();

struct State {
  int64_t lines = 0;
  int64_t words = 0;
  int64_t separatorRun = 1;
  int64_t periodRun = 0;
  int64_t hyphen = 0;
  int64_t dropped = 0;  // bytes of tags left out
  bool inTag = false;
  bool afterCr = false;  // a line feed right after a carriage return ends no second line
};

inline void WordByte(State& s) {
  if (s.separatorRun != 0 || s.periodRun == 3) {
    ++s.words;
    s.periodRun = 0;
    s.hyphen = 0;
  }
  s.separatorRun = 0;
  s.afterCr = false;
}

inline void LineEnd(State& s) {
  ++s.lines;
  if (s.hyphen == 1) {  // "co-" at the end of a line and "operate" on the next are one word
    s.hyphen = 0;
    --s.words;
  }
}

inline void ByClass(State& s, uint8_t c) {
  switch (c) {
    case kWord:
      WordByte(s);
      return;
    case kCr:
      LineEnd(s);
      ++s.separatorRun;
      s.afterCr = true;
      return;
    case kLf:
      if (!s.afterCr) LineEnd(s);
      ++s.separatorRun;
      break;
    case kHyphen:
      s.hyphen = s.separatorRun == 0 ? s.hyphen + 1 : 0;
      ++s.separatorRun;
      break;
    case kPeriod:
      if (s.separatorRun == 0) ++s.periodRun;
      break;
    default:  // separators and brackets
      ++s.separatorRun;
      break;
  }
  s.afterCr = false;
}

// The code-page class of a character of a UTF-8 file: its code-page twin's, or a word character's for
// letters (and anything else) the code page lacks; blanks separate.
uint8_t ComputeClassOf(char32_t ch) {
  const int byte = UnicodeToCp1252(ch);
  if (byte >= 0) return kTables.codePage[byte];
  if (ch == 0xFEFF || (ch < 0x10000 && QChar(static_cast<char16_t>(ch)).isSpace())) return kSeparator;
  return kWord;
}

// The classes of the characters of the Basic Multilingual Plane, worked out once.
const std::array<uint8_t, 0x10000>& BmpClasses() {
  static const auto* const classes = [] {
    auto* table = new std::array<uint8_t, 0x10000>;
    for (char32_t ch = 0; ch < 0x10000; ++ch) (*table)[ch] = ComputeClassOf(ch);
    return table;
  }();
  return *classes;
}

// Counts [p, end), which holds no NUL; atEnd when the file ends there. Returns where it stopped: end, or the
// start of a UTF-8 character cut by the end of the chunk, or nullptr when the bytes are not valid UTF-8 after
// all (the file is then counted again as code-page text). The state is worked on in a copy of its own: the
// text's bytes may alias anything, and the copy lets the counters stay in registers.
template <bool kUtf8, bool kSkipTags>
const uint8_t* Scan(State& state, const uint8_t* p, const uint8_t* end, bool atEnd) {
  const auto& table = kUtf8 ? kTables.utf8 : kTables.codePage;
  const std::array<uint8_t, 0x10000>* bmp = kUtf8 ? &BmpClasses() : nullptr;
  State s = state;
  enum Step { kOn, kCut, kInvalid };
  // One byte (or one UTF-8 character) that is not plain; p moves past it.
  const auto one = [&](const uint8_t*& at) PENWICK_ALWAYS_INLINE -> Step {
    const uint8_t b = *at;
    const uint8_t c = table[b];
    if constexpr (kSkipTags) {
      if (b == '<') {
        s.inTag = true;  // left out, with what follows, up to and with the next ">"
        return kOn;
      }
      if (b == '>') {  // a stray ">" is left out too
        ++s.dropped;
        ++at;
        return kOn;
      }
    }
    if constexpr (kUtf8) {
      if (c == kMulti) {
        char32_t ch = 0;
        const int n = DecodeUtf8Char(reinterpret_cast<const char*>(at), end - at, &ch);
        if (n == 0) return !atEnd && end - at < 4 ? kCut : kInvalid;
        ByClass(s, ch < 0x10000 ? (*bmp)[ch] : ComputeClassOf(ch));
        at += n;
        return kOn;
      }
    }
    if (c == kWord) {
      // Word bytes after the first change nothing: skip the run, and a single blank after it.
      WordByte(s);
      for (++at; at < end && table[*at] == kWord;) ++at;
      if (at < end && *at == ' ') {
        ++s.separatorRun;
        ++at;
      }
      return kOn;
    }
    ByClass(s, c);
    ++at;
    return kOn;
  };
  const auto stop = [&](Step step, const uint8_t* at) -> const uint8_t* {
    state = s;
    return step == kInvalid ? nullptr : at;
  };
  while (p < end) {
    if constexpr (kSkipTags) {
      if (s.inTag) {
        const auto* close = static_cast<const uint8_t*>(std::memchr(p, '>', end - p));
        if (!close) {
          s.dropped += end - p;
          return stop(kOn, end);
        }
        s.dropped += close - p + 1;
        p = close + 1;
        s.inTag = false;
        continue;
      }
    }
    const Step step = one(p);
    if (step != kOn) return stop(step, p);
  }
  return stop(kOn, p);
}

using Scanner = const uint8_t* (*)(State&, const uint8_t*, const uint8_t*, bool);

Scanner ScannerFor(bool utf8, bool skipTags) {
  if (utf8) return skipTags ? Scan<true, true> : Scan<true, false>;
  return skipTags ? Scan<false, true> : Scan<false, false>;
}

// Reads the file chunk by chunk up to its end or its first NUL; each chunk starts with the bytes the last
// one left (a UTF-8 character cut in two). handle(begin, end, atEnd) returns where it stopped.
class ChunkReader {
 public:
  explicit ChunkReader(QFile& file) : file_(file), buffer_(kChunk + 8) {}

  template <typename Handle>
  bool Run(Handle handle, QString* error) {
    qsizetype carried = 0;
    while (true) {
      const qint64 got = file_.read(buffer_.data() + carried, kChunk);
      if (got < 0) {
        *error = QStringLiteral("Unable to read %1\n%2").arg(file_.fileName(), file_.errorString());
        return false;
      }
      qsizetype size = carried + got;
      bool atEnd = got == 0;
      if (const void* nul = std::memchr(buffer_.data() + carried, 0, got)) {
        size = static_cast<const char*>(nul) - buffer_.data();
        atEnd = true;
      }
      total_ += size - carried;
      const auto* begin = reinterpret_cast<const uint8_t*>(buffer_.data());
      const uint8_t* stop = handle(begin, begin + size, atEnd);
      if (!stop) return true;  // the handler has seen enough
      carried = begin + size - stop;
      if (atEnd) return true;
      std::memmove(buffer_.data(), stop, carried);
    }
  }
  // Bytes read, up to the first NUL.
  int64_t Total() const { return total_; }

 private:
  QFile& file_;
  std::vector<char> buffer_;
  int64_t total_ = 0;
};

bool OpenRegular(const QString& path, QFile& file, QString* error) {
  if (KindOfPath(path) != PathKind::kRegularFile) {
    *error = NotRegularFileMessage(path);
    return false;
  }
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly) || file.isSequential()) {
    *error = QStringLiteral("Unable to read %1\n%2").arg(path, file.errorString());
    return false;
  }
  return true;
}

// Counts the file from its start; false when it cannot be read, or (as UTF-8) when it is not valid UTF-8.
bool CountFrom(QFile& file, bool utf8, bool skipTags, State* state, int64_t* total, bool* notUtf8,
               QString* error) {
  if (!file.seek(0)) {
    *error = QStringLiteral("Unable to read %1\n%2").arg(file.fileName(), file.errorString());
    return false;
  }
  *state = State();
  const Scanner scan = ScannerFor(utf8, skipTags);
  ChunkReader reader(file);
  *notUtf8 = false;
  const bool read = reader.Run(
      [&](const uint8_t* p, const uint8_t* end, bool atEnd) -> const uint8_t* {
        const uint8_t* stop = scan(*state, p, end, atEnd);
        if (!stop) *notUtf8 = true;
        return stop;
      },
      error);
  *total = reader.Total();
  return read && !*notUtf8;
}

}  // namespace

// A file of valid UTF-8 holding a multi-byte character is counted by characters; any other file by bytes of
// the code page. Both read the same for pure ASCII, so the file is counted as UTF-8 in one pass, and again as
// code-page text only when a byte turns out not to be UTF-8.
bool CountWordsInFile(const QString& path, bool skipTags, WordCount* count, QString* error) {
  QFile file;
  if (!OpenRegular(path, file, error)) return false;
  State state;
  int64_t total = 0;
  bool notUtf8 = false;
  if (!CountFrom(file, true, skipTags, &state, &total, &notUtf8, error)) {
    if (!notUtf8) return false;
    if (!CountFrom(file, false, skipTags, &state, &total, &notUtf8, error)) return false;
  }
  count->bytes = total - state.dropped;
  count->lines = state.lines;
  count->words = state.words;
  return true;
}

}  // namespace penwick
