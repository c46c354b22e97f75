// How a screen reader sees the games' one-line text boxes: their whole line, up to the last letter.
#pragma once

#include <QLineEdit>
#include <QString>

namespace common::qt {

// Makes every QLineEdit of the program report its text as one run without attributes. Qt 6.4
// reports a run of no length at each offset, and Orca then reads a box's line one letter short
// ("p**n*" for "p**n*t"). The words around an offset are found by walks that always end: asked
// for the word at the end of a box's text, as Orca asks after Backspace at the end of a guess,
// Qt 6.4 loops for ever and the game stops answering. And a caret that moves in a box without the
// focus, as when a game fills a box just before it moves the focus there, is not told to screen
// readers: Orca looks at such a move only once the box has the focus, takes it for the focus
// arriving, says nothing, and then passes over the focus event itself, so the box went unread.
// Neither is the selection Qt makes and drops as the focus enters and leaves a box: the box is
// then read once, with its selection. Call once, after the application object is made.
void InstallLineEditAccessibility();

// For a read-only box whose text is what the player needs at once (the word to play from): the
// screen reader says its text first and its label after, without the box's role or state, so
// that the text is heard as soon as the focus arrives.
void TellTextFirst(QLineEdit* box, const QString& label);

}  // namespace common::qt
