#pragma once
// The RTF menu's control words, typed as plain text into an RTF source file: group openers that leave an
// empty line above their closing brace, and single control words.

namespace penwick {

class MenuBuilder;

void AddRtfControlWordMenus(MenuBuilder& menus);

}  // namespace penwick
