// How the page shows the command table's entries: each kind as a role, each shortcut as a key a browser leaves to the page.
#pragma once

#include "common/command_table.h"

namespace common::web {

// What a screen reader is told the entry is: "menu" for a submenu (on the bar, or a group inside
// its menu), "menuitem", "menuitemcheckbox", or "menuitemradio" for a check mark of which the
// game keeps one set.
const char* PageRole(CommandKind kind);
// The key's name as the page's key events give it, or "" for none.
const char* PageShortcut(ShortcutKey key);

}  // namespace common::web
