#pragma once
// Where the caret stands, in the terms the key handlers work with. All values are character positions or
// lengths; a line break counts two.

namespace penwick {

struct CaretOrientation {
  int position = 0;        // the selection start
  int lineNumber = 0;      // the line holding position
  int lineStart = 0;       // first position of that line
  int column = 0;          // position - lineStart, from 0
  int prevLineStart = -1;  // -1 on the first line
  int prevLineLength = -1;
  int lineLength = 0;
  int nextLineStart = -1;  // -1 on the last line
  int nextLineLength = -1;
};

class TextControl;

CaretOrientation ComputeOrientation(const TextControl& text);

}  // namespace penwick
