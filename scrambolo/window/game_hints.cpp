// Hints: a letter pattern of the word in the "Cheat" window, ten per game, the buzzer after that.
#include "scrambolo/window/game.h"

namespace scrambolo {

void Game::ShowHint() {
    if (unloaded_) {
        return;
    }
    // The word on the buttons is already solved: the hint goes to the word dealt after the pause.
    if (rightVerdictPending_) {
        hintDeferred_ = true;
        return;
    }
    if (state.HintsLeft <= 0) {
        PlayCue("buzzer.wav");
        return;
    }
    state.HintsLeft -= 1;
    if (!window_.HintWindowExists()) {
        window_.CreateHintWindow();
    }
    window_.SetHintText("");
    const std::optional<std::string> pattern = HintPattern(CurrentWord());
    if (!pattern) {
        return;
    }
    window_.SetHintText(*pattern);
    window_.ShowHintWindow();
}

void Game::cmdClose_Click() {
    if (window_.HintWindowExists()) {
        window_.CloseHintWindow();
    }
}

}  // namespace scrambolo
