// Reads the letter buttons by their place in the row, so the robot needs no knowledge of control ids.
#include "e2e/robot/scrambolo_board.h"

#include <algorithm>

#include "e2e/robot/cues.h"
#include "e2e/robot/desktop.h"
#include "e2e/robot/mouse.h"
#include "e2e/robot/steps.h"

namespace robot::scrambolo {
namespace {

// Arrivals of the focus on letter button 1 not yet heard as clicks.
int arrivalsOnFirst = 0;

void Arrive(int& focused, int button) {
    if (button == 1 && focused != 1) {
        ++arrivalsOnFirst;
    }
    focused = button;
}

bool IsMainWindow(HWND window) {
    const std::string caption = WindowText(window);
    const std::string suffix = "Scrambolo!";
    return !IsMessageBox(window) && caption.size() >= suffix.size() &&
           caption.compare(caption.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string Sorted(std::string text) {
    std::sort(text.begin(), text.end());
    return text;
}

}  // namespace

Board ReadBoard(HWND main) {
    Board board;
    std::vector<Control> visible;
    for (const Control& control : ChildControls(main)) {
        if (control.className == "Button") {
            if (control.visible) {
                visible.push_back(control);
            } else {
                ++board.hiddenButtons;
            }
        } else if (control.className == "Static") {
            board.clock = control.hwnd;
        }
    }
    std::sort(visible.begin(), visible.end(),
              [](const Control& a, const Control& b) { return a.rect.left < b.rect.left; });
    for (const Control& button : visible) {
        board.letters.push_back(button.hwnd);
    }
    return board;
}

std::string Letters(const Board& board) {
    std::string letters;
    for (HWND button : board.letters) {
        letters += WindowText(button);
    }
    return letters;
}

int ClockSeconds(HWND main) {
    Board board = ReadBoard(main);
    if (board.clock == nullptr) {
        return -1;
    }
    const std::string text = WindowText(board.clock);
    if (text.size() != 5 || text[2] != ':') {
        return -1;
    }
    return std::stoi(text.substr(0, 2)) * 60 + std::stoi(text.substr(3, 2));
}

bool NoMainWindowOpen() {
    for (HWND window : VisibleTopLevelWindows()) {
        if (IsMainWindow(window)) {
            return false;
        }
    }
    return true;
}

HWND WaitForMainWindow() {
    Step("wait for Scrambolo's main window");
    HWND main = WaitForWindowWhere("a window captioned \"... Scrambolo!\"", IsMainWindow, 20);
    ExpectForeground(main);
    return main;
}

Board ExpectDealOf(HWND main, const std::string& word) {
    Step("the letters of " + Quote(word) + " are dealt in another order");
    Board board;
    std::string letters;
    bool dealt = WaitUntil(
        [&] {
            board = ReadBoard(main);
            letters = Letters(board);
            return board.letters.size() == word.size() && Sorted(letters) == Sorted(word) && letters != word;
        },
        kPatience);
    if (!dealt) {
        Fail(std::to_string(word.size()) + " visible letter buttons holding the letters of " + Quote(word) +
                 " in another order",
             std::to_string(board.letters.size()) + " visible letter buttons reading " + Quote(letters));
    }
    const int expectedHidden = 7 - static_cast<int>(word.size());
    if (board.hiddenButtons != expectedHidden) {
        Fail(std::to_string(expectedHidden) + " hidden buttons (the swap buffer and the unused letters)",
             std::to_string(board.hiddenButtons));
    }
    return board;
}

void ExpectDealOfOneOf(HWND main, const std::vector<std::string>& words) {
    std::string names;
    for (const std::string& word : words) {
        names += (names.empty() ? "" : " or ") + Quote(word);
    }
    Step("the letters of " + names + " are dealt in another order");
    std::string letters;
    bool dealt = WaitUntil(
        [&] {
            letters = Letters(ReadBoard(main));
            return std::any_of(words.begin(), words.end(), [&](const std::string& word) {
                return Sorted(letters) == Sorted(word) && letters != word;
            });
        },
        kPatience);
    if (!dealt) {
        Fail("the letters of " + names + " in another order", Quote(letters));
    }
}

void ExpectLetters(HWND main, const std::string& expected) {
    std::string letters;
    if (!WaitUntil([&] { return (letters = Letters(ReadBoard(main))) == expected; }, kPatience)) {
        Fail("the letter buttons reading " + Quote(expected), Quote(letters));
    }
}

void ExpectFocusOnLetter(HWND main, int button) {
    Step("the focus is on letter button " + std::to_string(button));
    Board board = ReadBoard(main);
    if (button < 1 || button > static_cast<int>(board.letters.size())) {
        Fail("letter button " + std::to_string(button) + " to be visible",
             std::to_string(board.letters.size()) + " visible letter buttons");
    }
    ExpectFocus(board.letters[static_cast<size_t>(button - 1)], "letter button " + std::to_string(button));
}

void ExpectFreshClock(HWND main) {
    Step("the clock starts again from 02:00");
    int seconds = -1;
    if (!WaitUntil([&] { return (seconds = ClockSeconds(main)) >= 119; }, kPatience)) {
        Fail("the clock label reading 02:00 or 01:59", std::to_string(seconds) + " seconds left");
    }
    ExpectCaption(main, {"02:00 - Scrambolo!", "01:59 - Scrambolo!"});
}

void WaitForClockAtMost(HWND main, int seconds) {
    Step("wait until the clock shows at most " + std::to_string(seconds) + " seconds");
    int left = -1;
    if (!WaitUntil([&] { return (left = ClockSeconds(main)) >= 0 && left <= seconds; }, 130)) {
        Fail("the clock running down", std::to_string(left) + " seconds left");
    }
}

void MoveFocus(HWND main, int& focused, int target) {
    const int count = static_cast<int>(ReadBoard(main).letters.size());
    while (focused != target) {
        if (target > focused) {
            Press(VK_TAB);
            Arrive(focused, focused % count + 1);
        } else {
            PressChord({VK_SHIFT}, VK_TAB);
            Arrive(focused, focused == 1 ? count : focused - 1);
        }
        ExpectFocusOnLetter(main, focused);
    }
}

void RebuildWord(HWND main, const std::string& word, int& focused) {
    Step("rebuild " + Quote(word) + " by swapping letters with Tab, Shift+Tab and Space");
    std::string letters = Letters(ReadBoard(main));
    for (size_t place = 0; place < word.size(); ++place) {
        if (letters[place] == word[place]) {
            continue;
        }
        size_t from = letters.find(word[place], place + 1);
        MoveFocus(main, focused, static_cast<int>(from) + 1);
        Press(VK_SPACE);
        MoveFocus(main, focused, static_cast<int>(place) + 1);
        Press(VK_SPACE);
        std::swap(letters[place], letters[from]);
        ExpectLetters(main, letters);
        ExpectFocusOnLetter(main, focused);
    }
}

void ClickLetter(HWND main, int& focused, int button) {
    Step("click letter button " + std::to_string(button) + " with the mouse");
    ClickOn(ReadBoard(main).letters.at(static_cast<size_t>(button - 1)));
    Arrive(focused, button);
    ExpectFocusOnLetter(main, button);
}

void DoubleClickLetter(HWND main, int& focused, int button) {
    Step("double-click letter button " + std::to_string(button) + " with the mouse");
    DoubleClickOn(ReadBoard(main).letters.at(static_cast<size_t>(button - 1)));
    Arrive(focused, button);
    ExpectFocusOnLetter(main, button);
}

void RebuildWordByMouse(HWND main, const std::string& word, int& focused) {
    Step("rebuild " + Quote(word) + " by clicking pairs of letters");
    std::string letters = Letters(ReadBoard(main));
    for (size_t place = 0; place < word.size(); ++place) {
        if (letters[place] == word[place]) {
            continue;
        }
        size_t from = letters.find(word[place], place + 1);
        ClickLetter(main, focused, static_cast<int>(from) + 1);
        ClickLetter(main, focused, static_cast<int>(place) + 1);
        std::swap(letters[place], letters[from]);
        ExpectLetters(main, letters);
    }
}

int TakeArrivalsOnFirst() {
    const int arrivals = arrivalsOnFirst;
    arrivalsOnFirst = 0;
    return arrivals;
}

void ExpectClickForEachArrival() {
    ExpectCues(std::vector<Cue>(static_cast<size_t>(TakeArrivalsOnFirst()), Cue{"click.wav", kAsync}));
}

void ExitFromMenu(HWND main) {
    PressChord({VK_MENU}, 'F');
    Press('X');
    Step("the main window closes");
    ExpectWindowGone(main);
}

}  // namespace robot::scrambolo
