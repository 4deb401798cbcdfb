#include "markup/set_tags.h"

#include <gtest/gtest.h>

#include "tests/support/qt_printers.h"

namespace penwick {
namespace {

// The composed text with "|" where the caret ends.
QString Shown(const Insertion& insertion) {
  QString text = insertion.text;
  return text.insert(insertion.caret, QLatin1Char('|'));
}

TEST(ComposeTagsTest, TextAndCaretForEveryFlagCombination) {
  struct Case {
    const char* start;
    const char* end;
    unsigned flags;
    int back;
    const char* wrapped;
    const char* expected;
  } cases[] = {
      // Nothing to wrap.
      {"<i>", "</i>", kWrapSelection, 4, "", "<i>|</i>"},
      {"<pre>", "</pre>", kOpenLine | kWrapSelection, 0, "", "<pre>\r\n|\r\n</pre>"},
      {"<html>", "</html>", kOpenLine, 0, "", "<html>\r\n|\r\n</html>"},
      {"<br>", "", kBreakAfterStart, 0, "", "<br>\r\n|"},
      {"<title></title>", "", 0, 8, "", "<title>|</title>"},
      {"<dt><dd>", "", 0, 0, "", "<dt><dd>|"},
      {"<blockquote>", "</blockquote>", kWrapSelection, 13, "", "<blockquote>|</blockquote>"},
      {"<textarea name=\"\" rows=\"\" cols=\"\">", "</textarea>", 0, 29, "",
       "<textarea name=\"|\" rows=\"\" cols=\"\"></textarea>"},
      // An opened line with no end text: the new empty line comes after the start text's line.
      {"<x>", "", kOpenLine, 0, "", "<x>\r\n|\r\n"},
      // Wrapping: breaks, opened lines and caret back do not apply; the caret ends after the end text.
      {"<i>", "</i>", kWrapSelection, 4, "word", "<i>word</i>|"},
      {"<pre>", "</pre>", kOpenLine | kWrapSelection, 0, "a\r\nb", "<pre>a\r\nb</pre>|"},
      {"name=\"\"", "", kWrapSelection, 1, "sel", "name=\"\"sel|"},
      // Text offered for wrapping by a call that does not wrap is ignored.
      {"<html>", "</html>", kOpenLine, 0, "x", "<html>\r\n|\r\n</html>"},
      // A caret back longer than the text stops at its start.
      {"<a>", "", 0, 9, "", "|<a>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " / " + c.wrapped);
    const TagCall call{QString::fromLatin1(c.start), QString::fromLatin1(c.end), c.flags, c.back};
    EXPECT_EQ(Shown(ComposeTags(call, QString::fromLatin1(c.wrapped))), QString::fromLatin1(c.expected));
  }
}

}  // namespace
}  // namespace penwick
