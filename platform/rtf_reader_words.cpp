// The RTF reader's handling of control words and control symbols: destinations, tables, character and
// paragraph formats, special characters.

#include <climits>

#include "platform/rtf_reader_state.h"

namespace penwick::rtf_reading {

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

}  // namespace penwick::rtf_reading
