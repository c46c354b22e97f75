// frmMain in the browser: the page's word box, guess form, menus and round timer, carrying out the game's handlers.
#pragma once

#include <string>

#include "common/web/game_run.h"
#include "common/web/page_events.h"
#include "common/web/web_system.h"
#include "pebblix/logic/game_window.h"
#include "pebblix/logic/game.h"

namespace pebblix::web {

class MainWindow final : public GameWindow {
public:
    // The page has built the window hidden; its controls are placed and captioned here.
    explicit MainWindow(common::web::WebSystem& system);

    void SetGame(Game* game) { game_ = game; }
    // Hands one event of the page to the handler it is for.
    void Dispatch(const common::web::PageEvent& event);
    // Its start and close, as every game's in the browser.
    common::web::GameRun& Run() { return run_; }

    void SetWordText(const std::string& text) override;
    std::string GuessText() override;
    void SetGuessText(const std::string& text) override;
    void FocusWord() override;
    void FocusGuess() override;
    void SelectAllGuess() override;
    void StartTimer(int milliseconds) override;
    void StopTimer() override;
    void SetMenuCheck(int item, bool checked) override;
    void UnloadMainWindow() override { run_.Close(true); }
    void EndProgram() override { run_.Close(false); }

private:
    // Shown after start-up, with the focus in txtWord.
    void ShowForPlay();

    common::web::WebSystem& system_;
    Game* game_ = nullptr;
    common::web::GameRun run_{system_, [this] { StopTimer(); }, [this] { ShowForPlay(); }};
};

}  // namespace pebblix::web
