// How a screen reader sees the items of the games' menus: with the shortcut that does the same.
#pragma once

namespace common::qt {

// Makes every item of the menu bar and its menus tell its shortcut (Ctrl+N, F1) as the key that
// does the same, which Orca says after the item's name as on Windows. Qt 6.4 tells a menu
// item's shortcut, or its access key when it has none, as the item's one key binding, which Orca
// takes for an access key path and says only to players who asked for access keys. Everything
// else is told as Qt's own menu items tell it. Call once, after the application object is made.
void InstallMenuItemAccessibility();

}  // namespace common::qt
