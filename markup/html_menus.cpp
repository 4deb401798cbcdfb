// The HTML menu, its three submenus and the pop-up menu's comment item, made from the item tables.

#include <QMenu>
#include <array>
#include <cstddef>
#include <utility>

#include "editor/command_row.h"
#include "markup/html_commands.h"
#include "markup/html_items.h"

namespace penwick {

namespace {

// Each menu row needs a plain function: one per table row, each forwarding to the generic handler.
template <const auto& items, std::size_t i>
void RunItem(TEditForm& editor) {
  HtmlItemClick(editor, items[i]);
}

template <const auto& items, std::size_t... i>
constexpr auto MakeRows(std::index_sequence<i...>) {
  return std::array<MenuRow, sizeof...(i)>{MenuRow{items[i].name, items[i].caption, items[i].shortcut,
                                                   nullptr, items[i].caption ? &RunItem<items, i> : nullptr,
                                                   nullptr, nullptr, Access::kWrites}...};
}

template <const auto& items>
constexpr auto MakeRows() {
  return MakeRows<items>(std::make_index_sequence<std::size(items)>{});
}

constexpr auto kHtmlRows = MakeRows<kHtmlItems>();
constexpr auto kTableRows = MakeRows<kTableItems>();
constexpr auto kFormRows = MakeRows<kFormItems>();
constexpr auto kFramesetRows = MakeRows<kFramesetItems>();
constexpr auto kPopupRows = MakeRows<kHtmlPopupItems>();

}  // namespace

void AddHtmlMenus(MenuBuilder& menus) {
  QMenu* html = menus.Menu(MenuId::kHtml);
  menus.AddRows(html, kHtmlRows);
  menus.AddRows(menus.AddSubmenu(html, QString::fromLatin1(kTableMenuTitle)), kTableRows);
  menus.AddRows(menus.AddSubmenu(html, QString::fromLatin1(kFormMenuTitle)), kFormRows);
  menus.AddRows(menus.AddSubmenu(html, QString::fromLatin1(kFramesetMenuTitle)), kFramesetRows);
  menus.AddRows(MenuId::kPopup, kPopupRows);
}

}  // namespace penwick
