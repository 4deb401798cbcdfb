#include "platform/rtf_reader.h"

#include <array>
#include <cstring>

#include "platform/rtf_reader_state.h"

namespace penwick::rtf_reading {
namespace {

// Bytes that end a run of plain text in a group that is read, and in one that is skipped.
constexpr auto kTextStop = [] {
  std::array<bool, 256> stop{};
  for (unsigned char c : {'{', '}', '\\', '\r', '\n', '\0'}) stop[c] = true;
  return stop;
}();
constexpr auto kSkipStop = [] {
  std::array<bool, 256> stop{};
  for (unsigned char c : {'{', '}', '\\'}) stop[c] = true;
  return stop;
}();

// Reads a control word at p (just past its backslash, at its first letter) and its delimiting blank.
ControlWord ReadControlWord(const char*& p, const char* end) {
  ControlWord word;
  const char* start = p;
  while (p < end && IsLetter(*p)) ++p;
  word.name = std::string_view(start, p - start);
  bool negative = false;
  if (p + 1 < end && *p == '-' && IsDigit(p[1])) {
    negative = true;
    ++p;
  }
  int digits = 0;
  while (p < end && IsDigit(*p)) {
    if (digits++ < kMaxDigits) word.param = word.param * 10 + (*p - '0');
    ++p;
  }
  word.hasParam = digits > 0;
  if (negative) word.param = -word.param;
  if (p < end && *p == ' ') ++p;
  return word;
}

}  // namespace

RtfDocument Reader::Read() {
  // A UTF-8 byte-order mark and blanks may come before the document.
  if (end_ - pos_ >= 3 && std::memcmp(pos_, "\xEF\xBB\xBF", 3) == 0) pos_ += 3;
  while (pos_ < end_ && (*pos_ == ' ' || *pos_ == '\t' || *pos_ == '\r' || *pos_ == '\n')) ++pos_;
  if (end_ - pos_ < 5 || std::memcmp(pos_, "{\\rtf", 5) != 0) return doc_;
  doc_.isRtf = true;
  stack_.reserve(64);
  while (pos_ < end_ && !done_) {
    if (skipNesting_ > 0) {
      ScanSkipped();
      continue;
    }
    switch (*pos_) {
      case '{':
        ++pos_;
        OpenGroup();
        break;
      case '}':
        ++pos_;
        CloseGroup();
        break;
      case '\\':
        ReadControl();
        break;
      case '\r':
      case '\n':
      case '\0':
        ++pos_;
        break;
      default:
        ReadText();
    }
  }
  if (!done_) {
    doc_.truncated = true;
    Finish();
  }
  return std::move(doc_);
}

void Reader::OpenGroup() {
  ucSkip_ = 0;
  if (stack_.size() >= kMaxDepth) {
    skipNesting_ = 1;
    skipOwnsGroup_ = false;
    return;
  }
  const GroupState inherited = stack_.empty() ? GroupState() : stack_.back();
  stack_.push_back(inherited);
  groupStart_ = true;
}

void Reader::CloseGroup() {
  ucSkip_ = 0;
  groupStart_ = false;
  if (State().destination == Destination::kFontTable) {
    fonts_.FinishEntry(decoders_, docCodePage_);
    formatDirty_ = true;
  }
  if (stack_.size() == 1) {
    // The document's own group: everything after it is ignored.
    Finish();
    done_ = true;
    return;
  }
  stack_.pop_back();
  formatDirty_ = true;
}

// Skips the rest of the current group: its text, its nested groups and their control words.
void Reader::EnterSkip() {
  skipNesting_ = 1;
  skipOwnsGroup_ = true;
}

void Reader::ScanSkipped() {
  const char* p = pos_;
  while (p < end_) {
    const auto c = static_cast<unsigned char>(*p);
    if (!kSkipStop[c]) {
      ++p;
      continue;
    }
    ++p;
    if (c == '{') {
      ++skipNesting_;
    } else if (c == '}') {
      if (--skipNesting_ == 0) {
        pos_ = p;
        ucSkip_ = 0;
        groupStart_ = false;
        if (skipOwnsGroup_) {
          stack_.pop_back();
          formatDirty_ = true;
        }
        return;
      }
    } else if (p < end_ && IsLetter(*p)) {
      const ControlWord word = ReadControlWord(p, end_);
      if (word.name == "bin") {
        pos_ = p;
        SkipBinary(word.param);
        p = pos_;
      }
    } else if (p < end_) {
      ++p;  // a control symbol: \{ and \} do not open or close groups
    }
  }
  pos_ = p;
}

void Reader::SkipBinary(int64_t count) { pos_ += std::clamp<int64_t>(count, 0, end_ - pos_); }

// True when the token just read is a fallback character of \uN, to be dropped.
bool Reader::SkippingFallback() {
  if (ucSkip_ == 0) return false;
  --ucSkip_;
  return true;
}

void Reader::ReadText() {
  groupStart_ = false;
  const char* start = pos_;
  const char* p = pos_;
  while (p < end_ && !kTextStop[static_cast<unsigned char>(*p)]) ++p;
  pos_ = p;
  if (ucSkip_ > 0) {
    const auto dropped = std::min<int64_t>(ucSkip_, p - start);
    start += dropped;
    ucSkip_ -= static_cast<int>(dropped);
  }
  DestinationBytes(start, p);
}

void Reader::DestinationBytes(const char* p, const char* end) {
  switch (State().destination) {
    case Destination::kBody:
      TextBytes(p, end);
      break;
    case Destination::kFontTable:
      fonts_.Bytes(p, end, decoders_, docCodePage_);
      formatDirty_ = true;
      break;
    case Destination::kColourTable:
      colours_.Bytes(p, end);
      formatDirty_ = true;
      break;
  }
}

void Reader::ReadControl() {
  const char* p = pos_ + 1;
  if (p >= end_) {
    pos_ = end_;
    return;
  }
  const auto c = static_cast<unsigned char>(*p);
  if (IsLetter(c)) {
    const ControlWord word = ReadControlWord(p, end_);
    pos_ = p;
    HandleWord(word);
  } else {
    pos_ = p + 1;
    HandleSymbol(c);
  }
}

void Reader::TextBytes(const char* p, const char* end) {
  if (p == end) return;
  if (formatDirty_) Resolve();
  builder_.Bytes(p, end);
}

void Reader::AppendChar(char16_t ch) {
  if (State().destination != Destination::kBody) return;
  if (formatDirty_) Resolve();
  builder_.Char(ch);
}

void Reader::AppendUnicode(int64_t param) {
  // Parameters are signed 16-bit numbers: characters above U+7FFF come negative.
  const auto ch = static_cast<char16_t>((param < 0 ? param + 65536 : param) & 0xFFFF);
  if (ch == '\t' || ch >= 0x20) AppendChar(ch);
}

// The format of text read now, from the group's state and the font and colour tables.
void Reader::Resolve() {
  formatDirty_ = false;
  const CharState& chars = State().chars;
  const RtfFont* font = fonts_.Find(chars.font >= 0 ? chars.font : defaultFont_);
  RtfCharFormat format;
  format.bold = chars.bold;
  format.italic = chars.italic;
  format.underline = chars.underline;
  format.strike = chars.strike;
  format.halfPoints = chars.halfPoints;
  format.vertical = chars.vertical;
  format.colour = colours_.At(chars.foreground);
  if (chars.background > 0) format.background = colours_.At(chars.background);
  if (font) format.fontFamily = font->family;
  CodePageDecoder& decoder = decoders_.For(font && font->codePage != 0 ? font->codePage : docCodePage_);
  builder_.SetFormat(format, &decoder, chars.hidden);
}

void Reader::Finish() { doc_.blocks = builder_.Finish(State().para, State().inTable); }

namespace {

void AppendParagraphText(const RtfParagraph& paragraph, QString* out) {
  for (const RtfRun& run : paragraph.runs) {
    const qsizetype from = out->size();
    out->append(run.text);
    QChar* chars = out->data();
    for (qsizetype i = from; i < out->size(); ++i) {
      if (chars[i] == QChar(kLineSeparator)) chars[i] = QChar('\n');
    }
  }
}

}  // namespace
}  // namespace penwick::rtf_reading

namespace penwick {

RtfDocument ReadRtf(QByteArrayView bytes) { return rtf_reading::Reader(bytes).Read(); }

QString RtfPlainText(const RtfDocument& document) {
  QString out;
  for (size_t b = 0; b < document.blocks.size(); ++b) {
    if (b > 0) out.append(QChar('\n'));
    if (const auto* paragraph = std::get_if<RtfParagraph>(&document.blocks[b])) {
      rtf_reading::AppendParagraphText(*paragraph, &out);
      continue;
    }
    const auto& table = std::get<RtfTable>(document.blocks[b]);
    for (size_t r = 0; r < table.rows.size(); ++r) {
      if (r > 0) out.append(QChar('\n'));
      for (size_t c = 0; c < table.rows[r].size(); ++c) {
        if (c > 0) out.append(QChar('\t'));
        const auto& paragraphs = table.rows[r][c].paragraphs;
        for (size_t p = 0; p < paragraphs.size(); ++p) {
          if (p > 0) out.append(QChar('\n'));
          rtf_reading::AppendParagraphText(paragraphs[p], &out);
        }
      }
    }
  }
  return out;
}

}  // namespace penwick
