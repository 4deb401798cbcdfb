#include "platform/codepage.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <QSet>

namespace penwick {
namespace {

// The C library's converter is an independent reference for the bytes the code page assigns.
std::optional<char32_t> ReferenceCp1252(unsigned char byte) {
  iconv_t cd = iconv_open("UTF-32LE", "CP1252");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  size_t inLeft = 1;
  size_t outLeft = 4;
  const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1) || outLeft != 0) return std::nullopt;
  return char32_t(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
}

TEST(CodepageTest, EveryByteMapsToItsOwnCharacter) {
  const QSet<int> unassigned = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
  QSet<char32_t> seen;
  int checkedAgainstReference = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const char32_t ch = Cp1252ToUnicode(static_cast<unsigned char>(byte));
    EXPECT_EQ(UnicodeToCp1252(ch), byte) << std::hex << byte;
    seen.insert(ch);
    if (unassigned.contains(byte)) {
      EXPECT_EQ(ch, char32_t(byte)) << std::hex << byte;
    } else if (const std::optional<char32_t> reference = ReferenceCp1252(byte)) {
      EXPECT_EQ(ch, *reference) << std::hex << byte;
      ++checkedAgainstReference;
    }
  }
  EXPECT_EQ(seen.size(), 256);
  EXPECT_EQ(checkedAgainstReference, 251) << "the reference converter is missing";

  const QByteArray all = [] {
    QByteArray bytes(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i) bytes[i] = static_cast<char>(i);
    return bytes;
  }();
  const QString text = DecodeCp1252(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  QByteArray encoded;
  ASSERT_TRUE(EncodeCp1252(text, &encoded));
  EXPECT_EQ(encoded, all);
}

TEST(CodepageTest, CharactersOutsideTheCodePageHaveNoByte) {
  // The C1 controls the code page replaced by printable characters must not sneak back in.
  for (char32_t ch :
       {U'\u0080', U'\u0098', U'\u009F', U'\u0100', U'\u4E2D', U'\uFFFD', char32_t(0xD800), U'\U0001F600'}) {
    EXPECT_EQ(UnicodeToCp1252(ch), -1) << std::hex << static_cast<quint32>(ch);
  }

  const struct {
    QString text;
    qsizetype badIndex;
  } cases[] = {
      {QStringLiteral("ab\u4E2Dc"), 2},
      {QStringLiteral("\u20AC\U0001F600"), 1},
      {QStringLiteral("x\u0080"), 1},
  };
  for (const auto& c : cases) {
    QByteArray out;
    qsizetype badIndex = -1;
    EXPECT_FALSE(EncodeCp1252(c.text, &out, &badIndex)) << c.text.toStdString();
    EXPECT_EQ(badIndex, c.badIndex) << c.text.toStdString();
  }
}

TEST(CodepageTest, Utf8ValidationIsStrict) {
  const struct {
    QByteArray bytes;
    bool valid;
    bool looksLikeUtf8;
  } cases[] = {
      {"", true, false},
      {"plain ascii", true, false},
      {QByteArray("nul\0byte", 8), true, false},
      {"caf\xC3\xA9", true, true},
      {"\xE2\x82\xAC", true, true},
      {"\xF0\x9F\x98\x80", true, true},
      {"\xF4\x8F\xBF\xBF", true, true},  // U+10FFFF
      {"\xED\x9F\xBF", true, true},      // U+D7FF, just below the surrogates
      {"\xEE\x80\x80", true, true},      // U+E000, just above them
      {"caf\xE9", false, false},         // code page 1252
      {"\x80", false, false},
      {"\xC0\x80", false, false},          // overlong NUL
      {"\xC1\xBF", false, false},          // overlong two-byte
      {"\xE0\x9F\xBF", false, false},      // overlong three-byte
      {"\xF0\x8F\xBF\xBF", false, false},  // overlong four-byte
      {"\xED\xA0\x80", false, false},      // U+D800
      {"\xED\xBF\xBF", false, false},      // U+DFFF
      {"\xF4\x90\x80\x80", false, false},  // U+110000
      {"\xF5\x80\x80\x80", false, false},
      {"\xFF", false, false},
      {"\xC3", false, false},  // truncated sequences, at the end and before more text
      {"abc\xE2\x82", false, false},
      {"\xE2\x82z", false, false},
      {"\xF0\x9F\x98", false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidUtf8(c.bytes.constData(), c.bytes.size()), c.valid) << c.bytes.toHex().toStdString();
    EXPECT_EQ(LooksLikeUtf8Text(c.bytes.constData(), c.bytes.size()), c.looksLikeUtf8)
        << c.bytes.toHex().toStdString();
  }
}

}  // namespace
}  // namespace penwick
