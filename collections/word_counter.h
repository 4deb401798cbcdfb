#pragma once
// Counting the bytes, lines and words of a file on disk, as the word counter reports them: the file is
// streamed (never read whole), tags can be left out, and every count is 64 bits.

#include <QString>
#include <cstdint>

namespace penwick {

struct WordCount {
  int64_t bytes = 0;  // of the text counted (tags left out when skipped)
  int64_t lines = 0;
  int64_t words = 0;
};

// Counts a regular file, up to its end or its first NUL byte, by the counting rule: characters are classed
// as code-page-1252 bytes, separators being the bytes 0 to 32 and 129 to 160 (curly quotes, dashes, the
// ellipsis) and every other byte part of a word. A hyphen right after a word byte and a line end right
// after that weld the pieces on both lines into one word; periods inside a word do not split it until
// exactly three of them have followed the word's bytes; "<" and ">" end a word. A UTF-8 file (valid, with at
// least one multi-byte character) is counted by characters, each classified as its code-page-1252 twin would
// be: letters outside the code page are word characters, blanks separators. With skipTags every "<" ... ">"
// stretch is left out with both brackets, and so is a stray ">". Lines end at a carriage return, or at a
// line feed not preceded by one. Returns false with a message when the file cannot be read.
bool CountWordsInFile(const QString& path, bool skipTags, WordCount* count, QString* error);

}  // namespace penwick
