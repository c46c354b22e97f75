// The anagram game's main-window handlers: start-up, keys, swaps, verdict, clock, hints, options, menus.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/game_lifetime.h"
#include "common/field_values.h"
#include "common/random_source.h"
#include "common/saved_setting.h"
#include "common/system_port.h"
#include "common/timer_control.h"
#include "scrambolo/engine/game_state.h"
#include "scrambolo/engine/puzzle_engine.h"
#include "scrambolo/window/game_texts.h"
#include "scrambolo/window/game_window.h"

namespace scrambolo {

// The verdict on an arrangement, as ReportGuess is given it: 1 wrong, 2 right.
enum class Verdict { Wrong = 1, Right = 2 };

// The saved time setting, beside diff.dat.
inline constexpr const char* kTimeAllowedName = "timeallowed.dat";

// Timer1, the clock, ticks four times a second: each new second is shown within a quarter of one.
inline constexpr int kClockTickMilliseconds = 250;

// Owns the game state and reaches the world only through the window and the system interfaces.
class Game final : public common::GameLifetime {
public:
    Game(GameWindow& window, common::SystemPort& system, common::RandomSource& random);

    // The program-wide variables, read and written by every handler.
    GameState state;

    // Start-up. False when the program must end at once, without the unload handling (no system
    // directory, no word list, no word to deal); the player has been told why.
    bool Form_Load() override;
    bool LocateSystemDirectory();
    void LoadLetterRange();
    // Reads the saved time setting and checks its item; before the word list, whose high score
    // is the setting's.
    void LoadTimeAllowed();

    // Keys and buttons.
    void Form_KeyDown(int KeyCode, int Shift);
    void ButtonArray_GotFocus(int Index);
    void ButtonArray_Click(int Index);
    void lblTime_DblClick();

    // The verdict.
    void CheckArrangement();
    void ReportGuess(Verdict verdict);
    void Pause(double Seconds);

    // The clock and the end of a game.
    void StartClock();
    void Timer1_Timer();
    void ShowClock(std::int32_t Limit, std::int32_t Elapsed);
    void SaveHighScore();

    // Hints.
    void ShowHint();
    void cmdClose_Click();

    // Options and the close.
    void mnuOptions34_Click();
    void mnuOptions45_Click();
    void mnuOptions56_Click();
    void mnuOptions6_Click();
    void mnuOptionsAllRanges_Click();
    // An item of "&Time Allowed": a different setting starts a new game at its time, as "Yes" to
    // "Play again?" does; the checked one does nothing.
    void mnuTimeAllowed_Click(common::TimeAllowedSetting setting);
    void Form_Unload() override;

    // File and Help.
    void mnuFileExit_Click();
    void mnuHelpContents_Click();
    void mnuHelpWeb_Click();
    void mnuHelpAbout_Click();

private:
    std::string_view CurrentWord() const;
    // Cues and help come from the data folder, scores and settings go to the saved-files folder.
    std::string DataFile(const char* name);
    std::string SavedFile(std::string_view name);
    void PlayCue(const char* name);
    // The monotonic time at which a Pause(Seconds) begun now ends.
    double PauseDeadline(double Seconds);
    // Lets events through until the monotonic clock reaches the deadline, which may move meanwhile.
    void WaitUntil(const double& deadline);
    // The buzzer's pause after a wrong check.
    void WrongVerdictPause();
    void EndOfGame();
    // Score and hints back to the start of a game, a new word dealt and its clock started.
    void NewGame();
    // Saves a high score beaten in the game whose end question is up, once.
    void SaveBeatenHighScore();
    // Sets the range and checks its item (an id of scrambolo/window/game_commands.h), then deals.
    void PickLetterRange(std::int32_t value, int item);
    // Deals by range, falling back to every word of 3 to 6 letters when the range has none.
    bool SettleDeal(DealResult result);
    void DealWord();

    GameWindow& window_;
    common::SystemPort& system_;
    PuzzleEngine engine_;

    bool unloaded_ = false;
    // Timer1, switched off until the first word's clock starts.
    common::TimerControl Timer1_{window_, false, kClockTickMilliseconds};
    // Between a right verdict and the deal of the next word: the word on the buttons is solved.
    bool rightVerdictPending_ = false;
    // A hint asked for while a solved word waits for its successor, given to that successor.
    bool hintDeferred_ = false;
    // While a wrong check's pause waits: when it ends.
    std::optional<double> wrongPauseEnd_;
    // Counts deals, so a verdict can tell that a range pick already dealt during its pause.
    std::uint64_t deals_ = 0;
    // Counts the games begun by a time pick, so a verdict can tell that its word's game was
    // abandoned during its pause.
    std::uint64_t timePicks_ = 0;
    // The "Time Is Up" question is up: a time pick made under it waits for its answer to begin
    // the next game, as the clock must stay off while it is up.
    bool endQuestionUp_ = false;
    // Where the current word's clock started on the monotonic clock, and the fraction of a second
    // the wall clock showed then.
    double clockStartMonotonic_ = 0;
    double clockStartFraction_ = 0;
    // The window caption last written: the clock writes it only when its text changes.
    std::string windowCaption_;
    // The letter range in diff.dat, always kept; the time allowed in its own file, once chosen.
    common::SavedSetting letterRange_{
        system_, "diff.dat", common::SavedSetting::FirstFile::AtClose, LetterRangeMessages(),
        [this] { return std::optional<std::string>(common::CrLfLine(common::FormatPlain(state.LetterRange))); }};
    common::SavedSetting timeAllowed_{
        system_, kTimeAllowedName, common::SavedSetting::FirstFile::OnlyWhenPicked, TimeAllowedMessages(),
        [this] { return common::TimeAllowedBytes(system_, timeAllowed_.Path(), state.TimeSetting); }};
    // The end question of a game that beat the high score is up and its score is not yet saved;
    // a log-off under the question saves it before the window goes.
    bool beatenScoreUnsaved_ = false;
};

}  // namespace scrambolo
