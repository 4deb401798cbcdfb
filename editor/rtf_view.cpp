#include "editor/rtf_view.h"

#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <map>
#include <tuple>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/switch_commands.h"
#include "editor/text_control.h"
#include "platform/file_io.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

const char kExportText[] =
    "An RTF file with the same name as this document, in the same folder, is created or updated.\n\n"
    "Word processors open it, and print the coloured marking from there.\n\n"
    "Any text, HTML or XML file can be exported this way, in an RTF wrapper.";

constexpr std::size_t kChunk = 1 << 20;

QColor FromRgb(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// Gives each distinct character format a style of the control; when they run out, a format shares the style
// of the nearest one already made (same weight, slant and colour), or the plain style.
class StyleTable {
 public:
  explicit StyleTable(TextControl& text) : text_(text) {}

  // The family the screen really draws for a font name: a font the system lacks is drawn in a substitute,
  // and the control must measure the text in the same font it draws, or letters overlap.
  QString ShownFamily(const QString& family) {
    if (family.isEmpty()) return text_.Widget()->font().family();
    auto it = families_.find(family);
    if (it == families_.end()) it = families_.emplace(family, QFontInfo(QFont(family)).family()).first;
    return it->second;
  }

  char StyleFor(const RtfCharFormat& f) {
    int points = (f.halfPoints + 1) / 2;
    if (f.vertical != RtfVertical::kNormal) points = points * 2 / 3;
    points = std::clamp(points, 4, 96);
    const int64_t ink = f.colour ? static_cast<int64_t>(*f.colour) : -1;
    const int64_t paper = f.background ? static_cast<int64_t>(*f.background) : -1;
    const Key key{f.fontFamily, points, f.bold, f.italic, f.underline, ink, paper};
    if (auto it = styles_.find(key); it != styles_.end()) return it->second;
    char style = 0;
    if (next_ <= TextControl::kLastStyle) {
      style = static_cast<char>(next_++);
      TextControl::CharFormat format;
      format.family = f.fontFamily;
      format.points = points;
      format.bold = f.bold;
      format.italic = f.italic;
      format.underline = f.underline;
      if (f.colour) format.ink = FromRgb(*f.colour);
      if (f.background) format.paper = FromRgb(*f.background);
      format.family = ShownFamily(f.fontFamily);
      text_.DefineStyle(static_cast<unsigned char>(style), format);
      defined_.emplace_back(key, style);
    } else {
      // Only the styles made are searched, so a file of a million formats costs no more per format.
      for (const auto& [k, s] : defined_) {
        if (std::get<2>(k) == f.bold && std::get<3>(k) == f.italic && std::get<5>(k) == ink) {
          style = s;
          break;
        }
      }
    }
    styles_.emplace(key, style);
    return style;
  }

 private:
  using Key = std::tuple<QString, int, bool, bool, bool, int64_t, int64_t>;
  TextControl& text_;
  std::map<Key, char> styles_;
  std::vector<std::pair<Key, char>> defined_;
  std::map<QString, QString> families_;
  int next_ = TextControl::kFirstFormatStyle;
};

struct Shown {
  QByteArray utf8;
  QByteArray styles;
  std::vector<std::pair<long, long>> struck;  // byte start, length
};

void AddRuns(const std::vector<RtfRun>& runs, StyleTable& table, Shown& out) {
  for (const RtfRun& run : runs) {
    QString text = run.text;
    text.replace(QChar(0x2028), QStringLiteral("\r\n"));
    const QByteArray utf8 = text.toUtf8();
    if (run.format.strike) out.struck.emplace_back(out.utf8.size(), utf8.size());
    out.utf8 += utf8;
    out.styles.append(utf8.size(), table.StyleFor(run.format));
  }
}

void AddLineBreak(Shown& out) {
  out.utf8 += "\r\n";
  out.styles.append(2, '\0');
}

}  // namespace

void ShowRtfDocument(TextControl& text, const RtfDocument& document) {
  StyleTable table(text);
  Shown shown;
  bool first = true;
  for (const RtfBlock& block : document.blocks) {
    if (!first) AddLineBreak(shown);
    first = false;
    if (const auto* paragraph = std::get_if<RtfParagraph>(&block)) {
      AddRuns(paragraph->runs, table, shown);
      continue;
    }
    const auto& rows = std::get<RtfTable>(block).rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      if (r > 0) AddLineBreak(shown);
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        if (c > 0) {
          shown.utf8 += '\t';
          shown.styles += '\0';
        }
        const auto& paragraphs = rows[r][c].paragraphs;
        for (std::size_t p = 0; p < paragraphs.size(); ++p) {
          if (p > 0) {
            shown.utf8 += ' ';
            shown.styles += '\0';
          }
          AddRuns(paragraphs[p].runs, table, shown);
        }
      }
    }
  }
  text.SetReadOnly(false);
  // Lines are wrapped after the text is in: wrapping while it loads lays out every line at once.
  text.SetSoftWrap(false);
  text.LoadUtf8(shown.utf8);
  shown.utf8.clear();
  text.SetStyleBytes(0, shown.styles);
  for (const auto& [from, length] : shown.struck) text.SetStrike(from, length);
  text.SetReadOnly(true);
  text.SetSoftWrap(true);
}

std::vector<RtfColourSpan> ColourSpans(TextControl& text) {
  std::vector<RtfColourSpan> spans;
  const QByteArrayView bytes = text.Utf8();
  qsizetype unit = 0;  // UTF-16 units of the characters before
  for (qsizetype from = 0; from < bytes.size(); from += kChunk) {
    const qsizetype to = std::min<qsizetype>(from + kChunk, bytes.size());
    const QByteArray styles = text.StyleBytes(from, to);
    for (qsizetype i = from; i < to; ++i) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      if ((b & 0xC0) == 0x80) continue;  // the rest of a character
      const int width = b >= 0xF0 ? 2 : 1;
      const char style = styles[i - from];
      const uint32_t rgb = style == TextControl::kBlueStyle  ? 0x0000FF
                           : style == TextControl::kRedStyle ? 0xFF0000
                                                             : 0;
      if (rgb != 0) {
        if (!spans.empty() && spans.back().rgb == rgb && spans.back().start + spans.back().length == unit) {
          spans.back().length += width;
        } else {
          spans.push_back({unit, width, rgb});
        }
      }
      unit += width;
    }
  }
  return spans;
}

void ViewinRTFmode1Click(TEditForm& e) {
  MessageBoxes& boxes = e.Frame().Boxes();
  if (e.IsRtfView()) {
    boxes.Show(QStringLiteral("View in RTF Mode"), QString::fromLatin1(kViewerTextInLines),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  if (QFileInfo(e.FileName()).suffix().toLower() != QLatin1String("rtf")) {
    boxes.Show(QStringLiteral("Inappropriate File"),
               QStringLiteral("You must have an .rtf file to use this view."), MsgType::kCustom,
               MsgButtons::kOk);
    return;
  }
  e.Frame().OpenRtfView(e.FileName());
}

void ExportasRTFfile1Click(TEditForm& e) {
  MessageBoxes& boxes = e.Frame().Boxes();
  boxes.Show(QStringLiteral("Export as RTF file"), QString::fromLatin1(kExportText), MsgType::kInformation,
             MsgButtons::kOk);
  if (e.IsUnnamed()) {
    boxes.Show(QStringLiteral("Export as RTF"),
               QStringLiteral("Save this document first: the RTF file is written beside it, under its name."),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  const QFileInfo info(e.FileName());
  if (info.suffix().toLower() == QLatin1String("rtf")) {
    boxes.Show(QStringLiteral("Export as RTF"),
               QStringLiteral("%1 is an RTF file already: exporting it would write over its own source. "
                              "Nothing was written.")
                   .arg(e.FileName()),
               MsgType::kInformation, MsgButtons::kOk);
    return;
  }
  // Only the extension changes: the folder and the name keep their capitals.
  const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
  const QString target = info.dir().filePath(base + QStringLiteral(".rtf"));
  if (QFileInfo::exists(target) &&
      boxes.Show(QStringLiteral("Export as RTF"), target + QStringLiteral(" exists. Overwrite?"),
                 MsgType::kConfirmation, MsgButtons::kYesNo) != MsgResult::kYes) {
    return;
  }
  TextControl& text = e.Text();
  const QByteArray rtf = WriteRtf(text.Text(), ColourSpans(text));
  QString error;
  if (!WriteWholeFileAtomic(target, rtf, &error)) {
    boxes.ShowError(error);
    return;
  }
  boxes.Show(QStringLiteral("Export Completed"), target + QStringLiteral(" created or updated."),
             MsgType::kCustom, MsgButtons::kOk);
}

// --- Menus

namespace {

const MenuRow kExportRow[] = {
    {"ExportasRTFfile1", "Export as .RTF file", "", nullptr, ExportasRTFfile1Click, nullptr, nullptr,
     Access::kEditingOnly},
};

const MenuRow kViewRow[] = {
    {"ViewinRTFmode1", "View in RTF mode", "", nullptr, ViewinRTFmode1Click},
};

}  // namespace

void AddRtfMenus(MenuBuilder& menus) {
  menus.AddRows(MenuId::kEditorFile, kExportRow);
  menus.AddRows(MenuId::kRtf, kViewRow);
}

}  // namespace penwick
