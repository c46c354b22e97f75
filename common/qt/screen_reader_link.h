// The link to the screen reader made before the game's first window shows, so that its first news is told.
#pragma once

namespace common::qt {

// Waits, before any window shows, until Qt's link to the screen reader is up, when the desktop
// says a screen reader (or other assistive program) is listening. Qt makes the link only once its
// event loop has the accessibility bus's address from the desktop: the games show their first box
// at once, and on a busy machine the box's activation and focus came before the address and were
// never told, so the player heard nothing until a key moved the focus. The wait ends after a few
// seconds whatever comes, so a desktop that never answers does not keep the game from starting.
// Call once, after the application object is made.
void WaitForScreenReaderLink();

}  // namespace common::qt
