#include "editor/text_matcher.h"

#include <gtest/gtest.h>

namespace penwick::test {
namespace {

TEST(TextMatcherTest, FindsTheFirstMatchFromTheStartWithTheDialogOptions) {
  struct Case {
    const char* name;
    QByteArray text;  // UTF-8
    const char* pattern;
    bool wholeWord;
    bool matchCase;
    qsizetype from;
    qsizetype start;   // byte offset, -1 for none
    qsizetype length;  // bytes
  } cases[] = {
      {"case ignored", "Hello hello", "hello", false, false, 0, 0, 5},
      {"case matched", "Hello hello", "hello", false, true, 0, 6, 5},
      {"start counts", "Hello hello", "HELLO", false, false, 1, 6, 5},
      {"match at the very end", "abcab", "ab", false, true, 1, 3, 2},
      {"overlapping candidates", "aaab", "aab", false, true, 0, 1, 3},
      {"skip table keeps a near miss", "abcabd abcabc", "ABCABC", false, false, 0, 7, 6},
      {"longer than the text", "ab", "abc", false, false, 0, -1, 0},
      {"start past the end", "abc", "c", false, false, 3, -1, 0},
      {"nothing for an empty pattern", "abc", "", false, false, 0, -1, 0},
      {"NUL bytes are characters", QByteArray("a\0b\0ab", 6), "ab", false, true, 0, 4, 2},
      {"single character, exact", "xyzzy", "z", false, true, 0, 2, 1},
      {"whole word: inside a longer word", "catalog cat", "cat", true, false, 0, 8, 3},
      {"whole word: underscore joins words", "cat_x cat", "cat", true, false, 0, 6, 3},
      {"whole word: digits join words", "x1 1", "1", true, true, 0, 3, 1},
      {"whole word: letter before", "xcat", "cat", true, false, 0, -1, 0},
      {"whole word: accented letter before", "écat cat", "cat", true, false, 0, 6, 3},
      {"whole word: punctuation needs no boundary", "a<p>b", "<p>", true, false, 0, 1, 3},
      {"whole word: the character before the start counts", "xcat cat", "cat", true, false, 1, 5, 3},
      {"accented capitals, case ignored", "ÉCOLE école", "école", false, false, 0, 0, 6},
      {"accented capitals, case matched", "ÉCOLE école", "école", false, true, 0, 7, 6},
      {"Greek capitals", "\xCE\xA3\xCE\x9F\xCE\xA6 x", "\xCF\x83\xCE\xBF\xCF\x86", false, false, 0, 0, 6},
      {"forms of different byte length", "Ix \xC4\xB1x", "\xC4\xB1x", false, false, 0, 0, 2},
      {"characters outside the BMP", "a\xF0\x9F\x98\x80 \xF0\x9F\x98\x80", "\xF0\x9F\x98\x80", true, true, 2,
       6, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TextMatcher matcher(QString::fromUtf8(c.pattern), {c.wholeWord, c.matchCase});
    const TextMatcher::Hit hit = matcher.Find(c.text, c.from);
    EXPECT_EQ(hit.start, c.start);
    if (c.start >= 0) {
      EXPECT_EQ(hit.length, c.length);
    }
  }
}

TEST(TextMatcherTest, RepeatedSearchesVisitEveryMatchOnce) {
  // A document of repeated paragraphs: each match is found exactly once, in order, also ignoring case.
  QByteArray text;
  for (int i = 0; i < 1000; ++i) text += i % 2 ? "<B>Bold</B> and b\r\n" : "<b>bold</b> or bb\r\n";
  for (const bool matchCase : {false, true}) {
    const TextMatcher matcher(QStringLiteral("<b>"), {false, matchCase});
    int count = 0;
    qsizetype last = -1;
    for (TextMatcher::Hit hit = matcher.Find(text, 0); hit;
         hit = matcher.Find(text, hit.start + hit.length)) {
      ASSERT_GT(hit.start, last);
      last = hit.start;
      ++count;
    }
    EXPECT_EQ(count, matchCase ? 500 : 1000);
  }
}

}  // namespace
}  // namespace penwick::test
