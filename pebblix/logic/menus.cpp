// The File, Options (sounds and the time allowed) and Help menu commands.
#include "pebblix/logic/pebblix_game.h"

#include "common/maker.h"
#include "pebblix/logic/reports.h"

namespace pebblix {

using common::MessageButtons;

void PebblixGame::mnuFileNew_Click() {
    tmrWord_.SetEnabled(false);
    // The program gives this report no title of its own, so it carries the program's name, as the
    // platform's default caption for the program's message boxes would.
    system_.ShowMessage(NewGameReport(state.Score), kTitle, MessageButtons::Ok);
    NewGame();
    window_.FocusWord();
}

void PebblixGame::mnuFileExit_Click() { window_.UnloadMainWindow(); }

void PebblixGame::mnuTimeAllowed_Click(common::TimeAllowedSetting setting) {
    // Set for the checked item too, for a menu that moves a radio item's mark by itself.
    window_.SetTimeAllowedCheck(setting);
    if (setting == state.TimeSetting) {
        return;
    }
    state.TimeSetting = setting;
    if (timeAllowedSave_.Picked(system_)) {
        SaveTimeAllowed();
    }
    // Every score belongs to one setting: the game played so far ends as New Game ends it, its
    // score reported and not saved, and the next is played at the new time.
    mnuFileNew_Click();
}

void PebblixGame::mnuOptionsSounds_Click() {
    state.SoundsOn = !state.SoundsOn;
    window_.SetSoundsChecked(state.SoundsOn);
    if (soundsSave_.Picked(system_)) {
        SaveOptions();
    }
}

// Help and the web site open in the player's default viewer; the round's countdown keeps running.
void PebblixGame::mnuHelpContents_Click() {
    const std::string helpPath = DataFile(kHelpFile);
    if (!system_.OpenHelpText(helpPath)) {
        system_.ShowMessage(HelpNotOpenedMessage(helpPath), kTitle, MessageButtons::Ok);
    }
}

void PebblixGame::mnuHelpVisit_Click() {
    if (!system_.OpenWebAddress(common::maker::kWebAddress)) {
        system_.ShowMessage(WebNotOpenedMessage(common::maker::kWebAddress), kTitle, MessageButtons::Ok);
    }
}

void PebblixGame::mnuHelpAbout_Click() { system_.ShowMessage(AboutText(), kAboutTitle, MessageButtons::Ok); }

}  // namespace pebblix
