// Loading, range selection, drawing and shuffling of the anagram words, against the button interface.
#include "scrambolo/engine/puzzle_engine.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "common/saved_file.h"
#include "common/word_list.h"
#include "scrambolo/engine/word_rules.h"

namespace scrambolo {
namespace {

// A working random source finishes a shuffle or a redeal within a few draws; these bounds only
// keep a stuck source from hanging the game. Past them the letter takes the first free slot, and
// the deal rotates the letters by one, which for a dealable word never spells it.
constexpr int kMaxDrawsPerLetter = 200;
constexpr int kMaxShufflesPerDeal = 100;

std::size_t SlotOf(double r, std::size_t count) {
    return std::min(static_cast<std::size_t>(r * static_cast<double>(count)), count - 1);
}

std::string Joined(const std::vector<std::string>& letters) {
    std::string joined;
    for (const std::string& letter : letters) {
        joined += letter;
    }
    return joined;
}

}  // namespace

PuzzleEngine::PuzzleEngine(GameState& state, LetterButtons& buttons, common::RandomSource& random,
                           common::SystemPort& system)
    : state_(state), buttons_(buttons), random_(random), system_(system) {}

LoadResult PuzzleEngine::LoadWordList() {
    wordListRead_ = state_.WordListPath;
    std::optional<std::string> text = system_.ReadFile(wordListRead_, common::kWordListMaxBytes);
    if (!text) {
        // A portable copy keeps the list beside the program and needs no rights to the system folder.
        wordListRead_ = system_.JoinPath(system_.ProgramFolder(), kWordListName);
        text = system_.ReadFile(wordListRead_, common::kWordListMaxBytes);
    }
    if (!text) {
        return LoadResult::WordListMissing;
    }
    common::WordList entries;
    if (common::ReadWordList(std::move(*text), kWordListCapacity, entries) == common::WordListRead::TooLarge) {
        return LoadResult::WordListTooLarge;
    }
    state_.AllWords = std::move(entries);
    ReadHighScoreFile();
    return ApplyLetterRange() == DealResult::Dealt ? LoadResult::Dealt : LoadResult::NoDealableWord;
}

void PuzzleEngine::ReadHighScoreFile() { state_.HighScore = ReadSavedHighScore().value_or(0); }

std::string PuzzleEngine::HighScoreFileName() const {
    return common::FileNameForSetting(kHighScoreName, state_.TimeSetting);
}

void PuzzleEngine::CatchUpWithSavedHighScore() {
    state_.HighScore = std::max(state_.HighScore, ReadSavedHighScore().value_or(state_.HighScore));
}

std::optional<std::int32_t> PuzzleEngine::ReadSavedHighScore() {
    const common::SavedFileRead highScore =
        common::ReadSavedFile(system_, system_.JoinPath(system_.SavedFilesFolder(), HighScoreFileName()));
    highScoreFileUnreadable_ = highScore.unreadable;
    // A file that is there but cannot be read says nothing: the score known so far stands.
    if (highScore.unreadable) {
        return std::nullopt;
    }
    return ReadHighScore(highScore.text);
}

DealResult PuzzleEngine::ApplyLetterRange() {
    return SelectAndDeal([this](std::size_t letters) { return FitsLetterRange(letters, state_.LetterRange); });
}

DealResult PuzzleEngine::ApplyFallbackRange() {
    return SelectAndDeal([](std::size_t letters) { return letters >= 3 && letters <= 6; });
}

DealResult PuzzleEngine::SelectAndDeal(const std::function<bool(std::size_t)>& fits) {
    state_.PlayWords.assign(1, std::string_view());
    std::size_t count = 0;
    for (const std::string_view entry : state_.AllWords) {
        if (fits(entry.size())) {
            state_.PlayWords.resize(count + 1);
            state_.PlayWords[count] = entry;
            ++count;
        }
    }
    return DealWord();
}

DealResult PuzzleEngine::DealWord() {
    // Draw among the dealable words only, each equally likely, so an undealable entry can never
    // be drawn and a list without a dealable word is reported instead of looped on.
    std::vector<std::size_t> dealable;
    for (std::size_t i = 0; i < state_.PlayWords.size(); ++i) {
        if (IsDealable(state_.PlayWords[i])) {
            dealable.push_back(i);
        }
    }
    if (dealable.empty()) {
        return DealResult::NoDealableWord;
    }

    for (int attempt = 0;; ++attempt) {
        const std::size_t index = dealable[SlotOf(DrawReseeded(), dealable.size())];
        state_.CurrentWordIndex = static_cast<std::int32_t>(index);
        const std::string_view word = state_.PlayWords[index];
        std::vector<std::string> letters;
        for (char letter : word) {
            letters.emplace_back(1, letter);
        }
        if (attempt < kMaxShufflesPerDeal) {
            ShuffleLetters(letters);
        } else {
            std::rotate(letters.begin(), letters.begin() + 1, letters.end());
            state_.ScrambledLetters = letters;
        }
        if (TrimBlanks(word) != TrimBlanks(Joined(state_.ScrambledLetters))) {
            break;
        }
    }

    // A dealt word has 3 to 6 letters: buttons 1 to 3 always show, 4 to 6 as the length needs.
    const std::size_t length = state_.ScrambledLetters.size();
    for (int button = 4; button <= 6; ++button) {
        buttons_.SetButtonShown(button, static_cast<std::size_t>(button) <= length);
    }
    for (std::size_t i = 0; i < length; ++i) {
        buttons_.SetButtonCaption(static_cast<int>(i) + 1, state_.ScrambledLetters[i]);
    }
    buttons_.FocusButton(1);
    return DealResult::Dealt;
}

void PuzzleEngine::ShuffleLetters(const std::vector<std::string>& letters) {
    const std::size_t n = letters.size();
    std::vector<std::string> result = letters;
    std::vector<bool> taken(n, false);
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t slot = 0;
        int draws = 0;
        do {
            slot = SlotOf(DrawReseeded(), n);
            if (++draws > kMaxDrawsPerLetter && taken[slot]) {
                slot = static_cast<std::size_t>(std::find(taken.begin(), taken.end(), false) - taken.begin());
            }
        } while (taken[slot]);
        result[slot] = letters[k];
        taken[slot] = true;
    }
    state_.ScrambledLetters = result;
}

std::string PuzzleEngine::WordListTooLargeMessage() const {
    return "The word list " + wordListRead_ + " is too large: Scrambolo can hold " + std::to_string(kWordListCapacity) +
           " words at most, in a file of 16 MB at most. The program will now exit.";
}

std::string PuzzleEngine::WordListMissingMessage() {
    return std::string("The word list ") + kWordListName + " could not be found or read. It was looked for as " +
           state_.WordListPath + " and as " + system_.JoinPath(system_.ProgramFolder(), kWordListName) +
           ". The program will now exit.";
}

double PuzzleEngine::DrawReseeded() {
    random_.Reseed(system_.TimeOfDay());
    return random_.Draw();
}

}  // namespace scrambolo
