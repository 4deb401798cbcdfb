#include "platform/rtf_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "platform/rtf_code_pages.h"

namespace penwick {
namespace {

// Groups nested deeper than this are skipped like an ignorable destination.
constexpr size_t kMaxDepth = 1000;
// Longer "control words" are not RTF: they are read past and ignored.
constexpr size_t kMaxWordLength = 32;
// Digits of a parameter beyond these are read past; the value saturates.
constexpr int kMaxDigits = 10;
// Word processors allow 63 columns; cells past this many join the last cell, so a hostile row cannot make
// a grid of millions of columns.
constexpr size_t kMaxCellsPerRow = 256;
// A family name longer than this is cut: runs compare their formats, family names included.
constexpr qsizetype kMaxFontName = 128;
constexpr int kMaxHalfPoints = 3276;  // 1638 points, the largest size word processors offer
constexpr int kMaxTwips = 31680;      // 22 inches
constexpr int kMaxSkipCount = 255;
constexpr char16_t kLineSeparator = 0x2028;

enum class Word : uint8_t {
  kBin,
  kBold,
  kItalic,
  kUnderline,
  kUnderlineNone,
  kStrike,
  kHidden,
  kVertical,  // value: RtfVertical
  kFontSize,
  kFont,
  kForeground,
  kBackground,
  kPlain,
  kPard,
  kAlign,  // value: RtfAlign
  kLeftIndent,
  kRightIndent,
  kFirstIndent,
  kSpaceBefore,
  kSpaceAfter,
  kPageBreakBefore,
  kInTable,
  kPar,
  kLine,
  kTab,
  kPage,
  kSect,
  kCell,
  kRow,
  kUnicode,
  kUnicodeSkip,
  kChar,         // ch: the character
  kDocCodePage,  // value: the code page, or 0 for the parameter (\ansicpg)
  kDefaultFont,
  kFontTable,
  kColourTable,
  kSkip,  // a destination whose text is never shown
  kCharset,
  kFontCodePage,
  kRed,
  kGreen,
  kBlue,
};

struct WordInfo {
  std::string_view name;
  Word word;
  int value = 0;
};

constexpr auto kWords = [] {
  auto words = std::to_array<WordInfo>({
      {"ansi", Word::kDocCodePage, 1252},
      {"ansicpg", Word::kDocCodePage, 0},
      {"b", Word::kBold},
      {"bin", Word::kBin},
      {"blue", Word::kBlue},
      {"bullet", Word::kChar, 0x2022},
      {"cb", Word::kBackground},
      {"cell", Word::kCell},
      {"cf", Word::kForeground},
      {"chcbpat", Word::kBackground},
      {"colortbl", Word::kColourTable},
      {"cpg", Word::kFontCodePage},
      {"deff", Word::kDefaultFont},
      {"emdash", Word::kChar, 0x2014},
      {"emspace", Word::kChar, 0x2003},
      {"endash", Word::kChar, 0x2013},
      {"enspace", Word::kChar, 0x2002},
      {"f", Word::kFont},
      {"fcharset", Word::kCharset},
      {"fi", Word::kFirstIndent},
      {"fonttbl", Word::kFontTable},
      {"fs", Word::kFontSize},
      {"green", Word::kGreen},
      {"highlight", Word::kBackground},
      {"i", Word::kItalic},
      {"intbl", Word::kInTable},
      {"ldblquote", Word::kChar, 0x201C},
      {"li", Word::kLeftIndent},
      {"line", Word::kLine},
      {"lquote", Word::kChar, 0x2018},
      {"ltrmark", Word::kChar, 0x200E},
      {"mac", Word::kDocCodePage, 10000},
      {"nestcell", Word::kPar},  // a nested table is flattened: its cells become paragraphs of the outer cell
      {"nestrow", Word::kPar},
      {"nosupersub", Word::kVertical, static_cast<int>(RtfVertical::kNormal)},
      {"page", Word::kPage},
      {"pagebb", Word::kPageBreakBefore},
      {"par", Word::kPar},
      {"pard", Word::kPard},
      {"pc", Word::kDocCodePage, 437},
      {"pca", Word::kDocCodePage, 850},
      {"plain", Word::kPlain},
      {"qc", Word::kAlign, static_cast<int>(RtfAlign::kCenter)},
      {"qd", Word::kAlign, static_cast<int>(RtfAlign::kJustify)},
      {"qj", Word::kAlign, static_cast<int>(RtfAlign::kJustify)},
      {"ql", Word::kAlign, static_cast<int>(RtfAlign::kLeft)},
      {"qmspace", Word::kChar, 0x2005},
      {"qr", Word::kAlign, static_cast<int>(RtfAlign::kRight)},
      {"rdblquote", Word::kChar, 0x201D},
      {"red", Word::kRed},
      {"ri", Word::kRightIndent},
      {"row", Word::kRow},
      {"rquote", Word::kChar, 0x2019},
      {"rtlmark", Word::kChar, 0x200F},
      {"sa", Word::kSpaceAfter},
      {"sb", Word::kSpaceBefore},
      {"sect", Word::kSect},
      {"strike", Word::kStrike},
      {"striked", Word::kStrike},
      {"sub", Word::kVertical, static_cast<int>(RtfVertical::kSub)},
      {"super", Word::kVertical, static_cast<int>(RtfVertical::kSuper)},
      {"tab", Word::kTab},
      {"u", Word::kUnicode},
      {"uc", Word::kUnicodeSkip},
      {"ul", Word::kUnderline},
      {"uld", Word::kUnderline},
      {"uldash", Word::kUnderline},
      {"uldashd", Word::kUnderline},
      {"uldashdd", Word::kUnderline},
      {"uldb", Word::kUnderline},
      {"ulhwave", Word::kUnderline},
      {"ulldash", Word::kUnderline},
      {"ulnone", Word::kUnderlineNone},
      {"ulth", Word::kUnderline},
      {"ulthd", Word::kUnderline},
      {"ulthdash", Word::kUnderline},
      {"ulthdashd", Word::kUnderline},
      {"ulthdashdd", Word::kUnderline},
      {"ulthldash", Word::kUnderline},
      {"ululdbwave", Word::kUnderline},
      {"ulw", Word::kUnderline},
      {"ulwave", Word::kUnderline},
      {"v", Word::kHidden},
      {"zwj", Word::kChar, 0x200D},
      {"zwnj", Word::kChar, 0x200C},
      // Destinations that hold no text for the reader: document properties, style and list definitions,
      // pictures, objects' data, shapes, headers, footers, footnotes, comments, field instructions, form
      // fields, bookmarks, index entries and the newer XML and theme parts.
      {"aftncn", Word::kSkip},
      {"aftnsep", Word::kSkip},
      {"aftnsepc", Word::kSkip},
      {"annotation", Word::kSkip},
      {"atnauthor", Word::kSkip},
      {"atnid", Word::kSkip},
      {"atnref", Word::kSkip},
      {"atrfend", Word::kSkip},
      {"atrfstart", Word::kSkip},
      {"author", Word::kSkip},
      {"bkmkend", Word::kSkip},
      {"bkmkstart", Word::kSkip},
      {"colorschememapping", Word::kSkip},
      {"comment", Word::kSkip},
      {"datastore", Word::kSkip},
      {"do", Word::kSkip},
      {"doccomm", Word::kSkip},
      {"docvar", Word::kSkip},
      {"falt", Word::kSkip},
      {"ffdeftext", Word::kSkip},
      {"ffname", Word::kSkip},
      {"filetbl", Word::kSkip},
      {"fldinst", Word::kSkip},
      {"footer", Word::kSkip},
      {"footerf", Word::kSkip},
      {"footerl", Word::kSkip},
      {"footerr", Word::kSkip},
      {"footnote", Word::kSkip},
      {"ftncn", Word::kSkip},
      {"ftnsep", Word::kSkip},
      {"ftnsepc", Word::kSkip},
      {"generator", Word::kSkip},
      {"header", Word::kSkip},
      {"headerf", Word::kSkip},
      {"headerl", Word::kSkip},
      {"headerr", Word::kSkip},
      {"info", Word::kSkip},
      {"keywords", Word::kSkip},
      {"latentstyles", Word::kSkip},
      {"listoverridetable", Word::kSkip},
      {"listtable", Word::kSkip},
      {"nonshppict", Word::kSkip},
      {"objalias", Word::kSkip},
      {"objclass", Word::kSkip},
      {"objdata", Word::kSkip},
      {"objname", Word::kSkip},
      {"objsect", Word::kSkip},
      {"objtime", Word::kSkip},
      {"operator", Word::kSkip},
      {"panose", Word::kSkip},
      {"pgdsctbl", Word::kSkip},
      {"pict", Word::kSkip},
      {"pn", Word::kSkip},
      {"private", Word::kSkip},
      {"revtbl", Word::kSkip},
      {"rsidtbl", Word::kSkip},
      {"shp", Word::kSkip},
      {"shppict", Word::kSkip},
      {"stylesheet", Word::kSkip},
      {"subject", Word::kSkip},
      {"tc", Word::kSkip},
      {"template", Word::kSkip},
      {"themedata", Word::kSkip},
      {"title", Word::kSkip},
      {"txe", Word::kSkip},
      {"userprops", Word::kSkip},
      {"xe", Word::kSkip},
      {"xmlnstbl", Word::kSkip},
  });
  std::sort(words.begin(), words.end(), [](const WordInfo& a, const WordInfo& b) { return a.name < b.name; });
  return words;
}();
static_assert(std::adjacent_find(kWords.begin(), kWords.end(), [](const WordInfo& a, const WordInfo& b) {
                return a.name == b.name;
              }) == kWords.end());

const WordInfo* FindWord(std::string_view name) {
  const auto it = std::lower_bound(kWords.begin(), kWords.end(), name,
                                   [](const WordInfo& w, std::string_view n) { return w.name < n; });
  return it != kWords.end() && it->name == name ? &*it : nullptr;
}

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

struct Font {
  QString family;
  int codePage = 0;  // 0: the document's
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
  void HandleBodyWord(const WordInfo& info, const ControlWord& word);
  void HandleSymbol(unsigned char c);
  void SkipBinary(int64_t count);
  bool SkippingFallback();

  void DestinationBytes(const char* p, const char* end);
  void TextBytes(const char* p, const char* end);
  void AppendChar(char16_t ch);
  void AppendUnicode(int64_t param);
  QString& RunText();
  void Resolve();
  void FlushPending();

  RtfParagraph TakeParagraph();
  void EndParagraph();
  void PageBreak();
  void EndCell();
  void EndRow();
  void CloseTable();
  void Finish();

  void StartFontEntry(int number);
  void FinishFontEntry();
  void FontTableBytes(const char* p, const char* end);
  void ColourTableBytes(const char* p, const char* end);
  std::optional<uint32_t> Colour(int index) const;

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
  std::unordered_map<int, Font> fonts_;
  std::vector<std::optional<uint32_t>> colours_;
  CodePageDecoders decoders_;

  // The font table entry being read.
  bool fontPending_ = false;
  int fontNumber_ = 0;
  int fontCodePage_ = 0;
  QByteArray fontName_;
  // The colour table entry being read.
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colourGiven_ = false;

  // The format of text read now, resolved from the group state when text arrives after a change.
  bool formatDirty_ = true;
  bool hidden_ = false;
  RtfCharFormat format_;
  CodePageDecoder* decoder_ = nullptr;
  // runOpen_: the current paragraph's last run has format_, so text goes on into it.
  bool runOpen_ = false;
  // Bytes of a multi-byte code page waiting for the rest of their character.
  QByteArray pending_;

  RtfParagraph paragraph_;
  bool pageBreakPending_ = false;
  bool swallowEmptyPar_ = false;
  RtfCell cell_;
  std::vector<RtfCell> row_;
  RtfTable table_;
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
  stack_.push_back(stack_.empty() ? GroupState() : stack_.back());
  groupStart_ = true;
}

void Reader::CloseGroup() {
  ucSkip_ = 0;
  groupStart_ = false;
  if (State().destination == Destination::kFontTable) FinishFontEntry();
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
      FontTableBytes(p, end);
      break;
    case Destination::kColourTable:
      ColourTableBytes(p, end);
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
  const WordInfo* info = word.name.size() <= kMaxWordLength ? FindWord(word.name) : nullptr;
  if (info && info->word == Word::kBin) {
    SkippingFallback();
    SkipBinary(word.hasParam ? word.param : 0);
    return;
  }
  if (SkippingFallback() || !info) return;
  // A destination never takes over the document's own group.
  const bool nested = stack_.size() >= 2;
  switch (info->word) {
    case Word::kSkip:
      if (nested) EnterSkip();
      return;
    case Word::kFontTable:
      if (nested) State().destination = Destination::kFontTable;
      return;
    case Word::kColourTable:
      if (nested) State().destination = Destination::kColourTable;
      return;
    case Word::kUnicodeSkip:
      State().unicodeSkip = Clamp(word.param, 0, kMaxSkipCount);
      return;
    case Word::kUnicode:
      if (State().destination == Destination::kBody) AppendUnicode(word.param);
      ucSkip_ = State().unicodeSkip;
      return;
    case Word::kDocCodePage:
      if (info->value != 0 || word.param > 0) {
        docCodePage_ = info->value != 0 ? info->value : Clamp(word.param, 1, INT_MAX);
        formatDirty_ = true;
      }
      return;
    case Word::kDefaultFont:
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
      if (info->word == Word::kFont) {
        StartFontEntry(Clamp(word.param, INT_MIN, INT_MAX));
      } else if (info->word == Word::kCharset && fontPending_) {
        fontCodePage_ = CodePageForCharset(Clamp(word.param, 0, 255), 0);
      } else if (info->word == Word::kFontCodePage && fontPending_ && word.param > 0) {
        fontCodePage_ = Clamp(word.param, 1, INT_MAX);
      }
      break;
    case Destination::kColourTable: {
      const int value = Clamp(word.param, 0, 255);
      if (info->word == Word::kRed) red_ = value;
      if (info->word == Word::kGreen) green_ = value;
      if (info->word == Word::kBlue) blue_ = value;
      colourGiven_ =
          colourGiven_ || info->word == Word::kRed || info->word == Word::kGreen || info->word == Word::kBlue;
      break;
    }
  }
}

void Reader::HandleBodyWord(const WordInfo& info, const ControlWord& word) {
  GroupState& state = State();
  CharState& chars = state.chars;
  // A toggle without a parameter, or with any but 0, switches the property on.
  const bool on = !word.hasParam || word.param != 0;
  switch (info.word) {
    case Word::kBold:
      chars.bold = on;
      break;
    case Word::kItalic:
      chars.italic = on;
      break;
    case Word::kUnderline:
      chars.underline = on;
      break;
    case Word::kUnderlineNone:
      chars.underline = false;
      break;
    case Word::kStrike:
      chars.strike = on;
      break;
    case Word::kHidden:
      chars.hidden = on;
      break;
    case Word::kVertical:
      chars.vertical = static_cast<RtfVertical>(info.value);
      break;
    case Word::kFontSize:
      chars.halfPoints = word.param > 0 ? Clamp(word.param, 2, kMaxHalfPoints) : 24;
      break;
    case Word::kFont:
      if (word.hasParam && word.param >= 0) chars.font = Clamp(word.param, 0, INT_MAX);
      break;
    case Word::kForeground:
      chars.foreground = Clamp(word.param, 0, INT_MAX);
      break;
    case Word::kBackground:
      chars.background = Clamp(word.param, 0, INT_MAX);
      break;
    case Word::kPlain:
      chars = CharState();
      break;
    case Word::kPard:
      state.para = RtfParagraphFormat();
      state.inTable = false;
      return;
    case Word::kAlign:
      state.para.align = static_cast<RtfAlign>(info.value);
      return;
    case Word::kLeftIndent:
      state.para.leftIndent = Clamp(word.param, -kMaxTwips, kMaxTwips);
      return;
    case Word::kRightIndent:
      state.para.rightIndent = Clamp(word.param, -kMaxTwips, kMaxTwips);
      return;
    case Word::kFirstIndent:
      state.para.firstIndent = Clamp(word.param, -kMaxTwips, kMaxTwips);
      return;
    case Word::kSpaceBefore:
      state.para.spaceBefore = Clamp(word.param, 0, kMaxTwips);
      return;
    case Word::kSpaceAfter:
      state.para.spaceAfter = Clamp(word.param, 0, kMaxTwips);
      return;
    case Word::kPageBreakBefore:
      state.para.pageBreakBefore = on;
      return;
    case Word::kInTable:
      state.inTable = on;
      return;
    case Word::kPar:
      if (swallowEmptyPar_ && paragraph_.runs.empty()) {
        swallowEmptyPar_ = false;
        return;
      }
      EndParagraph();
      return;
    case Word::kLine:
      AppendChar(kLineSeparator);
      return;
    case Word::kTab:
      AppendChar('\t');
      return;
    case Word::kChar:
      AppendChar(static_cast<char16_t>(info.value));
      return;
    case Word::kPage:
      PageBreak();
      return;
    case Word::kSect:
      FlushPending();
      if (!paragraph_.runs.empty()) EndParagraph();
      return;
    case Word::kCell:
      EndCell();
      return;
    case Word::kRow:
      EndRow();
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
      if (State().destination == Destination::kBody) EndParagraph();
      return;
    default:
      return;
  }
}

void Reader::TextBytes(const char* p, const char* end) {
  if (p == end) return;
  if (formatDirty_) Resolve();
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
        if (*p == '\t') AppendChar('\t');
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

void Reader::AppendChar(char16_t ch) {
  if (State().destination != Destination::kBody) return;
  if (formatDirty_) Resolve();
  if (hidden_) return;
  QString& text = RunText();
  FlushPending();
  text.append(QChar(ch));
}

void Reader::AppendUnicode(int64_t param) {
  // Parameters are signed 16-bit numbers: characters above U+7FFF come negative.
  const auto ch = static_cast<char16_t>((param < 0 ? param + 65536 : param) & 0xFFFF);
  if (ch == '\t' || ch >= 0x20) AppendChar(ch);
}

QString& Reader::RunText() {
  swallowEmptyPar_ = false;
  if (!runOpen_) {
    paragraph_.runs.push_back(RtfRun{QString(), format_});
    runOpen_ = true;
  }
  return paragraph_.runs.back().text;
}

void Reader::FlushPending() {
  if (pending_.isEmpty()) return;
  decoder_->Decode(pending_, &paragraph_.runs.back().text);
  pending_.clear();
}

void Reader::Resolve() {
  FlushPending();
  formatDirty_ = false;
  const CharState& chars = State().chars;
  hidden_ = chars.hidden;
  const auto font = fonts_.find(chars.font >= 0 ? chars.font : defaultFont_);
  const bool known = font != fonts_.end();
  decoder_ = &decoders_.For(known && font->second.codePage != 0 ? font->second.codePage : docCodePage_);
  RtfCharFormat format;
  format.bold = chars.bold;
  format.italic = chars.italic;
  format.underline = chars.underline;
  format.strike = chars.strike;
  format.halfPoints = chars.halfPoints;
  format.vertical = chars.vertical;
  format.colour = Colour(chars.foreground);
  if (chars.background > 0) format.background = Colour(chars.background);
  if (known) format.fontFamily = font->second.family;
  if (!(format == format_)) {
    format_ = std::move(format);
    runOpen_ = false;
  }
}

std::optional<uint32_t> Reader::Colour(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= colours_.size()) return std::nullopt;
  return colours_[index];
}

RtfParagraph Reader::TakeParagraph() {
  FlushPending();
  RtfParagraph paragraph = std::move(paragraph_);
  paragraph_ = RtfParagraph();
  runOpen_ = false;
  swallowEmptyPar_ = false;
  paragraph.format = State().para;
  if (pageBreakPending_) {
    paragraph.format.pageBreakBefore = true;
    pageBreakPending_ = false;
  }
  return paragraph;
}

void Reader::EndParagraph() {
  RtfParagraph paragraph = TakeParagraph();
  if (State().inTable) {
    cell_.paragraphs.push_back(std::move(paragraph));
  } else {
    CloseTable();
    doc_.blocks.emplace_back(std::move(paragraph));
  }
}

// A page break ends the paragraph it is in; the paragraph mark word processors write right after it adds
// no empty paragraph.
void Reader::PageBreak() {
  FlushPending();
  if (!paragraph_.runs.empty()) EndParagraph();
  pageBreakPending_ = true;
  swallowEmptyPar_ = true;
}

void Reader::EndCell() {
  FlushPending();
  if (!paragraph_.runs.empty()) cell_.paragraphs.push_back(TakeParagraph());
  if (row_.size() < kMaxCellsPerRow) {
    row_.push_back(std::move(cell_));
  } else {
    auto& last = row_.back().paragraphs;
    for (RtfParagraph& paragraph : cell_.paragraphs) last.push_back(std::move(paragraph));
  }
  cell_ = RtfCell();
}

void Reader::EndRow() {
  FlushPending();
  if (!paragraph_.runs.empty() || !cell_.paragraphs.empty()) EndCell();
  if (row_.empty()) return;
  table_.rows.push_back(std::move(row_));
  row_.clear();
}

void Reader::CloseTable() {
  if (!cell_.paragraphs.empty()) EndCell();
  if (!row_.empty()) {
    table_.rows.push_back(std::move(row_));
    row_.clear();
  }
  if (table_.rows.empty()) return;
  doc_.blocks.emplace_back(std::move(table_));
  table_ = RtfTable();
}

void Reader::Finish() {
  FlushPending();
  if (!paragraph_.runs.empty()) EndParagraph();
  CloseTable();
}

void Reader::StartFontEntry(int number) {
  FinishFontEntry();
  fontPending_ = true;
  fontNumber_ = number;
  fontCodePage_ = 0;
  fontName_.clear();
}

void Reader::FinishFontEntry() {
  if (!fontPending_) return;
  fontPending_ = false;
  QString family;
  decoders_.For(fontCodePage_ != 0 ? fontCodePage_ : docCodePage_).Decode(fontName_, &family);
  fonts_[fontNumber_] = Font{family.trimmed().left(kMaxFontName), fontCodePage_};
  fontName_.clear();
  formatDirty_ = true;
}

void Reader::FontTableBytes(const char* p, const char* end) {
  for (; p < end; ++p) {
    if (*p == ';') {
      FinishFontEntry();
    } else if (fontPending_ && static_cast<unsigned char>(*p) >= 0x20 &&
               fontName_.size() < 4 * kMaxFontName) {
      fontName_.append(*p);
    }
  }
}

void Reader::ColourTableBytes(const char* p, const char* end) {
  for (; p < end; ++p) {
    if (*p != ';') continue;
    colours_.push_back(colourGiven_ ? std::optional<uint32_t>(red_ << 16 | green_ << 8 | blue_)
                                    : std::nullopt);
    red_ = green_ = blue_ = 0;
    colourGiven_ = false;
    formatDirty_ = true;
  }
}

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
