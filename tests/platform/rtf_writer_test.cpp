#include "platform/rtf_writer.h"

#include <gtest/gtest.h>

#include "platform/rtf_reader.h"
#include "tests/support/qt_printers.h"

namespace penwick {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kRed = 0xFF0000;

// One letter per UTF-16 unit of the read-back text: the colour it has ('.' for none).
QString ColourMap(const RtfDocument& doc) {
  QString map;
  for (size_t b = 0; b < doc.blocks.size(); ++b) {
    if (b > 0) map += '.';
    for (const RtfRun& run : std::get<RtfParagraph>(doc.blocks[b]).runs) {
      const QChar letter = !run.format.colour            ? '.'
                           : *run.format.colour == kBlue ? 'B'
                           : *run.format.colour == kRed  ? 'R'
                                                         : '?';
      map += QString(run.text.size(), letter);
    }
  }
  return map;
}

TEST(RtfWriterTest, ReadsBackWithTheSameTextAndColours) {
  const struct {
    const char* what;
    QString text;
    std::vector<RtfColourSpan> spans;
    QString readBack;  // what reads back: every line break a "\n"
    const char* colours;
  } cases[] = {
      {"plain", u"Hello, world"_s, {}, u"Hello, world"_s, "............"},
      {"characters RTF escapes", u"a\\b{c}d"_s, {{1, 5, kBlue}}, u"a\\b{c}d"_s, ".BBBBB."},
      {"beyond ASCII", u"café € 😀 Жx"_s, {{0, 4, kRed}, {7, 2, kBlue}}, u"café € 😀 Жx"_s, "RRRR...BB..."},
      {"tabs and blanks after control words",
       u"\tx\t y\t-5\t5\t"_s,
       {},
       u"\tx\t y\t-5\t5\t"_s,
       "..........."},
      {"span ending before a digit", u"x=42"_s, {{0, 2, kBlue}}, u"x=42"_s, "BB.."},
      {"span ending before a blank", u"if  x"_s, {{0, 2, kBlue}}, u"if  x"_s, "BB..."},
      {"span ending before a letter", u"<b>bold"_s, {{0, 3, kBlue}}, u"<b>bold"_s, "BBB...."},
      {"adjacent spans",
       u"<a>1</a>"_s,
       {{0, 3, kBlue}, {3, 1, kRed}, {4, 4, kBlue}},
       u"<a>1</a>"_s,
       "BBBRBBBB"},
      {"span over a line break", u"ab\ncd"_s, {{1, 3, kRed}}, u"ab\ncd"_s, ".R.R."},
      {"line breaks of every kind", u"a\r\nb\nc\rd"_s, {}, u"a\nb\nc\nd"_s, "......."},
      {"blank after a line break", u"a\n b"_s, {}, u"a\n b"_s, "...."},
      {"text ending in a line break", u"end\n"_s, {{0, 4, kBlue}}, u"end\n"_s, "BBB."},
      {"only line breaks", u"\n\n"_s, {}, u"\n\n"_s, ".."},
      {"empty", QString(), {{0, 5, kBlue}}, QString(), ""},
      {"line separator", u"a\u2028b"_s, {}, u"a\nb"_s, "..."},
      {"unsorted, overlapping and outside spans",
       u"abcdefgh"_s,
       {{5, 10, kBlue}, {-3, 5, kRed}, {1, 3, kBlue}, {20, 2, kRed}, {6, 0, kRed}},
       u"abcdefgh"_s,
       "RRBB.BBB"},
      {"lone surrogate and C1 control",
       QString(QChar(0xD83D)) + QChar(0x81),
       {},
       QString(QChar(0xD83D)) + QChar(0x81),
       ".."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const QByteArray rtf = WriteRtf(c.text, c.spans);
    const RtfDocument doc = ReadRtf(rtf);
    EXPECT_TRUE(doc.isRtf);
    EXPECT_FALSE(doc.truncated);
    EXPECT_EQ(RtfPlainText(doc), c.readBack);
    EXPECT_EQ(ColourMap(doc), QString::fromLatin1(c.colours));
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char ch) { return ch > 0; })) << "not 7-bit";
  }
}

TEST(RtfWriterTest, WritesWhatWordProcessorsRead) {
  const QByteArray rtf = WriteRtf(u"\\{}é€😀Ж\tx"_s, {{0, 1, 0x123456}});
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252")) << rtf.constData();
  EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}"));
  EXPECT_TRUE(rtf.contains("{\\colortbl;\\red18\\green52\\blue86;}"));
  EXPECT_TRUE(rtf.contains("\\cf1\\\\\\cf0\\{\\}\\'e9\\'80\\u-10179?\\u-8704?\\u1046?\\tab x"))
      << rtf.constData();
  EXPECT_TRUE(rtf.endsWith("}"));
}

}  // namespace
}  // namespace penwick
