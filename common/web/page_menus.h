// A game's menus in the page, built from its command table.
#pragma once

#include <vector>

#include "common/command_table.h"

namespace common::web {

// Builds the page's menu bar (gamePage.menus) from the entries: captions as UTF-8, each kind as the
// role the page gives it, and each shortcut as the key that runs it in a browser.
void BuildPageMenus(const std::vector<MenuEntry>& entries);

}  // namespace common::web
