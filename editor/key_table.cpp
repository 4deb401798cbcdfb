#include "editor/key_table.h"

#include "editor/virtual_key.h"

namespace penwick {

const KeyRow* KeyTable::Find(int key, Qt::KeyboardModifiers modifiers, int* digit) const {
  const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
  for (const KeyRow& row : rows_) {
    if ((held & ~row.ignored) != row.modifiers) continue;
    int n = 0;
    switch (row.kind) {
      case KeyRow::Kind::kKey:
        if (key != row.key) continue;
        break;
      case KeyRow::Kind::kNumpadDigit:
        n = NumpadDigit(key, modifiers);
        break;
      case KeyRow::Kind::kTopRowDigit:
        n = TopRowDigit(key, modifiers);
        break;
    }
    if (row.kind != KeyRow::Kind::kKey && (n < row.low || n > row.high)) continue;
    *digit = n;
    return &row;
  }
  return nullptr;
}

}  // namespace penwick
