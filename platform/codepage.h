#pragma once
// Windows code page 1252 <-> Unicode. All 256 bytes map to a character (the five bytes the code page leaves
// unassigned map to U+0081, U+008D, U+008F, U+0090 and U+009D), so any byte sequence round-trips.

#include <QByteArray>
#include <QString>

namespace penwick {

char32_t Cp1252ToUnicode(unsigned char byte);
// The code page byte for a character, or -1 when code page 1252 cannot hold it.
int UnicodeToCp1252(char32_t ch);

QString DecodeCp1252(const QByteArray& bytes);
// Encodes text; returns false when a character cannot be held (then *badIndex is its index in text and out
// is unspecified).
bool EncodeCp1252(const QString& text, QByteArray* out, qsizetype* badIndex = nullptr);

// True when bytes are valid UTF-8 (no overlongs, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(const char* data, qsizetype size);
// True when a byte is 0x80 or above (the text is not plain ASCII); eight bytes are looked at a step.
bool HasHighByte(const char* data, qsizetype size);
// True when the bytes are valid UTF-8 and hold at least one multi-byte sequence.
bool LooksLikeUtf8Text(const char* data, qsizetype size);
// Decodes the UTF-8 sequence that starts at data (size bytes available) into *ch; returns its length, or 0
// when it is not valid UTF-8 by the same rules as IsValidUtf8.
int DecodeUtf8Char(const char* data, qsizetype size, char32_t* ch);

}  // namespace penwick
