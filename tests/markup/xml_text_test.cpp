// The texts the script and XML items build, and the lower-casing of tags, without widgets.

#include "markup/xml_text.h"

#include <gtest/gtest.h>

#include "markup/tag_navigation.h"
#include "tests/support/qt_printers.h"

namespace penwick {
namespace {

// The insertion with "^" where the caret ends.
QString WithCaret(const Insertion& insertion) {
  QString text = insertion.text;
  return text.insert(insertion.caret, QLatin1Char('^'));
}

TEST(XmlTextTest, PrologWritesTheDeclarationAndDocumentTypeLine) {
  const QString declaration = "<?XML VERSION=\"1.0\" STANDALONE=\"no\"?>\r\n";
  const struct {
    const char* kind;
    const char* identifier;
    const char* location;
    const char* doctypeLine;  // after the declaration line
  } cases[] = {
      {"SYSTEM", "", "\"book.dtd\"", "<!DOCTYPE book SYSTEM \"book.dtd\">\r\n^"},
      // The kind is written as typed; an empty location adds nothing.
      {"public", "\"-//P//DTD B//EN\"", "", "<!DOCTYPE book public \"-//P//DTD B//EN\">\r\n^"},
      // An internal subset: the caret on an empty line inside the brackets.
      {"[]", "", "", "<!DOCTYPE book [\r\n^\r\n]>"},
      {"SYSTEM", "", "\"book.dtd\" []", "<!DOCTYPE book SYSTEM \"book.dtd\" [\r\n^\r\n]>"},
      {"SYSTEM", "", "[]", "<!DOCTYPE book SYSTEM [\r\n^\r\n]>"},
      // A "]" that is no typed "[]" belongs to the location, whole.
      {"SYSTEM", "", "\"x[1]\"]", "<!DOCTYPE book SYSTEM \"x[1]\"]>\r\n^"},
      {"SYSTEM", "", "]", "<!DOCTYPE book SYSTEM ]>\r\n^"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + c.location);
    const PrologAnswers answers{"STANDALONE=\"no\"", "book", c.kind, c.identifier, c.location};
    EXPECT_EQ(WithCaret(PrologInsertion(answers)), declaration + c.doctypeLine);
  }
  EXPECT_TRUE(PrologAsksIdentifier("Public"));
  EXPECT_FALSE(PrologAsksIdentifier("SYSTEM"));
  EXPECT_FALSE(PrologAsksLocation("[]"));
  EXPECT_TRUE(PrologAsksLocation("[ ]"));
}

TEST(XmlTextTest, TagsAreLoweredOutsideQuotesCommentsAndDeclarations) {
  const std::pair<const char*, const char*> cases[] = {
      {"<A HREF=\"Page.HTM\">LINK</A>", "<a href=\"Page.HTM\">LINK</a>"},
      {"<!DOCTYPE HTML><?XML VERSION=\"1.0\"?>", "<!DOCTYPE HTML><?XML VERSION=\"1.0\"?>"},
      // A comment keeps its case only up to the next "<" inside it.
      {"<!-- KEEP <B>X</B> -->", "<!-- KEEP <b>X</b> -->"},
      // A script's comparison reads as a tag: lowered up to its ">".
      {"if (a<Max && b>0) X", "if (a<max && b>0) X"},
      // A ">" inside a quoted value ends the tag; single quotes are no quotes.
      {"<IMG ALT=\"A>B\" SRC=X>Y", "<img alt=\"A>B\" SRC=X>Y"},
      {"<IMG ALT='A B'>", "<img alt='a b'>"},
      // Only A-Z: other characters, multi-byte ones included, keep every byte.
      {"<\xC3\x89L \xC3\x89=1>", "<\xC3\x89l \xC3\x89=1>"},
      // A tag or quote left open runs to the end of the text and keeps its length.
      {"<P CLASS=\"X", "<p class=\"X"},
      {"TEXT <BR", "TEXT <br"},
      {"<", "<"},
      {"", ""},
  };
  for (const auto& [before, after] : cases) {
    EXPECT_EQ(LowerCaseTags(QByteArray(before)), QByteArray(after)) << before;
  }
}

}  // namespace
}  // namespace penwick
