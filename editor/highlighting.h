#pragma once
// Load-time colouring: the tags of HTML and XML files and the comments of Pascal sources are shown blue. The
// colour lives in the text control's styles only: the text is never touched, so nothing of it reaches the
// saved file, and text typed later is black.

#include <QString>
#include <cstddef>

namespace penwick {

class TEditForm;
class TextControl;

enum class HighlightPass {
  kNone,
  kTags,      // from each "<" through the next ">"
  kComments,  // { }, (* *) and // to the line end
};

// Which pass a loaded file gets, by its extension (compared without regard to case): .htm and .html the tag
// pass; .xml the tag pass and .pas the comment pass, both only while white text on black is off. A viewing
// copy gets none.
HighlightPass PassFor(const QString& fileName, bool whiteOnBlack, bool viewingCopy);

// One-pass scanners over a document's UTF-8 bytes, fed in chunks: Scan writes one style per byte (0 or the
// blue style) and carries its state to the next chunk. The markup characters are all ASCII, so the bytes of
// one multi-byte character always get the same style.
class TagScanner {
 public:
  // Returns false: a tag's colour never reaches back into the chunk before.
  bool Scan(const char* bytes, std::size_t count, char* styles);

 private:
  bool inTag_ = false;
};

// The comment rules, as a byte machine without string literals: "{" opens a brace comment and any "}" turns
// the colour off; "//" outside brace and paren-star comments opens a line comment that the line end closes;
// "(*" opens a paren-star comment that "*)" closes. The opening characters are blue, and so is the closer.
class CommentScanner {
 public:
  // Returns true when the byte before this chunk (the first half of an opener) must be blue too.
  bool Scan(const char* bytes, std::size_t count, char* styles);

 private:
  bool blue_ = false;
  bool inBrace_ = false;
  bool inParen_ = false;
  bool inLine_ = false;
  char previous_ = 0;
};

// Colours the whole text of the control with the pass, in one go over the text (no questions asked).
void RunHighlightPass(TextControl& text, HighlightPass pass);

// Load's highlighting step: asks whether the pass for this window's file is wanted and runs it. Does
// nothing for a file that gets no pass.
void HighlightOnLoad(TEditForm& e);

}  // namespace penwick
