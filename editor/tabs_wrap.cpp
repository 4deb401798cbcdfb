// Tab stops made of blanks, trailing blanks removed as the caret leaves a line, and the hard word-wrap that
// breaks a line at the wrap column while the user types.

#include "editor/tabs_wrap.h"

#include <algorithm>

#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "editor/word_wrap.h"
#include "ui/message_boxes.h"

namespace penwick {

namespace {

constexpr int kMinSetting = 1;
constexpr int kMaxSetting = 99;

bool IsBlank(char32_t ch) { return ch == U' '; }

// Cut positions k split a line into line[0, k) and line[k, n): after a hyphen or before a blank.
bool CanCutAt(std::u32string_view line, size_t k) {
  return k > 0 && k < line.size() && (IsBlank(line[k]) || line[k - 1] == U'-');
}

// The break at cut position k, blanks on both sides dropped; nothing when only blanks precede it.
std::optional<LineBreak> BreakAt(std::u32string_view line, size_t k) {
  size_t start = k;
  while (start > 0 && IsBlank(line[start - 1])) --start;
  if (start == 0) return std::nullopt;
  size_t end = k;
  while (end < line.size() && IsBlank(line[end])) ++end;
  return LineBreak{static_cast<int>(start), static_cast<int>(end)};
}

}  // namespace

int TabInterval(const EditorSwitches& switches) {
  return std::clamp(switches.tabInterval, kMinSetting, kMaxSetting);
}

int WrapColumn(const EditorSwitches& switches) {
  return std::clamp(switches.wrapColumn, kMinSetting, kMaxSetting);
}

std::optional<LineBreak> FindLineBreak(std::u32string_view line, int wrapColumn) {
  const size_t column = static_cast<size_t>(std::max(wrapColumn, 1));
  if (line.size() <= column) return std::nullopt;
  // The last place that leaves at most the wrap column on the first line.
  for (size_t k = column; k > 0; --k) {
    if (!CanCutAt(line, k)) continue;
    if (std::optional<LineBreak> cut = BreakAt(line, k)) return cut;
    return std::nullopt;  // only blanks before it: no place further left helps either
  }
  // The first word is longer than the column: it keeps its line, the rest goes on the next.
  for (size_t k = column + 1; k < line.size(); ++k) {
    if (!CanCutAt(line, k)) continue;
    if (std::optional<LineBreak> cut = BreakAt(line, k)) return cut;
  }
  return std::nullopt;
}

void ProcessTab(TEditForm& e, const CaretOrientation& o, bool backward) {
  RunState& run = e.Frame().Run();
  const EditorSwitches& switches = e.Frame().Switches();
  const int interval = TabInterval(switches);
  const int c = o.column;
  if (backward) {
    // Back to the previous tab stop; nothing is deleted.
    run.tabInsertRequest = false;
    const int k = (c / interval) * interval;
    if (k > 0) {
      e.Text().SetSelStart(o.lineStart + k - 1);
    } else if (o.lineNumber == 0) {
      e.Text().SetSelStart(0);
    } else {
      const int p = o.prevLineLength;
      e.Text().SetSelStart(p <= interval - 1 ? o.prevLineStart + p
                                             : o.prevLineStart + (p / interval) * interval - 1);
    }
    return;
  }
  // The next tab stop m is a display column (column + 1); n blanks reach it.
  const int m = ((c + 2 + interval - 1) / interval) * interval;
  const int n = m - c - 1;
  bool request = run.tabInsertRequest;
  if (o.lineLength == 0 || o.lineLength == c || o.position == e.Text().TextLength()) request = true;
  if (e.IsRtfView()) request = false;
  if (!request) {
    if (c + 1 + n > o.lineLength) {
      // The start of the next line, whatever the width of the line break; the end of the last line.
      e.Text().SetSelStart(o.nextLineStart >= 0 ? o.nextLineStart : o.lineStart + o.lineLength);
    } else {
      e.Text().SetSelStart(o.position + n);
    }
    return;
  }
  run.tabInsertRequest = false;
  if (c != o.lineLength && switches.insertWarning) {
    const MsgResult answer = e.Frame().Boxes().Show(
        QStringLiteral("Inserting tab spaces."),
        QStringLiteral("If inserting these spaces pushes text forward, cancel and turn off wordwrap to avoid "
                       "words being pushed beyond wrap column so next INS char causes wrap."),
        MsgType::kInformation, MsgButtons::kOkCancel);
    if (answer != MsgResult::kOk) return;
  }
  e.Text().SetSelText(QString(n, QLatin1Char(' ')));
}

bool Cleanspaces(TEditForm& e, int key, CaretOrientation& o) {
  if (e.Frame().Switches().dirtySpaces || !e.Text().Modified() || e.IsRtfView() || o.lineLength == 0)
    return false;
  const QString line = e.Text().Line(o.lineNumber);
  if (!line.endsWith(QLatin1Char(' '))) return false;
  qsizetype kept = line.size();
  while (kept > 0 && line.at(kept - 1).unicode() <= 32) --kept;
  // The characters removed are all single code units, so their count is the same in positions.
  const int removed = static_cast<int>(line.size() - kept);
  const int trimmed = o.lineLength - removed;
  e.Text().SetSelStart(o.lineStart + trimmed);
  e.Text().SetSelLength(removed);
  e.Text().SetSelText(QString());
  o.lineLength = trimmed;
  if (o.nextLineStart >= 0) o.nextLineStart -= removed;

  const int c = o.column;
  const int lineEnd = o.lineStart + o.lineLength;
  int caret = o.position;
  switch (key) {
    case Qt::Key_Home:
      caret = o.lineStart;
      break;
    case Qt::Key_End:
      caret = lineEnd;
      break;
    case Qt::Key_Up:
      if (o.lineNumber == 0) {
        caret = lineEnd;
      } else {
        caret = c >= o.prevLineLength ? o.prevLineStart + o.prevLineLength : o.prevLineStart + c;
      }
      break;
    case Qt::Key_Down:
      if (o.nextLineStart < 0) {
        caret = lineEnd;
      } else {
        caret = c >= o.nextLineLength ? o.nextLineStart + o.nextLineLength : o.nextLineStart + c;
      }
      break;
    default:  // Return: the line break then goes in at the caret
      caret = c >= trimmed ? lineEnd : o.position;
      e.Text().SetSelStart(caret);
      return false;
  }
  e.Text().SetSelStart(caret);
  return true;
}

void TypingWordWrap(TEditForm& e, const QString& typed) {
  const int column = WrapColumn(e.Frame().Switches());
  // The character goes in first; then the line, now longer than the column, is broken. One undo step.
  e.Text().BeginUndoAction();
  e.Text().TypeText(typed);
  const int caret = e.Text().SelStart();
  const int lineNumber = e.Text().LineFromPosition(caret);
  const int lineStart = e.Text().LineIndex(lineNumber);
  const std::u32string line = e.Text().Line(lineNumber).toStdU32String();
  if (const std::optional<LineBreak> cut = FindLineBreak(line, column)) {
    e.Text().SetSelStart(lineStart + cut->cutStart);
    e.Text().SetSelLength(cut->cutEnd - cut->cutStart);
    e.Text().SetSelText(QStringLiteral("\r\n"));
    // A document that keeps a file's mixed line breaks may break lines with one character.
    const int newLineStart = e.Text().LineIndex(lineNumber + 1);
    const int c = caret - lineStart;
    if (c >= cut->cutEnd) {
      e.Text().SetSelStart(newLineStart + c - cut->cutEnd);
    } else if (c > cut->cutStart) {
      e.Text().SetSelStart(newLineStart);
    } else {
      e.Text().SetSelStart(caret);
    }
  }
  e.Text().EndUndoAction();
}

}  // namespace penwick
