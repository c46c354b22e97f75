// Real mouse clicks through SendInput, at the middle of a control, as a player's hand makes them.
#pragma once

#include <windows.h>

namespace robot {

// One click of the left button.
void ClickOn(HWND control);

// Two clicks at once, well within the double-click time, which Windows makes a double-click.
void DoubleClickOn(HWND control);

}  // namespace robot
