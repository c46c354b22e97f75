// Builds the clock text, the hint patterns and the fixed wording of the game's message boxes.
#include "scrambolo/window/game_texts.h"

#include "common/field_values.h"
#include "common/game_text.h"
#include "common/maker.h"
#include "common/saved_file.h"

namespace scrambolo {
namespace {

std::string TwoDigits(std::int32_t value) {
    std::string digits = common::FormatPlain(value);
    return digits.size() < 2 ? "0" + digits : digits;
}

}  // namespace

std::string FormatClock(std::int32_t seconds) { return TwoDigits(seconds / 60) + ":" + TwoDigits(seconds % 60); }

std::optional<std::string> HintPattern(std::string_view word) {
    switch (word.size()) {
        case 3:
            return std::string{word[0]} + "**";
        case 4:
            return std::string{word[0]} + "**" + word[3];
        case 5:
            return std::string{word[0]} + "*" + word[2] + "**";
        case 6:
            return std::string{word[0]} + "**" + word[3] + "*" + word[5];
        default:
            return std::nullopt;
    }
}

std::string HighScoreMessage(std::int32_t highScore) {
    return "Your high score is " + common::FormatPlain(highScore) + " guessed words!";
}

std::string TimeIsUpMessage(std::int32_t wordsGuessed, std::int32_t highScore, std::string_view word) {
    const std::string high = common::FormatPlain(highScore);
    const std::string guessed = common::FormatPlain(wordsGuessed);
    const std::string ending = " words! The word was " + common::Utf8FromGameText(word) + ". Play again?";
    if (wordsGuessed > highScore) {
        return "Congradulations! You beat your high score of " + high + " words! Your new high score is " + guessed +
               ending;
    }
    return "Oops! You didn't beat your high score of " + high + " words! You guessed " + guessed + ending;
}

std::string AboutMessage() {
    return std::string("Scrambolo version 1.0\r\n") + common::maker::kRightsLine +
           "\r\nSupport: " + common::maker::kSupportAddress + "\r\nWeb: " + common::maker::kWebHost;
}

common::SavedSetting::Messages LetterRangeMessages() {
    return {"Scrambolo",
            [](const std::string& path) {
                return "The number of letters you chose was not saved: the file " + path +
                       " could not be read when the game started, so it was left as it was.";
            },
            [](const std::string& path, common::SaveOutcome outcome) {
                return "The number of letters you chose could not be saved" + common::WhereNotSaved(path, outcome) +
                       ". The setting saved before is kept as it was.";
            }};
}

common::SavedSetting::Messages TimeAllowedMessages() {
    return {"Scrambolo",
            [](const std::string& path) {
                return "The time allowed you chose was not saved: the file " + path +
                       " could not be read when the game started, so it was left as it was.";
            },
            [](const std::string& path, common::SaveOutcome outcome) {
                return "The time allowed you chose could not be saved" + common::WhereNotSaved(path, outcome) +
                       ". The setting saved before is kept as it was.";
            }};
}

std::string WebMenuCaption() { return std::string("&Visit ") + common::maker::kName + " On The Web..."; }

std::string FaultMessage(const std::string& what) {
    return "Scrambolo met a problem it cannot recover from and will now close (" + what +
           "). Your saved high score and settings are kept as they were.";
}

}  // namespace scrambolo
