#include "platform/rtf_document_builder.h"

namespace penwick {
namespace {

// Word processors allow 63 columns; cells past this many join the last cell, so a hostile row cannot make
// a grid of millions of columns.
constexpr size_t kMaxCellsPerRow = 256;

}  // namespace

void RtfDocumentBuilder::SetFormat(const RtfCharFormat& format, CodePageDecoder* decoder, bool hidden) {
  FlushPending();
  decoder_ = decoder;
  hidden_ = hidden;
  if (!(format == format_)) {
    format_ = format;
    runOpen_ = false;
  }
}

void RtfDocumentBuilder::Bytes(const char* p, const char* end) {
  if (hidden_) return;
  if (decoder_->MultiByte()) {
    // Control bytes are never part of a multi-byte character.
    while (p < end) {
      const char* q = p;
      while (q < end && static_cast<unsigned char>(*q) >= 0x20) ++q;
      if (q > p) {
        RunText();
        pending_.append(p, q - p);
        p = q;
      } else {
        if (*p == '\t') Char('\t');
        ++p;
      }
    }
    return;
  }
  while (p < end) {
    const char* q = p;
    while (q < end && static_cast<unsigned char>(*q) >= 0x20 && static_cast<unsigned char>(*q) < 0x80) ++q;
    if (q > p) {
      RunText().append(QLatin1StringView(p, q - p));
      p = q;
      continue;
    }
    const auto c = static_cast<unsigned char>(*p++);
    if (c >= 0x80) {
      RunText().append(QChar(decoder_->Byte(c)));
    } else if (c == '\t') {
      RunText().append(QChar('\t'));
    }
    // Other control characters are not text.
  }
}

void RtfDocumentBuilder::Char(char16_t ch) {
  if (hidden_) return;
  QString& text = RunText();
  FlushPending();
  text.append(QChar(ch));
}

QString& RtfDocumentBuilder::RunText() {
  swallowEmptyMark_ = false;
  if (!runOpen_) {
    paragraph_.runs.push_back(RtfRun{QString(), format_});
    runOpen_ = true;
  }
  return paragraph_.runs.back().text;
}

void RtfDocumentBuilder::FlushPending() {
  if (pending_.isEmpty()) return;
  decoder_->Decode(pending_, &paragraph_.runs.back().text);
  pending_.clear();
}

RtfParagraph RtfDocumentBuilder::TakeParagraph(const RtfParagraphFormat& format) {
  FlushPending();
  RtfParagraph paragraph = std::move(paragraph_);
  paragraph_ = RtfParagraph();
  runOpen_ = false;
  swallowEmptyMark_ = false;
  paragraph.format = format;
  if (pageBreakPending_) {
    paragraph.format.pageBreakBefore = true;
    pageBreakPending_ = false;
  }
  return paragraph;
}

void RtfDocumentBuilder::EndParagraph(const RtfParagraphFormat& format, bool inTable) {
  RtfParagraph paragraph = TakeParagraph(format);
  if (inTable) {
    cell_.paragraphs.push_back(std::move(paragraph));
  } else {
    CloseTable();
    blocks_.emplace_back(std::move(paragraph));
  }
}

void RtfDocumentBuilder::ParagraphMark(const RtfParagraphFormat& format, bool inTable) {
  FlushPending();
  if (swallowEmptyMark_ && paragraph_.runs.empty()) {
    swallowEmptyMark_ = false;
    return;
  }
  EndParagraph(format, inTable);
}

void RtfDocumentBuilder::SectionBreak(const RtfParagraphFormat& format, bool inTable) {
  FlushPending();
  if (!paragraph_.runs.empty()) EndParagraph(format, inTable);
}

void RtfDocumentBuilder::PageBreak(const RtfParagraphFormat& format, bool inTable) {
  SectionBreak(format, inTable);
  pageBreakPending_ = true;
  swallowEmptyMark_ = true;
}

void RtfDocumentBuilder::EndCell(const RtfParagraphFormat& format) {
  FlushPending();
  if (!paragraph_.runs.empty()) cell_.paragraphs.push_back(TakeParagraph(format));
  if (row_.size() < kMaxCellsPerRow) {
    row_.push_back(std::move(cell_));
  } else {
    auto& last = row_.back().paragraphs;
    for (RtfParagraph& paragraph : cell_.paragraphs) last.push_back(std::move(paragraph));
  }
  cell_ = RtfCell();
}

void RtfDocumentBuilder::EndRow(const RtfParagraphFormat& format) {
  FlushPending();
  if (!paragraph_.runs.empty() || !cell_.paragraphs.empty()) EndCell(format);
  if (row_.empty()) return;
  table_.rows.push_back(std::move(row_));
  row_.clear();
}

void RtfDocumentBuilder::CloseTable() {
  if (!cell_.paragraphs.empty()) EndCell(RtfParagraphFormat());
  if (!row_.empty()) {
    table_.rows.push_back(std::move(row_));
    row_.clear();
  }
  if (table_.rows.empty()) return;
  blocks_.emplace_back(std::move(table_));
  table_ = RtfTable();
}

std::vector<RtfBlock> RtfDocumentBuilder::Finish(const RtfParagraphFormat& format, bool inTable) {
  FlushPending();
  if (!paragraph_.runs.empty()) EndParagraph(format, inTable);
  CloseTable();
  return std::move(blocks_);
}

}  // namespace penwick
