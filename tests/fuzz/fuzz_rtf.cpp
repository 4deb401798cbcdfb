// The RTF reader on any bytes: no crash, hang or sanitizer report, runs hold no control characters but tab,
// and the text read, written again by the RTF writer with the colours it had, reads back to the same text
// in the same colours.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using penwick::fuzz::ShortHex;

// The colour of each UTF-16 unit of RtfPlainText(doc); separators between paragraphs and cells have none.
std::vector<std::optional<uint32_t>> Colours(const penwick::RtfDocument& doc) {
  std::vector<std::optional<uint32_t>> colours;
  auto paragraph = [&](const penwick::RtfParagraph& p) {
    for (const penwick::RtfRun& run : p.runs)
      colours.insert(colours.end(), run.text.size(), run.format.colour);
  };
  for (size_t b = 0; b < doc.blocks.size(); ++b) {
    if (b > 0) colours.emplace_back();
    if (const auto* p = std::get_if<penwick::RtfParagraph>(&doc.blocks[b])) {
      paragraph(*p);
      continue;
    }
    const auto& rows = std::get<penwick::RtfTable>(doc.blocks[b]).rows;
    for (size_t r = 0; r < rows.size(); ++r) {
      if (r > 0) colours.emplace_back();
      for (size_t c = 0; c < rows[r].size(); ++c) {
        if (c > 0) colours.emplace_back();
        for (size_t k = 0; k < rows[r][c].paragraphs.size(); ++k) {
          if (k > 0) colours.emplace_back();
          paragraph(rows[r][c].paragraphs[k]);
        }
      }
    }
  }
  return colours;
}

bool RunsHoldOnlyText(const penwick::RtfParagraph& p) {
  for (const penwick::RtfRun& run : p.runs) {
    for (const QChar ch : run.text) {
      if (ch.unicode() < 0x20 && ch != QChar('\t')) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const penwick::RtfDocument doc = penwick::ReadRtf(bytes);
  if (!doc.isRtf) {
    FUZZ_CHECK(doc.blocks.empty() && !doc.truncated,
               "file " + ShortHex(bytes) + " is not RTF but has content");
    return 0;
  }
  for (const penwick::RtfBlock& block : doc.blocks) {
    if (const auto* p = std::get_if<penwick::RtfParagraph>(&block)) {
      FUZZ_CHECK(RunsHoldOnlyText(*p), "file " + ShortHex(bytes) + " gave a control character");
      continue;
    }
    for (const auto& row : std::get<penwick::RtfTable>(block).rows) {
      FUZZ_CHECK(!row.empty() && row.size() <= 256, "file " + ShortHex(bytes) + ": a row of " +
                                                        QByteArray::number(qsizetype(row.size())) + " cells");
      for (const penwick::RtfCell& cell : row) {
        for (const penwick::RtfParagraph& p : cell.paragraphs) {
          FUZZ_CHECK(RunsHoldOnlyText(p), "file " + ShortHex(bytes) + " gave a control character");
        }
      }
    }
  }

  const QString text = penwick::RtfPlainText(doc);
  const std::vector<std::optional<uint32_t>> colours = Colours(doc);
  FUZZ_CHECK(colours.size() == size_t(text.size()), "file " + ShortHex(bytes) + ": colours out of step");
  std::vector<penwick::RtfColourSpan> spans;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!colours[i]) continue;
    if (!spans.empty() && spans.back().start + spans.back().length == i && spans.back().rgb == *colours[i]) {
      ++spans.back().length;
    } else {
      spans.push_back({i, 1, *colours[i]});
    }
  }

  const QByteArray rtf = penwick::WriteRtf(text, spans);
  const penwick::RtfDocument back = penwick::ReadRtf(rtf);
  const QByteArray detail =
      "file " + ShortHex(bytes) + " read as " + ShortHex(text) + ", written as " + ShortHex(rtf);
  FUZZ_CHECK(back.isRtf && !back.truncated, detail);
  const QString backText = penwick::RtfPlainText(back);
  FUZZ_CHECK(backText == text, detail + ", read back as " + ShortHex(backText));
  const std::vector<std::optional<uint32_t>> backColours = Colours(back);
  for (qsizetype i = 0; i < text.size(); ++i) {
    // A line break inside a paragraph (which may be coloured) comes back as a paragraph mark (which is not).
    if (text[i] == QChar('\n')) continue;
    FUZZ_CHECK(backColours[i] == colours[i], detail + ": colour differs at " + QByteArray::number(i));
  }
  return 0;
}
