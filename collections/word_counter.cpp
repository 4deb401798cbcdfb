#include "collections/word_counter.h"

#include <QChar>
#include <QFile>
#include <QFileInfo>

#include "platform/codepage.h"
#include "platform/file_io.h"

namespace penwick {

void WordScanner::Add(unsigned char b, bool lineEnd) {
  const bool separator = b <= 32 || (b >= 129 && b <= 160);
  if (separator) {
    if (b == '\r' || lineEnd) {
      ++lines_;
      if (hyphen_ == 1) {
        hyphen_ = 0;
        --words_;
      }
    }
    ++separatorRun_;
  } else if (b == '-') {
    hyphen_ = separatorRun_ == 0 ? hyphen_ + 1 : 0;
    ++separatorRun_;
  } else if (b == '.') {
    if (separatorRun_ == 0) ++periodRun_;
  } else if (b == '<' || b == '>') {
    ++separatorRun_;
  } else {
    if (separatorRun_ != 0 || periodRun_ == 3) {
      ++words_;
      periodRun_ = 0;
      hyphen_ = 0;
    }
    separatorRun_ = 0;
  }
}

namespace {

constexpr qint64 kChunk = 1 << 20;

// The code-page byte whose class a character takes.
unsigned char ClassByte(char32_t ch) {
  if (ch < 0x80) return static_cast<unsigned char>(ch);
  const int byte = UnicodeToCp1252(ch);
  if (byte >= 0) return static_cast<unsigned char>(byte);
  if (ch < 0x10000 && QChar(static_cast<char16_t>(ch)).isSpace()) return ' ';
  if (ch == 0xFEFF) return ' ';
  return 'a';  // letters, and anything else the code page lacks, belong to words
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

// Whether the file up to its first NUL is UTF-8 text with at least one multi-byte character.
bool StreamIsUtf8(QFile& file) {
  QByteArray carry;
  bool multiByte = false;
  while (true) {
    QByteArray chunk = carry + file.read(kChunk);
    const bool atEnd = chunk.size() == carry.size();
    if (const qsizetype nul = chunk.indexOf('\0'); nul >= 0) {
      chunk.truncate(nul);
      carry.clear();
      for (qsizetype i = 0; i < chunk.size();) {
        char32_t ch = 0;
        const int n = DecodeUtf8Char(chunk.constData() + i, chunk.size() - i, &ch);
        if (n == 0) return false;
        multiByte |= n > 1;
        i += n;
      }
      return multiByte;
    }
    qsizetype i = 0;
    while (i < chunk.size()) {
      char32_t ch = 0;
      const int n = DecodeUtf8Char(chunk.constData() + i, chunk.size() - i, &ch);
      if (n == 0) {
        // A sequence cut by the chunk's end is finished by the next chunk.
        if (!atEnd && chunk.size() - i < 4) break;
        return false;
      }
      multiByte |= n > 1;
      i += n;
    }
    carry = chunk.mid(i);
    if (atEnd) return multiByte && carry.isEmpty();
  }
}

}  // namespace

bool CountWordsInFile(const QString& path, bool skipTags, WordCount* count, QString* error) {
  QFile file;
  if (!OpenRegular(path, file, error)) return false;
  const bool utf8 = StreamIsUtf8(file);
  if (!file.seek(0)) {
    *error = QStringLiteral("Unable to read %1\n%2").arg(path, file.errorString());
    return false;
  }
  WordScanner scanner;
  WordCount result;
  bool inTag = false;
  unsigned char previous = 0;
  QByteArray carry;
  bool done = false;
  while (!done) {
    const QByteArray read = file.read(kChunk);
    if (read.isEmpty()) {
      if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Unable to read %1\n%2").arg(path, file.errorString());
        return false;
      }
      break;
    }
    const QByteArray chunk = carry + read;
    carry.clear();
    qsizetype i = 0;
    while (i < chunk.size()) {
      const auto b = static_cast<unsigned char>(chunk[i]);
      if (b == 0) {
        done = true;
        break;
      }
      int length = 1;
      char32_t ch = b;
      if (utf8 && b >= 0x80) {
        length = DecodeUtf8Char(chunk.constData() + i, chunk.size() - i, &ch);
        if (length == 0) {  // cut by the chunk's end: finished by the next one
          carry = chunk.mid(i);
          break;
        }
      }
      i += length;
      if (skipTags) {
        if (b == '<') inTag = true;
        const bool dropped = inTag || b == '>';
        if (b == '>') inTag = false;
        if (dropped) continue;
      }
      result.bytes += length;
      const unsigned char cls = utf8 ? ClassByte(ch) : b;
      scanner.Add(cls, b == '\n' && previous != '\r');
      previous = b;
    }
  }
  result.lines = scanner.Lines();
  result.words = scanner.Words();
  *count = result;
  return true;
}

}  // namespace penwick
