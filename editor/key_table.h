#pragma once
// Key chords typed in the text that run a command (Ctrl+numeric pad, the boilerplate digits, the character
// pairs, ...): rows of data, matched in order before the key reaches the text. Each group of commands adds
// its own rows, so the editor's key handling knows none of them.

#include <Qt>
#include <vector>

#include "editor/command_row.h"

namespace penwick {

class TEditForm;

struct KeyRow {
  enum class Kind {
    kKey,          // exactly this key
    kNumpadDigit,  // a digit of the numeric pad in [low, high]; run gets the digit
    kTopRowDigit,  // a digit of the main keyboard's top row in [low, high], by its physical key
  };
  Kind kind = Kind::kKey;
  int key = 0;                                            // kKey only
  int low = 0, high = 9;                                  // the digit kinds only
  Qt::KeyboardModifiers modifiers = Qt::ControlModifier;  // exactly these must be held ...
  Qt::KeyboardModifiers ignored = Qt::NoModifier;         // ... besides any of these
  void (*run)(TEditForm& editor, int digit) = nullptr;
  // A viewing copy takes the chord and does nothing unless the command only reads.
  Access access = Access::kWrites;
};

class KeyTable {
 public:
  void Add(const std::vector<KeyRow>& rows) { rows_.insert(rows_.end(), rows.begin(), rows.end()); }
  // The first row that matches the key (as EditorKeyDown sees it), with the digit it stands for.
  const KeyRow* Find(int key, Qt::KeyboardModifiers modifiers, int* digit) const;
  const std::vector<KeyRow>& Rows() const { return rows_; }

 private:
  std::vector<KeyRow> rows_;
};

// The editor's own chords: the character pairs (Ctrl+9, Ctrl+[, Ctrl+], Ctrl+'), Ctrl+- and the swallowed
// Ctrl+M and Ctrl+J.
std::vector<KeyRow> EditorKeyRows();

}  // namespace penwick
