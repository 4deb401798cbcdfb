#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <string_view>

#include "tests/support/qt_printers.h"

// The tables name only the fields a case is about; the others keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace penwick {

static void PrintTo(const RtfCharFormat& f, std::ostream* out) {
  *out << "{b" << f.bold << " i" << f.italic << " u" << f.underline << " s" << f.strike << " hp"
       << f.halfPoints << " v" << static_cast<int>(f.vertical) << " fg" << (f.colour ? int(*f.colour) : -1)
       << " bg" << (f.background ? int(*f.background) : -1) << " '" << f.fontFamily.toStdString() << "'}";
}
static void PrintTo(const RtfParagraphFormat& f, std::ostream* out) {
  *out << "{align" << static_cast<int>(f.align) << " li" << f.leftIndent << " ri" << f.rightIndent << " fi"
       << f.firstIndent << " sb" << f.spaceBefore << " sa" << f.spaceAfter << " pbb" << f.pageBreakBefore
       << "}";
}

namespace {

using namespace std::string_view_literals;

// Every paragraph of the document, those in table cells included.
std::vector<const RtfParagraph*> Paragraphs(const RtfDocument& doc) {
  std::vector<const RtfParagraph*> out;
  for (const RtfBlock& block : doc.blocks) {
    if (const auto* paragraph = std::get_if<RtfParagraph>(&block)) {
      out.push_back(paragraph);
      continue;
    }
    for (const auto& row : std::get<RtfTable>(block).rows) {
      for (const RtfCell& cell : row) {
        for (const RtfParagraph& paragraph : cell.paragraphs) out.push_back(&paragraph);
      }
    }
  }
  return out;
}

struct Found {
  const RtfRun* run = nullptr;
  const RtfParagraph* paragraph = nullptr;
};

// The first run whose text holds probe.
Found FindRun(const RtfDocument& doc, const QString& probe) {
  for (const RtfParagraph* paragraph : Paragraphs(doc)) {
    for (const RtfRun& run : paragraph->runs) {
      if (run.text.contains(probe)) return {&run, paragraph};
    }
  }
  return {};
}

QString Text(const RtfDocument& doc) { return RtfPlainText(doc); }

TEST(RtfReaderTest, ReadsTextAndFormats) {
  const struct Case {
    const char* what;
    std::string_view rtf;
    const char* text;  // UTF-8
    // When set: the format of the run holding this text and of its paragraph.
    const char* probe = nullptr;
    RtfCharFormat format = {};
    RtfParagraphFormat paragraph = {};
    bool truncated = false;
  } cases[] = {
      {.what = "plain text", .rtf = R"({\rtf1 Hello})", .text = "Hello", .probe = "Hello"},
      {.what = "bold group",
       .rtf = R"({\rtf1 a {\b b} c})",
       .text = "a b c",
       .probe = "b",
       .format = {.bold = true}},
      {.what = "\\b0 ends bold", .rtf = R"({\rtf1 \b x\b0 y})", .text = "xy", .probe = "y"},
      {.what = "toggles together",
       .rtf = R"({\rtf1 \i\ul\strike x})",
       .text = "x",
       .probe = "x",
       .format = {.italic = true, .underline = true, .strike = true}},
      {.what = "\\ulnone", .rtf = R"({\rtf1 \ul a\ulnone b})", .text = "ab", .probe = "b"},
      {.what = "\\ul0 after a word underline", .rtf = R"({\rtf1 \ulw a\ul0 b})", .text = "ab", .probe = "b"},
      {.what = "\\ulc is a colour, not underline", .rtf = R"({\rtf1 \ulc2 a})", .text = "a", .probe = "a"},
      {.what = "\\plain", .rtf = R"({\rtf1 \b\i\fs40\super a\plain b})", .text = "ab", .probe = "b"},
      {.what = "font size",
       .rtf = R"({\rtf1 \fs36 big})",
       .text = "big",
       .probe = "big",
       .format = {.halfPoints = 36}},
      {.what = "15-digit size",
       .rtf = R"({\rtf1 \fs123456789012345 x})",
       .text = "x",
       .probe = "x",
       .format = {.halfPoints = 3276}},
      {.what = "superscript",
       .rtf = R"({\rtf1 E{\super 2})",
       .text = "E2",
       .probe = "2",
       .format = {.vertical = RtfVertical::kSuper},
       .truncated = true},
      {.what = "subscript",
       .rtf = R"({\rtf1 H{\sub 2}O})",
       .text = "H2O",
       .probe = "2",
       .format = {.vertical = RtfVertical::kSub}},
      {.what = "\\nosupersub", .rtf = R"({\rtf1 \super a\nosupersub b})", .text = "ab", .probe = "b"},
      {.what = "colour",
       .rtf = R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue255;}\cf2 blue})",
       .text = "blue",
       .probe = "blue",
       .format = {.colour = 0x0000FF}},
      {.what = "\\cf0 is automatic",
       .rtf = R"({\rtf1{\colortbl;\red255\green0\blue0;}\cf1 a\cf0 b})",
       .text = "ab",
       .probe = "b"},
      {.what = "colour index past the table",
       .rtf = R"({\rtf1{\colortbl;\red1\green2\blue3;}\cf7 x})",
       .text = "x",
       .probe = "x"},
      {.what = "highlight",
       .rtf = R"({\rtf1{\colortbl;\red255\green255\blue0;}\highlight1 hi})",
       .text = "hi",
       .probe = "hi",
       .format = {.background = 0xFFFF00}},
      {.what = "\\cb",
       .rtf = R"({\rtf1{\colortbl;\red0\green128\blue0;}\cb1 x})",
       .text = "x",
       .probe = "x",
       .format = {.background = 0x008000}},
      {.what = "font from the table",
       .rtf =
           R"({\rtf1\deff0{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss{\*\panose 020b0604020202020204}Arial{\*\falt Helvetica};}}\f1 sans})",
       .text = "sans",
       .probe = "sans",
       .format = {.fontFamily = QStringLiteral("Arial")}},
      {.what = "default font",
       .rtf = R"({\rtf1\deff1{\fonttbl{\f0 Times;}{\f1 Arial;}}x})",
       .text = "x",
       .probe = "x",
       .format = {.fontFamily = QStringLiteral("Arial")}},
      {.what = "font table without entry groups",
       .rtf = R"({\rtf1{\fonttbl\f0\fswiss Helvetica;\f1\fmodern Courier;}\f1 x})",
       .text = "x",
       .probe = "x",
       .format = {.fontFamily = QStringLiteral("Courier")}},
      {.what = "\\plain returns to the default font",
       .rtf = R"({\rtf1\deff0{\fonttbl{\f0 Times;}{\f1 Arial;}}\f1 a\plain b})",
       .text = "ab",
       .probe = "b",
       .format = {.fontFamily = QStringLiteral("Times")}},
      // Characters and code pages.
      {.what = "\\'hh in 1252", .rtf = R"({\rtf1\ansi caf\'e9 \'80 \'93q\'94})", .text = "café € “q”"},
      {.what = "\\ansicpg1251",
       .rtf = R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})",
       .text = "Привет"},
      {.what = "font charset over \\ansicpg",
       .rtf =
           R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Arial Cyr;}}\f1 \'e4\'e0 \f0 \'e4})",
       .text = "да ä"},
      {.what = "Greek charset",
       .rtf = R"({\rtf1{\fonttbl{\f0\fcharset161 Arial Greek;}}\f0 \'e1\'e2})",
       .text = "αβ"},
      {.what = "Central European charset",
       .rtf = R"({\rtf1{\fonttbl{\f0\fcharset238 Arial CE;}}\f0 \'b9\'e8})",
       .text = "ąč"},
      {.what = "Shift-JIS pairs",
       .rtf =
           R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0 \'82\'a0\'82\'a2 \'95\'5c\'95\\})",
       .text = "あい 表表"},
      {.what = "GBK pairs",
       .rtf = R"({\rtf1{\fonttbl{\f0\fcharset134 SimSun;}}\f0 \'c4\'e3\'ba\'c3})",
       .text = "你好"},
      {.what = "bytes a code page cannot map",
       .rtf = R"({\rtf1\ansicpg1253{\fonttbl{\f1\fcharset128 M;}}\'d2{\f1 caf\'e9 x}})",
       .text = "�"
               "caf� x"},
      {.what = "symbol font bullet",
       .rtf = R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\f1 \'b7}})",
       .text = "•"},
      {.what = "\\u with a fallback", .rtf = R"({\rtf1 \u8364?})", .text = "€"},
      {.what = "negative \\u makes a surrogate pair", .rtf = R"({\rtf1 \u-10179?\u-8704?!})", .text = "😀!"},
      {.what = "\\uc2 skips two \\'hh", .rtf = R"({\rtf1\uc2\u12354\'82\'a0 x})", .text = "あ x"},
      {.what = "\\uc0 skips nothing", .rtf = R"({\rtf1\uc0\u233 x})", .text = "éx"},
      {.what = "skipping stops at the group end", .rtf = R"({\rtf1\uc3{\u233 a}bc})", .text = "ébc"},
      {.what = "\\uc is kept per group", .rtf = R"({\rtf1{\uc0}\u233 ab})", .text = "éb"},
      {.what = "a control word counts as one fallback", .rtf = R"({\rtf1\u8220\ldblquote x})", .text = "“x"},
      {.what = "\\u of a control character", .rtf = R"({\rtf1 a\u13?\u0?b})", .text = "ab"},
      {.what = "named characters",
       .rtf =
           R"({\rtf1 a\~b\emdash c\endash d\lquote e\rquote f\ldblquote g\rdblquote h\bullet i\enspace j\emspace k\_l\-m})",
       .text = "a\u00A0b—c–d‘e’f“g”h•i\u2002j\u2003k\u2011l\u00ADm"},
      {.what = "escaped characters", .rtf = R"({\rtf1 \\ \{ \}})", .text = "\\ { }"},
      {.what = "line ends in the source", .rtf = "{\\rtf1 a\r\nb\rc\nd}", .text = "abcd"},
      {.what = "NUL bytes",
       .rtf = "{\\rtf1 a\0b\\\0c\\b\0d}"sv,
       .text = "abcd",
       .probe = "d",
       .format = {.bold = true}},
      {.what = "upper-case hex", .rtf = R"({\rtf1 \'E9})", .text = "é"},
      {.what = "broken hex", .rtf = R"({\rtf1 a\'zzb\'4})", .text = "azzb4"},
      {.what = "parameter ends at a letter",
       .rtf = R"({\rtf1 \fs20x})",
       .text = "x",
       .probe = "x",
       .format = {.halfPoints = 20}},
      {.what = "overlong control word",
       .rtf = R"({\rtf1 a\abcdefghijklmnopqrstuvwxyzabcdefghijklmn b})",
       .text = "ab"},
      {.what = "unknown control words", .rtf = R"({\rtf1 \foo a\bar12 b\baz-3c})", .text = "abc"},
      {.what = "unknown destination shown", .rtf = R"({\rtf1 {\mydest shown} a})", .text = "shown a"},
      {.what = "ignorable destination", .rtf = R"({\rtf1 a{\*\mydest secret{\b more}}b})", .text = "ab"},
      {.what = "skipped destinations",
       .rtf =
           R"({\rtf1{\info{\title T}{\author A}}{\stylesheet{\s0 Normal;}}{\header H}{\footer F}{\headerl H}{\footerr F}a{\*\generator G;}})",
       .text = "a"},
      {.what = "picture with braces in its data",
       .rtf = R"({\rtf1 a{\*\shppict{\pict\pngblip 89504e47{}\}}}{\nonshppict{\pict\wmetafile8 0102}}b})",
       .text = "ab"},
      {.what = "binary data", .rtf = R"({\rtf1 a{\pict\bin4 }}}}x}b\bin3 {}xc})", .text = "abc"},
      {.what = "object shows its result",
       .rtf = R"({\rtf1 {\object\objemb{\*\objclass Word.Document}{\objdata 0102}{\result result}}})",
       .text = "result"},
      {.what = "footnote left out",
       .rtf = R"({\rtf1 a{\super\chftn}{\footnote\pard\plain\chftn note}b})",
       .text = "ab"},
      {.what = "field result shown",
       .rtf = R"({\rtf1{\field{\*\fldinst {HYPERLINK "http://example.com/"}}{\fldrslt {\ul link}}} end})",
       .text = "link end",
       .probe = "link",
       .format = {.underline = true}},
      {.what = "list text shown",
       .rtf =
           R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\listtext\f1 \'b7\tab}One\par{\pntext 2.\tab}{\*\pn\pnlvlbody{\pntxta .}}Two\par})",
       .text = "•\tOne\n2.\tTwo"},
      {.what = "hidden text", .rtf = R"({\rtf1 a{\v hidden}b})", .text = "ab"},
      {.what = "not RTF", .rtf = "Hello {\\rtf1 x}", .text = ""},
      {.what = "byte-order mark and blanks", .rtf = "\xEF\xBB\xBF \r\n{\\rtf1 x}", .text = "x"},
      {.what = "after the document's group", .rtf = R"({\rtf1 a}b}}{\rtf1 c})", .text = "a"},
      {.what = "truncated",
       .rtf = R"({\rtf1 a{\b b)",
       .text = "ab",
       .probe = "b",
       .format = {.bold = true},
       .truncated = true},
      {.what = "\\bin past the end", .rtf = R"({\rtf1 a\bin999999999 xyz)", .text = "a", .truncated = true},
      // Paragraphs.
      {.what = "paragraphs", .rtf = R"({\rtf1 one\par two\par})", .text = "one\ntwo"},
      {.what = "last paragraph without a mark", .rtf = R"({\rtf1 one\par two})", .text = "one\ntwo"},
      {.what = "empty paragraphs", .rtf = R"({\rtf1 a\par\par b})", .text = "a\n\nb"},
      {.what = "backslash before a line end", .rtf = "{\\rtf1 a\\\nb\\\r\nc}", .text = "a\nb\nc"},
      {.what = "line break and tab", .rtf = R"({\rtf1 a\line b\tab c})", .text = "a\nb\tc"},
      {.what = "paragraph format",
       .rtf = R"({\rtf1\pard\qc\li720\ri360\fi-360\sb120\sa240 centred\par})",
       .text = "centred",
       .probe = "centred",
       .paragraph = {RtfAlign::kCenter, 720, 360, -360, 120, 240, false}},
      {.what = "\\pard resets", .rtf = R"({\rtf1\qr\li100 a\par\pard b\par})", .text = "a\nb", .probe = "b"},
      {.what = "justified",
       .rtf = R"({\rtf1\qj j})",
       .text = "j",
       .probe = "j",
       .paragraph = {.align = RtfAlign::kJustify}},
      {.what = "the mark's format applies",
       .rtf = R"({\rtf1 r\qr\par})",
       .text = "r",
       .probe = "r",
       .paragraph = {.align = RtfAlign::kRight}},
      {.what = "page break",
       .rtf = R"({\rtf1 a\page b\par})",
       .text = "a\nb",
       .probe = "b",
       .paragraph = {.pageBreakBefore = true}},
      {.what = "page break in its own paragraph",
       .rtf = R"({\rtf1 a\par{\page}\par b\par})",
       .text = "a\nb",
       .probe = "b",
       .paragraph = {.pageBreakBefore = true}},
      {.what = "section break", .rtf = R"({\rtf1 a\sect b\par\sect})", .text = "a\nb"},
      // Tables.
      {.what = "table",
       .rtf =
           R"({\rtf1 x\par\trowd\cellx1000\cellx2000\pard\intbl a\cell b\cell\row\trowd\cellx1000\cellx2000\pard\intbl c\cell d\cell\row\pard after\par})",
       .text = "x\na\tb\nc\td\nafter"},
      {.what = "row end in its own group",
       .rtf = R"({\rtf1\pard\intbl{a\cell}{b\cell}\pard\intbl{\trowd\cellx1\cellx2\row}})",
       .text = "a\tb"},
      {.what = "cell of two paragraphs",
       .rtf = R"({\rtf1\intbl a\par b\cell c\cell\row})",
       .text = "a\nb\tc"},
      {.what = "nested table flattened",
       .rtf = R"({\rtf1\intbl a\nestcell{b\nestcell}{\*\nesttableprops\trowd\nestrow}c\cell d\cell\row})",
       .text = "a\nb\nc\td"},
      {.what = "row left open", .rtf = R"({\rtf1\intbl a\cell b)", .text = "a\tb", .truncated = true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const RtfDocument doc = ReadRtf(QByteArrayView(c.rtf.data(), static_cast<qsizetype>(c.rtf.size())));
    EXPECT_EQ(Text(doc), QString::fromUtf8(c.text));
    EXPECT_EQ(doc.truncated, c.truncated);
    if (!c.probe) continue;
    const Found found = FindRun(doc, QString::fromUtf8(c.probe));
    ASSERT_NE(found.run, nullptr);
    EXPECT_EQ(found.run->format, c.format);
    EXPECT_EQ(found.paragraph->format, c.paragraph);
  }
}

TEST(RtfReaderTest, OnlyFilesStartingWithRtfAreRtf) {
  EXPECT_TRUE(ReadRtf("{\\rtf1}").isRtf);
  EXPECT_TRUE(ReadRtf("\xEF\xBB\xBF\n {\\rtf1 x}").isRtf);
  EXPECT_FALSE(ReadRtf("").isRtf);
  EXPECT_FALSE(ReadRtf("{\\rt").isRtf);
  EXPECT_FALSE(ReadRtf("plain text {\\rtf1 x}").isRtf);
  EXPECT_FALSE(ReadRtf("{\\urtf1 x}").isRtf);
}

// What a word processor writes: font, colour and style tables, document properties, a list, a hyperlink,
// a picture, a table, a footnote, headers and footers, Unicode with fallbacks and the theme parts.
constexpr std::string_view kWordDocument =
    R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff31507\deff0\stshfdbch31505\deflang1033{\fonttbl{\f0\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}{\f1\fbidi \fswiss\fcharset0\fprq2{\*\panose 020b0604020202020204}Arial;}
{\f3\fbidi \froman\fcharset2\fprq2{\*\panose 05050102010706020507}Symbol;}{\f43\fbidi \fswiss\fcharset204\fprq2 Arial Cyr;}
{\flomajor\f31500\fbidi \froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red0\green255\blue255;\red0\green255\blue0;\red255\green0\blue255;\red255\green0\blue0;\ctextone\ctint255\cshade255\red0\green0\blue0;}
{\*\defchp \f31506\fs22 }{\*\defpap \ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 }\noqfpromote
{\stylesheet{\ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\itap0 \rtlch\fcs1 \af31507\afs22\alang1025 \ltrch\fcs0 \f31506\fs22\lang1033\langfe1033\cgrid\snext0 \sqformat \spriority0 Normal;}{\*\cs10 \additive \ssemihidden \sunhideused \spriority1 Default Paragraph Font;}{\s15\ql \li720 List Paragraph;}}
{\*\listtable{\list\listtemplateid-1{\listlevel\levelnfc23\levelnfcn23\leveljc0\leveljcn0\levelfollow0\levelstartat1{\leveltext\leveltemplateid67698689\'01\u-3913 ?;}{\levelnumbers;}\f3\fbias0 \fi-360\li720\lin720 }{\listname ;}\listid1}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}}{\*\rsidtbl \rsid123\rsid456}{\*\mmathPr\mmathFont34\mbrkBin0}
{\info{\title Report}{\author Jane Writer}{\operator Jane}{\creatim\yr2024\mo3\dy5\hr10\min2}{\version2}{\nofwords20}}{\*\xmlnstbl {\xmlns1 http://schemas.microsoft.com/office/word/2003/wordml}}
\paperw12240\paperh15840\margl1440\margr1440\margt1440\margb1440\gutter0\ltrsect \widowctrl\ftnbj\aenddoc
{\*\ftnsep \ltrpar \pard\plain \ltrpar\ql \li0\ri0\widctlpar\itap0 \rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 \chftnsep \par }
\sectd \ltrsect\linex0\endnhere\sectlinegrid360\sectdefaultcl\sftnbj {\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang {\pntxta .}}
{\header \ltrpar \pard\plain \ltrpar\s16\ql \li0\ri0\widctlpar {\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 Page header text\par }}{\footer \ltrpar \pard\plain Footer text\par }
\pard\plain \ltrpar\s1\qc \li0\ri0\sb240\sa60\keepn\widctlpar\wrapdefault\itap0 \rtlch\fcs1 \ab\af1\afs32 \ltrch\fcs0 \b\f1\fs32\insrsid123 Quarterly Report\par
\pard\plain \ltrpar\ql \li0\ri0\sa200\sl276\slmult1\widctlpar\wrapdefault\itap0 \rtlch\fcs1 \af31507\afs22 \ltrch\fcs0 \fs22 {\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 This is }{\rtlch\fcs1 \ab\af31507 \ltrch\fcs0 \b\insrsid123 bold}{\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 , }{\rtlch\fcs1 \ai\af31507 \ltrch\fcs0 \i\insrsid123 italic}{\insrsid123 , }{\cf6\insrsid123 red}{\insrsid123  and caf\'e9 \u8364\'80 5 \'96 }{\f43\insrsid123 \'c4\'e0}{\insrsid123 .\par }
{\listtext\pard\plain\ltrpar \s15 \rtlch\fcs1 \af0 \ltrch\fcs0 \f3\insrsid123 \loch\af3\dbch\af31505\hich\f3 \'b7\tab}\pard\plain \ltrpar\s15\ql \fi-360\li720\ri0\sa200\widctlpar\jclisttab\tx720\wrapdefault\ls1\adjustright\rin0\lin720\itap0 {\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 First item\par }
{\listtext\pard\plain\ltrpar \s15 \rtlch\fcs1 \af0 \ltrch\fcs0 \f3\insrsid123 \loch\af3\dbch\af31505\hich\f3 \'b7\tab}{\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 Second item\par }
\pard\plain \ltrpar\ql \li0\ri0\sa200\widctlpar\itap0 {\insrsid123 Visit }{\field{\*\fldinst {\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123  HYPERLINK "http://www.example.com/" }{\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 {\*\datafield 00d0c9ea79f9bace118c8200aa004ba90b0200000017000000}}}{\fldrslt {\rtlch\fcs1 \af31507 \ltrch\fcs0 \cs15\ul\cf2\insrsid123 Example site}}}{\insrsid123 .\par }
\pard\plain \ltrpar\qc \li0\ri0\widctlpar\itap0 {\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 {\*\shppict{\pict{\*\picprop\shplid1025{\sp{\sn shapeType}{\sv 75}}}\picscalex100\picscaley100\picw1000\pich1000\picwgoal567\pichgoal567\pngblip\bliptag-1 {\*\blipuid 0123}89504e470d0a1a0a0000000d49484452}}{\nonshppict{\pict\picscalex100\picw1000\pich1000\wmetafile8\bliptag-1 0100090000033e}}}{\insrsid123  Caption\par }
\trowd \irow0\irowband0\ltrrow\ts11\trgaph108\trleft-108\trbrdrt\brdrs\brdrw10 \clvertalt\clbrdrt\brdrs\brdrw10 \cltxlrtb\clftsWidth3\clwWidth4788\clshdrawnil \cellx4680\clvertalt\cltxlrtb\clftsWidth3\clwWidth4788\clshdrawnil \cellx9468\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\itap0 {\rtlch\fcs1 \af31507 \ltrch\fcs0 \b\insrsid123 Name\cell }{\rtlch\fcs1 \af31507 \ltrch\fcs0 \b\insrsid123 Value\cell }\pard\plain \ltrpar\ql \li0\ri0\sa200\widctlpar\intbl\wrapdefault\itap0 {\rtlch\fcs1 \af31507 \ltrch\fcs0 \insrsid123 \trowd \irow0\irowband0\ltrrow\ts11\trgaph108\trleft-108 \cellx4680\cellx9468\row }
\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\itap0 {\insrsid123 Alpha\cell }{\insrsid123 \u945\'3f\cell }\pard\plain \ltrpar\intbl {\insrsid123 \trowd \irow1\irowband1\lastrow \ltrrow\cellx4680\cellx9468\row }
\pard\plain \ltrpar\ql \li0\ri0\sa200\widctlpar\itap0 {\insrsid123 Footnote here}{\cs17\super\insrsid123 \chftn {\footnote \ltrpar \pard\plain \ltrpar\s18\ql {\cs17\super\insrsid123 \chftn }{\insrsid123  The note.}}}{\insrsid123  and the end.\par }
{\*\themedata 504b030414000600080000002100e9de0fbfff0000001c020000130000005b436f6e74656e745f54797065735d2e786d6cac91cb4ec3301045f748fc83e52d4a}
{\*\colorschememapping 3c3f786d6c2076657273696f6e3d22312e30}{\*\latentstyles\lsdstimax371\lsdlockeddef0 {\lsdlockedexcept \lsdqformat1 \lsdpriority0 \lsdlocked0 Normal;}}
{\*\datastore 01050000020000001800000}}
)";

TEST(RtfReaderTest, ReadsAWordProcessorDocument) {
  const RtfDocument doc = ReadRtf(QByteArrayView(kWordDocument.data(), kWordDocument.size()));
  ASSERT_TRUE(doc.isRtf);
  EXPECT_FALSE(doc.truncated);
  EXPECT_EQ(Text(doc), QString::fromUtf8("Quarterly Report\n"
                                         "This is bold, italic, red and café € 5 – Да.\n"
                                         "•\tFirst item\n"
                                         "•\tSecond item\n"
                                         "Visit Example site.\n"
                                         " Caption\n"
                                         "Name\tValue\n"
                                         "Alpha\tα\n"
                                         "Footnote here and the end."));

  ASSERT_EQ(doc.blocks.size(), 8u);
  const auto& table = std::get<RtfTable>(doc.blocks[6]);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0].size(), 2u);
  EXPECT_EQ(table.rows[1].size(), 2u);

  const Found title = FindRun(doc, QStringLiteral("Quarterly"));
  ASSERT_NE(title.run, nullptr);
  EXPECT_EQ(title.run->format,
            (RtfCharFormat{.bold = true, .halfPoints = 32, .fontFamily = QStringLiteral("Arial")}));
  EXPECT_EQ(title.paragraph->format,
            (RtfParagraphFormat{.align = RtfAlign::kCenter, .spaceBefore = 240, .spaceAfter = 60}));

  const RtfCharFormat body{.halfPoints = 22, .fontFamily = QStringLiteral("Times New Roman")};
  const std::pair<const char*, RtfCharFormat> runs[] = {
      {"This is ", body},
      {"bold",
       RtfCharFormat{.bold = true, .halfPoints = 22, .fontFamily = QStringLiteral("Times New Roman")}},
      {"red",
       RtfCharFormat{.halfPoints = 22, .colour = 0xFF0000, .fontFamily = QStringLiteral("Times New Roman")}},
      {"Да", RtfCharFormat{.halfPoints = 22, .fontFamily = QStringLiteral("Arial Cyr")}},
      {"Example site",
       RtfCharFormat{.underline = true, .colour = 0x0000FF, .fontFamily = QStringLiteral("Times New Roman")}},
  };
  for (const auto& [text, format] : runs) {
    const Found found = FindRun(doc, QString::fromUtf8(text));
    ASSERT_NE(found.run, nullptr) << text;
    EXPECT_EQ(found.run->format, format) << text;
  }
  const Found item = FindRun(doc, QStringLiteral("First item"));
  ASSERT_NE(item.paragraph, nullptr);
  EXPECT_EQ(item.paragraph->format,
            (RtfParagraphFormat{.leftIndent = 720, .firstIndent = -360, .spaceAfter = 200}));
}

// Each hostile file is read in well under a second, whatever its size, and gives a sensible result.
TEST(RtfReaderTest, HostileFilesAreReadQuickly) {
  const QByteArray header = "{\\rtf1 ";
  const struct {
    const char* what;
    QByteArray rtf;
    QString text;
    bool truncated;
  } cases[] = {
      {"100,000 nested groups", header + QByteArray(100'000, '{') + "x" + QByteArray(100'001, '}'), "",
       false},
      {"groups within the depth limit", header + QByteArray(900, '{') + "x" + QByteArray(901, '}'), "x",
       false},
      {"a million open groups", header + QByteArray(1'000'000, '{'), "", true},
      {"\\bin with a huge count at the end", header + "a\\bin999999999", "a", true},
      {"\\bin with a negative count", header + "a\\bin-5 b}", "ab", false},
      {"truncated group", header + "a{\\b b{\\i c", "abc", true},
      {"100 KB control word", header + "a\\" + QByteArray(100'000, 'x') + " b}", "ab", false},
      {"100 KB parameter", header + "a\\fs" + QByteArray(100'000, '9') + " b}", "ab", false},
      {"NUL bytes", header + QByteArray("a\0\0b\\\0c\0}", 10), "abc", false},
      {"only a backslash after the header", header + "\\", "", true},
      {"a long fallback", header + "\\uc255\\u65 " + QByteArray(1'000'000, 'x') + "}", "A" + QString(99, 'x'),
       false},
      {"200,000 cells in one row", header + "\\intbl " + QByteArray("x\\cell ").repeated(200'000) + "\\row}",
       QStringLiteral("x\t").repeated(50), false},
      {"a million format changes",
       header + "{\\fonttbl{\\f0 " + QByteArray(100'000, 'F') + ";}}" +
           QByteArray("{\\f0\\b x}{\\i y}").repeated(100'000) + "}",
       QString(), false},
      {"an endless destination", header + "{\\*\\pict " + QByteArray(2'000'000, 'a') + "}b}", "b", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QElapsedTimer timer;
    timer.start();
    const RtfDocument doc = ReadRtf(c.rtf);
    const QString text = Text(doc);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(doc.truncated, c.truncated);
    if (!c.text.isNull()) {
      EXPECT_EQ(text.left(100), c.text);
    }
  }

  // Cells past the most a row can hold join its last cell, so no grid of a million columns is built.
  const RtfDocument wide = ReadRtf("{\\rtf1\\intbl " + QByteArray("x\\cell ").repeated(10'000) + "\\row}");
  ASSERT_EQ(wide.blocks.size(), 1u);
  const auto& row = std::get<RtfTable>(wide.blocks[0]).rows.at(0);
  EXPECT_LE(row.size(), 256u);
  EXPECT_EQ(RtfPlainText(wide).count(QLatin1Char('x')), 10'000);
}

}  // namespace
}  // namespace penwick
