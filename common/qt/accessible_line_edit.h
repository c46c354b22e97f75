// How a screen reader sees the games' one-line text boxes: their whole line, up to the last letter.
#pragma once

namespace common::qt {

// Makes every QLineEdit of the program report its text as one run without attributes. Qt 6.4
// reports a run of no length at each offset, and Orca then reads a box's line one letter short
// ("p**n*" for "p**n*t"). Call once, after the application object is made.
void InstallLineEditAccessibility();

}  // namespace common::qt
