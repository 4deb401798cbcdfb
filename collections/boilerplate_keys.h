#pragma once
// The eight one-line boilerplates as the keys use them: Ctrl+N types slot N, Ctrl+Shift+N changes it.

#include <QString>
#include <vector>

#include "editor/key_table.h"

namespace penwick {

class FrameLink;
class MessageBoxes;
struct Settings;
class TEditForm;

// The input box's prompt for slot number: "Use: Ctrl+3 types | Ctrl+Shift+3 changes."
QString BoilerplatePrompt(int number);

// The boilerplate input box for slot number (1..8), filled with the slot's text; OK stores the field's text
// in the slot (an empty field empties it). Returns true on OK.
bool AskBoilerplate(MessageBoxes& boxes, Settings& settings, int number);

// Ctrl+N: a set slot replaces the editor's selection (no undo step); an empty one brings up its input box.
// Ctrl+Shift+N (change): the input box, whether the slot is set or not.
void BoilerplateChord(FrameLink& frame, TEditForm& editor, int number, bool change);

// Ctrl+1..8 types a boilerplate, Ctrl+Shift+1..8 changes it, Ctrl+Alt+1..8 shows a superboilerplate (top-row
// digits by their physical keys, whatever the layout).
std::vector<KeyRow> BoilerplateKeyRows();

}  // namespace penwick
