#include "platform/codepage.h"

#include <array>
#include <cstring>

namespace penwick {
namespace {

// Characters for bytes 0x80..0x9F; the rest of the code page matches Latin-1. The five bytes the code page
// leaves unassigned map to the C1 control of the same value so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

char32_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

int UnicodeToCp1252(char32_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<int>(ch);
  for (int i = 0; i < static_cast<int>(kHighControls.size()); ++i) {
    if (kHighControls[i] == ch) return 0x80 + i;
  }
  return -1;
}

QString DecodeCp1252(const QByteArray& bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    out[i] = QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(bytes[i]))));
  }
  return text;
}

bool EncodeCp1252(const QString& text, QByteArray* out, qsizetype* badIndex) {
  out->resize(text.size());
  char* dest = out->data();
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A surrogate half never has a code page byte, so code units can be mapped one by one.
    const int byte = UnicodeToCp1252(text[i].unicode());
    if (byte < 0) {
      if (badIndex) *badIndex = i;
      return false;
    }
    dest[i] = static_cast<char>(byte);
  }
  return true;
}

int DecodeUtf8Char(const char* data, qsizetype size, char32_t* ch) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(data);
  if (size <= 0) return 0;
  const unsigned char lead = bytes[0];
  if (lead < 0x80) {
    *ch = lead;
    return 1;
  }
  int length;
  char32_t value;
  char32_t minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;  // a stray continuation byte, an overlong two-byte lead or a lead beyond U+10FFFF
  }
  if (size < length) return 0;
  for (int k = 1; k < length; ++k) {
    if (!IsContinuation(bytes[k])) return 0;
    value = (value << 6) | (bytes[k] & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *ch = value;
  return length;
}

bool IsValidUtf8(const char* data, qsizetype size) {
  qsizetype i = 0;
  while (i < size) {
    if (static_cast<unsigned char>(data[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t ch;
    const int length = DecodeUtf8Char(data + i, size - i, &ch);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

bool LooksLikeUtf8Text(const char* data, qsizetype size) {
  bool multiByte = false;
  for (qsizetype i = 0; i < size && !multiByte; ++i) multiByte = static_cast<unsigned char>(data[i]) >= 0x80;
  return multiByte && IsValidUtf8(data, size);
}

bool HasHighByte(const char* data, qsizetype size) {
  qsizetype i = 0;
  for (; i + 8 <= size; i += 8) {
    quint64 word;
    std::memcpy(&word, data + i, sizeof word);
    if (word & 0x8080808080808080ULL) return true;
  }
  for (; i < size; ++i) {
    if (static_cast<unsigned char>(data[i]) >= 0x80) return true;
  }
  return false;
}

}  // namespace penwick
