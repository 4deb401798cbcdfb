#include "platform/rtf_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string_view>

#include "platform/rtf_code_pages.h"
#include "platform/rtf_document_builder.h"
#include "platform/rtf_tables.h"
#include "platform/rtf_words.h"

namespace penwick {
namespace {

// Groups nested deeper than this are skipped like an ignorable destination.
constexpr size_t kMaxDepth = 1000;
// Longer "control words" are not RTF: they are read past and ignored.
constexpr size_t kMaxWordLength = 32;
// Digits of a parameter beyond these are read past; the value saturates.
constexpr int kMaxDigits = 10;
constexpr int kMaxHalfPoints = 3276;  // 1638 points, the largest size word processors offer
constexpr int kMaxTwips = 31680;      // 22 inches
constexpr int kMaxSkipCount = 255;
constexpr char16_t kLineSeparator = 0x2028;

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

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

struct ControlWord {
  std::string_view name;
  bool hasParam = false;
  int64_t param = 0;
};

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

int Clamp(int64_t value, int low, int high) {
  return static_cast<int>(std::clamp<int64_t>(value, low, high));
}

enum class Destination : uint8_t { kBody, kFontTable, kColourTable };

struct CharState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool hidden = false;
  RtfVertical vertical = RtfVertical::kNormal;
  int halfPoints = 24;
  int font = -1;  // the document's default font
  int foreground = 0;
  int background = 0;
};

struct GroupState {
  CharState chars;
  RtfParagraphFormat para;
  bool inTable = false;
  Destination destination = Destination::kBody;
  int unicodeSkip = 1;
};

class Reader {
 public:
  explicit Reader(QByteArrayView bytes) : pos_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  RtfDocument Read();

 private:
  GroupState& State() { return stack_.back(); }

  void OpenGroup();
  void CloseGroup();
  void EnterSkip();
  void ScanSkipped();
  void ReadText();
  void ReadControl();
  void HandleWord(const ControlWord& word);
  void HandleBodyWord(const RtfWordInfo& info, const ControlWord& word);
  void HandleSymbol(unsigned char c);
  void SkipBinary(int64_t count);
  bool SkippingFallback();

  void DestinationBytes(const char* p, const char* end);
  void TextBytes(const char* p, const char* end);
  void AppendChar(char16_t ch);
  void AppendUnicode(int64_t param);
  void Resolve();
  void Finish();

  const char* pos_;
  const char* end_;
  RtfDocument doc_;
  std::vector<GroupState> stack_;
  bool done_ = false;
  bool groupStart_ = false;
  // Open groups inside a skipped region, its own group included; skipOwnsGroup_: that group has a state on
  // the stack (it does not when it was skipped for being too deep).
  int64_t skipNesting_ = 0;
  bool skipOwnsGroup_ = false;
  int ucSkip_ = 0;  // fallback characters of the last \u still to drop

  // Document-wide tables and settings.
  int docCodePage_ = 1252;
  int defaultFont_ = 0;
  RtfFontTable fonts_;
  RtfColourTable colours_;
  CodePageDecoders decoders_;

  // The group state changed since the format of the text was last worked out.
  bool formatDirty_ = true;
  RtfDocumentBuilder builder_;
};

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

void Reader::HandleWord(const ControlWord& word) {
  groupStart_ = false;
  const RtfWordInfo* info = word.name.size() <= kMaxWordLength ? FindRtfWord(word.name) : nullptr;
  if (info && info->word == RtfWord::kBin) {
    SkippingFallback();
    SkipBinary(word.hasParam ? word.param : 0);
    return;
  }
  if (SkippingFallback() || !info) return;
  // A destination never takes over the document's own group.
  const bool nested = stack_.size() >= 2;
  switch (info->word) {
    case RtfWord::kSkip:
      if (nested) EnterSkip();
      return;
    case RtfWord::kFontTable:
      if (nested) State().destination = Destination::kFontTable;
      return;
    case RtfWord::kColourTable:
      if (nested) {
        State().destination = Destination::kColourTable;
        colours_.Clear();
        formatDirty_ = true;
      }
      return;
    case RtfWord::kUnicodeSkip:
      State().unicodeSkip = Clamp(word.param, 0, kMaxSkipCount);
      return;
    case RtfWord::kUnicode:
      if (State().destination == Destination::kBody) AppendUnicode(word.param);
      ucSkip_ = State().unicodeSkip;
      return;
    case RtfWord::kDocCodePage:
      if (info->value != 0 || word.param > 0) {
        docCodePage_ = info->value != 0 ? info->value : Clamp(word.param, 1, INT_MAX);
        formatDirty_ = true;
      }
      return;
    case RtfWord::kDefaultFont:
      defaultFont_ = Clamp(word.param, INT_MIN, INT_MAX);
      formatDirty_ = true;
      return;
    default:
      break;
  }
  switch (State().destination) {
    case Destination::kBody:
      HandleBodyWord(*info, word);
      break;
    case Destination::kFontTable:
      if (info->word == RtfWord::kFont) {
        // A new entry ends one whose name had no ';'.
        fonts_.FinishEntry(decoders_, docCodePage_);
        fonts_.StartEntry(Clamp(word.param, INT_MIN, INT_MAX));
        formatDirty_ = true;
      } else if (info->word == RtfWord::kCharset) {
        fonts_.SetCharset(Clamp(word.param, 0, 255));
      } else if (info->word == RtfWord::kFontCodePage) {
        fonts_.SetCodePage(Clamp(word.param, 0, INT_MAX));
      }
      break;
    case Destination::kColourTable: {
      const int value = Clamp(word.param, 0, 255);
      if (info->word == RtfWord::kRed) colours_.SetRed(value);
      if (info->word == RtfWord::kGreen) colours_.SetGreen(value);
      if (info->word == RtfWord::kBlue) colours_.SetBlue(value);
      break;
    }
  }
}

void Reader::HandleBodyWord(const RtfWordInfo& info, const ControlWord& word) {
  GroupState& state = State();
  CharState& chars = state.chars;
  // A toggle without a parameter, or with any but 0, switches the property on.
  const bool on = !word.hasParam || word.param != 0;
  switch (info.word) {
    case RtfWord::kBold:
      chars.bold = on;
      break;
    case RtfWord::kItalic:
      chars.italic = on;
      break;
    case RtfWord::kUnderline:
      chars.underline = on;
      break;
    case RtfWord::kUnderlineNone:
      chars.underline = false;
      break;
    case RtfWord::kStrike:
      chars.strike = on;
      break;
    case RtfWord::kHidden:
      chars.hidden = on;
      break;
    case RtfWord::kVertical:
      chars.vertical = static_cast<RtfVertical>(info.value);
      break;
    case RtfWord::kFontSize:
      chars.halfPoints = word.param > 0 ? Clamp(word.param, 2, kMaxHalfPoints) : 24;
      break;
    case RtfWord::kFont:
      if (word.hasParam && word.param >= 0) chars.font = Clamp(word.param, 0, INT_MAX);
      break;
    case RtfWord::kForeground:
      chars.foreground = Clamp(word.param, 0, INT_MAX);
      break;
    case RtfWord::kBackground:
      chars.background = Clamp(word.param, 0, INT_MAX);
      break;
    case RtfWord::kPlain:
      chars = CharState();
      break;
    case RtfWord::kPard:
      state.para = RtfParagraphFormat();
      state.inTable = false;
      return;
    case RtfWord::kAlign:
      state.para.align = static_cast<RtfAlign>(info.value);
      return;
    case RtfWord::kLeftIndent:
      state.para.leftIndent = Clamp(word.param, -kMaxTwips, kMaxTwips);
      return;
    case RtfWord::kRightIndent:
      state.para.rightIndent = Clamp(word.param, -kMaxTwips, kMaxTwips);
      return;
    case RtfWord::kFirstIndent:
      state.para.firstIndent = Clamp(word.param, -kMaxTwips, kMaxTwips);
      return;
    case RtfWord::kSpaceBefore:
      state.para.spaceBefore = Clamp(word.param, 0, kMaxTwips);
      return;
    case RtfWord::kSpaceAfter:
      state.para.spaceAfter = Clamp(word.param, 0, kMaxTwips);
      return;
    case RtfWord::kPageBreakBefore:
      state.para.pageBreakBefore = on;
      return;
    case RtfWord::kInTable:
      state.inTable = on;
      return;
    case RtfWord::kPar:
      builder_.ParagraphMark(state.para, state.inTable);
      return;
    case RtfWord::kLine:
      AppendChar(kLineSeparator);
      return;
    case RtfWord::kTab:
      AppendChar('\t');
      return;
    case RtfWord::kChar:
      AppendChar(static_cast<char16_t>(info.value));
      return;
    case RtfWord::kPage:
      builder_.PageBreak(state.para, state.inTable);
      return;
    case RtfWord::kSect:
      builder_.SectionBreak(state.para, state.inTable);
      return;
    case RtfWord::kCell:
      builder_.EndCell(state.para);
      return;
    case RtfWord::kRow:
      builder_.EndRow(state.para);
      return;
    default:
      return;
  }
  formatDirty_ = true;
}

void Reader::HandleSymbol(unsigned char c) {
  const bool groupStart = groupStart_;
  groupStart_ = false;
  if (c == '\'') {
    const int high = pos_ < end_ ? HexValue(pos_[0]) : -1;
    const int low = pos_ + 1 < end_ ? HexValue(pos_[1]) : -1;
    if (high < 0 || low < 0) return;
    pos_ += 2;
    if (SkippingFallback()) return;
    const char byte = static_cast<char>(high * 16 + low);
    DestinationBytes(&byte, &byte + 1);
    return;
  }
  if (c == '*') {
    // An ignorable destination: the reader knows none worth showing.
    if (groupStart && stack_.size() >= 2) EnterSkip();
    return;
  }
  if (SkippingFallback()) return;
  switch (c) {
    case '\\':
    case '{':
    case '}': {
      const char byte = static_cast<char>(c);
      DestinationBytes(&byte, &byte + 1);
      return;
    }
    case '~':
      AppendChar(0x00A0);
      return;
    case '-':
      AppendChar(0x00AD);
      return;
    case '_':
      AppendChar(0x2011);
      return;
    case '\t':
      AppendChar('\t');
      return;
    case '\r':
    case '\n':
      // A backslash before a line end is a paragraph mark.
      if (State().destination == Destination::kBody) builder_.ParagraphMark(State().para, State().inTable);
      return;
    default:
      return;
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

RtfDocument ReadRtf(QByteArrayView bytes) { return Reader(bytes).Read(); }

QString RtfPlainText(const RtfDocument& document) {
  QString out;
  for (size_t b = 0; b < document.blocks.size(); ++b) {
    if (b > 0) out.append(QChar('\n'));
    if (const auto* paragraph = std::get_if<RtfParagraph>(&document.blocks[b])) {
      AppendParagraphText(*paragraph, &out);
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
          AppendParagraphText(paragraphs[p], &out);
        }
      }
    }
  }
  return out;
}

}  // namespace penwick
