// Menus that open and close on their own keys only, whatever order a screen reader hands the keys back in.
#pragma once

namespace common::qt {

// Alt pressed and let go alone no longer takes the keyboard to the menu bar, and Alt pressed in an
// open menu no longer closes it. With a screen reader listening, Qt hands it every key before the
// game sees the key, and the screen reader, busy telling of what a key did, can hand keys back out
// of order: after Alt+W had reached a text box, W's release came after Alt's, Qt took that for a
// lone Alt and what the player typed next went into the menus; after Alt+O had opened a menu,
// Alt's press came after O's and closed it at once. F10, Alt with a menu's letter and Esc work as
// before. Call once, after the application object is made and before any window is built.
void KeepMenusFromLoneAlt();

}  // namespace common::qt
