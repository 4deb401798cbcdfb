#pragma once
// Writing a document's text with its on-screen colours as an RTF file that word processors open: one
// monospaced font, the colours as a colour table, code page 1252 with \u escapes for everything else.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace penwick {

// Text from start, length UTF-16 code units long, in colour rgb (0xRRGGBB).
struct RtfColourSpan {
  qsizetype start = 0;
  qsizetype length = 0;
  uint32_t rgb = 0;
};

// The whole RTF document. Each line break (CR LF, LF or CR) becomes a paragraph mark, U+2028 a line break
// inside the paragraph, a tab \tab. Spans may come in any order; parts outside the text are ignored and
// where spans overlap the one starting first wins. Control characters other than tab and line breaks,
// which no word processor shows, are written as \u escapes; NUL is left out.
QByteArray WriteRtf(const QString& text, const std::vector<RtfColourSpan>& spans);

}  // namespace penwick
