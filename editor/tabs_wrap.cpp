// Tab stops made of blanks, trailing blanks removed as the caret leaves a line, and the hard word-wrap that
// breaks a line at the wrap column while the user types.

#include <algorithm>

#include "ui/message_boxes.h"
#include "editor/edit_form.h"
#include "editor/frame_link.h"
#include "editor/text_control.h"
#include "editor/word_wrap.h"

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

void TEditForm::ProcessTab(const CaretOrientation& o, bool backward) {
  RunState& run = frame_.Run();
  const EditorSwitches& switches = frame_.Switches();
  const int interval = TabInterval(switches);
  const int c = o.column;
  if (backward) {
    // Back to the previous tab stop; nothing is deleted.
    run.tabInsertRequest = false;
    const int k = (c / interval) * interval;
    if (k > 0) {
      text_->SetSelStart(o.lineStart + k - 1);
    } else if (o.lineNumber == 0) {
      text_->SetSelStart(0);
    } else {
      const int p = o.prevLineLength;
      text_->SetSelStart(p <= interval - 1 ? o.prevLineStart + p
                                           : o.prevLineStart + (p / interval) * interval - 1);
    }
    return;
  }
  // The next tab stop m is a display column (column + 1); n blanks reach it.
  const int m = ((c + 2 + interval - 1) / interval) * interval;
  const int n = m - c - 1;
  bool request = run.tabInsertRequest;
  if (o.lineLength == 0 || o.lineLength == c || o.position == text_->TextLength()) request = true;
  if (IsRtfView()) request = false;
  if (!request) {
    if (c + 1 + n > o.lineLength) {
      text_->SetSelStart(o.position + o.lineLength - c + 2);
    } else {
      text_->SetSelStart(o.position + n);
    }
    return;
  }
  run.tabInsertRequest = false;
  if (c != o.lineLength && switches.insertWarning) {
    const MsgResult answer = frame_.Boxes().Show(
        QStringLiteral("Inserting tab spaces."),
        QStringLiteral("If inserting these spaces pushes text forward, cancel and turn off wordwrap to avoid "
                       "words being pushed beyond wrap column so next INS char causes wrap."),
        MsgType::kInformation, MsgButtons::kOkCancel);
    if (answer != MsgResult::kOk) return;
  }
  text_->SetSelText(QString(n, QLatin1Char(' ')));
}

bool TEditForm::Cleanspaces(int key, CaretOrientation& o) {
  if (frame_.Switches().dirtySpaces || !text_->Modified() || IsRtfView() || o.lineLength == 0) return false;
  const QString line = text_->Line(o.lineNumber);
  if (!line.endsWith(QLatin1Char(' '))) return false;
  qsizetype kept = line.size();
  while (kept > 0 && line.at(kept - 1).unicode() <= 32) --kept;
  // The characters removed are all single code units, so their count is the same in positions.
  const int removed = static_cast<int>(line.size() - kept);
  const int trimmed = o.lineLength - removed;
  text_->SetSelStart(o.lineStart + trimmed);
  text_->SetSelLength(removed);
  text_->SetSelText(QString());
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
      text_->SetSelStart(caret);
      return false;
  }
  text_->SetSelStart(caret);
  return true;
}

void TEditForm::TypingWordWrap(const QString& typed) {
  const int column = WrapColumn(frame_.Switches());
  // The character goes in first; then the line, now longer than the column, is broken. One undo step.
  text_->BeginUndoAction();
  text_->TypeText(typed);
  const int caret = text_->SelStart();
  const int lineNumber = text_->LineFromPosition(caret);
  const int lineStart = text_->LineIndex(lineNumber);
  const std::u32string line = text_->Line(lineNumber).toStdU32String();
  if (const std::optional<LineBreak> cut = FindLineBreak(line, column)) {
    text_->SetSelStart(lineStart + cut->cutStart);
    text_->SetSelLength(cut->cutEnd - cut->cutStart);
    text_->SetSelText(QStringLiteral("\r\n"));
    const int newLineStart = lineStart + cut->cutStart + 2;
    const int c = caret - lineStart;
    if (c >= cut->cutEnd) {
      text_->SetSelStart(newLineStart + c - cut->cutEnd);
    } else if (c > cut->cutStart) {
      text_->SetSelStart(newLineStart);
    } else {
      text_->SetSelStart(caret);
    }
  }
  text_->EndUndoAction();
}

}  // namespace penwick
