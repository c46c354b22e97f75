// A message box closed by one of its buttons: the keyboard goes to the window beneath before the box does.
#pragma once

#include <QMessageBox>
#include <QWidget>

namespace common::qt {

// On X11 a box that goes away leaves the keyboard with no window until the window manager gives
// it to the window beneath, and a key pressed in that moment reaches no program. A key the X
// server gave the box just before it went reaches the program, but Qt drops it when the box's
// own X window is already gone: a fast typist's letters after OK were lost either way. Once box
// is answered by a button (Enter, Esc, a click), this gives the keyboard to owner's window itself,
// while the box is still up, and the box's X window is only hidden when it closes, kept until the
// box is deleted (LateKeys takes over the keys it still receives). A box closed otherwise closes as
// Qt closes it. Off X11 it does nothing.
void HandKeyboardBackOnAnswer(QMessageBox& box, QWidget* owner);

}  // namespace common::qt
