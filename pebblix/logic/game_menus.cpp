// The File, Options (sounds and the time allowed) and Help menu commands.
#include "pebblix/logic/game.h"

#include "common/maker.h"
#include "common/time_allowed_commands.h"
#include "pebblix/logic/game_commands.h"
#include "pebblix/logic/reports.h"

namespace pebblix {

using common::MessageButtons;

void Game::mnuFileNew_Click() {
    tmrWord_.SetEnabled(false);
    // The program gives this report no title of its own, so it carries the program's name, as the
    // platform's default caption for the program's message boxes would.
    system_.ShowMessage(NewGameReport(state.Score), kTitle, MessageButtons::Ok);
    NewGame();
    window_.FocusWord();
}

void Game::mnuFileExit_Click() { window_.UnloadMainWindow(); }

void Game::mnuTimeAllowed_Click(common::TimeAllowedSetting setting) {
    // Set for the checked item too, for a menu that moves a radio item's mark by itself.
    common::CheckTimeAllowed(window_, setting);
    if (setting == state.TimeSetting) {
        return;
    }
    state.TimeSetting = setting;
    timeAllowed_.Picked();
    // Every score belongs to one setting: the game played so far ends as New Game ends it, its
    // score reported and not saved, and the next is played at the new time.
    mnuFileNew_Click();
}

void Game::mnuOptionsSounds_Click() {
    state.SoundsOn = !state.SoundsOn;
    window_.SetMenuCheck(command::kOptionsSounds, state.SoundsOn);
    sounds_.Picked();
}

// Help and the web site open in the player's default viewer; the round's countdown keeps running.
void Game::mnuHelpContents_Click() {
    const std::string helpPath = DataFile(kHelpFile);
    if (!system_.OpenHelpText(helpPath)) {
        system_.ShowMessage(HelpNotOpenedMessage(helpPath), kTitle, MessageButtons::Ok);
    }
}

void Game::mnuHelpVisit_Click() {
    if (!system_.OpenWebAddress(common::maker::kWebAddress)) {
        system_.ShowMessage(WebNotOpenedMessage(common::maker::kWebAddress), kTitle, MessageButtons::Ok);
    }
}

void Game::mnuHelpAbout_Click() { system_.ShowMessage(AboutText(), kAboutTitle, MessageButtons::Ok); }

}  // namespace pebblix
