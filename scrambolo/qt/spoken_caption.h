// Tells the screen reader the new letter on the focused letter button, as text it can speak.
#pragma once

#include <QAbstractButton>

namespace scrambolo::qt {

// Sets a letter button's caption. When the button has the keyboard focus, the screen reader is
// also told its new name as text, once the handler that set it is done, so that a swap or a deal
// onto the focused button is heard: Qt 6.4 tells a name change by a reference to the button
// alone, which Orca cannot speak. A letter dealt again onto the focused button is told too: the
// screen reader would take the same name again for a repeat and say nothing. (A Qt that tells the
// name as text itself is heard once: its telling comes between the two, the second is a repeat.)
void SetCaptionHeard(QAbstractButton* button, const QString& caption);

}  // namespace scrambolo::qt
