#pragma once
// Finds a search text in a UTF-8 document, forward only, with the two options of the Find and Replace
// dialogs. Works on the raw bytes of the text control so a search never copies or decodes the document.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <vector>

namespace penwick {

struct SearchOptions {
  bool wholeWord = false;
  bool matchCase = false;
};

class TextMatcher {
 public:
  // An empty pattern matches nothing.
  TextMatcher(const QString& pattern, SearchOptions options);

  bool Empty() const { return units_.empty(); }

  struct Hit {
    qsizetype start = -1;  // byte offset
    qsizetype length = 0;  // bytes; may differ from the pattern's when case is ignored
    explicit operator bool() const { return start >= 0; }
  };
  // The first match starting at byte from or later. The bytes before from count only for the whole-word
  // test, so pass the whole document.
  Hit Find(QByteArrayView text, qsizetype from) const;

 private:
  Hit FindSimple(QByteArrayView text, qsizetype from) const;
  Hit FindGeneral(QByteArrayView text, qsizetype from) const;
  // Length in bytes of a match of the general pattern at pos, or -1.
  qsizetype MatchAt(QByteArrayView text, qsizetype pos) const;
  bool WholeWordAt(QByteArrayView text, qsizetype start, qsizetype end) const;

  // One entry per character of the pattern: the UTF-8 forms that character may take in the text.
  std::vector<std::vector<QByteArray>> units_;
  bool wholeWord_ = false;
  bool firstIsWord_ = false;
  bool lastIsWord_ = false;
  // Simple patterns (case matched, or only ASCII characters) are one byte string compared through fold_,
  // searched with a skip table.
  bool simple_ = false;
  QByteArray bytes_;
  std::array<unsigned char, 256> fold_{};
  std::array<qsizetype, 256> skip_{};
  // General patterns: the bytes a match can start with.
  std::array<bool, 256> firstByte_{};
};

// Whether a character belongs to a word for the whole-word test: letters, digits and the underscore.
bool IsWordChar(char32_t ch);

}  // namespace penwick
