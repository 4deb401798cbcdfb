#include "editor/display_commands.h"

#include <QMenu>
#include <algorithm>
#include <optional>

#include "editor/command_row.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "platform/profile.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

constexpr QChar kPilcrow(0x00B6);
// The invisible marks that tell the pilcrows Prep put in (and only those) from any the user typed.
constexpr int kOpenMark = 10;
constexpr int kCloseMark = 11;
constexpr int kLargestPrint = 72;

const char kWhiteOnBlackText[] =
    "Files loaded while this item has its check mark are shown as white text on a black ground, which is "
    "easier on the eyes.\n\nThe setting is not kept from one run of Penwick to the next. A file already "
    "loaded needs File/Reload to change.\n\nWhile printing, the text seems to disappear until the print "
    "queue has it: the printout is black on white.";

const char kLargerPrintText[] =
    "Files loaded while this item has its check mark are shown in the size you enter, which eases reading "
    "(more so with white text on a black ground).\n\nA file already loaded needs File/Reload to change.\n\n"
    "Printing stays at 10 points.";

const char kNoSelectionText[] =
    "You must have a text block marked.\n\nAll blocks set will, then, on clicking Mark Text, be converted to "
    "red text to stand out on screen.\n\nIf you Save or Print after setting blocks and before marking, your "
    "exported file will include \u00b6 charcters before and after the set text blocks. These are removed "
    "during marking.";

const char kMarkingText[] =
    "Every block prepped with a \u00b6 before and after it (Ctrl+Alt+P) now turns red, and the \u00b6 "
    "characters are taken out.\n\nUntil you mark, the \u00b6 characters stay in the text: they are saved and "
    "printed with it.\n\nBlue tags inside a red block stay blue.\n\nThe caret moves back by the \u00b6 "
    "characters taken out before it.";

MessageBoxes& Boxes(TEditForm& e) { return e.Frame().Boxes(); }

// Replaces the selection by the same text with its letters changed, and selects it again.
void ChangeSelection(TEditForm& e, QString (*change)(const QString&)) {
  TextControl& text = e.Text();
  if (!text.HasSelection()) return;
  const int start = text.SelStart();
  text.SetSelText(change(text.SelText()));
  // The caret stands after the new text; its length in positions counts a character outside the basic
  // plane once.
  const int end = text.SelStart();
  text.SetSelStart(start);
  text.SetSelLength(end - start);
}

QString AsciiUpper(const QString& s) {
  QString out = s;
  for (QChar& c : out) {
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
  }
  return out;
}

QString AsciiLower(const QString& s) {
  QString out = s;
  for (QChar& c : out) {
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + 32);
  }
  return out;
}

// The pilcrows Prep put in, each with whether it opens a block, in document order.
struct Marker {
  int pos;
  bool opens;
};

std::vector<Marker> PreppedMarkers(TextControl& text) {
  std::vector<Marker> markers;
  for (const bool opens : {true, false}) {
    for (const TextControl::Match& stretch : text.MarkedStretches(opens ? kOpenMark : kCloseMark)) {
      for (int i = 0; i < stretch.length; ++i) markers.push_back({stretch.start + i, opens});
    }
  }
  std::sort(markers.begin(), markers.end(), [](const Marker& a, const Marker& b) { return a.pos < b.pos; });
  // A mark whose pilcrow was typed over or deleted no longer counts. Positions are characters, so the
  // document's own bytes are looked at (a character outside the basic plane is two units of a QString).
  const QByteArrayView doc = text.Utf8();
  const QByteArray pilcrow = QString(kPilcrow).toUtf8();
  std::erase_if(markers, [&](const Marker& m) {
    return !doc.sliced(std::min<qsizetype>(text.ToByte(m.pos), doc.size())).startsWith(pilcrow);
  });
  return markers;
}

}  // namespace

void WhitetextonBlackground1Click(TEditForm& e) {
  EditorSwitches& switches = e.Frame().Switches();
  if (!switches.whiteOnBlack) {
    Boxes(e).Show(QStringLiteral("White text on black ground"), QString::fromLatin1(kWhiteOnBlackText),
                  MsgType::kInformation, MsgButtons::kOk);
  }
  switches.whiteOnBlack = !switches.whiteOnBlack;
}

void LargerPrint1Click(TEditForm& e) {
  EditorSwitches& switches = e.Frame().Switches();
  if (switches.largerPrint) {
    switches.printSize = 10;
    switches.largerPrint = false;
    return;
  }
  Boxes(e).Show(QStringLiteral("Larger print on screen"), QString::fromLatin1(kLargerPrintText),
                MsgType::kInformation, MsgButtons::kOk);
  QString entry = QStringLiteral("12");
  if (!Boxes(e).InputQuery(QStringLiteral("Enter font size larger than 10"), QStringLiteral("Size: "),
                           entry)) {
    return;
  }
  const std::optional<int> size = StrToInt(entry);
  if (!size) {
    Boxes(e).ShowError(QLatin1Char('\'') + entry + QStringLiteral("' is not a valid integer value"));
    return;
  }
  if (*size > kLargestPrint) {
    Boxes(e).Show(QStringLiteral("Larger print on screen"),
                  QStringLiteral("%1 points is too large: the largest size on screen is %2 points. Larger "
                                 "print stays off.")
                      .arg(*size)
                      .arg(kLargestPrint),
                  MsgType::kWarning, MsgButtons::kOk);
    return;
  }
  switches.printSize = *size < 11 ? 10 : *size;
  switches.largerPrint = true;
}

void SelectedtexttoUPPERcase1Click(TEditForm& e) { ChangeSelection(e, AsciiUpper); }

void SelectedtexttoLOWERcase1Click(TEditForm& e) { ChangeSelection(e, AsciiLower); }

void Selectedtexttobluescreenonly1Click(TEditForm& e) {
  TextControl& text = e.Text();
  if (!text.HasSelection()) return;
  text.DefineColourStyles();
  text.SetStyle(text.SelStart(), text.SelLength(), TextControl::kBlueStyle);
}

void Setselectedblockformark1Click(TEditForm& e) {
  TextControl& text = e.Text();
  if (!text.HasSelection()) {
    Boxes(e).Show(QStringLiteral("Set text block for marking"), QString::fromUtf8(kNoSelectionText),
                  MsgType::kCustom, MsgButtons::kOk);
    return;
  }
  const int s = text.SelStart();
  const int n = text.SelLength();
  text.BeginUndoAction();
  text.InsertText(s + n, QString(kPilcrow));
  text.SetMark(kCloseMark, s + n, 1);
  text.InsertText(s, QString(kPilcrow));
  text.SetMark(kOpenMark, s, 1);
  text.EndUndoAction();
  text.SetSelStart(s + n + 2);
}

void Markallsetblockswredtext1Click(TEditForm& e) {
  TextControl& text = e.Text();
  const std::vector<Marker> markers = PreppedMarkers(text);
  if (markers.size() < 2) {
    Boxes(e).Show(
        QStringLiteral("Text Marking"),
        QString::fromUtf8("No blocks have been prepped with the \u00b6 before and after. Use the menu "
                          "item or Ctrl+Alt+P to mark each (selected) block you wish to color."),
        MsgType::kCustom, MsgButtons::kOk);
    return;
  }
  if (e.Editor()->color() == QColor(Qt::white)) {
    Boxes(e).Show(
        QStringLiteral("Text Marking"),
        QStringLiteral("You can't use red marking on a black background! Uncheck White on black and "
                       "reload."),
        MsgType::kCustom, MsgButtons::kOk);
    return;
  }
  Boxes(e).Show(QStringLiteral("Marking text on screen w/red text."), QString::fromUtf8(kMarkingText),
                MsgType::kInformation, MsgButtons::kOk);
  if (text.IsEmpty()) return;

  // Red from each opening pilcrow to its closing one; nested blocks end with the outermost. Black text in a
  // block turns red, blue tags stay blue.
  text.DefineColourStyles();
  int depth = 0;
  int blockStart = 0;
  for (const Marker& m : markers) {
    if (m.opens) {
      if (depth++ == 0) blockStart = m.pos + 1;
      continue;
    }
    if (depth == 0) continue;  // a closing pilcrow whose opening one is gone
    if (--depth > 0) continue;
    const long from = text.ToByte(blockStart);
    QByteArray styles = text.StyleBytes(from, text.ToByte(m.pos));
    std::replace(styles.begin(), styles.end(), '\0', static_cast<char>(TextControl::kRedStyle));
    text.SetStyleBytes(from, styles);
  }
  // The pilcrows go, from the last to the first so the positions before stay right; the caret moves back by
  // those before it.
  const int caret = text.SelStart();
  const auto before =
      std::count_if(markers.begin(), markers.end(), [&](const Marker& m) { return m.pos < caret; });
  text.BeginUndoAction();
  for (auto it = markers.rbegin(); it != markers.rend(); ++it) {
    text.SetSelStart(it->pos);
    text.SetSelLength(1);
    text.SetSelText(QString());
  }
  text.EndUndoAction();
  text.SetSelStart(caret - static_cast<int>(before));
}

// --- Menus

namespace {

const MenuRow kDisplayRows[] = {
    {},
    {"WhitetextonBlackground1", "White text/&Black ground on screen", "", nullptr,
     WhitetextonBlackground1Click, [](FrameLink& f) { return f.Switches().whiteOnBlack; }, nullptr,
     Access::kEditingOnly},
    {"LargerPrint1", "Larger print on &screen", "", nullptr, LargerPrint1Click,
     [](FrameLink& f) { return f.Switches().largerPrint; }, nullptr, Access::kEditingOnly},
    {},
    {"SelectedtexttoUPPERcase1", "Selected text to &UPPER case", "", nullptr, SelectedtexttoUPPERcase1Click,
     nullptr, nullptr, Access::kWrites},
    {"SelectedtexttoLOWERcase1", "Selected text to &LOWER case", "", nullptr, SelectedtexttoLOWERcase1Click,
     nullptr, nullptr, Access::kWrites},
    {"Selectedtexttobluescreenonly1", "Selected text to blue (screen only)", "", nullptr,
     Selectedtexttobluescreenonly1Click},
    {},
    {"Setselectedblockformark1", "&Prep selected block for \"marking\"", "Ctrl+Alt+P", nullptr,
     Setselectedblockformark1Click, nullptr, nullptr, Access::kWrites},
    {"Markallsetblockswredtext1", "&Mark all prepped blocks w/red text", "", nullptr,
     Markallsetblockswredtext1Click, nullptr, nullptr, Access::kWrites},
};

}  // namespace

void AddDisplayMenus(MenuBuilder& menus) { menus.AddRows(MenuId::kText, kDisplayRows); }

}  // namespace penwick
