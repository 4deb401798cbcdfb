#pragma once
// Menu rows made from a table of items at compile time: each row gets a plain function that runs the
// table's generic handler on its own item. An item has a name, a caption (nullptr for a separator) and a
// shortcut; every row writes to the text.

#include <array>
#include <cstddef>
#include <utility>

#include "editor/command_row.h"

namespace penwick {

template <const auto& items, auto click, std::size_t i>
void RunTableItem(TEditForm& editor) {
  click(editor, items[i]);
}

template <const auto& items, auto click, std::size_t... i>
constexpr auto MakeItemRows(std::index_sequence<i...>) {
  return std::array<MenuRow, sizeof...(i)>{MenuRow{
      items[i].name, items[i].caption, items[i].shortcut, nullptr,
      items[i].caption ? &RunTableItem<items, click, i> : nullptr, nullptr, nullptr, Access::kWrites}...};
}

template <const auto& items, auto click>
constexpr auto MakeItemRows() {
  return MakeItemRows<items, click>(std::make_index_sequence<std::size(items)>{});
}

}  // namespace penwick
