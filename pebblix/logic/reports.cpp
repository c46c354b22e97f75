// The game's texts, word for word as players and their screen readers hear them.
#include "pebblix/logic/reports.h"

#include <cstdlib>

#include "common/field_values.h"
#include "common/maker.h"
#include "common/saved_file.h"

namespace pebblix {

using common::FormatPlain;
using common::FormatPrint;

const char* const kWelcomeQuestion = "Welcome to Pebblix! Do you want instructions?";

const char* const kInstructions =
    "When the game begins, you will be given a word. You must find another word contained in that word before "
    "your time expires. For instance, if the word is computer, you could use the word 'put' or 'con' and so "
    "on. Depending on the length of the word you come up with, you are given a certain number of points. If "
    "the length of your word is three characters, you will be given three points. If the length is four "
    "characters, you get four points, and so on. If your time expires and you have not yet found a valid "
    "word, its curtains! At first, you have fifteen seconds to come up with a word. Every hundred points you "
    "receive, this time decreases until it reaches a minimum of five seconds. You can only use one or two "
    "letter words a maximum of ten times, so use them sparingly!";

const char* const kSystemDirectoryError =
    "There was an error starting the program, please try again. The program will now exit.";

std::string AcceptReport(std::size_t points, std::int16_t Score) {
    return "Nice work! You earned " + FormatPlain(static_cast<std::int64_t>(points)) +
           " points and now have a total of " + FormatPrint(Score) + "points! Get ready for the next word!";
}

std::int16_t AverageScore(std::int16_t Score, std::int16_t WordsGuessed) {
    if (WordsGuessed == 0) {
        return 0;
    }
    // Whole-number arithmetic on magnitudes, so a half is seen exactly; halves are symmetric, so
    // the sign is put back at the end.
    const bool negative = (Score < 0) != (WordsGuessed < 0);
    const int dividend = std::abs(static_cast<int>(Score));
    const int divisor = std::abs(static_cast<int>(WordsGuessed));
    int quotient = dividend / divisor;
    const int twiceRemainder = 2 * (dividend % divisor);
    if (twiceRemainder > divisor || (twiceRemainder == divisor && quotient % 2 == 1)) {
        ++quotient;
    }
    return static_cast<std::int16_t>(negative ? -quotient : quotient);
}

std::string Verdict(std::int16_t Score, std::int16_t HighScore) {
    if (Score > HighScore) {
        return "You beat your old high score, which was " + FormatPlain(HighScore) + "!";
    }
    return "You did not beat your high score of " + FormatPlain(HighScore) + ".";
}

std::string GameOverReport(std::int16_t Score, std::int16_t WordsGuessed, std::int16_t HighScore) {
    return "Times up! Sorry, you lose! Your final score was " + FormatPrint(Score) + ". It took you " +
           FormatPlain(WordsGuessed) + " words, so your average score per word is " +
           FormatPlain(AverageScore(Score, WordsGuessed)) + ". " + Verdict(Score, HighScore) + " Play again?";
}

std::string FaultMessage(const std::string&) {
    return "Pebblix met a problem it cannot recover from and has to close. Your saved high score is left as it was.";
}

std::string NewGameReport(std::int16_t Score) {
    return "New game started. You ended your previous game with " + FormatPlain(Score) + " points.";
}

std::string AboutText() {
    return std::string("Pebblix version 1.0\r\n") + common::maker::kRightsLine +
           "\r\nSupport: " + common::maker::kSupportAddress + "\r\nWeb: " + common::maker::kWebAddress;
}

std::string VisitMenuCaption() { return std::string("&Visit ") + common::maker::kName + " On The Web"; }

std::string DictionaryMissingMessage(const std::string& firstPlace, const std::string& secondPlace) {
    return "Pebblix cannot read its dictionary, the file mswnby32.dll. It looked for it here:\r\n" + firstPlace +
           "\r\n" + secondPlace + "\r\nThe program will now exit.";
}

std::string DictionaryTooLargeMessage(const std::string& path) {
    return "The dictionary " + path +
           " is too large: Pebblix can hold 110000 words at most, in a file of 16 MB at most. The program will now "
           "exit.";
}

std::string DictionaryWithoutLongWordMessage(const std::string& path) {
    return "The dictionary " + path +
           " holds no word of five or more letters, so Pebblix has no word to give you. The program will now exit.";
}

std::string CounterOverflowMessage() {
    return "Pebblix has to stop: a count in this game went past 32767, the most it can keep. Your saved high "
           "score and settings are left as they were. The program will now exit.";
}

std::string ScoreNotSavedMessage(const std::string& path, common::SaveOutcome outcome) {
    return "Pebblix could not save your new high score" + common::WhereNotSaved(path, outcome) +
           ". The high score saved before is left as it was.";
}

std::string ScoreNotReadMessage(const std::string& path) {
    return "Pebblix did not save your new high score: the file " + path +
           " could not be read, so it was left as it was.";
}

common::SavedSetting::Messages SoundsMessages() {
    return {kTitle,
            [](const std::string& path) {
                return "Pebblix did not save your sound setting: the file " + path +
                       " could not be read when the game started, so it was left as it was.";
            },
            [](const std::string& path, common::SaveOutcome outcome) {
                return "Pebblix could not save your sound setting" + common::WhereNotSaved(path, outcome) +
                       ". The setting saved before is left as it was.";
            }};
}

common::SavedSetting::Messages TimeAllowedMessages() {
    return {kTitle,
            [](const std::string& path) {
                return "Pebblix did not save the time allowed you chose: the file " + path +
                       " could not be read when the game started, so it was left as it was.";
            },
            [](const std::string& path, common::SaveOutcome outcome) {
                return "Pebblix could not save the time allowed you chose" + common::WhereNotSaved(path, outcome) +
                       ". The setting saved before is left as it was.";
            }};
}

std::string HelpNotOpenedMessage(const std::string& path) {
    return "Pebblix could not open the help file " + path + ". The game goes on.";
}

std::string WebNotOpenedMessage(const std::string& address) {
    return "Pebblix could not open the web address " + address + ". The game goes on.";
}

}  // namespace pebblix
