// The one way a game starts and closes on Windows: load, show, run the message loop; unload, save, end.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "common/fault_report.h"
#include "common/game_run.h"
#include "common/random_source.h"
#include "common/win32/message_pump.h"
#include "common/win32/win32_system.h"

namespace common::win32 {

// The run of one game in its Win32 main window: the message pump runs it, and the close destroys
// the window, which ends the program.
class GameRun : public common::GameRun {
public:
    // stopTimers kills every timer of the window, so that no handler starts once the close has
    // begun; show shows the window for play (with the show command the program was started with),
    // active, with the focus where play starts.
    GameRun(MessagePump& pump, std::function<void()> stopTimers, std::function<void(int showCommand)> show);

    // The run of the game in this window, shown with this show command once loaded.
    int Play(GameLifetime& game, HWND window, int showCommand);

    // The main window's messages that close it: its close command (close box, system menu,
    // Alt+F4) and the end of the session (log-off, shutdown), which unload it as the close box
    // does. True when the message was one of them, with the result to give.
    bool HandleCloseMessage(UINT message, WPARAM wParam, LRESULT& result);

private:
    HWND window_ = nullptr;
    int showCommand_ = SW_SHOWDEFAULT;
};

// The program around a game on Windows: the common controls, the game's fault report, the message
// pump, the real system, random numbers, the window and the game, then its run. Window is the
// game's main window: made with the instance and the pump, created (Create, false when Windows
// refused, then noWindowMessage is shown), routing its events to the game it is given (SetGame),
// owning the GameRun (Run()).
template <typename Window, typename Game>
int PlayGame(HINSTANCE instance, int showCommand, FaultReport faultReport, const char* noWindowMessage) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    SetFaultReport(std::move(faultReport));

    MessagePump pump;
    Win32System system([&pump] { pump.DeliverPending(); });
    FoldingRandomSource random(GetTickCount64());
    Window window(instance, pump);
    if (!window.Create()) {
        MessageBoxA(nullptr, noWindowMessage, "Error", MB_OK);
        return 1;
    }
    system.SetOwner(window.Handle());
    Game game(window, system, random);
    window.SetGame(&game);
    return window.Run().Play(game, window.Handle(), showCommand);
}

}  // namespace common::win32
