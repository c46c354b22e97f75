// Every text the game shows the player: reports, instructions, the About box and its error messages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/saved_setting.h"
#include "common/system_port.h"

namespace pebblix {

inline constexpr const char* kTitle = "Pebblix";
inline constexpr const char* kErrorTitle = "Error";
inline constexpr const char* kAboutTitle = "About Pebblix";

extern const char* const kWelcomeQuestion;
extern const char* const kInstructions;
extern const char* const kSystemDirectoryError;

// The report of an accepted guess: the points, then the total in the print form with no blank
// after it.
std::string AcceptReport(std::size_t points, std::int16_t Score);

// Score over WordsGuessed rounded to the nearest whole number, halves to the even one; 0 when no
// word was guessed.
std::int16_t AverageScore(std::int16_t Score, std::int16_t WordsGuessed);

// "You beat ..." when the score is above the best, "You did not beat ..." otherwise.
std::string Verdict(std::int16_t Score, std::int16_t HighScore);

// The game-over question, verdict included.
std::string GameOverReport(std::int16_t Score, std::int16_t WordsGuessed, std::int16_t HighScore);

std::string NewGameReport(std::int16_t Score);
// What the player is told when a fault the game cannot recover from ends it; the fault's own words
// are not shown.
std::string FaultMessage(const std::string& what);
std::string AboutText();
std::string VisitMenuCaption();

// What the player is told when something outside the game fails.
std::string DictionaryMissingMessage(const std::string& firstPlace, const std::string& secondPlace);
std::string DictionaryTooLargeMessage(const std::string& path);
std::string DictionaryWithoutLongWordMessage(const std::string& path);
std::string CounterOverflowMessage();
std::string ScoreNotSavedMessage(const std::string& path, common::SaveOutcome outcome);
// A saved file that was there but could not be read is left as it was; this says so.
std::string ScoreNotReadMessage(const std::string& path);
// What the player is told when the sounds option or the time allowed could not be saved.
common::SavedSetting::Messages SoundsMessages();
common::SavedSetting::Messages TimeAllowedMessages();
std::string HelpNotOpenedMessage(const std::string& path);
std::string WebNotOpenedMessage(const std::string& address);

}  // namespace pebblix
