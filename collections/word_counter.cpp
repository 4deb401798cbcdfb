#include "collections/word_counter.h"

#include <QChar>
#include <QFile>
#include <array>
#include <cstring>
#include <vector>

#include "platform/codepage.h"
#include "platform/file_io.h"

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
uint8_t ClassOf(char32_t ch) {
  const int byte = UnicodeToCp1252(ch);
  if (byte >= 0) return kTables.codePage[byte];
  if (ch == 0xFEFF || (ch < 0x10000 && QChar(static_cast<char16_t>(ch)).isSpace())) return kSeparator;
  return kWord;
}

// Counts [p, end), which holds no NUL. Returns where it stopped: end, or the start of a UTF-8 character
// cut by the end of the chunk. The state is worked on in a copy of its own: the text's bytes may alias
// anything, and the copy lets the counters stay in registers.
template <bool kUtf8, bool kSkipTags>
const uint8_t* Scan(State& state, const uint8_t* p, const uint8_t* end) {
  const auto& table = kUtf8 ? kTables.utf8 : kTables.codePage;
  State s = state;
  const auto done = [&](const uint8_t* at) {
    state = s;
    return at;
  };
  while (p < end) {
    if constexpr (kSkipTags) {
      if (s.inTag) {
        const auto* close = static_cast<const uint8_t*>(std::memchr(p, '>', end - p));
        if (!close) {
          s.dropped += end - p;
          return done(end);
        }
        s.dropped += close - p + 1;
        p = close + 1;
        s.inTag = false;
        continue;
      }
    }
    const uint8_t b = *p;
    const uint8_t c = table[b];
    if (c == kWord) {
      // Word bytes after the first change nothing: skip the run, and a single blank after it.
      WordByte(s);
      for (++p; p < end && table[*p] == kWord;) ++p;
      if (p < end && *p == ' ') {
        ++s.separatorRun;
        ++p;
      }
      continue;
    }
    if constexpr (kSkipTags) {
      if (b == '<') {
        s.inTag = true;  // left out, with what follows, up to and with the next ">"
        continue;
      }
      if (b == '>') {  // a stray ">" is left out too
        ++s.dropped;
        ++p;
        continue;
      }
    }
    if constexpr (kUtf8) {
      if (c == kMulti) {
        char32_t ch = 0;
        const int n = DecodeUtf8Char(reinterpret_cast<const char*>(p), end - p, &ch);
        if (n == 0) return done(p);  // the file is valid UTF-8: the character goes on in the next chunk
        ByClass(s, ClassOf(ch));
        p += n;
        continue;
      }
    }
    ByClass(s, c);
    ++p;
  }
  return done(p);
}

using Scanner = const uint8_t* (*)(State&, const uint8_t*, const uint8_t*);

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

// Whether the bytes up to the first NUL are valid UTF-8 holding at least one multi-byte character.
bool StreamIsUtf8(QFile& file, QString* error) {
  bool valid = true;
  bool multiByte = false;
  ChunkReader reader(file);
  const bool read = reader.Run(
      [&](const uint8_t* p, const uint8_t* end, bool atEnd) -> const uint8_t* {
        while (p < end) {
          uint64_t eight = 0;
          if (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & 0x8080808080808080ULL) == 0)) {
            p += 8;
            continue;
          }
          if (*p < 0x80) {
            ++p;
            continue;
          }
          char32_t ch = 0;
          const int n = DecodeUtf8Char(reinterpret_cast<const char*>(p), end - p, &ch);
          if (n == 0) {
            if (!atEnd && end - p < 4) return p;  // finished by the next chunk
            valid = false;
            return nullptr;
          }
          multiByte = true;
          p += n;
        }
        if (atEnd && p != end) valid = false;
        return p;
      },
      error);
  return read && valid && multiByte;
}

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

}  // namespace

bool CountWordsInFile(const QString& path, bool skipTags, WordCount* count, QString* error) {
  QFile file;
  if (!OpenRegular(path, file, error)) return false;
  QString readError;
  const bool utf8 = StreamIsUtf8(file, &readError);
  if (!readError.isEmpty()) {
    *error = readError;
    return false;
  }
  if (!file.seek(0)) {
    *error = QStringLiteral("Unable to read %1\n%2").arg(path, file.errorString());
    return false;
  }
  State state;
  const Scanner scan = ScannerFor(utf8, skipTags);
  ChunkReader reader(file);
  if (!reader.Run([&](const uint8_t* p, const uint8_t* end, bool) { return scan(state, p, end); }, error)) {
    return false;
  }
  count->bytes = reader.Total() - state.dropped;
  count->lines = state.lines;
  count->words = state.words;
  return true;
}

}  // namespace penwick
