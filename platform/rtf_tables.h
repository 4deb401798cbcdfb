#pragma once
// The font and colour tables of an RTF document, read entry by entry as the reader meets them.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/rtf_code_pages.h"

namespace penwick {

struct RtfFont {
  QString family;
  int codePage = 0;  // 0: the document's
};

// \fonttbl: entries "\fN ... Family Name;", each in a group of its own or one after the other.
class RtfFontTable {
 public:
  void StartEntry(int number);
  void SetCharset(int charset);
  void SetCodePage(int codePage);
  // Text of the table: the family name, up to the ';' that ends the entry. The name is decoded in the
  // entry's code page, else documentCodePage.
  void Bytes(const char* p, const char* end, CodePageDecoders& decoders, int documentCodePage);
  // Ends an entry whose name had no ';' (at the end of its group); no-op when none is open.
  void FinishEntry(CodePageDecoders& decoders, int documentCodePage);

  const RtfFont* Find(int number) const;

 private:
  std::unordered_map<int, RtfFont> fonts_;
  bool pending_ = false;
  int number_ = 0;
  int codePage_ = 0;
  QByteArray name_;
};

// \colortbl: entries "\redR\greenG\blueB;"; an empty entry (usually the first) is the automatic colour.
class RtfColourTable {
 public:
  void Clear();
  void SetRed(int value);
  void SetGreen(int value);
  void SetBlue(int value);
  void Bytes(const char* p, const char* end);  // each ';' ends an entry

  // 0xRRGGBB, or nothing for the automatic colour and for indices past the table.
  std::optional<uint32_t> At(int index) const;

 private:
  std::vector<std::optional<uint32_t>> colours_;
  int red_ = 0;
  int green_ = 0;
  int blue_ = 0;
  bool given_ = false;
};

}  // namespace penwick
