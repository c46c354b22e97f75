// What a player of Scrambolo hears on the main window: the letter buttons in row order, the clock, the caption.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace robot::scrambolo {

struct Board {
    std::vector<HWND> letters;  // the visible letter buttons, left to right: button 1 first
    int hiddenButtons = 0;
    HWND clock = nullptr;  // the clock label
};

Board ReadBoard(HWND main);
std::string Letters(const Board& board);
// Seconds left on the clock label, or -1 when it does not read mm:ss.
int ClockSeconds(HWND main);

HWND WaitForMainWindow();
// True when no Scrambolo main window is open.
bool NoMainWindowOpen();
// Waits for a fresh deal of the word: its letters, in another order, one per visible button.
Board ExpectDealOf(HWND main, const std::string& word);
void ExpectDealOfOneOf(HWND main, const std::vector<std::string>& words);
void ExpectLetters(HWND main, const std::string& letters);
void ExpectFocusOnLetter(HWND main, int button);
// The clock label and the caption show a clock just started: 02:00, or a second less.
void ExpectFreshClock(HWND main);
void WaitForClockAtMost(HWND main, int seconds);

// Moves the focus from one letter button to another with Tab or Shift+Tab, checking every stop.
void MoveFocus(HWND main, int& focused, int target);
// Rebuilds the word with keyboard swaps; the focus starts and ends on button `focused`.
void RebuildWord(HWND main, const std::string& word, int& focused);
// Rebuilds the word with mouse clicks on the letter buttons; a click moves the focus to its button.
void RebuildWordByMouse(HWND main, const std::string& word, int& focused);
// Presses a letter button with the mouse, once or twice in a row, which moves the focus there.
void ClickLetter(HWND main, int& focused, int button);
void DoubleClickLetter(HWND main, int& focused, int button);
void ExitFromMenu(HWND main);

// The click sounds each time the focus reaches letter button 1 from elsewhere: the moves above
// count those arrivals. Takes the count since it was last taken.
int TakeArrivalsOnFirst();
// Expects one click for each arrival since the count was last taken, and nothing else.
void ExpectClickForEachArrival();

}  // namespace robot::scrambolo
