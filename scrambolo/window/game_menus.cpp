// The Options, File and Help menus, and the close of the main window that saves the letter range and the time setting.
#include "scrambolo/window/game.h"

#include "common/maker.h"
#include "common/time_allowed_commands.h"
#include "scrambolo/window/game_commands.h"

namespace scrambolo {

void Game::mnuOptions34_Click() { PickLetterRange(kRange34, command::kOptions34); }
void Game::mnuOptions45_Click() { PickLetterRange(kRange45, command::kOptions45); }
void Game::mnuOptions56_Click() { PickLetterRange(kRange56, command::kOptions56); }
void Game::mnuOptions6_Click() { PickLetterRange(kRange6, command::kOptions6); }
void Game::mnuOptionsAllRanges_Click() { PickLetterRange(kAllRanges, command::kOptionsAllRanges); }

void Game::PickLetterRange(std::int32_t value, int item) {
    if (unloaded_) {
        return;
    }
    state.LetterRange = value;
    for (const int each : command::kLetterRanges) {
        window_.SetMenuCheck(each, each == item);
    }
    state.SwapPending = false;
    // Start-up has proved that the list holds a dealable word, so the fallback always deals.
    SettleDeal(engine_.ApplyLetterRange());
    letterRange_.Picked();
}

void Game::mnuTimeAllowed_Click(common::TimeAllowedSetting setting) {
    if (unloaded_) {
        return;
    }
    // Set for the checked item too, for a menu that moves a radio item's mark by itself.
    common::CheckTimeAllowed(window_, setting);
    if (setting == state.TimeSetting) {
        return;
    }
    // A best beaten in the game whose question is up belongs to the setting it was played at.
    SaveBeatenHighScore();
    state.TimeSetting = setting;
    engine_.ReadHighScoreFile();
    timeAllowed_.Picked();
    // Under "Time Is Up" the answer begins the next game, at the new setting; the clock stays off
    // until then.
    if (endQuestionUp_) {
        return;
    }
    ++timePicks_;
    NewGame();
}

void Game::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    Timer1_.SetEnabled(false);
    // Windows may end the program as soon as a log-off has closed the window.
    SaveBeatenHighScore();
    letterRange_.AtClose();
    timeAllowed_.AtClose();
    // Every other open window closes with the main window, which goes once this handler ends.
    if (window_.HintWindowExists()) {
        window_.CloseHintWindow();
    }
}

void Game::mnuFileExit_Click() { window_.UnloadMainWindow(); }

void Game::mnuHelpContents_Click() {
    if (!system_.StartTextEditor(DataFile("scrambolo.TXT"))) {
        system_.ShowMessage(
            "The help could not be opened: the text editor " + system_.TextEditorName() + " could not be started.",
            "Scrambolo", common::MessageButtons::Ok);
    }
}

void Game::mnuHelpWeb_Click() {
    if (!system_.OpenWebAddress(common::maker::kWebAddress)) {
        system_.ShowMessage(std::string("The web site ") + common::maker::kWebAddress +
                                " could not be opened: no web browser could be started.",
                            "Scrambolo", common::MessageButtons::Ok);
    }
}

void Game::mnuHelpAbout_Click() { system_.ShowMessage(AboutMessage(), "About Scrambolo", common::MessageButtons::Ok); }

}  // namespace scrambolo
