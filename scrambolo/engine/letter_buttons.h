// What dealing a word needs from the window, buttons 1 to 6; every Scrambolo GameWindow (Win32, Qt, browser, the tests' fake) implements it.
#pragma once

#include <string>

namespace scrambolo {

class LetterButtons {
public:
    virtual ~LetterButtons() = default;

    virtual void SetButtonCaption(int index, const std::string& caption) = 0;
    virtual void SetButtonShown(int index, bool shown) = 0;
    // Moving the focus onto a button from elsewhere raises that button's focus event.
    virtual void FocusButton(int index) = 0;
};

}  // namespace scrambolo
