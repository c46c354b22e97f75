// The per-word clock: two minutes from each start, shown each tick, and the end of a game at 121 s.
#include "scrambolo/window/game.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "common/field_values.h"

namespace scrambolo {

void Game::StartClock() {
    state_.TimeLimit = 120;
    window_.SetClockText("");
    window_.SetClockText(FormatClock(state_.TimeLimit));
    state_.StartTime = system_.CurrentDateTime();
    SetTimer(true);
}

void Game::Timer1_Timer() {
    // A tick already queued when the clock stopped is dropped.
    if (unloaded_ || !timerEnabled_) {
        return;
    }
    const std::int64_t elapsed = system_.CurrentDateTime() - state_.StartTime;
    state_.ElapsedSeconds = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(elapsed, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    if (state_.ElapsedSeconds <= state_.TimeLimit) {
        ShowClock(state_.TimeLimit, state_.ElapsedSeconds);
        return;
    }
    // A word rebuilt in time is not lost to the tick that falls into its verdict's pause: its
    // clock restarts when the pause ends.
    if (rightVerdictPending_) {
        return;
    }
    EndOfGame();
}

void Game::ShowClock(std::int32_t Limit, std::int32_t Elapsed) {
    // A system time set back by decades leaves more time than the count holds: stop, never wrap.
    const std::int64_t remaining = std::int64_t{Limit} - Elapsed;
    if (remaining > std::numeric_limits<std::int32_t>::max()) {
        throw std::overflow_error("Overflow");
    }
    window_.SetClockText(FormatClock(static_cast<std::int32_t>(remaining)));
    window_.SetWindowCaption(window_.ClockText() + " - Scrambolo!");
}

void Game::EndOfGame() {
    SetTimer(false);
    PlayCue("buzzer.wav");
    const bool beaten = state_.WordsGuessed > state_.HighScore;
    const common::MessageAnswer answer =
        system_.ShowMessage(TimeIsUpMessage(state_.WordsGuessed, state_.HighScore, CurrentWord()), "Time Is Up",
                            common::MessageButtons::YesNo);
    if (beaten) {
        // Saved whatever the answer, also when the window was closed under the question (a
        // log-off or shutdown): the player earned it.
        SaveHighScore();
    }
    if (unloaded_) {
        return;
    }
    if (answer == common::MessageAnswer::No) {
        Form_Unload();
        return;
    }
    state_.HintsLeft = 10;
    if (beaten) {
        state_.HighScore = state_.WordsGuessed;
    }
    state_.WordsGuessed = 0;
    state_.SwapPending = false;
    DealWord();
    StartClock();
}

void Game::SaveHighScore() {
    const std::string path = SavedFile(kHighScoreName);
    if (!system_.ReplaceFile(path, common::CrLfLine(common::FormatPlain(state_.WordsGuessed)))) {
        system_.ShowMessage("Your high score of " + common::FormatPlain(state_.WordsGuessed) +
                                " words could not be saved in " + path +
                                ". The high score saved before is kept as it was.",
                            "Scrambolo", common::MessageButtons::Ok);
    }
}

}  // namespace scrambolo
