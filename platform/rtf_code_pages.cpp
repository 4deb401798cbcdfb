#include "platform/rtf_code_pages.h"

#include "platform/codepage.h"

namespace penwick {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Qt's (ICU's) name for a code page Qt may have, or nullptr. Mac code pages for Chinese, Japanese and Korean
// are read through the Windows code page of the same script: close enough to show the text.
const char* ConverterName(int codePage) {
  switch (codePage) {
    case 437:
      return "IBM437";
    case 850:
      return "IBM850";
    case 852:
      return "IBM852";
    case 866:
      return "IBM866";
    case 874:
      return "windows-874";
    case 932:
      return "windows-31j";
    case 936:
      return "windows-936";
    case 949:
      return "windows-949";
    case 950:
      return "windows-950";
    case 1250:
      return "windows-1250";
    case 1251:
      return "windows-1251";
    case 1253:
      return "windows-1253";
    case 1254:
      return "windows-1254";
    case 1255:
      return "windows-1255";
    case 1256:
      return "windows-1256";
    case 1257:
      return "windows-1257";
    case 1258:
      return "windows-1258";
    case 10000:
      return "macintosh";
    case 10006:
      return "x-mac-greek";
    case 10007:
      return "x-mac-cyrillic";
    case 10029:
      return "x-mac-centraleurroman";
    case 10081:
      return "x-mac-turkish";
    case 65001:
      return "UTF-8";
    default:
      return nullptr;
  }
}

int Normalised(int codePage) {
  switch (codePage) {
    case 10001:
      return 932;
    case 10002:
      return 950;
    case 10003:
      return 949;
    case 10008:
      return 936;
    case kSymbolCodePage:
      return kSymbolCodePage;
    default:
      return ConverterName(codePage) ? codePage : 1252;
  }
}

bool IsMultiByte(int codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 65001;
}

}  // namespace

int CodePageForCharset(int charset, int documentCodePage) {
  switch (charset) {
    case 0:
      return 1252;
    case 2:
      return kSymbolCodePage;
    case 77:
      return 10000;
    case 78:
      return 10001;
    case 79:
      return 10003;
    case 80:
      return 10008;
    case 81:
      return 10002;
    case 83:
      return 10005;
    case 84:
      return 10004;
    case 85:
      return 10006;
    case 86:
      return 10081;
    case 87:
      return 10021;
    case 88:
      return 10029;
    case 89:
      return 10007;
    case 128:
      return 932;
    case 129:
      return 949;
    case 130:
      return 1361;
    case 134:
      return 936;
    case 136:
      return 950;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 163:
      return 1258;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 204:
      return 1251;
    case 222:
      return 874;
    case 238:
      return 1250;
    case 254:
      return 437;
    case 255:
      return 850;
    default:
      return documentCodePage;
  }
}

CodePageDecoder::CodePageDecoder(int codePage) {
  for (int b = 0; b < 256; ++b)
    table_[b] = static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(b)));
  if (codePage == kSymbolCodePage) table_[0xB7] = 0x2022;
  const char* name = ConverterName(codePage);
  if (!name || codePage == 1252) return;
  decoder_ = QStringDecoder(name, QStringDecoder::Flag::Stateless);
  if (!decoder_.isValid()) return;  // Qt built without this converter: 1252 is the best guess left
  multiByte_ = IsMultiByte(codePage);
  if (multiByte_) return;
  for (int b = 0x80; b < 256; ++b) {
    const char byte = static_cast<char>(b);
    const QString ch = decoder_.decode(QByteArrayView(&byte, 1));
    // Converters stand in U+001A (SUBSTITUTE) for bytes they cannot map.
    table_[b] = ch.size() == 1 && ch[0].unicode() >= 0x20 ? ch[0].unicode() : kReplacement;
  }
}

void CodePageDecoder::Decode(const QByteArray& bytes, QString* out) {
  if (!multiByte_) {
    for (const char byte : bytes) out->append(QChar(table_[static_cast<unsigned char>(byte)]));
    return;
  }
  const qsizetype from = out->size();
  out->append(decoder_.decode(bytes));
  // The bytes held no control characters (the reader passes none), so any in the result stand for bytes
  // the converter could not map.
  QChar* chars = out->data();
  for (qsizetype i = from; i < out->size(); ++i) {
    if (chars[i].unicode() < 0x20) chars[i] = QChar(kReplacement);
  }
}

CodePageDecoder& CodePageDecoders::For(int codePage) {
  const int key = Normalised(codePage);
  std::unique_ptr<CodePageDecoder>& decoder = decoders_[key];
  if (!decoder) decoder = std::make_unique<CodePageDecoder>(key);
  return *decoder;
}

}  // namespace penwick
