#pragma once
// Reading RTF as word processors write it into formatted text for the read-only RTF view: paragraphs of
// runs with their character formats, and tables as grids of cells. Field results, list numbers and the
// shown result of embedded objects are kept; pictures, object data, shapes (with their text boxes),
// headers, footers, footnotes, comments, hidden text and every ignorable ({\*...}) destination are left
// out. Nothing the file refers to is ever fetched.
//
// The reader trusts nothing: it runs in one linear pass with an explicit group stack of bounded depth, so a
// truncated, deeply nested or binary file gives what could be read, quickly.

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace penwick {

enum class RtfVertical { kNormal, kSuper, kSub };

struct RtfCharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  int halfPoints = 24;  // font size in half points
  RtfVertical vertical = RtfVertical::kNormal;
  std::optional<uint32_t> colour;      // 0xRRGGBB; none is the automatic (default) colour
  std::optional<uint32_t> background;  // highlight or character shading
  QString fontFamily;                  // empty when the font table does not name the font

  bool operator==(const RtfCharFormat&) const = default;
};

enum class RtfAlign { kLeft, kCenter, kRight, kJustify };

struct RtfParagraphFormat {
  RtfAlign align = RtfAlign::kLeft;
  // In twips (1/20 point); firstIndent is relative to leftIndent and may be negative (a hanging indent).
  int leftIndent = 0;
  int rightIndent = 0;
  int firstIndent = 0;
  int spaceBefore = 0;
  int spaceAfter = 0;
  bool pageBreakBefore = false;

  bool operator==(const RtfParagraphFormat&) const = default;
};

// Text of one format. A line break inside a paragraph is U+2028 (LINE SEPARATOR), a tab '\t'; the text
// holds no other control characters.
struct RtfRun {
  QString text;
  RtfCharFormat format;
};

struct RtfParagraph {
  RtfParagraphFormat format;
  std::vector<RtfRun> runs;
};

struct RtfCell {
  std::vector<RtfParagraph> paragraphs;
};

// Rows may differ in their number of cells; tables nested in a cell are flattened into that cell.
struct RtfTable {
  std::vector<std::vector<RtfCell>> rows;
};

using RtfBlock = std::variant<RtfParagraph, RtfTable>;

struct RtfDocument {
  // False when the bytes do not start with "{\rtf" (after blanks or a UTF-8 byte-order mark): the file is
  // then shown as plain text and blocks is empty.
  bool isRtf = false;
  // The file ended with groups still open; blocks holds what was read.
  bool truncated = false;
  std::vector<RtfBlock> blocks;
};

RtfDocument ReadRtf(QByteArrayView bytes);

// The document's text: blocks and table rows are separated by "\n", cells by "\t", the paragraphs of one
// cell by "\n"; a line break inside a paragraph is "\n" too.
QString RtfPlainText(const RtfDocument& document);

}  // namespace penwick
