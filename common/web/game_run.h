// The one way a game starts and closes in the browser: load, show, run the page's events; unload, save, end.
#pragma once

#include <cstdint>
#include <functional>

#include "common/fault_report.h"
#include "common/game_run.h"
#include "common/random_source.h"
#include "common/web/page_events.h"
#include "common/web/web_system.h"

namespace common::web {

// The run of one game in its page window: the page's events run it, and the close takes the window
// from the page, which then says that the game has closed, and makes every wait and box return.
class GameRun : public common::GameRun {
public:
    // stopTimers stops every timer of the window, so that no handler starts once the close has
    // begun; show shows the window for play, with the focus where play starts.
    GameRun(WebSystem& system, std::function<void()> stopTimers, std::function<void()> show);

    // The run of the game: dispatch hands one page event to the handler it is for; the page
    // leaving closes the game as its close box does.
    int Play(GameLifetime& game, std::function<void(const PageEvent&)> dispatch);

private:
    WebSystem& system_;
};

// A seed for the random source from the browser's own random numbers.
std::uint64_t PageRandomSeed();

// The program around a game in the browser: the game's fault report, the real system, random
// numbers, the window and the game, then its run. Window is the game's page window: made with the
// system, routing the page's events to the game it is given (SetGame, Dispatch), owning the
// GameRun (Run()).
template <typename Window, typename Game>
int PlayGame(const char* gameFolder, FaultReport faultReport) {
    SetFaultReport(std::move(faultReport));
    WebSystem system(gameFolder);
    FoldingRandomSource random(PageRandomSeed());
    Window window(system);
    Game game(window, system, random);
    window.SetGame(&game);
    return window.Run().Play(game, [&window](const PageEvent& event) { window.Dispatch(event); });
}

}  // namespace common::web
