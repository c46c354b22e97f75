// A box or window of the game that goes away gives the keyboard to the window beneath before it goes.
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

// Gives the keyboard to window straight away, for a window of the game above it that is about to
// go (see above); the window must be showing. Off X11 it does nothing.
void HandKeyboardTo(QWidget& window);

}  // namespace common::qt
