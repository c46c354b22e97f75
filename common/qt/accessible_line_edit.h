// What a screen reader is told about a one-line text box, in place of Qt's own description, which hangs the game.
#pragma once

namespace common::qt {

// Every QLineEdit of the program is then described by the game's own accessible object: the same
// name, role, states, text, caret and selection as Qt's, with two faults of Qt 6.4 mended. Asked
// for the word at the end of the text (Orca asks after Backspace at the end of a guess), Qt's
// loops for ever and the game stops answering; and Qt gives every character a text-attribute run
// of its own that ends where it starts, so Orca reads a box's line one letter short ("planet" for
// "planets"). Call once, after the application object exists and before any window is shown.
void InstallAccessibleLineEdits();

}  // namespace common::qt
