// The per-word clock: two minutes from each start (or as many times that as the time setting gives), shown each tick, and the end of a game.
#include "scrambolo/window/game.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "common/field_values.h"
#include "common/saved_file.h"

namespace scrambolo {
namespace {

// Each word's time at the Standard setting.
constexpr std::int32_t kStandardWordSeconds = 120;

}  // namespace

void Game::StartClock() {
    state.TimeLimit = kStandardWordSeconds * common::TimeFactor(state.TimeSetting);
    window_.SetClockText("");
    window_.SetClockText(FormatClock(state.TimeLimit));
    state.StartTime = system_.CurrentDateTime();
    // The word's time is measured on the monotonic clock, so that a change of the system time or of
    // daylight saving neither ends a word early nor stretches it. Counting from the fraction of a
    // second the wall clock had at the start keeps the display stepping when the wall clock's second
    // changes, as a difference of whole-second times does.
    const double timeOfDay = system_.TimeOfDay();
    clockStartFraction_ = timeOfDay - std::floor(timeOfDay);
    clockStartMonotonic_ = system_.MonotonicSeconds();
    Timer1_.SetEnabled(true);
}

void Game::Timer1_Timer() {
    // A tick already queued when the clock stopped is dropped.
    if (unloaded_ || !Timer1_.Enabled()) {
        return;
    }
    const double elapsed = std::floor(system_.MonotonicSeconds() - clockStartMonotonic_ + clockStartFraction_);
    state.ElapsedSeconds =
        static_cast<std::int32_t>(std::clamp<double>(elapsed, 0, std::numeric_limits<std::int32_t>::max()));
    if (state.ElapsedSeconds <= state.TimeLimit) {
        ShowClock(state.TimeLimit, state.ElapsedSeconds);
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
    // More time left than the count holds is an overflow: stop, never wrap.
    const std::int64_t remaining = std::int64_t{Limit} - Elapsed;
    if (remaining > std::numeric_limits<std::int32_t>::max()) {
        throw std::overflow_error("Overflow");
    }
    // Every write repaints the label or the caption and tells screen readers of a new name; the
    // tick comes four times a second, so only a text that changed is written.
    const std::string clock = FormatClock(static_cast<std::int32_t>(remaining));
    if (window_.ClockText() != clock) {
        window_.SetClockText(clock);
    }
    const std::string caption = window_.ClockText() + " - Scrambolo!";
    if (caption != windowCaption_) {
        window_.SetWindowCaption(caption);
        windowCaption_ = caption;
    }
}

void Game::EndOfGame() {
    Timer1_.SetEnabled(false);
    PlayCue("buzzer.wav");
    engine_.CatchUpWithSavedHighScore();
    const bool beaten = state.WordsGuessed > state.HighScore;
    beatenScoreUnsaved_ = beaten;
    const common::TimeAllowedSetting playedAt = state.TimeSetting;
    endQuestionUp_ = true;
    const common::MessageAnswer answer =
        system_.ShowMessage(TimeIsUpMessage(state.WordsGuessed, state.HighScore, CurrentWord()), "Time Is Up",
                            common::MessageButtons::YesNo, common::TypeAhead::Dropped);
    endQuestionUp_ = false;
    // Saved whatever the answer: the player earned it. A log-off or shutdown, or a time pick,
    // under the question has saved it already.
    SaveBeatenHighScore();
    if (unloaded_) {
        return;
    }
    if (answer == common::MessageAnswer::No) {
        window_.UnloadMainWindow();
        return;
    }
    // After a time pick under the question the next game is played at the new setting, whose
    // best the pick has read.
    if (beaten && state.TimeSetting == playedAt) {
        // The better of this game's score and the one the save found already saved.
        state.HighScore = std::max(state.HighScore, state.WordsGuessed);
    }
    NewGame();
}

void Game::NewGame() {
    state.HintsLeft = 10;
    state.WordsGuessed = 0;
    state.SwapPending = false;
    DealWord();
    StartClock();
}

void Game::SaveBeatenHighScore() {
    if (beatenScoreUnsaved_) {
        beatenScoreUnsaved_ = false;
        SaveHighScore();
    }
}

void Game::SaveHighScore() {
    const std::string path = SavedFile(engine_.HighScoreFileName());
    const std::string score = common::FormatPlain(state.WordsGuessed);
    // Another copy of the game (another tab) may have saved a better score while the end question
    // was up: the saved score is read again at the moment of writing, and the better one kept.
    engine_.CatchUpWithSavedHighScore();
    if (engine_.HighScoreFileUnreadable()) {
        system_.ShowMessage("Your high score of " + score + " words was not saved: the file " + path +
                                " could not be read, so it was left as it was.",
                            "Scrambolo", common::MessageButtons::Ok);
        return;
    }
    if (state.HighScore >= state.WordsGuessed) {
        return;
    }
    const common::SaveOutcome saved = system_.ReplaceWholeFile(path, common::CrLfLine(score));
    if (saved != common::SaveOutcome::Saved) {
        system_.ShowMessage("Your high score of " + score + " words could not be saved" +
                                common::WhereNotSaved(path, saved) + ". The high score saved before is kept as it was.",
                            "Scrambolo", common::MessageButtons::Ok);
    }
}

}  // namespace scrambolo
