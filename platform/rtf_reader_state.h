#pragma once
// The RTF reader's inner parts: its limits, the state of a group and the reader itself, shared by the reading
// of text and groups (rtf_reader.cpp) and the handling of control words (rtf_reader_words.cpp). Not for use
// outside the reader.

#include <QByteArrayView>
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/rtf_code_pages.h"
#include "platform/rtf_document_builder.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_tables.h"
#include "platform/rtf_words.h"

namespace penwick::rtf_reading {

// Groups nested deeper than this are skipped like an ignorable destination.
inline constexpr size_t kMaxDepth = 1000;
// Longer "control words" are not RTF: they are read past and ignored.
inline constexpr size_t kMaxWordLength = 32;
// Digits of a parameter beyond these are read past; the value saturates.
inline constexpr int kMaxDigits = 10;
inline constexpr int kMaxHalfPoints = 3276;  // 1638 points, the largest size word processors offer
inline constexpr int kMaxTwips = 31680;      // 22 inches
inline constexpr int kMaxSkipCount = 255;
inline constexpr char16_t kLineSeparator = 0x2028;

inline bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline int HexValue(unsigned char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct ControlWord {
  std::string_view name;
  bool hasParam = false;
  int64_t param = 0;
};

inline int Clamp(int64_t value, int low, int high) {
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

}  // namespace penwick::rtf_reading
