// The anagram engine: loads the word list and high score, selects words by range, deals and shuffles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/random_source.h"
#include "common/system_port.h"
#include "scrambolo/engine/game_state.h"
#include "scrambolo/engine/letter_buttons.h"

namespace scrambolo {

inline constexpr const char* kWordListName = "jmsit32.dll";
inline constexpr const char* kHighScoreName = "highscore.dat";

// The most entries a word list may hold, as many as the hidden-word game's dictionary: far more
// than the words of 3 to 6 letters of any language, and a bound on what a damaged file can cost.
inline constexpr std::size_t kWordListCapacity = 110000;

enum class DealResult {
    Dealt,
    NoDealableWord,  // the play list holds no word that can be dealt; nothing was changed
};

enum class LoadResult {
    Dealt,
    NoDealableWord,    // the list was read, but nothing in the letter range can be dealt
    WordListMissing,   // neither the system directory nor the program folder has a readable list
    WordListTooLarge,  // more than kWordListCapacity entries or kWordListMaxBytes; nothing was changed
};

class PuzzleEngine {
public:
    // The system gives the files, the program folder and the time of day that reseeds each draw.
    PuzzleEngine(GameState& state, LetterButtons& buttons, common::RandomSource& random, common::SystemPort& system);

    // Reads the word list (from WordListPath, else beside the program) and the high score, then
    // builds the play list for LetterRange and deals the first word.
    LoadResult LoadWordList();
    // Reads the high-score file of the time setting into HighScore (0 when it says nothing), at
    // start-up and when the setting changes.
    void ReadHighScoreFile();
    // The high-score file of the time setting: "highscore.dat" for Standard, "highscore2.dat" for
    // twice as long, and so on; each setting keeps its own best.
    std::string HighScoreFileName() const;
    // Another copy of the game may have saved a better score since the start: a game's end reads the
    // file again before it judges the score, and keeps the better of the two (this run's best may
    // be one that could not be saved).
    void CatchUpWithSavedHighScore();
    // True when the high-score file is there but could not be read at the last reading: it must not
    // be written over.
    bool HighScoreFileUnreadable() const { return highScoreFileUnreadable_; }

    // Rebuilds PlayWords from AllWords for LetterRange, then deals.
    DealResult ApplyLetterRange();

    // Rebuilds PlayWords from every entry of 3 to 6 letters, whatever LetterRange says, then deals:
    // the way out when the chosen range has nothing to deal.
    DealResult ApplyFallbackRange();

    // Draws a dealable word of PlayWords, shuffles it until it no longer spells the word, puts it
    // on the buttons and focuses button 1.
    DealResult DealWord();

    // Leaves a random arrangement of the letters in ScrambledLetters.
    void ShuffleLetters(const std::vector<std::string>& letters);

    // The message for a word list that could not be found: the file and both places looked.
    std::string WordListMissingMessage();
    // The message for a word list with more entries than the game holds, naming the file read.
    std::string WordListTooLargeMessage() const;

private:
    // Rebuilds PlayWords from the entries whose letter count fits, in file order, then deals.
    DealResult SelectAndDeal(const std::function<bool(std::size_t)>& fits);
    double DrawReseeded();
    // The saved high score; nothing when the file is there but cannot be read.
    std::optional<std::int32_t> ReadSavedHighScore();

    GameState& state_;
    LetterButtons& buttons_;
    common::RandomSource& random_;
    common::SystemPort& system_;
    std::string wordListRead_;  // the path the list was read from
    bool highScoreFileUnreadable_ = false;
};

}  // namespace scrambolo
