// A game's run in the browser: the page's events, and a close that takes the window from the page.
#include "common/web/game_run.h"

#include <emscripten.h>

#include <utility>

#include "common/web/fault_exit.h"

namespace {

// clang-format off
EM_JS(double, random_seed, (), { return Math.floor(Math.random() * 2 ** 53); });
EM_JS(void, end_game, (), { gamePort.endGame(); });
// clang-format on

}  // namespace

namespace common::web {

std::uint64_t PageRandomSeed() { return static_cast<std::uint64_t>(random_seed()); }

GameRun::GameRun(WebSystem& system, std::function<void()> stopTimers, std::function<void()> show)
    : common::GameRun(
          {std::move(stopTimers), std::move(show),
           [&system] {
               end_game();
               system.EndProgram();
           }},
          [&system] {
              system.RunUntilEnded();
              return 0;
          },
          &EndAfterFault),
      system_(system) {}

int GameRun::Play(GameLifetime& game, std::function<void(const PageEvent&)> dispatch) {
    system_.SetDispatcher([this, dispatch = std::move(dispatch)](const PageEvent& event) {
        if (Closing()) {
            return;
        }
        if (event.kind == EventKind::Close) {
            Close(true);
            return;
        }
        RunHandler([&] { dispatch(event); });
    });
    return common::GameRun::Play(game);
}

}  // namespace common::web
