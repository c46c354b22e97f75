// The anagram game's window in the browser: the page's letter buttons, clock, menus and hint window.
#pragma once

#include <array>
#include <string>

#include "common/web/game_run.h"
#include "common/web/page_events.h"
#include "common/web/web_system.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_window.h"

namespace scrambolo::web {

// Carries out the handlers' requests on the page and turns the page's events into handler calls.
class MainWindow final : public GameWindow {
public:
    // The page's window is laid out and captioned as the window is created on the desktop.
    explicit MainWindow(common::web::WebSystem& system);

    void SetGame(Game* game) { game_ = game; }
    // Hands one event of the page to the handler it is for.
    void Dispatch(const common::web::PageEvent& event);
    // Its start and close, as every game's in the browser. The load handler shows the window itself.
    common::web::GameRun& Run() { return run_; }

    void SetButtonCaption(int index, const std::string& caption) override;
    void SetButtonShown(int index, bool shown) override;
    void FocusButton(int index) override;
    std::string ButtonCaption(int index) override;
    void PlaceButton(int index, int left, int top, int width) override;
    void SetOuterWidth(int width) override;
    void PlaceClockLabel(int left, int top) override;
    void ShowMainWindow() override;
    void SetClockText(const std::string& text) override;
    std::string ClockText() override { return clockText_; }
    void SetWindowCaption(const std::string& text) override;
    void StartTimer(int milliseconds) override;
    void StopTimer() override;
    void SetMenuCheck(int item, bool checked) override;
    bool HintWindowExists() override { return hintWindowExists_; }
    void CreateHintWindow() override;
    void SetHintText(const std::string& text) override;
    void ShowHintWindow() override;
    void CloseHintWindow() override;
    void UnloadMainWindow() override { run_.Close(true); }
    void EndProgram() override { run_.Close(false); }

private:
    common::web::WebSystem& system_;
    Game* game_ = nullptr;
    // The captions and the clock as the game set them, byte for byte: the page holds them as
    // text, and reading one back gives the game's own bytes.
    std::array<std::string, 7> captions_;
    std::string clockText_;
    bool hintWindowExists_ = false;
    common::web::GameRun run_{system_, [this] { StopTimer(); }, [] {}};
};

}  // namespace scrambolo::web
