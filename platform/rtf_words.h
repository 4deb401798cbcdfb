#pragma once
// The control words the RTF reader acts on, and what each one does.

#include <cstdint>
#include <string_view>

namespace penwick {

enum class RtfWord : uint8_t {
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
  kChar,         // value: the character
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

struct RtfWordInfo {
  std::string_view name;  // the letters after the backslash
  RtfWord word;
  int value = 0;  // what the word sets, where the word says so
};

// The entry for a control word's letters, or nullptr for a word the reader ignores.
const RtfWordInfo* FindRtfWord(std::string_view name);

}  // namespace penwick
