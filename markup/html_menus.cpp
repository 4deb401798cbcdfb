// The HTML menu, its three submenus and the pop-up menu's comment item, made from the item tables.

#include <QAction>
#include <QMenu>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

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

// Adds the rows; an item that a Ctrl+numeric-pad key also runs names the key in the menu's shortcut
// column (the text after a tab), lined up with the other keys. The key is no shortcut of the action:
// the text's key handling runs it.
template <const auto& items, std::size_t n>
void AddItems(MenuBuilder& menus, QMenu* menu, const std::array<MenuRow, n>& rows) {
  const std::vector<QAction*> actions = menus.AddRows(menu, rows);
  for (std::size_t i = 0; i < n; ++i) {
    if (actions[i] && items[i].numpad != 0) {
      actions[i]->setText(actions[i]->text() + QStringLiteral("\tCtrl+NP%1").arg(items[i].numpad));
    }
  }
}

}  // namespace

void AddHtmlMenus(MenuBuilder& menus) {
  QMenu* html = menus.Menu(MenuId::kHtml);
  AddItems<kHtmlItems>(menus, html, kHtmlRows);
  AddItems<kTableItems>(menus, menus.AddSubmenu(html, QString::fromLatin1(kTableMenuTitle)), kTableRows);
  AddItems<kFormItems>(menus, menus.AddSubmenu(html, QString::fromLatin1(kFormMenuTitle)), kFormRows);
  AddItems<kFramesetItems>(menus, menus.AddSubmenu(html, QString::fromLatin1(kFramesetMenuTitle)),
                           kFramesetRows);
  AddItems<kHtmlPopupItems>(menus, menus.Menu(MenuId::kPopup), kPopupRows);
}

}  // namespace penwick
