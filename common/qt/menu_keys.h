// The keys that take a game window's keyboard to its menus, the same in both games.
#pragma once

class QMainWindow;

namespace common::qt {

// F10 goes to the menus, as Alt does; like other Linux programs it opens the first one. Call once
// the window's menu bar holds its menus.
void OpenFirstMenuOnF10(QMainWindow& window);

}  // namespace common::qt
