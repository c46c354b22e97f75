// The Check button: the guess normalised, six refusal rules in order, then a refusal or the points.
#include "pebblix/logic/game.h"

#include "pebblix/logic/counters.h"
#include "pebblix/logic/dictionary.h"
#include "pebblix/logic/reports.h"
#include "pebblix/logic/word_rules.h"

namespace pebblix {

void Game::cmdEnter_Click() {
    try {
        CheckGuess();
    } catch (const CounterOverflow&) {
        // Nothing is saved: the counters are past what the files and reports can hold.
        system_.ShowMessage(CounterOverflowMessage(), kErrorTitle, common::MessageButtons::Ok);
        window_.EndProgram();
    }
}

void Game::CheckGuess() {
    const std::string guess = NormaliseGuess(window_.GuessText());
    window_.SetGuessText(guess);
    const std::string& word = state.CurrentWord;

    if (IsWordOrSingular(guess, word) || IsWordOrEndingStem(guess, word) || guess.size() > word.size()) {
        RefuseGuess();
        return;
    }
    // An empty guess is never a word, even when a blank line in the dictionary left an empty entry.
    if (guess.empty() || FindWord(state.AllWords, guess, 1, state.WordCount) == 0 || !LettersAvailable(guess, word)) {
        RefuseGuess();
        return;
    }
    if (IsShortGuess(guess)) {
        // Every valid short guess counts, the refused ones past the limit too.
        state.ShortWordsUsed = CheckedAdd(state.ShortWordsUsed, 1);
        if (state.ShortWordsUsed > kShortWordsAllowed) {
            RefuseGuess();
            return;
        }
    }
    AcceptGuess(guess);
}

void Game::AcceptGuess(const std::string& guess) {
    // Both sums are worked out before either is stored, so an overflow leaves the game as it was.
    const std::int16_t newScore = CheckedAdd(state.Score, static_cast<std::int64_t>(guess.size()));
    const std::int16_t newWordsGuessed = CheckedAdd(state.WordsGuessed, 1);
    state.Score = newScore;
    state.WordsGuessed = newWordsGuessed;

    // The time must not run out while the report is open.
    tmrWord_.SetEnabled(false);
    PlayCue(kRightSound);
    system_.ShowMessage(AcceptReport(guess.size(), state.Score), kTitle, common::MessageButtons::Ok);

    PickWord();
    window_.SetWordText(state.CurrentWord);
    window_.SetGuessText("");
    window_.FocusWord();
}

void Game::RefuseGuess() {
    PlayWrongSound();
    SelectGuess();
}

void Game::PlayWrongSound() { PlayCue(kWrongSound); }

void Game::SelectGuess() {
    window_.FocusGuess();
    window_.SelectAllGuess();
}

}  // namespace pebblix
