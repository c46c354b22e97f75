// frmMain in the browser: the page's word box, guess form, menus and round timer, carrying out the game's handlers.
#pragma once

#include <string>

#include "common/web/page_events.h"
#include "common/web/web_system.h"
#include "pebblix/logic/game_window.h"
#include "pebblix/logic/pebblix_game.h"

namespace pebblix::web {

class MainWindow final : public GameWindow {
public:
    // The page has built the window hidden; its controls are placed and captioned here.
    explicit MainWindow(common::web::WebSystem& system);

    // Runs the load handler, then shows the window with the focus in txtWord; false when the
    // program ended during start-up.
    bool LoadAndShow(PebblixGame& game);
    // Hands one event of the page to the handler it is for.
    void Dispatch(const common::web::PageEvent& event);

    void SetWordText(const std::string& text) override;
    std::string GuessText() override;
    void SetGuessText(const std::string& text) override;
    void FocusWord() override;
    void FocusGuess() override;
    void SelectAllGuess() override;
    void StartTimer(int milliseconds) override;
    void StopTimer() override;
    void SetSoundsChecked(bool checked) override;
    void SetTimeAllowedCheck(common::TimeAllowedSetting setting) override;
    void UnloadMainWindow() override { Close(true); }
    void EndProgram() override { Close(false); }

private:
    void DispatchMenu(int item);
    // Closes the window and ends the program; the unload handler runs first unless the program is
    // ending at once.
    void Close(bool runUnloadHandler);

    common::web::WebSystem& system_;
    PebblixGame* game_ = nullptr;
    bool closing_ = false;
};

}  // namespace pebblix::web
