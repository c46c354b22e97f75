// What the anagram game's handlers ask of its windows; the Win32, Qt and browser main windows and the tests' FakeGameWindow implement it.
#pragma once

#include <string>

#include "common/command_table.h"
#include "common/game_lifetime.h"
#include "common/timer_control.h"
#include "scrambolo/engine/letter_buttons.h"

namespace scrambolo {

// Positions and widths are in twips; the window turns them into pixels at the real DPI. Captions
// and texts are the games' 8-bit text, one byte a letter (common/game_text.h).
// The window's timer is the clock's, Timer1. Unloading the main window and ending the program are
// every game's (common/game_lifetime.h). The menus' check marks go by the items' ids
// (scrambolo/window/game_commands.h).
class GameWindow : public LetterButtons,
                   public common::WindowTimer,
                   public common::MainWindowClose,
                   public common::MenuChecks {
public:
    // Buttons 0 (the hidden swap buffer) to 6.
    virtual std::string ButtonCaption(int index) = 0;
    virtual void PlaceButton(int index, int left, int top, int width) = 0;

    virtual void SetOuterWidth(int width) = 0;
    virtual void PlaceClockLabel(int left, int top) = 0;
    virtual void ShowMainWindow() = 0;

    // The clock label's caption, repainted at once.
    virtual void SetClockText(const std::string& text) = 0;
    virtual std::string ClockText() = 0;
    virtual void SetWindowCaption(const std::string& text) = 0;

    // The hint window: created hidden, filled, shown (active, focus in its text), closed.
    virtual bool HintWindowExists() = 0;
    virtual void CreateHintWindow() = 0;
    virtual void SetHintText(const std::string& text) = 0;
    virtual void ShowHintWindow() = 0;
    virtual void CloseHintWindow() = 0;
};

}  // namespace scrambolo
