// The search engine on its own: what it finds and replaces, with no dialog and no box.

#include "editor/text_search.h"

#include <gtest/gtest.h>

#include "editor/scintilla_widget.h"
#include "editor/text_control.h"

namespace penwick {
namespace {

TEST(TextSearchTest, FindsForwardFromTheCaretAndPassesOverASelectedMatch) {
  ScintillaWidget widget;
  TextControl text(&widget);
  const struct {
    const char* name;
    int selStart, selLength;
    QString what;
    SearchOptions options;
    bool found;
    int foundAt;
  } cases[] = {
      {"from the caret", 0, 0, "cat", {}, true, 4},
      {"any case", 0, 0, "CAT", {}, true, 4},
      {"match case", 0, 0, "Cat", {false, true}, true, 17},
      {"whole word", 0, 0, "cat", {true, false}, true, 12},
      {"a selected match is passed over", 4, 3, "cat", {}, true, 12},
      {"in any case", 4, 3, "CAT", {}, true, 12},
      {"no wrapping round", 18, 0, "cat", {}, false, 18},
      {"an empty text finds nothing", 0, 0, "", {}, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    text.LoadUtf8("the catalog cat. Cat");
    text.SetSelStart(c.selStart);
    text.SetSelLength(c.selLength);
    EXPECT_EQ(TextSearch(text).FindNext(c.what, c.options), c.found);
    if (c.found) {
      EXPECT_EQ(text.SelStart(), c.foundAt);
      EXPECT_EQ(text.SelLength(), c.what.size());
    }
  }
}

TEST(TextSearchTest, ReplacesTheSelectionOrEveryMatchAfterIt) {
  ScintillaWidget widget;
  TextControl text(&widget);
  text.LoadUtf8("a-b a-b A-B");
  text.SetSelStart(0);
  text.SetSelLength(3);
  TextSearch search(text);
  EXPECT_TRUE(search.SelectionIs("a-b"));
  EXPECT_FALSE(search.SelectionIs("A-B"));
  search.ReplaceSelection("a-b", "x", {});
  EXPECT_EQ(text.Text(), "x a-b A-B");
  // A replacement that holds the search text is never searched again.
  EXPECT_EQ(search.ReplaceAllAfterSelection("a-b", "a-b a-b", {}), 2);
  EXPECT_EQ(text.Text(), "x a-b a-b a-b a-b");
  EXPECT_EQ(search.ReplaceAllAfterSelection("", "y", {}), 0);
}

}  // namespace
}  // namespace penwick
