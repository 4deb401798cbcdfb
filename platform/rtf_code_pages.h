#pragma once
// The code pages RTF text comes in: a font's \fcharset or \cpg, else the document's \ansicpg. Windows code
// page 1252 is decoded by Penwick's own table; the others by Qt's converters where Qt has them, else as 1252.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <array>
#include <memory>
#include <unordered_map>

namespace penwick {

// Code page 42: the symbol fonts' own encoding, read as 1252 except that the bullet byte is a bullet.
constexpr int kSymbolCodePage = 42;

// The code page of a font character set (\fcharsetN); documentCodePage for the default character set and
// for numbers it does not know.
int CodePageForCharset(int charset, int documentCodePage);

class CodePageDecoder {
 public:
  explicit CodePageDecoder(int codePage);

  // Multi-byte code pages (932, 936, 949, 950, UTF-8) need a character's bytes together; the others map
  // each byte through Byte().
  bool MultiByte() const { return multiByte_; }
  char16_t Byte(unsigned char byte) const { return table_[byte]; }
  // Appends the characters of bytes, which hold no control characters; an incomplete or invalid sequence
  // becomes U+FFFD.
  void Decode(const QByteArray& bytes, QString* out);

 private:
  bool multiByte_ = false;
  std::array<char16_t, 256> table_{};
  QStringDecoder decoder_;
};

// The decoders a document needs, each built once. Unknown code page numbers share the 1252 decoder, so the
// cache stays small whatever a file names.
class CodePageDecoders {
 public:
  CodePageDecoder& For(int codePage);

 private:
  std::unordered_map<int, std::unique_ptr<CodePageDecoder>> decoders_;
};

}  // namespace penwick
