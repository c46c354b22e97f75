// Keyboard play, the two-press swap of letters and the verdict on the arrangement, with its pause.
#include "scrambolo/window/game.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "scrambolo/engine/word_rules.h"

namespace scrambolo {
namespace {

constexpr int kKeyH = 72;
constexpr int kKeyC = 67;
constexpr int kKeyJ = 74;

}  // namespace

void Game::Form_KeyDown(int KeyCode, int /*Shift*/) {
    if (unloaded_) {
        return;
    }
    switch (KeyCode) {
        case kKeyH:
            system_.ShowMessage(HighScoreMessage(state.HighScore), "High Score", common::MessageButtons::Ok);
            break;
        case kKeyC:
            ShowHint();
            break;
        case kKeyJ:
            CheckArrangement();
            break;
        default:
            break;
    }
}

void Game::ButtonArray_GotFocus(int Index) {
    if (Index == 1) {
        PlayCue("click.wav");
        state.ActiveButton = 1;
    } else if (Index >= 2 && Index <= 6) {
        state.ActiveButton = Index;
    }
}

void Game::ButtonArray_Click(int Index) {
    if (unloaded_) {
        return;
    }
    if (Index >= 1 && Index <= 6) {
        state.ActiveButton = Index;
    }
    if (!state.SwapPending) {
        window_.SetButtonCaption(0, window_.ButtonCaption(state.ActiveButton));
        state.SwapFirst = state.ActiveButton;
        state.SwapPending = true;
    } else {
        window_.SetButtonCaption(state.SwapFirst, window_.ButtonCaption(state.ActiveButton));
        window_.SetButtonCaption(state.ActiveButton, window_.ButtonCaption(0));
        state.SwapPending = false;
    }
}

void Game::lblTime_DblClick() { CheckArrangement(); }

void Game::CheckArrangement() {
    // A second check while a solved word waits for its successor would score that word twice.
    if (unloaded_ || rightVerdictPending_) {
        return;
    }
    const std::string_view word = CurrentWord();
    const std::size_t length = word.size();
    if (length < 3 || length > 6) {
        return;
    }
    std::string arranged;
    for (std::size_t button = 1; button <= length; ++button) {
        arranged += window_.ButtonCaption(static_cast<int>(button));
    }
    ReportGuess(TrimBlanks(word) == TrimBlanks(arranged) ? Verdict::Right : Verdict::Wrong);
}

void Game::ReportGuess(Verdict verdict) {
    if (verdict == Verdict::Wrong) {
        PlayCue("buzzer.wav");
        WrongVerdictPause();
        return;
    }
    rightVerdictPending_ = true;
    const std::uint64_t dealsBefore = deals_;
    const std::uint64_t timePicksBefore = timePicks_;
    state.SwapPending = false;
    PlayCue("bell.wav");
    Pause(1.5);
    rightVerdictPending_ = false;
    if (unloaded_) {
        return;  // the window was closed during the pause: nothing is left to deal onto
    }
    // A time pick during the pause abandoned the word's game and began a new one, dealt and timed
    // at the new setting: the word scores in neither.
    if (timePicks_ == timePicksBefore) {
        state.SwapPending = false;
        if (state.WordsGuessed == std::numeric_limits<std::int32_t>::max()) {
            throw std::overflow_error("Overflow");
        }
        state.WordsGuessed += 1;
        // A letter range picked during the pause has already put a new word on the buttons.
        if (deals_ == dealsBefore) {
            DealWord();
        }
        StartClock();
    }
    if (hintDeferred_) {
        hintDeferred_ = false;
        ShowHint();
    }
}

void Game::Pause(double Seconds) {
    double deadline = PauseDeadline(Seconds);
    WaitUntil(deadline);
}

double Game::PauseDeadline(double Seconds) {
    // The pause ends at the whole second nearest its start (ties to even) plus Seconds, so it
    // lasts 1 to 2 seconds for 1.5. The time left is then measured on the monotonic clock, which
    // midnight cannot send back to zero.
    const double timeOfDay = system_.TimeOfDay();
    const double start = std::nearbyint(timeOfDay);
    return system_.MonotonicSeconds() + (start + Seconds - timeOfDay);
}

void Game::WaitUntil(const double& deadline) {
    // The wait sleeps until an event or the end, never spins; the deadline is read afresh after
    // each wait, as a check during it may have moved it.
    while (!unloaded_) {
        const double now = system_.MonotonicSeconds();
        if (now >= deadline) {
            break;
        }
        system_.WaitForEvents(deadline - now);
    }
}

void Game::WrongVerdictPause() {
    // A wrong check inside the pause of another waits nothing of its own there: the pause already
    // waiting goes on until the later check's pause would have ended. Nested, the later pause
    // would end then and the earlier one, past its own end, at once after it: the player meets
    // the same buzzers and the same end, and a held J piles up no waits, however long it is held.
    const double deadline = PauseDeadline(1.5);
    if (wrongPauseEnd_) {
        *wrongPauseEnd_ = std::max(*wrongPauseEnd_, deadline);
        return;
    }
    wrongPauseEnd_ = deadline;
    WaitUntil(*wrongPauseEnd_);
    wrongPauseEnd_.reset();
}

}  // namespace scrambolo
