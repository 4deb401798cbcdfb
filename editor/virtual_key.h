#pragma once
// Key codes as the key handlers see them: a key is named by the key that was pressed, not by the character
// Shift made of it, so Ctrl+Shift+3 is still the 3 key and Ctrl+} is still the ] key.

#include <Qt>

class QKeyEvent;

namespace penwick {

// The event's key with Shift taken off the top-row digits and the [ ] ' - keys. Numeric-pad keys keep their
// own codes (with Qt::KeypadModifier in the event's modifiers).
int VirtualKey(const QKeyEvent& event);

// The top-row digit 0..9 the key stands for, or -1 (numeric-pad digits are not top-row digits).
int TopRowDigit(int virtualKey, Qt::KeyboardModifiers modifiers);
// The digit of a numeric-pad key 1..9 (with Num Lock on), or -1.
int NumpadDigit(int virtualKey, Qt::KeyboardModifiers modifiers);

}  // namespace penwick
