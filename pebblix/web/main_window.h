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
    void SetTimerEnabled(bool enabled) override;
    void SetTimerInterval(int milliseconds) override;
    void SetSoundsChecked(bool checked) override;
    void UnloadMainWindow() override { Close(true); }
    void EndProgram() override { Close(false); }

private:
    void DispatchMenu(int item);
    // The timer's rules: on with an interval above 0 it fires each interval, counted afresh from
    // each change, as a Windows timer does.
    void ApplyTimer();
    void Close(bool runUnloadHandler);
    // Runs a handler; anything it throws ends the program with a plain message.
    template <typename Handler>
    void Run(Handler handler);

    common::web::WebSystem& system_;
    PebblixGame* game_ = nullptr;
    bool timerEnabled_ = true;
    int timerInterval_ = 0;
    bool closing_ = false;
};

}  // namespace pebblix::web
