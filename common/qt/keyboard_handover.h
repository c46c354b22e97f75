// Hands the desktop's keyboard straight from a closing message box to the window beneath it.
#pragma once

#include <QWidget>

namespace common::qt {

// On X11 a box that goes away leaves the keyboard with no window until the window manager gives
// it to the window beneath; a key pressed in that moment reaches neither and is lost. Called
// while the box is still up, this gives the keyboard to window itself, at once: every key is then
// either the box's (taken over by LateKeys) or the window's. The window manager is not asked, as
// it would give the keyboard back to the box while the box is up. Elsewhere it does nothing.
void HandKeyboardTo(QWidget* window);

}  // namespace common::qt
