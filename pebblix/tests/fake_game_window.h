// A recording stand-in for the main window, so the handlers can be tested without a screen.
#pragma once

#include <optional>
#include <string>

#include "common/testing/fake_close.h"
#include "common/time_allowed.h"
#include "pebblix/logic/game_commands.h"
#include "pebblix/logic/game_window.h"

namespace pebblix::testing {

class FakeGameWindow : public common::testing::FakeClose<GameWindow> {
public:
    enum class Focus { None, Word, Guess };

    std::string wordText;
    std::string guessText;
    Focus focus = Focus::None;
    bool guessSelected = false;  // the whole guess selected, so the next key replaces it
    bool timerRunning = false;
    int timerInterval = 0;                                  // what the timer last counted
    int timerRestarts = 0;                                  // how often the countdown was started afresh
    bool soundsChecked = true;                              // as created
    std::optional<common::TimeAllowedSetting> timeChecked;  // the checked "Time Allowed" item

    void SetWordText(const std::string& text) override { wordText = text; }
    std::string GuessText() override { return guessText; }
    void SetGuessText(const std::string& text) override {
        guessText = text;
        guessSelected = false;
    }
    void FocusWord() override { focus = Focus::Word; }
    void FocusGuess() override { focus = Focus::Guess; }
    void SelectAllGuess() override { guessSelected = true; }
    void StartTimer(int milliseconds) override {
        timerRunning = true;
        timerInterval = milliseconds;
        ++timerRestarts;
    }
    void StopTimer() override { timerRunning = false; }
    void SetMenuCheck(int item, bool checked) override {
        if (item == command::kOptionsSounds) {
            soundsChecked = checked;
        }
        for (const common::TimeAllowedSetting setting : common::kTimeAllowedSettings) {
            if (checked && item == common::TimeAllowedCommand(setting)) {
                timeChecked = setting;
            }
        }
    }

    // The timer is counting and would fire.
    bool TimerRunning() const { return timerRunning; }
};

}  // namespace pebblix::testing
