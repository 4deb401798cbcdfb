#include "platform/document_io.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "tests/support/file_bytes.h"

namespace penwick {
namespace {

const QByteArray kBom = "\xEF\xBB\xBF";

using test::ReadFile;
using test::WriteFile;

TEST(DocumentIoTest, DetectsEncodingAndLineEnds) {
  const struct {
    QByteArray bytes;
    TextEncoding encoding;
    LineEnd lineEnd;
  } cases[] = {
      {"", TextEncoding::kCp1252, LineEnd::kCrLf},
      {"no break", TextEncoding::kCp1252, LineEnd::kCrLf},
      {kBom, TextEncoding::kUtf8Bom, LineEnd::kCrLf},
      {kBom + "ascii\n", TextEncoding::kUtf8Bom, LineEnd::kLf},
      {"caf\xC3\xA9\r", TextEncoding::kUtf8, LineEnd::kCr},
      {"caf\xE9\r\n", TextEncoding::kCp1252, LineEnd::kCrLf},
      {"\xC3\xA9 then \xE9", TextEncoding::kCp1252, LineEnd::kCrLf},
      {"a\nb\nc\r\n", TextEncoding::kCp1252, LineEnd::kLf},
      {"a\rb\rc\r\nd\n", TextEncoding::kCp1252, LineEnd::kCr},
      {"a\r\nb\n", TextEncoding::kCp1252, LineEnd::kCrLf},  // ties go to CR LF
      {"a\nb\r", TextEncoding::kCp1252, LineEnd::kCrLf},
      {"\n\r", TextEncoding::kCp1252, LineEnd::kCrLf},                        // LF then a lone CR, not a pair
      {"\r\r\n\r\n", TextEncoding::kCp1252, LineEnd::kCrLf},                  // a lone CR before a pair
      {"1234567\r\n89abcdef\r\nx\n", TextEncoding::kCp1252, LineEnd::kCrLf},  // pair across 8 bytes
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DetectEncoding(c.bytes), c.encoding) << c.bytes.toHex().toStdString();
    EXPECT_EQ(DetectLineEnd(c.bytes), c.lineEnd) << c.bytes.toHex().toStdString();
    const DecodedDocument document = DecodeDocument(c.bytes);
    EXPECT_EQ(document.format.encoding, c.encoding) << c.bytes.toHex().toStdString();
    EXPECT_EQ(document.format.lineEnd, c.lineEnd) << c.bytes.toHex().toStdString();
  }
}

TEST(DocumentIoTest, DecodesToUtf8WithCrLf) {
  const struct {
    QByteArray file;
    QByteArray text;
  } cases[] = {
      {"a\nb", "a\r\nb"},
      {"a\rb\rc\r\r", "a\r\nb\r\nc\r\n\r\n"},
      // breaks of more than one kind are held as they are
      {"a\rb\r\nc\n\n", "a\rb\r\nc\n\n"},
      {"\r\r\n", "\r\r\n"},
      {"caf\xE9\r\n", "caf\xC3\xA9\r\n"},
      {"\x80\x81\x9F\xA0\xFF", "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xBF"},
      {kBom + "x\ny", "x\r\ny"},
      {kBom + "x", "x"},
      {kBom, ""},
      {"\xC3\xA9\n", "\xC3\xA9\r\n"},
      {QByteArray("a\0b\n\0", 5), QByteArray("a\0b\r\n\0", 6)},
      // long runs exercise the word-at-a-time copy, with breaks and code page bytes on both sides of it
      {"0123456789abcdef\n0123456789abcde\xE9\nxyz", "0123456789abcdef\r\n0123456789abcde\xC3\xA9\r\nxyz"},
      {"0123456789abcdef\n0123456789abcde\xE9\rxyz", "0123456789abcdef\n0123456789abcde\xC3\xA9\rxyz"},
      // a mark that is not followed by UTF-8 is no mark: every byte is code page text
      {kBom + "\xE9", "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeDocument(c.file).utf8, c.text) << c.file.toHex().toStdString();
  }
}

TEST(DocumentIoTest, EncodesForTheFileFormat) {
  const QByteArray text = "a\r\nb\rc\nd\r\n";
  const struct {
    DocumentFormat format;
    QByteArray text;
    QByteArray file;
  } cases[] = {
      {{TextEncoding::kCp1252, LineEnd::kCrLf}, text, text},
      {{TextEncoding::kCp1252, LineEnd::kLf}, text, "a\nb\rc\nd\n"},
      {{TextEncoding::kUtf8, LineEnd::kCr}, text, "a\rb\rc\nd\r"},
      {{TextEncoding::kUtf8Bom, LineEnd::kCrLf}, text, kBom + text},
      {{TextEncoding::kUtf8Bom, LineEnd::kLf}, "\xE2\x82\xAC\r\n", kBom + "\xE2\x82\xAC\n"},
      {{TextEncoding::kCp1252, LineEnd::kCrLf}, "\xC3\xA9\xE2\x82\xAC\r\n", "\xE9\x80\r\n"},
      {{TextEncoding::kCp1252, LineEnd::kLf}, "0123456789abcdef\xC3\xA9\r\n", "0123456789abcdef\xE9\n"},
      {{TextEncoding::kUtf8, LineEnd::kLf}, "", ""},
      // a document that keeps a file's mixed breaks writes every break as it is
      {{TextEncoding::kCp1252, LineEnd::kLf, true}, text, text},
      {{TextEncoding::kUtf8Bom, LineEnd::kCr, true}, "\xC3\xA9\n\r", kBom + "\xC3\xA9\n\r"},
  };
  for (const auto& c : cases) {
    QByteArray out = "stale";
    ASSERT_TRUE(EncodeDocument(c.text.constData(), c.text.size(), c.format, &out)) << c.text.toStdString();
    EXPECT_EQ(out, c.file) << c.text.toHex().toStdString();
  }
}

TEST(DocumentIoTest, ReportsCharactersTheCodePageCannotHold) {
  const struct {
    QByteArray text;
    qsizetype offset;
  } cases[] = {
      {"ab\xE4\xB8\xAD", 2},                     // U+4E2D
      {"\xC3\xA9\r\n\xE4\xB8\xAD", 4},           // after a two-byte character and a line break
      {"0123456789abcdef\xF0\x9F\x98\x80", 16},  // outside the basic plane
      {"x\xC2\x80", 1},                          // a C1 control the code page replaced
      {"ok\xE9", 2},                             // not UTF-8 at all
  };
  for (const auto& c : cases) {
    QByteArray out;
    qsizetype offset = -1;
    const DocumentFormat cp1252{TextEncoding::kCp1252, LineEnd::kLf};
    EXPECT_FALSE(EncodeDocument(c.text.constData(), c.text.size(), cp1252, &out, &offset))
        << c.text.toHex().toStdString();
    EXPECT_EQ(offset, c.offset) << c.text.toHex().toStdString();
  }
}

// The editor window round-trips the common kinds (edit_form_test); here the odd ones.
TEST(DocumentIoTest, FilesRoundTripByteForByte) {
  const struct {
    const char* name;
    QByteArray file;
    TextEncoding encoding;
  } cases[] = {
      {"UTF-8 with BOM", kBom + "\xE4\xB8\xAD\xE6\x96\x87\r\n\xF0\x9F\x98\x80\r\n", TextEncoding::kUtf8Bom},
      {"CR only", "<html>\r<body>\r\xE9\r\r</body>", TextEncoding::kCp1252},
      {"UTF-8 cut mid-sequence", "h\xC3\xA9llo \xE4\xB8", TextEncoding::kCp1252},
      {"UTF-8 LF, no final break", "\xC3\xA9\n\xC3\xA9", TextEncoding::kUtf8},
      {"mixed breaks", "a\r\nb\nc\rd\r\n", TextEncoding::kCp1252},
      {"lone CR inside CR LF lines", "x = 1;\ry\r\n\r\r\n", TextEncoding::kCp1252},
      {"mark before code page text", kBom + "caf\xE9\n", TextEncoding::kCp1252},
      {"every byte value",
       [] {
         QByteArray all;
         for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
         return all + all;
       }(),
       TextEncoding::kCp1252},
  };
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (const auto& c : cases) {
    const QString path = dir.filePath("doc.html");
    WriteFile(path, c.file);
    QByteArray read;
    QString error;
    ASSERT_TRUE(ReadWholeFile(path, &read, &error)) << error.toStdString();
    const DecodedDocument document = DecodeDocument(read);
    EXPECT_EQ(document.format.encoding, c.encoding) << c.name;
    QByteArray encoded;
    ASSERT_TRUE(EncodeDocument(document.utf8.constData(), document.utf8.size(), document.format, &encoded))
        << c.name;
    ASSERT_TRUE(WriteWholeFileAtomic(path, encoded, &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(path), c.file) << c.name;
  }
}

// Keeps the text a document sink is given, as the editor's control does.
struct KeptText : DocumentSink {
  void Start(qint64) override {
    text.clear();
    ++starts;
  }
  bool Append(QByteArrayView more) override {
    text += more;
    return true;
  }
  QByteArray text;
  int starts = 0;
};

// Blocks of every size from one byte up cut UTF-8 sequences, CR LF pairs and marks at every place.
TEST(DocumentIoTest, BlocksDecodeAsTheWholeFileDoes) {
  const QByteArray files[] = {
      "a\r\nb\r\nc",
      "x\ny\n",
      "\r\r\n\r",
      "caf\xC3\xA9 \xE4\xB8\xAD\xF0\x9F\x98\x80\n",
      kBom + "\xC3\xA9\r",
      kBom + "x\xE9",
      "h\xC3\xA9llo \xE4\xB8",
      "\x80\xE9\r\n\r\n",
      "ab\xC3",
      "\xE9\r\xE9\r",
      kBom + "a\r\n",
  };
  for (const QByteArray& file : files) {
    const DecodedDocument whole = DecodeDocument(file);
    for (qsizetype block = 1; block <= 5; ++block) {
      SCOPED_TRACE(file.toHex().toStdString() + " in blocks of " + std::to_string(block));
      FormatScanner scanner;
      for (qsizetype at = 0; at < file.size(); at += block)
        scanner.Feed(file.constData() + at, std::min(block, file.size() - at));
      const DocumentScan scan = scanner.Finish();
      EXPECT_EQ(scan.format.encoding, whole.format.encoding);
      EXPECT_EQ(scan.format.lineEnd, whole.format.lineEnd);
      EXPECT_EQ(scan.format.mixedLineEnds, whole.format.mixedLineEnds);
      DocumentDecoder decoder(scan);
      QByteArray text;
      for (qsizetype at = 0; at < file.size(); at += block)
        text += decoder.Feed(file.constData() + at, std::min(block, file.size() - at));
      text += decoder.Finish();
      EXPECT_EQ(text, whole.utf8);
      EXPECT_LE(text.size(), scan.textBytes);
      EXPECT_EQ(scan.multiByte, std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; }));
    }
  }
}

// Line breaks and bytes above 0x7F counted one byte at a time, as a reader would.
DocumentScan CountedByHand(const QByteArray& bytes) {
  DocumentScan counts;
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
      ++counts.crLf;
      ++i;
    } else {
      counts.cr += c == '\r';
      counts.lf += c == '\n';
      counts.high += static_cast<unsigned char>(c) >= 0x80;
    }
  }
  return counts;
}

// Texts thick with breaks and high bytes, short and long (past the point where counters in byte lanes would
// overflow), whole and in blocks that cut pairs.
TEST(DocumentIoTest, CountsBreaksAndHighBytesExactly) {
  std::vector<QByteArray> texts = {QByteArray(10000, '\n'), QByteArray(10000, '\r'), QByteArray(9999, '\xE9'),
                                   QByteArray("\r\n").repeated(6000), QByteArray("\r\r\n").repeated(3000)};
  std::mt19937 random(7);
  const char alphabet[] = {'\r', '\n', 'a', ' ', '\x80', '\xC3', '\xA9', '\xFF', '\0'};
  for (int length : {1, 2, 15, 16, 17, 18, 31, 33, 64, 255, 4097, 70000}) {
    QByteArray text(length, '\0');
    for (char& c : text) c = alphabet[random() % sizeof alphabet];
    texts.push_back(text);
  }
  for (const QByteArray& text : texts) {
    const DocumentScan expected = CountedByHand(text);
    for (qsizetype block : {text.size(), qsizetype(17), qsizetype(4096)}) {
      SCOPED_TRACE(std::to_string(text.size()) + " bytes in blocks of " + std::to_string(block));
      FormatScanner scanner;
      for (qsizetype at = 0; at < text.size(); at += block)
        scanner.Feed(text.constData() + at, std::min(block, text.size() - at));
      const DocumentScan scan = scanner.Finish();
      EXPECT_EQ(scan.crLf, expected.crLf);
      EXPECT_EQ(scan.cr, expected.cr);
      EXPECT_EQ(scan.lf, expected.lf);
      EXPECT_EQ(scan.high, expected.high);
    }
  }
}

TEST(DocumentIoTest, ReadsFilesInBlocksAsAWhole) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QByteArray edge(256 * 1024 - 1, 'x');  // the first block ends after it
  const struct {
    QByteArray file;
    int starts;  // a file whose text is its bytes is read once
  } cases[] = {
      {edge + "\r\nx\xC3\xA9\r\n", 1}, {edge + "\xC3\xA9\r\n", 1},
      {kBom + edge + "\xC3\xA9", 1},   {edge + "\ry\r", 2},
      {edge + "\xC3\xA9\n", 2},        {edge + "\r\n\xE9\n", 2},
  };
  for (const auto& c : cases) {
    const QString path = dir.filePath("doc.txt");
    WriteFile(path, c.file);
    KeptText kept;
    DocumentScan scan;
    QString error;
    ASSERT_TRUE(ReadDocument(path, kept, &scan, &error)) << error.toStdString();
    const DecodedDocument whole = DecodeDocument(c.file);
    EXPECT_EQ(kept.text, whole.utf8);
    EXPECT_EQ(scan.format, whole.format);
    EXPECT_EQ(kept.starts, c.starts);
  }
  KeptText kept;
  DocumentScan scan;
  QString error;
  EXPECT_FALSE(ReadDocument(dir.path(), kept, &scan, &error));
  EXPECT_TRUE(error.endsWith(QStringLiteral(" is not a regular file"))) << error.toStdString();
  EXPECT_FALSE(ReadDocument(dir.filePath("doc.txt"), kept, &scan, &error, 100));
  EXPECT_TRUE(error.contains(QStringLiteral("Penwick opens files of at most 100 bytes")))
      << error.toStdString();
}

// Speed is measured by the benchmarks; here a large document must round-trip and plain text not be copied.
TEST(DocumentIoTest, LargeDocumentsRoundTripAndPlainTextIsNotCopied) {
  QByteArray crLf;
  const QByteArray line = "<p class=\"x\">Some ordinary hand-written markup, line after line.</p>\r\n";
  crLf.reserve(50 * 1024 * 1024);
  while (crLf.size() < 50 * 1024 * 1024) crLf += line;
  QByteArray lf = crLf;
  lf.replace("\r\n", "\n");

  const DecodedDocument plain = DecodeDocument(crLf);
  const DecodedDocument lfDocument = DecodeDocument(lf);
  QByteArray encoded;
  ASSERT_TRUE(
      EncodeDocument(lfDocument.utf8.constData(), lfDocument.utf8.size(), lfDocument.format, &encoded));

  EXPECT_EQ(plain.utf8.constData(), crLf.constData());
  EXPECT_EQ(lfDocument.utf8, crLf);
  EXPECT_EQ(encoded, lf);
}

}  // namespace
}  // namespace penwick
