// What the hidden-word game's handlers ask of its window; the Win32, Qt and browser main windows and the tests' FakeGameWindow implement it.
#pragma once

#include <string>

#include "common/command_table.h"
#include "common/game_lifetime.h"
#include "common/timer_control.h"

namespace pebblix {

// The window's timer is the round's, tmrWord. The boxes' texts are the games' 8-bit text, one byte
// a letter (common/game_text.h). Unloading the main window and ending the program are every game's
// (common/game_lifetime.h). The menus' check marks go by the items' ids (pebblix/logic/game_commands.h).
class GameWindow : public common::WindowTimer, public common::MainWindowClose, public common::MenuChecks {
public:
    // txtWord, the dealt word (read-only for the player).
    virtual void SetWordText(const std::string& text) = 0;
    // txtGuess, the player's guess.
    virtual std::string GuessText() = 0;
    virtual void SetGuessText(const std::string& text) = 0;

    virtual void FocusWord() = 0;
    virtual void FocusGuess() = 0;
    // Selects the whole text of txtGuess (start 0, length the text's length).
    virtual void SelectAllGuess() = 0;
};

}  // namespace pebblix
