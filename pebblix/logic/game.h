// The hidden-word game: its state and the handlers of the main window's events and menu commands.
#pragma once

#include <string>
#include <string_view>

#include "common/game_lifetime.h"
#include "common/random_source.h"
#include "common/setting_save.h"
#include "common/system_port.h"
#include "common/timer_control.h"
#include "pebblix/logic/game_state.h"
#include "pebblix/logic/game_window.h"

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
    // Writes the sounds option, or tells the player why it was not written.
    void SaveOptions();
    bool FindAndLoadDictionary();
    void CheckGuess();
    void AcceptGuess(const std::string& guess);
    void RefuseGuess();
    void PlayWrongSound();
    void SelectGuess();
    void PlayCue(const char* waveFile);
    // Writes the time setting when there is a choice to keep: at the unload, and when picked where a page may end unannounced.
    void SaveTimeAllowed();
    // Cues and help come from the data folder, scores and settings go to the saved-files folder.
    std::string DataFile(const char* name);
    std::string SavedFile(std::string_view name);

    GameWindow& window_;
    common::SystemPort& system_;
    common::RandomSource& random_;
    // tmrWord, as created: switched on, with an interval of 0 until the first word is dealt.
    common::TimerControl tmrWord_{window_, true, 0};
    // The options file was there at start-up but could not be read: it is never written over.
    bool optionsFileUnreadable_ = false;
    // The same for the time setting's file.
    bool timeAllowedFileUnreadable_ = false;
    // When the sounds option and the time allowed are written; the options file is always kept.
    common::SettingSave soundsSave_{common::SettingSave::FirstFile::AtClose};
    common::SettingSave timeAllowedSave_{common::SettingSave::FirstFile::OnlyWhenPicked};
};

}  // namespace pebblix
