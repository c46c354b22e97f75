// A game's menu bar and shortcut keys on Windows, built from its command table.
#pragma once

#include <windows.h>

#include <vector>

#include "common/command_table.h"

namespace common::win32 {

// The menu bar of the entries, each item carrying its id as its command (WM_COMMAND) and its
// shortcut after a tab; radio items show a bullet when checked. It goes with the window it is
// given to.
HMENU BuildMenuBar(const std::vector<MenuEntry>& entries);
// The accelerator table of the entries' shortcut keys, for the message pump; the caller destroys it.
HACCEL BuildAccelerators(const std::vector<MenuEntry>& entries);
// Sets or clears the check mark of the window's menu item with this id.
void SetMenuCheck(HWND window, int id, bool checked);

}  // namespace common::win32
