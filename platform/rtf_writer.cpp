#include "platform/rtf_writer.h"

#include <algorithm>

#include "platform/codepage.h"

namespace penwick {
namespace {

struct Span {
  qsizetype begin;
  qsizetype end;
  int colour;  // index in the colour table
};

// The spans clipped to the text, sorted and without overlaps; palette gets each colour once, in the order
// the text first uses it.
std::vector<Span> Normalise(const std::vector<RtfColourSpan>& spans, qsizetype size,
                            std::vector<uint32_t>* palette) {
  std::vector<RtfColourSpan> sorted;
  for (const RtfColourSpan& span : spans) {
    if (span.length <= 0 || span.start >= size) continue;
    // start + length cannot overflow: either start is negative or it is below size.
    const qsizetype end = span.start < 0 ? std::min(span.start + span.length, size)
                                         : span.start + std::min(span.length, size - span.start);
    if (end <= 0) continue;
    sorted.push_back(
        {std::max<qsizetype>(span.start, 0), end - std::max<qsizetype>(span.start, 0), span.rgb});
  }
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const RtfColourSpan& a, const RtfColourSpan& b) { return a.start < b.start; });
  std::vector<Span> out;
  qsizetype covered = 0;
  for (const RtfColourSpan& span : sorted) {
    const qsizetype begin = std::max(span.start, covered);
    const qsizetype end = span.start + span.length;
    if (begin >= end) continue;
    const auto known = std::find(palette->begin(), palette->end(), span.rgb);
    const int colour = static_cast<int>(known - palette->begin()) + 1;
    if (known == palette->end()) palette->push_back(span.rgb);
    out.push_back({begin, end, colour});
    covered = end;
  }
  return out;
}

class Writer {
 public:
  explicit Writer(qsizetype size) { out_.reserve(size + size / 8 + 256); }

  // A control word; the text after it may need a blank to end it.
  void Control(const char* word) {
    out_ += word;
    delimit_ = true;
  }
  void ControlNumber(const char* word, qint64 number) {
    out_ += word;
    out_ += QByteArray::number(number);
    delimit_ = true;
  }
  // Bytes that cannot run into what came before (control symbols, escapes, line ends).
  void Raw(const char* bytes) {
    out_ += bytes;
    delimit_ = false;
  }
  void Char(char c) {
    // A letter or digit would extend the control word, a hyphen start its parameter, and a blank would
    // be taken as its delimiter.
    const bool joins =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == ' ';
    if (delimit_ && joins) out_ += ' ';
    out_ += c;
    delimit_ = false;
  }
  void Hex(int byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const char escape[5] = {'\\', '\'', kDigits[byte >> 4], kDigits[byte & 15], '\0'};
    Raw(escape);
  }
  // A UTF-16 code unit as \uN (N signed 16-bit) with "?" for readers without Unicode.
  void Unicode(char16_t unit) {
    out_ += "\\u";
    out_ += QByteArray::number(static_cast<int16_t>(unit));
    out_ += '?';
    delimit_ = false;
  }
  QByteArray Take() { return std::move(out_); }

 private:
  QByteArray out_;
  bool delimit_ = false;
};

}  // namespace

QByteArray WriteRtf(const QString& text, const std::vector<RtfColourSpan>& spans) {
  const qsizetype size = text.size();
  std::vector<uint32_t> palette;
  const std::vector<Span> coloured = Normalise(spans, size, &palette);

  Writer w(size);
  w.Raw(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier "
      "New;}}\r\n{\\colortbl;");
  for (const uint32_t rgb : palette) {
    w.ControlNumber("\\red", (rgb >> 16) & 0xFF);
    w.ControlNumber("\\green", (rgb >> 8) & 0xFF);
    w.ControlNumber("\\blue", rgb & 0xFF);
    w.Raw(";");
  }
  w.Raw("}\r\n");
  w.Control("\\pard\\plain\\f0\\fs20");

  size_t next = 0;  // the first span not yet finished
  bool inSpan = false;
  for (qsizetype i = 0; i < size; ++i) {
    if (inSpan && i == coloured[next].end) {
      inSpan = false;
      ++next;
      if (next == coloured.size() || coloured[next].begin != i) w.Control("\\cf0");
    }
    if (!inSpan && next < coloured.size() && coloured[next].begin == i) {
      w.ControlNumber("\\cf", coloured[next].colour);
      inSpan = true;
    }
    const char16_t c = text[i].unicode();
    if (c == '\n' || c == '\r') {
      if (c == '\n' && i > 0 && text[i - 1] == QChar('\r')) continue;  // the LF of CR LF
      w.Raw("\\par\r\n");
    } else if (c == '\t') {
      w.Control("\\tab");
    } else if (c == 0x2028) {
      w.Control("\\line");
    } else if (c == '\\' || c == '{' || c == '}') {
      const char escape[3] = {'\\', static_cast<char>(c), '\0'};
      w.Raw(escape);
    } else if (c >= 0x20 && c < 0x80) {
      w.Char(static_cast<char>(c));
    } else if (const int byte = c >= 0x80 ? UnicodeToCp1252(c) : -1; byte >= 0) {
      w.Hex(byte);
    } else if (c != 0) {
      w.Unicode(c);
    }
  }
  // Every paragraph, the last one too, ends with a paragraph mark, so text that ends in a line break
  // keeps its empty last line.
  w.Raw("\\par\r\n}");
  return w.Take();
}

}  // namespace penwick
