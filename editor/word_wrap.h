#pragma once
// The rules of typing word-wrap and tab stops on one line of text, apart from the editor.

#include <optional>
#include <string_view>

#include "settings/settings.h"

namespace penwick {

// The tab interval and wrap column in force: settings read from a file may hold anything, the rules need
// 1 to 99.
int TabInterval(const EditorSwitches& switches);
int WrapColumn(const EditorSwitches& switches);

// Where a line is broken: the characters [cutStart, cutEnd) (blanks, possibly none) give way to a line break.
struct LineBreak {
  int cutStart = 0;
  int cutEnd = 0;
};

// The break of a line longer than wrapColumn: after the last blank or hyphen that leaves at most wrapColumn
// characters before the break, with the blanks around the break dropped and a hyphen kept on the first
// line. A line whose first word is already longer than the column breaks after that word. A line with no
// blank or hyphen to break at (a long address, say) is not broken.
std::optional<LineBreak> FindLineBreak(std::u32string_view line, int wrapColumn);

}  // namespace penwick
