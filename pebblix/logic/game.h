// The hidden-word game: its state and the handlers of the main window's events and menu commands.
#pragma once

#include <string>
#include <string_view>

#include "common/game_lifetime.h"
#include "common/random_source.h"
#include "common/saved_setting.h"
#include "common/system_port.h"
#include "common/timer_control.h"
#include "pebblix/logic/game_state.h"
#include "pebblix/logic/game_window.h"
#include "pebblix/logic/reports.h"
#include "pebblix/logic/saved_files.h"

namespace pebblix {

class Game final : public common::GameLifetime {
public:
    Game(GameWindow& window, common::SystemPort& system, common::RandomSource& random)
        : window_(window), system_(system), random_(random) {}

    // The program-wide variables, read and written by every handler.
    GameState state;

    // Start-up, before the window is first shown: system directory, options, dictionary,
    // welcome, first game. False when the program must end at once, without the unload handling
    // (no system directory, no dictionary to play from); the player has been told why.
    bool Form_Load() override;
    // Whenever the main window is unloaded: saves the sounds option.
    void Form_Unload() override;

    void cmdEnter_Click();
    void tmrWord_Timer();

    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void mnuOptionsSounds_Click();
    // An item of "&Time Allowed": a different setting starts a new game at its time, as New Game
    // does, its report included; the checked one does nothing.
    void mnuTimeAllowed_Click(common::TimeAllowedSetting setting);
    void mnuHelpContents_Click();
    void mnuHelpVisit_Click();
    void mnuHelpAbout_Click();

    // Counters to 0 and a first word dealt and shown.
    void NewGame();
    // Deals a random word of five letters or more and restarts tmrWord for the current Score.
    void PickWord();

private:
    bool FindAndLoadDictionary();
    void CheckGuess();
    void AcceptGuess(const std::string& guess);
    void RefuseGuess();
    void PlayWrongSound();
    void SelectGuess();
    void PlayCue(const char* waveFile);
    // Cues and help come from the data folder, scores and settings go to the saved-files folder.
    std::string DataFile(const char* name);
    std::string SavedFile(std::string_view name);

    GameWindow& window_;
    common::SystemPort& system_;
    common::RandomSource& random_;
    // tmrWord, as created: switched on, with an interval of 0 until the first word is dealt.
    common::TimerControl tmrWord_{window_, true, 0};
    // The sounds option in the options file, always kept; the time allowed in its own file, once chosen.
    common::SavedSetting sounds_{system_, kOptionsFile, common::SavedSetting::FirstFile::AtClose, SoundsMessages(),
                                 [this] { return std::optional<std::string>(FormatOptionsFile(state.SoundsOn)); }};
    common::SavedSetting timeAllowed_{
        system_, kTimeAllowedFile, common::SavedSetting::FirstFile::OnlyWhenPicked, TimeAllowedMessages(),
        [this] { return common::TimeAllowedBytes(system_, timeAllowed_.Path(), state.TimeSetting); }};
};

}  // namespace pebblix
