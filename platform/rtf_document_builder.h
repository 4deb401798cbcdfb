#pragma once
// Assembles what the RTF reader finds into its document: text into runs of one format, runs into
// paragraphs, paragraphs into table cells and cells into rows.

#include <QByteArray>
#include <vector>

#include "platform/rtf_code_pages.h"
#include "platform/rtf_reader.h"

namespace penwick {

class RtfDocumentBuilder {
 public:
  // The format of the text that follows and the code page its bytes are in; hidden text is dropped.
  void SetFormat(const RtfCharFormat& format, CodePageDecoder* decoder, bool hidden);
  // Text bytes in the code page (control bytes other than tab are not text), and single characters.
  // SetFormat comes first.
  void Bytes(const char* p, const char* end);
  void Char(char16_t ch);

  // A paragraph mark: the paragraph takes format and goes into the table's current cell when inTable.
  void ParagraphMark(const RtfParagraphFormat& format, bool inTable);
  // A section break ends a paragraph that has text.
  void SectionBreak(const RtfParagraphFormat& format, bool inTable);
  // A page break ends the paragraph it is in; the next paragraph starts a page.
  void PageBreak(const RtfParagraphFormat& format, bool inTable);
  void EndCell(const RtfParagraphFormat& format);
  void EndRow(const RtfParagraphFormat& format);

  // Ends what is still open and hands over the blocks.
  std::vector<RtfBlock> Finish(const RtfParagraphFormat& format, bool inTable);

 private:
  QString& RunText();
  void FlushPending();
  RtfParagraph TakeParagraph(const RtfParagraphFormat& format);
  void EndParagraph(const RtfParagraphFormat& format, bool inTable);
  void CloseTable();

  RtfCharFormat format_;
  CodePageDecoder* decoder_ = nullptr;
  bool hidden_ = false;
  // The current paragraph's last run has format_, so text goes on into it.
  bool runOpen_ = false;
  // Bytes of a multi-byte code page waiting for the rest of their character.
  QByteArray pending_;

  RtfParagraph paragraph_;
  bool pageBreakPending_ = false;
  // Set by a page break: the paragraph mark word processors write right after it adds no empty paragraph.
  bool swallowEmptyMark_ = false;
  RtfCell cell_;
  std::vector<RtfCell> row_;
  RtfTable table_;
  std::vector<RtfBlock> blocks_;
};

}  // namespace penwick
